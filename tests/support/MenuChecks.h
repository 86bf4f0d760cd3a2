#pragma once

#include <vector>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QtTest>

#include "platform/AppContext.h"
#include "support/TestEnvironment.h"

namespace kl::testing {

struct MenuEntry {
    QString menu;
    QString name;
    QString caption; // "-" for a separator
    QKeySequence shortcut;
};

// The window's menu bar holds exactly these menus ("name=title") and these items, in order, each with its
// caption and shortcut, enabled, visible and unticked.
inline void compareMenus(Form& w, const QStringList& menuTitles, const std::vector<MenuEntry>& expected) {
    QStringList titles;
    QStringList items;
    for (QAction* top : w.menuBar()->actions()) {
        QVERIFY(top->menu() != nullptr);
        titles << top->menu()->objectName() + u'=' + top->menu()->title();
        for (QAction* a : top->menu()->actions()) {
            items << a->objectName();
        }
    }
    QCOMPARE(titles, menuTitles);
    QStringList expectedItems;
    for (const MenuEntry& e : expected) {
        expectedItems << e.name;
        auto& menu = need<QMenu>(w, e.menu);
        auto* action = menu.findChild<QAction*>(e.name);
        QVERIFY2(action != nullptr && menu.actions().contains(action), qPrintable(e.name));
        QCOMPARE(action->isSeparator(), e.caption == u"-");
        if (!action->isSeparator()) {
            QCOMPARE(action->text(), e.caption);
        }
        QCOMPARE(action->shortcut(), e.shortcut);
        QVERIFY(action->isEnabled() && action->isVisible() && !action->isChecked());
    }
    QCOMPARE(items, expectedItems);
}

} // namespace kl::testing
