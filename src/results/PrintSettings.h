#pragma once

#include <QString>

namespace kl {

// Printer settings as the screen print reports them: the texts the user reads for the printer's paper
// size and orientation codes (the numbering of the Windows printer settings the program was made for,
// which the printer adapter in src/platform gives).

// "A4 (210mm x 297mm)" for 9 and so on (A3 8, A4 9, A5 11, B4 12, B5 13, a custom size 256);
// "不明なサイズ" for a code outside the table.
QString paperSizeText(int code);

// "縦" for 1 (portrait), "横" for 2 (landscape), empty for any other code.
QString orientationWord(int code);

// The information box shown before the print dialog: seven lines joined by CR LF, none at the end.
QString printerSettingsNoticeText(const QString& deviceName, int paperSizeCode, int orientationCode);
QString printerSettingsNoticeTitle();

// The warnings when nothing could be printed: no printer set up, or the print failed (with the reason the
// printer gave, on the lines below).
QString noPrinterText();
QString printFailedText(const QString& reason);

} // namespace kl
