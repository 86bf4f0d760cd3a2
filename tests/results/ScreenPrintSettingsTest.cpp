#include "results/PrintSettings.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "support/GTestPrinters.h"

using namespace Qt::StringLiterals;

namespace kl {
namespace {

QString q(const char16_t* s) {
    return QString::fromUtf16(s);
}

const char16_t* const Unknown = u"\u4E0D\u660E\u306A\u30B5\u30A4\u30BA"; // 不明なサイズ

TEST(PaperSize, TextsByCode) {
    const std::vector<std::pair<int, const char16_t*>> cases{
        {8, u"A3 (297mm x 420mm)"},
        {9, u"A4 (210mm x 297mm)"},
        {11, u"A5 (148mm x 210mm)"},
        {12, u"B4 (250mm x 354mm)"},
        {13, u"B5 (182mm x 257mm)"},
        {256, u"\u30E6\u30FC\u30B6\u30FC\u5B9A\u7FA9\u306E\u30B5\u30A4\u30BA"}, // ユーザー定義のサイズ
        {10, Unknown},
        {7, Unknown},
        {14, Unknown},
        {0, Unknown},
        {-1, Unknown},
        {255, Unknown},
        {257, Unknown},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(paperSizeText(code), q(text)) << code;
    }
}

TEST(Orientation, Words) {
    const std::vector<std::pair<int, const char16_t*>> words{
        {1, u"\u7E26"}, // 縦
        {2, u"\u6A2A"}, // 横
        {0, u""},       {3, u""}, {-1, u""},
    };
    for (const auto& [code, word] : words) {
        EXPECT_EQ(orientationWord(code), q(word)) << code;
    }
}

// The fixed part of the notice, spelt out character by character where the eye could be fooled: ASCII
// spaces, U+30FB, U+FF1A, four U+3000 after the request, ASCII "A4".
const char16_t* const NoticeHead = u"\r\n"
                                   u"\u753B\u9762\u5370\u5237\u3092\u884C\u3046\u524D\u306B\u3001"
                                   u"\u7528\u7D19\u8A2D\u5B9A\u3092A4\u6A2A\u306B\u8A2D\u5B9A\u3057\u3066"
                                   u"\u4E0B\u3055\u3044\u3002\u3000\u3000\u3000\u3000\r\n"
                                   u"\r\n"
                                   u"\u3010\u73FE\u5728\u306E\u30D7\u30EA\u30F3\u30BF\u8A2D\u5B9A\u3011\r\n";
const char16_t* const PrinterItem = u"  \u30FB \u30D7\u30EA\u30F3\u30BF \uFF1A "; // ・ プリンタ ：
const char16_t* const PaperItem = u"\r\n  \u30FB \u7528\u7D19\u30B5\u30A4\u30BA \uFF1A "; // ・ 用紙サイズ ：
const char16_t* const OrientationItem = u"\r\n  \u30FB \u7528\u7D19\u65B9\u5411  \uFF1A "; // ・ 用紙方向  ：

struct NoticeCase {
    const char* name;
    const char16_t* device;
    int paper;
    int orientation;
    const char16_t* paperText;
    const char16_t* orientationText;
};

TEST(PrinterSettingsNotice, SevenLinesExactly) {
    const std::vector<NoticeCase> cases{
        {"A4 portrait", u"KL-PDF", 9, 1, u"A4 (210mm x 297mm)", u"\u7E26"},
        {"A3 landscape", u"Office Printer 2", 8, 2, u"A3 (297mm x 420mm)", u"\u6A2A"},
        {"unknown size", u"KL-PDF", 10, 2, Unknown, u"\u6A2A"},
        {"unknown orientation", u"KL-PDF", 9, 0, u"A4 (210mm x 297mm)", u""},
        {"no name", u"", 256, 1, u"\u30E6\u30FC\u30B6\u30FC\u5B9A\u7FA9\u306E\u30B5\u30A4\u30BA", u"\u7E26"},
    };
    for (const NoticeCase& c : cases) {
        const QString expected = q(NoticeHead) + q(PrinterItem) + q(c.device) + q(PaperItem) +
                                 q(c.paperText) + q(OrientationItem) + q(c.orientationText);
        const QString text = printerSettingsNoticeText(q(c.device), c.paper, c.orientation);
        EXPECT_EQ(text, expected) << c.name;
        EXPECT_EQ(text.count(u"\r\n"_s), 6) << c.name;
        EXPECT_EQ(text.count(QLatin1Char('\n')), 6) << c.name; // no bare line feeds
    }
    EXPECT_EQ(printerSettingsNoticeTitle(),
              q(u"\u5370\u5237\u8A2D\u5B9A\u306E\u78BA\u8A8D")); // 印刷設定の確認
}

TEST(PrinterSettingsNotice, UnknownOrientationEndsWithTheColonAndItsSpace) {
    EXPECT_TRUE(printerSettingsNoticeText(u"P"_s, 9, 7).endsWith(q(u"\u65B9\u5411  \uFF1A ")));
}

TEST(PrintWarnings, MainSentenceThenTwoIdeographicSpaces) {
    const QString noPrinter = noPrinterText();
    EXPECT_TRUE(noPrinter.startsWith(q(u"\u30D7\u30EA\u30F3\u30BF\u304C"))); // プリンタが
    EXPECT_EQ(noPrinter.section(u"\r\n"_s, 0, 0).right(3), q(u"\u3002\u3000\u3000"));
    EXPECT_EQ(
        printFailedText(u"why"_s),
        q(u"\u5370\u5237\u3067\u304D\u307E\u305B\u3093\u3067\u3057\u305F\u3002\u3000\u3000\r\n\r\nwhy"));
}

} // namespace
} // namespace kl
