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
