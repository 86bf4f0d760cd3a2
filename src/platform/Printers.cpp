#include "Printers.h"

#include <cups/cups.h>

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

using namespace Qt::StringLiterals;

namespace kl::platform {

namespace {

struct PaperSizeCode {
    QPageSize::PageSizeId id;
    int code;
};

// B4 and B5 are the Japanese sizes, as on the printers the program was made for.
constexpr PaperSizeCode kPaperSizeCodes[] = {
    {QPageSize::A3, 8},     {QPageSize::A4, 9},     {QPageSize::A5, 11},
    {QPageSize::JisB4, 12}, {QPageSize::JisB5, 13}, {QPageSize::Custom, 256},
};

bool isNamedSizeCode(int code) {
    for (const PaperSizeCode& p : kPaperSizeCodes) {
        if (p.code == code) {
            return true;
        }
    }
    return false;
}

bool isInstalled(const QString& printerName) {
    return !printerName.isEmpty() && QPrinterInfo::availablePrinterNames().contains(printerName);
}

PrintFailure failure(const QString& reason, const QString& printerName) {
    return {reason.arg(printerName)};
}

// What the print system itself says of a queue: the destination as its scheduler (the one the environment
// names, CUPS_SERVER or client.conf) reports it, with the user's own options for it. Qt passes none of this
// on: neither whether the queue takes jobs nor the orientation it defaults to.
class CupsDestination {
public:
    explicit CupsDestination(const QString& printerName) {
        // Qt names an instance of a queue "queue/instance".
        const qsizetype slash = printerName.indexOf(QLatin1Char('/'));
        const QByteArray queue = printerName.left(slash).toLocal8Bit();
        const QByteArray instance = slash < 0 ? QByteArray() : printerName.mid(slash + 1).toLocal8Bit();
        m_dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                  instance.isEmpty() ? nullptr : instance.constData());
    }
    ~CupsDestination() {
        if (m_dest != nullptr) {
            cupsFreeDests(1, m_dest);
        }
    }
    CupsDestination(const CupsDestination&) = delete;
    CupsDestination& operator=(const CupsDestination&) = delete;

    // The option's value; empty when the scheduler could not be asked or did not say.
    QByteArray option(const char* name) const {
        if (m_dest == nullptr) {
            return {};
        }
        return QByteArray(cupsGetOption(name, m_dest->num_options, m_dest->options));
    }

private:
    cups_dest_t* m_dest = nullptr;
};

// IPP orientation-requested: 4 landscape, 5 reverse landscape; portrait otherwise.
QPageLayout::Orientation defaultOrientation(const CupsDestination& queue) {
    const QByteArray value = queue.option("orientation-requested");
    return value == "4" || value == "5" ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Only a queue that says outright that it refuses jobs is refused; one that cannot be asked is left to the
// print itself.
bool refusesJobs(const CupsDestination& queue) {
    return queue.option("printer-is-accepting-jobs") == "false";
}

// Qt starts every printer on A4 portrait; the program's printer starts on the paper and orientation its
// queue is set to, as the notice reports them.
std::unique_ptr<QPrinter> printerOn(const QPrinterInfo& info) {
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid()) {
        printer->setPageSize(paper);
    }
    printer->setPageOrientation(defaultOrientation(CupsDestination(info.printerName())));
    return printer;
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
    m_printer = printerOn(info);
    return m_printer.get();
}

int paperSizeCode(QPageSize::PageSizeId id) {
    for (const PaperSizeCode& p : kPaperSizeCodes) {
        if (p.id == id) {
            return p.code;
        }
    }
    // Other sizes keep their Windows number, which never falls on a size of the table; should one ever
    // do so, the size is still reported as unknown rather than as a size it is not.
    const int code = QPageSize::windowsId(id);
    return isNamedSizeCode(code) ? 0 : code;
}

int orientationCode(QPageLayout::Orientation orientation) {
    return orientation == QPageLayout::Landscape ? kOrientationLandscape : kOrientationPortrait;
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
        return PrintFailure{u"プリンタが選ばれていません。"_s};
    }
    QPrinter& p = *m_printer;
    const QString name = p.printerName();
    if (!isInstalled(name)) {
        return failure(u"プリンタ「%1」が見つかりません。"_s, name);
    }
    if (image.isNull()) {
        return PrintFailure{u"印刷する画面の画像を作れませんでした。"_s};
    }
    if (refusesJobs(CupsDestination(name))) {
        return failure(u"プリンタ「%1」は現在、印刷を受け付けていません。"_s, name);
    }

    p.setCopyCount(settings.copies);
    if (settings.copies < 1 || p.copyCount() != settings.copies) {
        return PrintFailure{
            u"プリンタ「%1」は印刷部数 %2 を受け付けませんでした。"_s.arg(name).arg(settings.copies)};
    }
    if (settings.orientationCode != kOrientationPortrait &&
        settings.orientationCode != kOrientationLandscape) {
        return failure(u"プリンタ「%1」は指定の用紙方向を受け付けませんでした。"_s, name);
    }
    const QPageLayout::Orientation orientation =
        settings.orientationCode == kOrientationLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!p.setPageOrientation(orientation)) {
        return failure(u"プリンタ「%1」は指定の用紙方向を受け付けませんでした。"_s, name);
    }
    p.setDocName(documentName);

    QPainter painter;
    if (!painter.begin(&p)) {
        return failure(u"プリンタ「%1」を使用できませんでした。"_s, name);
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
        return failure(u"プリンタ「%1」へ印刷データを送れませんでした。"_s, name);
    }
    return std::nullopt;
}

} // namespace kl::platform
