#include "app/ProgramVersion.h"

using namespace Qt::StringLiterals;

#ifndef KL_VERSION_MAJOR
#error "The build passes the project's version as KL_VERSION_MAJOR, KL_VERSION_MINOR and KL_VERSION_REVISION"
#endif

namespace kl {

ProgramVersion programVersion() {
    return {KL_VERSION_MAJOR, KL_VERSION_MINOR, KL_VERSION_REVISION};
}

QString splashVersionText(const ProgramVersion& version) {
    return u"Version %1.%2.%3"_s.arg(version.major).arg(version.minor).arg(version.revision);
}

QString aboutVersionText(const ProgramVersion& version) {
    return u"Version  %1 . %2 . %3"_s.arg(version.major).arg(version.minor).arg(version.revision);
}

} // namespace kl
