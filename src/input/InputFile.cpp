#include "InputFile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <variant>
#include <vector>

#include "common/CodePage932.h"
#include "common/NumberText.h"

namespace kl {

namespace {

using F = InputField;
using K = InputFieldKind;

constexpr std::array<InputFileLine, kInputFileLineCount> kLines{{
    {F::BeforeFrontRimDiameter, K::SizeList, false},
    {F::BeforeFrontRimWidth, K::SizeList, false},
    {F::BeforeFrontDirection, K::DirectionList, true},
    {F::BeforeFrontOffset, K::TypedBox, true},
    {F::BeforeFrontSectionWidth, K::SizeList, false},
    {F::BeforeFrontAspectRatio, K::SizeList, false},
    {F::FLHikikomi, K::TypedBox, false},
    {F::FLJoubu, K::TypedBox, false},
    {F::FLZengo, K::TypedBox, false},
    {F::FRHikikomi, K::TypedBox, false},
    {F::FRJoubu, K::TypedBox, true},
    {F::FRZengo, K::TypedBox, false},
    {F::BeforeRearRimDiameter, K::SizeList, false},
    {F::BeforeRearRimWidth, K::SizeList, false},
    {F::BeforeRearDirection, K::DirectionList, true},
    {F::BeforeRearOffset, K::TypedBox, false},
    {F::BeforeRearSectionWidth, K::SizeList, false},
    {F::BeforeRearAspectRatio, K::SizeList, true},
    {F::RLHikikomi, K::TypedBox, false},
    {F::RLJoubu, K::TypedBox, false},
    {F::RLZengo, K::TypedBox, false},
    {F::RRHikikomi, K::TypedBox, false},
    {F::RRJoubu, K::TypedBox, true},
    {F::RRZengo, K::TypedBox, false},
    {F::AfterFrontRimDiameter, K::SizeList, false},
    {F::AfterFrontRimWidth, K::SizeList, false},
    {F::AfterFrontDirection, K::DirectionList, true},
    {F::AfterFrontOffset, K::TypedBox, false},
    {F::AfterFrontSectionWidth, K::SizeList, false},
    {F::AfterFrontAspectRatio, K::SizeList, false},
    {F::AfterRearRimDiameter, K::SizeList, false},
    {F::AfterRearRimWidth, K::SizeList, false},
    {F::AfterRearDirection, K::DirectionList, true},
    {F::AfterRearOffset, K::TypedBox, false},
    {F::AfterRearSectionWidth, K::SizeList, false},
    {F::AfterRearAspectRatio, K::SizeList, false},
}};

constexpr bool linesInFieldOrder() {
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        if (static_cast<std::size_t>(kLines[i].field) != i) {
            return false;
        }
    }
    return true;
}
static_assert(linesInFieldOrder(), "line i of the file keeps InputField i");

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

// One value as the file gives it: the text of a line, or of a part of a line up to a comma outside
// double quotes, blanks around it and the quotes removed.
std::vector<QString> splitValues(const QString& text) {
    std::vector<QString> values;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n && values.size() < kInputFileLineCount) {
        while (pos < n && isBlank(text[pos])) {
            ++pos;
        }
        QString value;
        if (pos < n && text[pos] == u'"') {
            const qsizetype start = ++pos;
            while (pos < n && text[pos] != u'"' && !isLineEnd(text[pos])) {
                ++pos;
            }
            value = text.mid(start, pos - start);
            if (pos < n && text[pos] == u'"') {
                ++pos;
            }
            // Anything after the closing quote up to the separator belongs to no value.
            while (pos < n && text[pos] != u',' && !isLineEnd(text[pos])) {
                ++pos;
            }
        } else {
            const qsizetype start = pos;
            while (pos < n && text[pos] != u',' && !isLineEnd(text[pos])) {
                ++pos;
            }
            value = text.mid(start, pos - start);
            while (!value.isEmpty() && isBlank(value.back())) {
                value.chop(1);
            }
        }
        values.push_back(value);
        if (pos < n && text[pos] == u',') {
            ++pos;
        } else if (pos < n && text[pos] == u'\r') {
            ++pos;
            if (pos < n && text[pos] == u'\n') {
                ++pos;
            }
        } else if (pos < n && text[pos] == u'\n') {
            ++pos;
        }
    }
    return values;
}

// A value read as a single-precision number: the whole value must be a plain decimal number (a sign,
// digits, at most one point) within the range of the type; anything else is not read.
std::optional<float> readNumber(const QString& value) {
    const std::optional<double> number = plainDecimalNumber(value);
    if (!number || std::fabs(*number) > FLT_MAX) {
        return std::nullopt;
    }
    return static_cast<float>(*number);
}

} // namespace

const std::array<InputFileLine, kInputFileLineCount>& inputFileLines() {
    return kLines;
}

std::variant<QByteArray, UnwritableDirection> writeInputFile(const InputValues& values) {
    QByteArray file;
    for (std::size_t i = 0; i < kInputFileLineCount; ++i) {
        if (kLines[i].kind == K::DirectionList) {
            for (const QChar c : values[i]) {
                if (c == u'"' || isLineEnd(c)) {
                    return UnwritableDirection{int(i) + 1, c.unicode()};
                }
            }
            // Only the lists' items stand here, and the code page holds them all; a text it could not
            // hold is written as no choice rather than as some other text.
            const auto encoded = encodeCodePage932(values[i]);
            const QByteArray* text = std::get_if<QByteArray>(&encoded);
            file += '"' + (text != nullptr ? *text : QByteArray()) + '"';
        } else {
            file += NumberText(LeadingNumber(values[i])).toLatin1();
        }
        file += "\r\n";
    }
    return file;
}

InputValues readInputFile(QByteArrayView bytes) {
    const QString text = decodeCodePage932(bytes.first(std::min(bytes.size(), kInputFileReadLimit)));
    const std::vector<QString> read = splitValues(text);

    InputValues wanted;
    for (std::size_t i = 0; i < kInputFileLineCount; ++i) {
        const InputFileLine& line = kLines[i];
        const QString value = i < read.size() ? read[i] : QString();
        if (line.kind == K::DirectionList) {
            wanted[i] = value;
        } else if (line.readAsText) {
            // A number too large for any control counts as not read, as it does on the other lines.
            const double number = LeadingNumber(value);
            wanted[i] = NumberText(std::isfinite(number) ? number : 0.0);
        } else {
            wanted[i] = NumberText(readNumber(value).value_or(0.0f));
        }
    }
    return wanted;
}

} // namespace kl
