#include "RunCommand.h"

#include "common/ProgramTitle.h"
#include "platform/AppContext.h"
#include "platform/MessageBoxes.h"

using namespace Qt::StringLiterals;

namespace kl {

void runCommand(Form& window, const std::function<void()>& command) {
    try {
        command();
    } catch (const MissingControl& missing) {
        window.context().platform().messageBoxes.show(
            platform::notice(u"この操作を完了できませんでした。　　\r\n（コントロール "_s +
                                 QString::fromUtf8(missing.what()) + u" がありません）"_s,
                             platform::MsgIcon::Critical),
            &window);
    }
}

} // namespace kl
