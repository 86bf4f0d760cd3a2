#pragma once

#include <QString>

namespace kl {

// The help file as every main window keeps it: the program's folder, this platform's path separator and
// the file's name.
inline QString helpFilePathIn(const QString& programFolder) {
    using namespace Qt::StringLiterals;
    return programFolder + u'/' + u"Kavor Lintep 2005 HELP.chm"_s;
}

} // namespace kl
