#pragma once

#include <vector>

#include <QString>
#include <QStringList>
#include <QStringView>

#include "platform/AppContext.h"
#include "platform/Layout.h"

class QWidget;

namespace kl {

// The layout of the result window, shared with the viewer window, which repeats it with "F7" for "F4" and
// changes its differences in these tables by name. Names without the window prefix (Frame0, Label18,
// Notice_Blue_TXT, Image4 ...) are the same in both windows.

// Every control, containers first.
std::vector<ControlSpec> resultWindowControls(QStringView prefix);

// The window around the controls: client area, status bar, menus, default button and tab order. The
// caption is left to the load step.
WindowSpec resultWindowSpec(QStringView prefix);

// The names of the six comment labels: the two diameter comments, then FL, FR, RL, RR.
QStringList commentLabelNames(QStringView prefix);

} // namespace kl
