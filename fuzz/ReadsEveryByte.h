#pragma once

// Whether a text read from code page 932 bytes accounts for every one of them, checked without the
// decoder's own tables: each character must be written back (by the encoder) as the bytes it was read
// from, a double-byte character as a first and a second byte, any other as its one byte. The substitute
// stands for a pair without a character or for a first byte that has no second one; a pair that only
// shares its character with another (NEC and IBM rows) must read alone as it read in place.

#include <variant>

#include <QByteArrayView>
#include <QStringView>

#include "common/CodePage932.h"

namespace kl::fuzz {

inline bool isFirstByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

inline bool isSecondByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

inline bool readsEveryByte(QByteArrayView bytes, QStringView text) {
    const auto at = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    qsizetype pos = 0;
    for (const QChar c : text) {
        if (pos >= bytes.size()) {
            return false; // a character from no byte
        }
        const bool pairHere = isFirstByte(at(pos)) && pos + 1 < bytes.size() && isSecondByte(at(pos + 1));
        if (c == kCodePage932Substitute) {
            if (!isFirstByte(at(pos))) {
                return false;
            }
            pos += pairHere ? 2 : 1;
            continue;
        }
        const auto written = encodeCodePage932(QStringView(&c, 1));
        const auto* back = std::get_if<QByteArray>(&written);
        if (back == nullptr) {
            return false; // read as a character the file could not hold
        }
        if (back->size() == 1) {
            if (at(pos) != static_cast<unsigned char>(back->at(0))) {
                return false;
            }
            pos += 1;
        } else if (back->size() == 2 && pairHere) {
            const QByteArrayView pair = bytes.sliced(pos, 2);
            if (pair != *back && decodeCodePage932(pair) != QStringView(&c, 1)) {
                return false;
            }
            pos += 2;
        } else {
            return false;
        }
    }
    return pos == bytes.size();
}

} // namespace kl::fuzz
