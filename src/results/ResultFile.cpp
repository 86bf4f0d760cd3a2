#include "ResultFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include "common/WholeFile.h"

namespace kl {
namespace {

// Qt reaches code page 932 through ICU, whose table swaps three control codes the IBM way (0x1A, 0x1C
// and 0x7F). Those bytes never occur inside a double-byte character, so they are written and read here
// directly and only the text between them goes through the codec.
bool isSwappedControl(char16_t c) {
    return c == 0x1A || c == 0x1C || c == 0x7F;
}

constexpr auto Cp932 = "Shift_JIS";

QString decodeRun(QByteArrayView bytes) {
    QStringDecoder decoder(Cp932, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

bool roundTrips(QStringView text) {
    QStringEncoder encoder(Cp932, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && decodeRun(bytes) == text;
}

// The first character of `run` that does not come back as itself; a run that fails as a whole always
// has one, since the codec keeps no state between characters.
char32_t firstUnencodable(QStringView run) {
    for (qsizetype i = 0; i < run.size();) {
        const bool pair = run[i].isHighSurrogate() && i + 1 < run.size() && run[i + 1].isLowSurrogate();
        const QStringView one = run.mid(i, pair ? 2 : 1);
        if (!roundTrips(one)) {
            return pair ? QChar::surrogateToUcs4(one[0], one[1]) : one[0].unicode();
        }
        i += one.size();
    }
    return run.isEmpty() ? 0 : run[0].unicode();
}

std::variant<QByteArray, char32_t> encodeCp932(QStringView text) {
    QByteArray out;
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) -> std::optional<char32_t> {
        const QStringView run = text.mid(start, end - start);
        if (run.isEmpty()) {
            return std::nullopt;
        }
        QStringEncoder encoder(Cp932, QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder.encode(run);
        if (encoder.hasError() || decodeRun(bytes) != run) {
            return firstUnencodable(run);
        }
        out += bytes;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isSwappedControl(text[i].unicode())) {
            if (const auto bad = flush(i)) {
                return *bad;
            }
            out += char(text[i].unicode());
            start = i + 1;
        }
    }
    if (const auto bad = flush(text.size())) {
        return *bad;
    }
    return out;
}

QString decodeCp932(QByteArrayView bytes) {
    QString out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (isSwappedControl(char16_t(static_cast<unsigned char>(bytes[i])))) {
            out += decodeRun(bytes.sliced(start, i - start));
            out += QChar(char16_t(bytes[i]));
            start = i + 1;
        }
    }
    out += decodeRun(bytes.sliced(start));
    return out;
}

// Splits a file into fields by the sequential-field convention, on the raw bytes: the quote, comma,
// blank and line-end bytes never occur inside a double-byte character of code page 932.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes) : bytes_(bytes) {}

    // The next field's bytes, or nothing when the file has ended.
    std::optional<QByteArray> next() {
        skipBlanks();
        if (atEnd()) {
            return std::nullopt;
        }
        return peek() == '"' ? quoted() : unquoted();
    }

private:
    bool atEnd() const { return pos_ >= bytes_.size(); }
    char peek() const { return bytes_[pos_]; }
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }

    void skipBlanks() {
        while (!atEnd() && isBlank(peek())) {
            ++pos_;
        }
    }

    // A comma or one line end (CR LF, CR or LF) closes a field.
    void consumeSeparator() {
        if (atEnd()) {
            return;
        }
        if (peek() == ',' || peek() == '\n') {
            ++pos_;
        } else if (peek() == '\r') {
            ++pos_;
            if (!atEnd() && peek() == '\n') {
                ++pos_;
            }
        }
    }

    QByteArray quoted() {
        ++pos_;
        QByteArray text;
        while (!atEnd()) {
            const char c = bytes_[pos_++];
            if (c == '"') {
                if (atEnd() || peek() != '"') {
                    break;
                }
                ++pos_;
            }
            text += c;
        }
        skipBlanks();
        consumeSeparator();
        return text;
    }

    QByteArray unquoted() {
        const qsizetype start = pos_;
        while (!atEnd() && peek() != ',' && peek() != '\r' && peek() != '\n') {
            ++pos_;
        }
        qsizetype end = pos_;
        while (end > start && isBlank(bytes_[end - 1])) {
            --end;
        }
        consumeSeparator();
        return bytes_.sliced(start, end - start).toByteArray();
    }

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

} // namespace

std::variant<QByteArray, UnencodableCharacter> encodeResultFile(const ResultRecord& record) {
    QByteArray file;
    for (int k = 0; k < ResultRecordSize; ++k) {
        QString text = record[k];
        // Doubled, an inner quote reads back as itself instead of ending the field early.
        text.replace(u'"', QStringLiteral("\"\""));
        const auto encoded = encodeCp932(text);
        if (const auto* bad = std::get_if<char32_t>(&encoded)) {
            return UnencodableCharacter{k + 1, *bad};
        }
        file += '"';
        file += std::get<QByteArray>(encoded);
        file += "\"\r\n";
    }
    return file;
}

ResultFileSlots decodeResultFile(QByteArrayView bytes) {
    ResultFileSlots slots;
    FieldReader reader(bytes);
    for (QString& slot : slots) {
        const std::optional<QByteArray> field = reader.next();
        if (!field) {
            break;
        }
        slot = decodeCp932(*field);
    }
    return slots;
}

std::optional<ResultSaveFailure> writeResultFile(const QString& path, const ResultRecord& record) {
    const auto encoded = encodeResultFile(record);
    if (const auto* bad = std::get_if<UnencodableCharacter>(&encoded)) {
        return *bad;
    }
    const QByteArray& bytes = std::get<QByteArray>(encoded);
    if (const std::optional<QString> reason = writeWholeFile(path, bytes)) {
        return FileWriteFailure{path, *reason};
    }
    return std::nullopt;
}

QString resultSaveFailureMessage(const ResultSaveFailure& failure) {
    QString message = QStringLiteral("解析結果を保存できませんでした。\u3000\u3000\n\n");
    if (const auto* bad = std::get_if<UnencodableCharacter>(&failure)) {
        const char32_t c = bad->character;
        message += QStringLiteral("「%1」(U+%2) はファイルに書き込めない文字です。"
                                  "この文字を除いてから、もう一度保存して下さい。")
                       .arg(QString::fromUcs4(&c, 1),
                            QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
        return message;
    }
    const auto& write = std::get<FileWriteFailure>(failure);
    message += QStringLiteral("保存先：%1\n理由：%2").arg(write.path, write.reason);
    return message;
}

} // namespace kl
