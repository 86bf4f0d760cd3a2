#pragma once

// How GoogleTest shows Qt's texts and bytes and our colours in a failure; without these it shows their
// memory. Include it in every GoogleTest file that compares them, so that all of a program's files print
// them alike.

#include <algorithm>
#include <ostream>

#include <QByteArray>
#include <QString>

#include "common/GradePalette.h"

// The text in quotes, and its code points when it holds anything but printable ASCII: full- and half-width
// forms, ideographic spaces and line ends look alike or not at all.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
    const bool plain = std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u' ' && c <= u'~'; });
    if (plain) {
        return;
    }
    *os << " (";
    for (const QChar c : s) {
        *os << " U+" << QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0').toStdString();
    }
    *os << " )";
}

inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << b.toHex(' ').toStdString();
}

namespace kl {

inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << '(' << c.r << ',' << c.g << ',' << c.b << ')';
}

} // namespace kl
