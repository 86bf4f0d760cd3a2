#include "app/gui/SysInfo.h"

#include "app/SysInfoLookup.h"
#include "platform/Platform.h"

using namespace Qt::StringLiterals;

namespace kl {

void StartSysInfo(platform::Platform& platform, QWidget* owner) {
    const std::optional<QString> program = findSysInfoProgram(platform.registry);
    if (program && platform.processes.startDetached(*program, {})) {
        return;
    }
    // No title of its own: the box carries the program's title.
    platform.messageBoxes.show(platform::notice(sysInfoUnavailableMessage(), platform::MsgIcon::None,
                                                u"Kavor Lintep 2005 Zelmarovinth"_s),
                               owner);
}

} // namespace kl
