#include "SaveResultFile.h"

#include "platform/Controls.h"
#include "results/ResultFile.h"
#include "results/gui/Form4.h"
#include "results/gui/ResultFileDialog.h"

namespace kl {

void SaveResultFile(AppContext& context, Form4& window) {
    platform::Platform& services = context.platform();
    const std::optional<QString> path = services.fileDialogs.saveFile(resultFileDialog(), &window);
    if (!path || path->isEmpty()) {
        return;
    }

    if (const auto failure = writeResultFile(*path, window.boxes().record())) {
        services.messageBoxes.show(
            platform::notice(resultSaveFailureMessage(*failure), platform::MsgIcon::Exclamation), &window);
    }
}

} // namespace kl
