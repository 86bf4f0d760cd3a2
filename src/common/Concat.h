#pragma once

#include <initializer_list>

#include <QString>
#include <QStringView>

namespace kl {

// The parts one after the other: the texts built from words and fixed pieces (help texts, tooltips).
inline QString cat(std::initializer_list<QStringView> parts) {
    QString s;
    for (QStringView p : parts) {
        s += p;
    }
    return s;
}

} // namespace kl
