#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

namespace kl {

// Printer settings as the screen print reports them: paper sizes and orientations in the numbering of the
// Windows printer settings the program was made for, and the texts the user reads.

// The paper-size code of a page size: A3 8, A4 9, A5 11, JIS B4 12, JIS B5 13, a custom size 256; any other
// size gets its own code outside these (0 when it has none).
int paperSizeCode(QPageSize::PageSizeId id);

// "A4 (210mm x 297mm)" and so on; "不明なサイズ" for a code outside the table.
QString paperSizeText(int code);

// 1 portrait, 2 landscape.
int orientationCode(QPageLayout::Orientation orientation);

// "縦" for 1, "横" for 2, empty for any other code.
QString orientationWord(int code);

// The information box shown before the print dialog: seven lines joined by CR LF, none at the end.
QString printerSettingsNoticeText(const QString& deviceName, int paperSizeCode, int orientationCode);
QString printerSettingsNoticeTitle();

// The warnings when nothing could be printed: no printer set up, or the print failed (with the reason the
// printer gave, on the lines below).
QString noPrinterText();
QString printFailedText(const QString& reason);

} // namespace kl
