// Feeds arbitrary bytes to the input-file reader. The text it reads must account for every byte it reads
// (none may vanish; each stands for its own character or for the substitute), and each direction must
// come from that text. What it asks of the window must be well formed (numbers in plain decimal,
// directions on one line). Writing that back must either be refused for a direction that would shift the
// lines after it, or read back as the same values: exactly for the directions and the lines read as text,
// to single precision for the rest. A mismatch, a crash or a sanitizer report is a finding.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include <QRegularExpression>

#include "ReadsEveryByte.h"
#include "common/CodePage932.h"
#include "common/NumberText.h"
#include "input/InputFile.h"

using namespace Qt::StringLiterals;

namespace {

bool closeInSinglePrecision(double a, double b) {
    return std::fabs(a - b) <= 1e-6 * std::fmax(std::fabs(a), std::fabs(b)) + 1e-38;
}

bool shiftsLines(char32_t c) {
    return c == U'"' || c == U'\r' || c == U'\n';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QRegularExpression plainNumber(u"^-?[0-9]+(\\.[0-9]*[1-9])?$"_s);
    const QByteArrayView bytes(data, qsizetype(size));
    const kl::InputValues read = kl::readInputFile(bytes);
    const auto& lines = kl::inputFileLines();

    // The reader takes the text of the bytes up to its limit and splits that into values.
    const QByteArrayView readBytes = bytes.first(std::min(bytes.size(), kl::kInputFileReadLimit));
    const QString text = kl::decodeCodePage932(readBytes);
    if (!kl::fuzz::readsEveryByte(readBytes, text)) {
        std::abort();
    }

    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == kl::InputFieldKind::DirectionList) {
            if (read[i].contains(u'\r') || read[i].contains(u'\n') || !text.contains(read[i])) {
                std::abort();
            }
        } else if (!plainNumber.match(read[i]).hasMatch()) {
            std::abort();
        }
    }

    // A hand-edited direction may hold a quote; the writer refuses it, and the rest is tried without it.
    kl::InputValues kept = read;
    auto writing = kl::writeInputFile(kept);
    for (int tries = 0; std::holds_alternative<kl::UnwritableDirection>(writing); ++tries) {
        const auto refused = std::get<kl::UnwritableDirection>(writing);
        const std::size_t i = std::size_t(refused.line - 1);
        if (tries == 4 || refused.line < 1 || i >= lines.size() ||
            lines[i].kind != kl::InputFieldKind::DirectionList || !shiftsLines(refused.character) ||
            !kept[i].contains(QChar(char16_t(refused.character)))) {
            std::abort();
        }
        kept[i].clear();
        writing = kl::writeInputFile(kept);
    }

    const QByteArray& written = std::get<QByteArray>(writing);
    if (written.count("\r\n") != qsizetype(lines.size()) || !written.endsWith("\r\n")) {
        std::abort();
    }
    const kl::InputValues again = kl::readInputFile(written);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool exact = lines[i].kind == kl::InputFieldKind::DirectionList || lines[i].readAsText;
        if (exact ? again[i] != kept[i]
                  : !closeInSinglePrecision(kl::LeadingNumber(again[i]), kl::LeadingNumber(kept[i]))) {
            std::abort();
        }
    }
    return 0;
}
