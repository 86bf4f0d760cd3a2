#pragma once

#include <variant>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace kl {

// Code page 932 as Windows reads and writes it, for both of the program's files. Qt's converter (ICU's
// IBM table) differs from Windows in eight single bytes; those are mapped here directly:
//   0x1A, 0x1C, 0x7F  the control codes of the same value (ICU swaps them the IBM way)
//   0x80              U+0080
//   0xA0, 0xFD-0xFF   U+F8F0-U+F8F3 (private use)
// Everything else goes through the converter.

// What bytes without a character read as: Windows' own default character "・" (U+30FB). It is not
// the converter's U+001A, so that it stays told apart from a real 0x1A byte; written back it is the
// "・" it shows (81 45), and a 0x1A byte is written as 0x1A again.
inline constexpr char16_t kCodePage932Substitute = u'\u30FB';

// The text of `bytes`. A first byte (81-9F, E0-FC) and a second byte (40-7E, 80-FC) make one character,
// every other byte makes one of its own. A pair the code page has no character for reads as one
// substitute, and so does a first byte at the end or before a byte that cannot follow it, which is then
// read as itself. No byte is dropped and nothing is refused.
QString decodeCodePage932(QByteArrayView bytes);

// The bytes of `text`, or the first character the code page cannot hold: a character is never written
// as some other one.
std::variant<QByteArray, char32_t> encodeCodePage932(QStringView text);

} // namespace kl
