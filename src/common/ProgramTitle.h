#pragma once

#include <QString>

namespace kl {

// The program's name as its message boxes and the return questions carry it.
inline QString programTitle() {
    return QStringLiteral("Kavor Lintep 2005");
}

} // namespace kl
