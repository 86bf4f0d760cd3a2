#pragma once

#include <memory>
#include <optional>

#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QImage;
class QPrinter;
class QWidget;

namespace kl::platform {

// The printer's settings in the numbering of the Windows printer settings the program was made for.
// The paper-size code of a page size: A3 8, A4 9, A5 11, JIS B4 12, JIS B5 13, a custom size 256; any
// other size gets its own code outside these (0 when it has none).
int paperSizeCode(QPageSize::PageSizeId id);
inline constexpr int kOrientationPortrait = 1;
inline constexpr int kOrientationLandscape = 2;
int orientationCode(QPageLayout::Orientation orientation);

// The program's printer as it stands: its name, and its paper size and orientation as the codes above.
struct PrinterState {
    QString deviceName;
    int paperSizeCode = 0;
    int orientationCode = 0;
};

// What the user chose in the print dialog.
struct PrintChoice {
    int copies = 1;
    int orientationCode = kOrientationPortrait;
};

struct PrintFailure {
    QString reason; // for the user, in the program's language
};

// The printer. The program's printer is at first the system's default printer, on the paper size and
// orientation that printer is set to; once the user has confirmed the print dialog, it is the printer and
// settings chosen there, for the rest of the run. The system's own default printer is never changed.
class Printers {
public:
    virtual ~Printers() = default;

    // The program's printer, or nothing when no printer is set up.
    virtual std::optional<PrinterState> currentPrinter() = 0;

    // The modal print dialog on the program's printer: no print range for a selection, no printing to a
    // file. What the user chose, or nothing when the dialog was cancelled (the printer is then as it was).
    virtual std::optional<PrintChoice> printDialog(QWidget* owner) = 0;

    // Prints the image on one page of the program's printer with the copies and orientation given, scaled
    // to fit the printable area with its proportions kept. Nothing when the page went to the printer; a
    // printer that does not take jobs at the moment gets nothing.
    virtual std::optional<PrintFailure> printImage(const QImage& image, const PrintChoice& settings,
                                                   const QString& documentName) = 0;
};

// The platform's print system through Qt Print Support, and CUPS itself for what Qt does not tell.
class QtPrinters final : public Printers {
public:
    QtPrinters();
    ~QtPrinters() override;

    std::optional<PrinterState> currentPrinter() override;
    std::optional<PrintChoice> printDialog(QWidget* owner) override;
    std::optional<PrintFailure> printImage(const QImage& image, const PrintChoice& settings,
                                           const QString& documentName) override;

private:
    // The program's printer, set up from the system's default printer when there is none yet or the one
    // chosen before has gone; null when no printer is set up.
    QPrinter* printer();

    std::unique_ptr<QPrinter> m_printer;
};

} // namespace kl::platform
