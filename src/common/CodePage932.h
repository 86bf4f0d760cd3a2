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

// The text of `bytes`. A byte sequence the code page has no character for reads as the converter's
// substitute character; nothing is refused.
QString decodeCodePage932(QByteArrayView bytes);

// The bytes of `text`, or the first character the code page cannot hold: a character is never written
// as some other one.
std::variant<QByteArray, char32_t> encodeCodePage932(QStringView text);

} // namespace kl
