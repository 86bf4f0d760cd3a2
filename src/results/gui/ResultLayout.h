#pragma once

#include <vector>

#include <QString>
#include <QStringList>
#include <QStringView>

#include "platform/Forms.h"
#include "platform/Layout.h"

class QWidget;

namespace kl {

// The layout of the result window, shared with the viewer window, which repeats it with "F7" for "F4" and
// changes its differences in these tables by name. Names without the window prefix (Frame0, Label18,
// Notice_Blue_TXT, Image4 ...) are the same in both windows.

// Every control, containers first. The six comment labels are rows of the table too, but are made by
// buildCommentLabels (see there); the layout builder gets the other rows from layoutRows.
std::vector<ControlSpec> resultWindowControls(QStringView prefix);

// The window around the controls: client area, status bar, menus, default button and tab order. The
// caption is left to the load step.
WindowSpec resultWindowSpec(QStringView prefix);

// The names of the six comment labels: the two diameter comments, then FL, FR, RL, RR.
QStringList commentLabelNames(QStringView prefix);

// The rows the common layout builder makes: all but the six comment labels.
std::vector<ControlSpec> layoutRows(const std::vector<ControlSpec>& rows, QStringView prefix);

// Makes the six comment labels of `rows` inside their containers, which must exist already. Their text
// colour is written by the judgements; their fixed single border keeps the standard colour whatever the
// text colour is. Until a text colour is written they show the system's button text.
void buildCommentLabels(QWidget& client, const std::vector<ControlSpec>& rows, QStringView prefix);

} // namespace kl
