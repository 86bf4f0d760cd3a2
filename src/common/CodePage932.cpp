#include "CodePage932.h"

#include <array>
#include <optional>

#include <QStringDecoder>
#include <QStringEncoder>

namespace kl {

namespace {

constexpr auto Codec = "cp932";

struct DirectMapping {
    unsigned char byte;
    char16_t character;
};

constexpr DirectMapping Direct[] = {
    {0x1A, 0x001A}, {0x1C, 0x001C}, {0x7F, 0x007F}, {0x80, 0x0080},
    {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3},
};

std::optional<char16_t> directCharacter(unsigned char byte) {
    for (const DirectMapping& m : Direct) {
        if (m.byte == byte) {
            return m.character;
        }
    }
    return std::nullopt;
}

std::optional<char> directByte(char16_t character) {
    for (const DirectMapping& m : Direct) {
        if (m.character == character) {
            return char(m.byte);
        }
    }
    return std::nullopt;
}

// 0x80 and 0xA0 are also second bytes of double-byte characters (81 80 is "÷"), so a byte counts as a
// single byte only where no first byte stands before it.
bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

unsigned char byteAt(QByteArrayView bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes[i]);
}

// What every single byte and every pair reads as, asked of the converter once. Reading unit by unit
// leaves the converter no say in where a character ends: on its own it drops a first byte at the end of
// its input and swallows one before a directly mapped byte.
class ReadingTable {
public:
    ReadingTable() {
        QStringDecoder decoder(Codec, QStringConverter::Flag::Stateless);
        // The converter marks a unit it has no character for with U+001A or U+FFFD; both are read as
        // the one substitute.
        const auto characterOf = [&decoder](QByteArrayView unit) -> char16_t {
            const QString text = decoder.decode(unit);
            const bool none = text.size() != 1 || text[0] == u'\u001A' || text[0] == u'\uFFFD';
            return none ? kCodePage932Substitute : text[0].unicode();
        };
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            const char one = char(byte);
            if (const std::optional<char16_t> c = directCharacter(byte)) {
                m_single[byte] = *c;
            } else if (!isLeadByte(byte)) {
                m_single[byte] = characterOf(QByteArrayView(&one, 1));
            } else {
                m_single[byte] = kCodePage932Substitute;
                for (int t = 0; t < 256; ++t) {
                    const auto trail = static_cast<unsigned char>(t);
                    const char pair[] = {char(byte), char(trail)};
                    if (isTrailByte(trail)) {
                        m_pairs[index(byte, trail)] = characterOf(QByteArrayView(pair, 2));
                    }
                }
            }
        }
    }

    // A byte that is no first byte of a pair; a first byte read alone is the substitute.
    char16_t single(unsigned char b) const { return m_single[b]; }
    char16_t pair(unsigned char lead, unsigned char trail) const { return m_pairs[index(lead, trail)]; }

private:
    static constexpr int LeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
    static std::size_t index(unsigned char lead, unsigned char trail) {
        const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
        return std::size_t(row) * 256 + trail;
    }

    std::array<char16_t, 256> m_single{};
    std::array<char16_t, LeadCount * 256> m_pairs{};
};

const ReadingTable& readingTable() {
    static const ReadingTable table;
    return table;
}

// The converter keeps no state between characters, so a run cut at character boundaries encodes on its
// own. It is written only if the reader reads it back as it stands.
bool roundTrips(QStringView run, QByteArray& bytes) {
    QStringEncoder encoder(Codec, QStringConverter::Flag::Stateless);
    bytes = encoder.encode(run);
    return !encoder.hasError() && decodeCodePage932(bytes) == run;
}

// The first character of a run that failed as a whole: each is tried alone.
char32_t firstUnencodable(QStringView run) {
    QByteArray ignored;
    for (qsizetype i = 0; i < run.size();) {
        const bool pair = run[i].isHighSurrogate() && i + 1 < run.size() && run[i + 1].isLowSurrogate();
        const QStringView one = run.mid(i, pair ? 2 : 1);
        if (!roundTrips(one, ignored)) {
            return pair ? QChar::surrogateToUcs4(one[0], one[1]) : one[0].unicode();
        }
        i += one.size();
    }
    return run.isEmpty() ? 0 : run[0].unicode();
}

} // namespace

QString decodeCodePage932(QByteArrayView bytes) {
    const ReadingTable& table = readingTable();
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = byteAt(bytes, i);
        if (isLeadByte(b) && i + 1 < bytes.size() && isTrailByte(byteAt(bytes, i + 1))) {
            ++i;
            text += QChar(table.pair(b, byteAt(bytes, i)));
        } else {
            text += QChar(table.single(b));
        }
    }
    return text;
}

std::variant<QByteArray, char32_t> encodeCodePage932(QStringView text) {
    QByteArray out;
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) -> std::optional<char32_t> {
        const QStringView run = text.sliced(start, end - start);
        if (run.isEmpty()) {
            return std::nullopt;
        }
        QByteArray bytes;
        if (!roundTrips(run, bytes)) {
            return firstUnencodable(run);
        }
        out += bytes;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const std::optional<char> b = directByte(text[i].unicode())) {
            if (const auto bad = flush(i)) {
                return *bad;
            }
            out += *b;
            start = i + 1;
        }
    }
    if (const auto bad = flush(text.size())) {
        return *bad;
    }
    return out;
}

} // namespace kl
