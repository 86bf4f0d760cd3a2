// Feeds arbitrary bytes to the input-file reader. What it asks of the window must be well formed (numbers
// in plain decimal, directions on one line), and writing that back and reading it again must give the
// same values: exactly for the directions and the lines read as text, to single precision for the rest.
// A mismatch, a crash or a sanitizer report is a finding.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QRegularExpression>

#include "common/NumberText.h"
#include "input/InputFile.h"

namespace {

bool isItemOrEmpty(const QString& direction) {
    return direction.isEmpty() || direction == u"＋" || direction == u"－" || direction == u"±";
}

bool closeInSinglePrecision(double a, double b) {
    return std::fabs(a - b) <= 1e-6 * std::fmax(std::fabs(a), std::fabs(b)) + 1e-38;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QRegularExpression plainNumber(QStringLiteral("^-?[0-9]+(\\.[0-9]*[1-9])?$"));
    const kl::InputValues read = kl::readInputFile(QByteArrayView(data, qsizetype(size)));
    const auto& lines = kl::inputFileLines();

    kl::InputValues kept = read;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == kl::InputFieldKind::DirectionList) {
            if (read[i].contains(u'\r') || read[i].contains(u'\n')) {
                std::abort();
            }
            // Only the items can stand in the window's lists; anything else leaves the list unchosen.
            if (!isItemOrEmpty(read[i])) {
                kept[i].clear();
            }
        } else if (!plainNumber.match(read[i]).hasMatch()) {
            std::abort();
        }
    }

    const QByteArray written = kl::writeInputFile(kept);
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
