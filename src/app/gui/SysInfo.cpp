#include "app/gui/SysInfo.h"

#include "app/SysInfoLookup.h"
#include "platform/Platform.h"

namespace kl {

void StartSysInfo(platform::Platform& platform, QWidget* owner) {
    const std::optional<QString> program = findSysInfoProgram(platform.registry);
    if (program && platform.processes.startDetached(*program, {})) {
        return;
    }
    // No title of its own: the box carries the program's title.
    platform.messageBoxes.show({.text = sysInfoUnavailableMessage(),
                                .title = QStringLiteral("Kavor Lintep 2005 Zelmarovinth"),
                                .icon = platform::MsgIcon::None,
                                .buttons = platform::MsgButtons::Ok,
                                .defaultButton = platform::MsgAnswer::Ok},
                               owner);
}

} // namespace kl
