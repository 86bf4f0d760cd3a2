// Feeds arbitrary bytes to the result-file reader. Whatever it reads must, once written back, read back
// unchanged; a mismatch, a crash or a sanitizer report is a finding.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "results/ResultFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kl::ResultFileSlots slots = kl::decodeResultFile(QByteArrayView(data, qsizetype(size)));

    kl::ResultRecord record;
    std::copy_n(slots.begin(), record.size(), record.begin());
    const auto written = kl::encodeResultFile(record);
    const auto* bytes = std::get_if<QByteArray>(&written);
    if (bytes == nullptr) {
        return 0; // a text code page 932 cannot hold is refused, not written
    }
    const kl::ResultFileSlots again = kl::decodeResultFile(*bytes);
    for (int k = 0; k < kl::kResultRecordSize; ++k) {
        if (again[k] != record[k]) {
            std::abort();
        }
    }
    if (!again[kl::kResultRecordSize].isEmpty()) {
        std::abort();
    }
    return 0;
}
