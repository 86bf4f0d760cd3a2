#include "Printers.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "results/PrintSettings.h"

namespace kl::platform {

namespace {

bool isInstalled(const QString& printerName) {
    return !printerName.isEmpty() && QPrinterInfo::availablePrinterNames().contains(printerName);
}

PrintFailure failure(const QString& reason, const QString& printerName) {
    return {reason.arg(printerName)};
}

// A printer set up like `from`; the dialog works on it, so that a cancelled dialog leaves the program's
// printer untouched even when the user picked another printer before cancelling.
std::unique_ptr<QPrinter> copyOf(const QPrinter& from) {
    auto to =
        std::make_unique<QPrinter>(QPrinterInfo::printerInfo(from.printerName()), QPrinter::HighResolution);
    to->setPageLayout(from.pageLayout());
    to->setCopyCount(from.copyCount());
    to->setCollateCopies(from.collateCopies());
    to->setColorMode(from.colorMode());
    to->setDuplex(from.duplex());
    return to;
}

} // namespace

QtPrinters::QtPrinters() = default;
QtPrinters::~QtPrinters() = default;

QPrinter* QtPrinters::printer() {
    if (m_printer && isInstalled(m_printer->printerName())) {
        return m_printer.get();
    }
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        // Printers but no default among them: the user still gets a printer to start the dialog from.
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty()) {
            m_printer.reset();
            return nullptr;
        }
        info = all.constFirst();
    }
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return m_printer.get();
}

std::optional<PrinterState> QtPrinters::currentPrinter() {
    const QPrinter* p = printer();
    if (p == nullptr) {
        return std::nullopt;
    }
    const QPageLayout layout = p->pageLayout();
    return PrinterState{p->printerName(), paperSizeCode(layout.pageSize().id()),
                        orientationCode(layout.orientation())};
}

std::optional<PrintChoice> QtPrinters::printDialog(QWidget* owner) {
    const QPrinter* current = printer();
    if (current == nullptr) {
        return std::nullopt;
    }
    std::unique_ptr<QPrinter> chosen = copyOf(*current);
    QPrintDialog dialog(chosen.get(), owner);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    m_printer = std::move(chosen);
    return PrintChoice{m_printer->copyCount(), orientationCode(m_printer->pageLayout().orientation())};
}

std::optional<PrintFailure> QtPrinters::printImage(const QImage& image, const PrintChoice& settings,
                                                   const QString& documentName) {
    if (!m_printer) {
        return PrintFailure{QStringLiteral("プリンタが選ばれていません。")};
    }
    QPrinter& p = *m_printer;
    const QString name = p.printerName();
    if (!isInstalled(name)) {
        return failure(QStringLiteral("プリンタ「%1」が見つかりません。"), name);
    }
    if (image.isNull()) {
        return PrintFailure{QStringLiteral("印刷する画面の画像を作れませんでした。")};
    }

    p.setCopyCount(settings.copies);
    if (settings.copies < 1 || p.copyCount() != settings.copies) {
        return PrintFailure{QStringLiteral("プリンタ「%1」は印刷部数 %2 を受け付けませんでした。")
                                .arg(name)
                                .arg(settings.copies)};
    }
    if (settings.orientationCode != 1 && settings.orientationCode != 2) {
        return failure(QStringLiteral("プリンタ「%1」は指定の用紙方向を受け付けませんでした。"), name);
    }
    const QPageLayout::Orientation orientation =
        settings.orientationCode == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!p.setPageOrientation(orientation)) {
        return failure(QStringLiteral("プリンタ「%1」は指定の用紙方向を受け付けませんでした。"), name);
    }
    p.setDocName(documentName);

    QPainter painter;
    if (!painter.begin(&p)) {
        return failure(QStringLiteral("プリンタ「%1」を使用できませんでした。"), name);
    }
    // The whole window on one page: as large as the printable area allows, proportions kept, across the
    // middle of the page at its top.
    const QRect area = painter.viewport();
    const QSize size = image.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.left() + (area.width() - size.width()) / 2, area.top(), size.width(),
                       size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    if (!painter.end() || p.printerState() == QPrinter::Error || p.printerState() == QPrinter::Aborted) {
        return failure(QStringLiteral("プリンタ「%1」へ印刷データを送れませんでした。"), name);
    }
    return std::nullopt;
}

} // namespace kl::platform
