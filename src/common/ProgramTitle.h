#pragma once

#include <QString>

namespace kl {

// The program's name as its message boxes and the return questions carry it.
inline QString programTitle() {
    return QStringLiteral("Kavor Lintep 2005");
}

// The viewer's title, as its messages and its return question carry it.
inline QString viewerTitle() {
    return QStringLiteral("Kavor Lintep 2005 Viewer");
}

} // namespace kl
