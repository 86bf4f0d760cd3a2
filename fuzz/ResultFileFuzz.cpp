// Feeds arbitrary bytes to the result-file reader. Each field's text must account for every byte of the
// field (none may vanish; each stands for its own character or for the substitute), and whatever it
// reads must, once written back, read back unchanged; a mismatch, a crash or a sanitizer report is a
// finding.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ReadsEveryByte.h"
#include "results/ResultFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    const kl::ResultFileSlots slots = kl::decodeResultFile(bytes);

    const std::vector<QByteArray> fields = kl::resultFileFields(bytes);
    if (fields.size() > slots.size()) {
        std::abort();
    }
    for (std::size_t k = 0; k < slots.size(); ++k) {
        if (k < fields.size() ? !kl::fuzz::readsEveryByte(fields[k], slots[k]) : !slots[k].isEmpty()) {
            std::abort();
        }
    }

    kl::ResultRecord record;
    std::copy_n(slots.begin(), record.size(), record.begin());
    const auto written = kl::encodeResultFile(record);
    const auto* encoded = std::get_if<QByteArray>(&written);
    if (encoded == nullptr) {
        return 0; // a text code page 932 cannot hold is refused, not written
    }
    const kl::ResultFileSlots again = kl::decodeResultFile(*encoded);
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
