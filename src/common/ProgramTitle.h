#pragma once

#include <QString>

namespace kl {

// The program's name as its message boxes and the return questions carry it.
inline QString programTitle() {
    using namespace Qt::StringLiterals;
    return u"Kavor Lintep 2005"_s;
}

// The viewer's title, as its messages and its return question carry it.
inline QString viewerTitle() {
    using namespace Qt::StringLiterals;
    return u"Kavor Lintep 2005 Viewer"_s;
}

} // namespace kl
