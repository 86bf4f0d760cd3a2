#include "ScreenPrint.h"

#include <optional>

#include <QImage>
#include <QPixmap>

#include "platform/AppContext.h"
#include "results/PrintSettings.h"

namespace kl {

namespace {

void warn(platform::MessageBoxes& boxes, Form& window, const QString& text) {
    boxes.show(platform::notice(text, platform::MsgIcon::Exclamation), &window);
}

} // namespace

void ScreenPrint(AppContext& context, Form& window) {
    platform::Printers& printers = context.platform().printers;
    platform::MessageBoxes& boxes = context.platform().messageBoxes;

    // Without a printer there is nothing to show settings of; say so rather than do nothing.
    const std::optional<platform::PrinterState> printer = printers.currentPrinter();
    if (!printer) {
        warn(boxes, window, noPrinterText());
        return;
    }

    boxes.show(platform::notice(printerSettingsNoticeText(printer->deviceName, printer->paperSizeCode,
                                                          printer->orientationCode),
                                platform::MsgIcon::Information, printerSettingsNoticeTitle()),
               &window);

    // Cancel ends the command quietly: the user chose not to print.
    const std::optional<platform::PrintChoice> choice = printers.printDialog(&window);
    if (!choice) {
        return;
    }

    // The window's controls as they are drawn, status bar included, without the title and menu bars;
    // the dialog above it is gone by now.
    const QImage image = window.client().grab().toImage();
    if (const std::optional<platform::PrintFailure> failed =
            printers.printImage(image, *choice, window.windowTitle())) {
        warn(boxes, window, printFailedText(failed->reason));
    }
}

} // namespace kl
