#include "StatusBar.h"

#include <QApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QTimer>

#include "platform/Controls.h"
#include "platform/QtTranslations.h"

using namespace Qt::StringLiterals;

namespace kl {

StatusBar::StatusBar(QWidget* parent, const StatusBarSpec& desc, const platform::Clock& clock)
    : QWidget(parent), m_clock(clock) {
    setObjectName(u"sbStatusBar"_s);
    // The bar keeps the system's colour whatever colour its window has.
    QPalette system = palette();
    system.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    setPalette(system);
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(1, 2, 1, 1);
    row->setSpacing(2);
    const int widths[3] = {desc.textWidth, desc.dateWidth, desc.timeWidth};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(u"sbStatusBar_Panel_%1"_s.arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(3);
        if (widths[i] > 0) {
            panel->setMinimumWidth(twips(widths[i]));
        }
        // The text panel takes the room left over unless it has a width of its own.
        const bool stretches = i == 0 && widths[i] <= 0;
        row->addWidget(panel, stretches ? 1 : 0);
        m_panels[i] = panel;
    }
    if (desc.textWidth > 0) {
        row->addStretch(1);
    }
    m_panels[0]->setText(desc.text);
    refresh();
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &StatusBar::refresh);
    timer->start(1000);
}

QString StatusBar::panelText(int panel) const {
    return panel >= 1 && panel <= 3 ? m_panels[panel - 1]->text() : QString();
}

void StatusBar::refresh() {
    const QDateTime now = m_clock.now();
    // The short formats of Japanese, as the system the program was made for shows them: 2026/12/11, 5:22.
    const QLocale locale = platform::japaneseLocale();
    m_panels[1]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_panels[2]->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

} // namespace kl
