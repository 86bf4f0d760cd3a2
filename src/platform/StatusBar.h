#pragma once

#include <QString>
#include <QWidget>

#include "Clock.h"

class QLabel;

namespace kl {

// The status bar of a main window: a text panel, then the current date and time, each panel in twips.
// A text width of 0 lets the text panel take what the date and time leave.
struct StatusBarSpec {
    QString text;
    int textWidth = 0;
    int dateWidth = 1440;
    int timeWidth = 1440;
};

class StatusBar : public QWidget {
    Q_OBJECT
public:
    StatusBar(QWidget* parent, const StatusBarSpec& desc, const platform::Clock& clock);
    QString panelText(int panel) const; // 1 text, 2 date, 3 time
    // Shows the clock's date and time now; a timer does it every second while the bar exists.
    void refresh();

private:
    const platform::Clock& m_clock;
    QLabel* m_panels[3] = {nullptr, nullptr, nullptr};
};

} // namespace kl
