#pragma once

#include <QApplication>
#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QtTest>

#include "input/gui/Form2.h"
#include "platform/Controls.h"
#include "support/TestEnvironment.h"

// What the window tests of the data-entry window share: the names of its fields and a shown window.
namespace kl::testing {

inline QStringList form2SizeLists() {
    using namespace Qt::StringLiterals;
    return {u"Combo11"_s, u"Combo12"_s, u"Combo14"_s, u"Combo15"_s, u"Combo16"_s, u"Combo17"_s,
            u"Combo19"_s, u"Combo20"_s, u"Combo21"_s, u"Combo22"_s, u"Combo24"_s, u"Combo25"_s,
            u"Combo26"_s, u"Combo27"_s, u"Combo29"_s, u"Combo30"_s};
}

inline QStringList form2DirectionLists() {
    using namespace Qt::StringLiterals;
    return {u"Combo1"_s, u"Combo2"_s, u"Combo3"_s, u"Combo4"_s};
}

inline QStringList form2ClearanceBoxes() {
    using namespace Qt::StringLiterals;
    QStringList names;
    for (const char* wheel : {"FL", "FR", "RL", "RR"}) {
        for (const char* kind : {"Hikikomi", "Joubu", "Zengo"}) {
            names.append(u"F2_FC_%1_%2_Old_TXT"_s.arg(QLatin1StringView(wheel), QLatin1StringView(kind)));
        }
    }
    return names;
}

inline QStringList form2TypedBoxes() {
    using namespace Qt::StringLiterals;
    return QStringList{u"Text13"_s, u"Text18"_s, u"Text23"_s, u"Text28"_s} + form2ClearanceBoxes();
}

// An input file with `lines` (by line number, from 1) as given and every other line empty, as the window
// writes an empty field: "" for a direction, 0 for the rest.
inline QByteArray inputFileWith(const QMap<int, QByteArray>& lines = {}) {
    QByteArray file;
    for (int line = 1; line <= 36; ++line) {
        const bool direction = line == 3 || line == 15 || line == 27 || line == 33;
        file += lines.value(line, direction ? "\"\"" : "0") + "\r\n";
    }
    return file;
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
