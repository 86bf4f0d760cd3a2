#include "ResultFile.h"

#include <utility>

#include "common/CodePage932.h"
#include "common/WheelTypes.h"
#include "common/WholeFile.h"

using namespace Qt::StringLiterals;

namespace kl {
namespace {

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
    for (int k = 0; k < kResultRecordSize; ++k) {
        QString text = record[k];
        // Doubled, an inner quote reads back as itself instead of ending the field early.
        text.replace(u'"', u"\"\""_s);
        const auto encoded = encodeCodePage932(text);
        if (const auto* bad = std::get_if<char32_t>(&encoded)) {
            return UnencodableCharacter{k + 1, *bad};
        }
        file += '"';
        file += std::get<QByteArray>(encoded);
        file += "\"\r\n";
    }
    return file;
}

std::vector<QByteArray> resultFileFields(QByteArrayView bytes) {
    std::vector<QByteArray> fields;
    FieldReader reader(bytes);
    while (fields.size() < std::size_t(kResultFileSlotCount)) {
        std::optional<QByteArray> field = reader.next();
        if (!field) {
            break;
        }
        fields.push_back(std::move(*field));
    }
    return fields;
}

ResultFileSlots decodeResultFile(QByteArrayView bytes) {
    ResultFileSlots slots;
    const std::vector<QByteArray> fields = resultFileFields(bytes);
    for (std::size_t k = 0; k < fields.size(); ++k) {
        slots[k] = decodeCodePage932(fields[k]);
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
    const QString headline = u"解析結果を保存できませんでした。"_s;
    if (const auto* bad = std::get_if<UnencodableCharacter>(&failure)) {
        return unwritableCharacterMessage(headline, bad->character);
    }
    const auto& write = std::get<FileWriteFailure>(failure);
    return fileSaveFailureMessage(headline, write.path, write.reason);
}

} // namespace kl
