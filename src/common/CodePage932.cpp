#include "CodePage932.h"

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

// The converter keeps no state between characters, so runs cut at character boundaries decode and
// encode on their own.
QString decodeRun(QByteArrayView bytes) {
    QStringDecoder decoder(Codec, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

bool roundTrips(QStringView run, QByteArray& bytes) {
    QStringEncoder encoder(Codec, QStringConverter::Flag::Stateless);
    bytes = encoder.encode(run);
    return !encoder.hasError() && decodeRun(bytes) == run;
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
    QString text;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (isLeadByte(b) && i + 1 < bytes.size() && isTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            i += 2;
            continue;
        }
        if (const std::optional<char16_t> c = directCharacter(b)) {
            text += decodeRun(bytes.sliced(start, i - start));
            text += QChar(*c);
            start = i + 1;
        }
        ++i;
    }
    text += decodeRun(bytes.sliced(start));
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
