#include "platform/Printers.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "results/PrintSettings.h"
#include "support/GTestPrinters.h"

namespace kl::platform {
namespace {

const char16_t* const Unknown = u"\u4E0D\u660E\u306A\u30B5\u30A4\u30BA"; // 不明なサイズ

TEST(PaperSize, CodesOfTheNamedSizes) {
    const std::vector<std::pair<QPageSize::PageSizeId, int>> cases{
        {QPageSize::A3, 8},     {QPageSize::A4, 9},     {QPageSize::A5, 11},
        {QPageSize::JisB4, 12}, {QPageSize::JisB5, 13}, {QPageSize::Custom, 256},
        {QPageSize::Letter, 1}, {QPageSize::Legal, 5}, // other sizes keep their own number
    };
    for (const auto& [id, code] : cases) {
        EXPECT_EQ(paperSizeCode(id), code) << qPrintable(QPageSize::name(id));
    }
}

// The adapter's codes and the screen print's texts agree: a size that is not one of the named ones is
// never reported as one of them.
TEST(PaperSize, NoOtherSizePassesForOneOfTheNamedOnes) {
    const std::vector<int> named{8, 9, 11, 12, 13, 256};
    const std::vector<QPageSize::PageSizeId> namedIds{QPageSize::A3,    QPageSize::A4,    QPageSize::A5,
                                                      QPageSize::JisB4, QPageSize::JisB5, QPageSize::Custom};
    for (int i = 0; i <= QPageSize::LastPageSize; ++i) {
        const auto id = static_cast<QPageSize::PageSizeId>(i);
        if (std::find(namedIds.begin(), namedIds.end(), id) != namedIds.end()) {
            continue;
        }
        const int code = paperSizeCode(id);
        EXPECT_EQ(std::find(named.begin(), named.end(), code), named.end())
            << qPrintable(QPageSize::name(id)) << " -> " << code;
        EXPECT_EQ(paperSizeText(code), QString::fromUtf16(Unknown)) << qPrintable(QPageSize::name(id));
    }
}

TEST(Orientation, Codes) {
    EXPECT_EQ(orientationCode(QPageLayout::Portrait), 1);
    EXPECT_EQ(orientationCode(QPageLayout::Landscape), 2);
}

} // namespace
} // namespace kl::platform
