#pragma once

#include <QApplication>
#include <QStringList>
#include <QtTest>

#include "input/gui/Form2.h"
#include "platform/Controls.h"
#include "support/TestEnvironment.h"

// What the window tests of the data-entry window share: the names of its fields and a shown window.
namespace kl::testing {

inline QStringList form2SizeLists() {
    return {QStringLiteral("Combo11"), QStringLiteral("Combo12"), QStringLiteral("Combo14"),
            QStringLiteral("Combo15"), QStringLiteral("Combo16"), QStringLiteral("Combo17"),
            QStringLiteral("Combo19"), QStringLiteral("Combo20"), QStringLiteral("Combo21"),
            QStringLiteral("Combo22"), QStringLiteral("Combo24"), QStringLiteral("Combo25"),
            QStringLiteral("Combo26"), QStringLiteral("Combo27"), QStringLiteral("Combo29"),
            QStringLiteral("Combo30")};
}

inline QStringList form2DirectionLists() {
    return {QStringLiteral("Combo1"), QStringLiteral("Combo2"), QStringLiteral("Combo3"),
            QStringLiteral("Combo4")};
}

inline QStringList form2ClearanceBoxes() {
    QStringList names;
    for (const char* wheel : {"FL", "FR", "RL", "RR"}) {
        for (const char* kind : {"Hikikomi", "Joubu", "Zengo"}) {
            names.append(
                QStringLiteral("F2_FC_%1_%2_Old_TXT").arg(QLatin1StringView(wheel), QLatin1StringView(kind)));
        }
    }
    return names;
}

inline QStringList form2TypedBoxes() {
    return QStringList{QStringLiteral("Text13"), QStringLiteral("Text18"), QStringLiteral("Text23"),
                       QStringLiteral("Text28")} +
           form2ClearanceBoxes();
}

// The window loaded, shown and active, so that focus moves run their reactions as for a user.
inline bool showActive(Form2& f) {
    f.show();
    f.activateWindow();
    return QTest::qWaitForWindowActive(&f);
}

inline QString focusedName() {
    QWidget* w = QApplication::focusWidget();
    return w == nullptr ? QString() : w->objectName();
}

// The colour a list or a typed box is painted with.
inline QColor backOf(const QWidget& w) {
    return w.palette().color(QPalette::Base);
}

inline QColor windowColour() {
    return systemWindowColour().toColor();
}

} // namespace kl::testing
