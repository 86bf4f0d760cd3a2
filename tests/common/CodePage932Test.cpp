#include <ostream>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include "common/CodePage932.h"
#include "support/GTestPrinters.h"

namespace {

using namespace Qt::StringLiterals;

struct Mapping {
    const char* name;
    QByteArray bytes;
    QString text;
};

QByteArray encoded(const QString& text) {
    const auto result = kl::encodeCodePage932(text);
    const auto* bytes = std::get_if<QByteArray>(&result);
    return bytes != nullptr ? *bytes : QByteArray("<refused>");
}

// Read as Windows reads them and written back to the same bytes.
class CodePage932BothWays : public ::testing::TestWithParam<Mapping> {};

TEST_P(CodePage932BothWays, Reads) {
    EXPECT_EQ(kl::decodeCodePage932(GetParam().bytes), GetParam().text);
}

TEST_P(CodePage932BothWays, Writes) {
    EXPECT_EQ(encoded(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodePage932BothWays,
    ::testing::Values(
        Mapping{"windows_single_bytes", QByteArray("\x80\xA0\xFD\xFE\xFF"),
                u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"_s},
        Mapping{"control_codes_as_they_are", QByteArray("\x1A\x1C\x7F"), u"\u001A\u001C\u007F"_s},
        // 80 and A0 as second bytes belong to their characters: 81 80 is "÷", 81 A0 is "□".
        Mapping{"second_bytes_80_and_A0", QByteArray("\x81\x80\x81\xA0"), u"÷□"_s},
        Mapping{"single_bytes_after_double_ones", QByteArray("\x81\x80\x80\x81\xA0\xA0\xFF"),
                u"÷\u0080□\uF8F0\uF8F3"_s},
        Mapping{"between_half_width_katakana", QByteArray("\xA1\xA0\xDF\xFD"), u"｡\uF8F0ﾟ\uF8F1"_s},
        Mapping{"text_around_them", QByteArray("a\x80\x91\x4F\xA0\x97\xD6z"), u"a\u0080前\uF8F0輪z"_s},
        Mapping{"windows_marks", QByteArray("\x81\x60\x81\x7C\x87\x40\xFB\xFC"), u"～－①髙"_s},
        Mapping{"plain_ascii", QByteArray("\\~ 597.0\r\n"), u"\\~ 597.0\r\n"_s},
        Mapping{"empty", QByteArray(), QString()}),
    [](const ::testing::TestParamInfo<Mapping>& info) { return std::string(info.param.name); });

// Bytes without a character: no byte vanishes. A first byte (81-9F, E0-FC) without its second reads as
// the substitute "・" and the byte after it as itself, as Windows reads them; a pair the code page has
// no character for reads as one substitute. Read back as a text, these are one-way.
class CodePage932Substitute : public ::testing::TestWithParam<Mapping> {};

TEST_P(CodePage932Substitute, Reads) {
    EXPECT_EQ(kl::decodeCodePage932(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, CodePage932Substitute,
    ::testing::Values(
        Mapping{"first_byte_alone", QByteArray("\x81"), u"・"_s},
        Mapping{"first_byte_at_the_end", QByteArray("a\x81"), u"a・"_s},
        Mapping{"last_first_byte_at_the_end", QByteArray("\x81\x81\xFC"), u"＝・"_s},
        Mapping{"before_control_codes", QByteArray("\x81\x1A\x9F\x1C\xE0\x7F"),
                u"・\u001A・\u001C・\u007F"_s},
        Mapping{"before_windows_single_bytes", QByteArray("\x81\xFD\x81\xFE\xFC\xFF"),
                u"・\uF8F1・\uF8F2・\uF8F3"_s},
        Mapping{"before_quote_and_line_ends", QByteArray("\x81\"\x81\r\x81\n"), u"・\"・\r・\n"_s},
        Mapping{"before_a_blank_or_a_digit", QByteArray("\x81 \x81\x30"), u"・ ・0"_s},
        Mapping{"before_a_nul", QByteArray("\x81\0a", 3), u"・\0a"_s},
        // 7F never follows a first byte, 80 does.
        Mapping{"before_7F_then_a_pair_with_80", QByteArray("\x81\x7F\x81\x80"), u"・\u007F÷"_s},
        Mapping{"pairs_without_a_character", QByteArray("\x85\x40\xEF\xFC\xFC\x4C"), u"・・・"_s},
        Mapping{"pair_without_a_character_then_text",
                QByteArray("\x86\x40"
                           "a"),
                u"・a"_s}),
    [](const ::testing::TestParamInfo<Mapping>& info) { return std::string(info.param.name); });

// The substitute is no 0x1A: written back, each comes out as what it shows, "・" as 81 45.
TEST(CodePage932Substitute, StaysToldApartFromA1AByte) {
    const QString read = kl::decodeCodePage932(QByteArray("\x85\x40\x1A\x81"));
    EXPECT_EQ(read, u"・\u001A・"_s);
    EXPECT_EQ(encoded(read), QByteArray("\x81\x45\x1A\x81\x45"));
    EXPECT_EQ(kl::kCodePage932Substitute, u'\u30FB');
}

struct Refusal {
    const char* name;
    QString text;
    char32_t character;
};

// A character the code page has no place for is named, never written as another one.
class CodePage932Refusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(CodePage932Refusal, NamesTheFirstUnencodableCharacter) {
    const auto result = kl::encodeCodePage932(GetParam().text);
    const auto* refused = std::get_if<char32_t>(&result);
    ASSERT_NE(refused, nullptr) << encoded(GetParam().text).toHex(' ').toStdString();
    EXPECT_EQ(*refused, GetParam().character);
}

INSTANTIATE_TEST_SUITE_P(Characters, CodePage932Refusal,
                         ::testing::Values(Refusal{"euro", u"7.5 €"_s, U'€'},
                                           Refusal{"yen_sign", u"¥"_s, U'¥'},
                                           Refusal{"wave_dash", u"17〜18"_s, U'\u301C'},
                                           Refusal{"private_use_past_the_four", u"\uF8F3\uF8F4"_s, U'\uF8F4'},
                                           Refusal{"no_break_space", u"\u00A0"_s, U'\u00A0'},
                                           Refusal{"after_a_single_byte", u"\u0080a€"_s, U'€'},
                                           Refusal{"outside_the_basic_plane", u"ok 😀"_s, U'😀'}),
                         [](const ::testing::TestParamInfo<Refusal>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
