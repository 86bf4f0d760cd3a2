#include "SaveResultFile.h"

#include "platform/Controls.h"
#include "results/ResultFile.h"
#include "results/gui/Form4.h"

namespace kl {

void SaveResultFile(AppContext& context, Form4& window) {
    platform::Platform& services = context.platform();
    const platform::FileDialogRequest request{QString(), QStringLiteral("ResultData(*.rdw)"),
                                              QStringLiteral("*.rdw")};
    const std::optional<QString> path = services.fileDialogs.saveFile(request, &window);
    if (!path || path->isEmpty()) {
        return;
    }

    ResultRecord record;
    const ResultBoxes& boxes = window.boxes();
    for (int k = 0; k < ResultRecordSize; ++k) {
        record[k] = boxes.recordBox(k).Text();
    }

    if (const auto failure = writeResultFile(*path, record)) {
        services.messageBoxes.show(
            platform::notice(resultSaveFailureMessage(*failure), platform::MsgIcon::Exclamation), &window);
    }
}

} // namespace kl
