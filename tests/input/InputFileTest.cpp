#include <cctype>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <QByteArray>
#include <QStringEncoder>
#include <QStringList>

#include <gtest/gtest.h>

#include "input/InputFile.h"
#include "support/GTestPrinters.h"

using namespace kl;
using namespace Qt::Literals::StringLiterals;

namespace {

InputValues valuesOf(const QStringList& list) {
    InputValues values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = list.value(static_cast<qsizetype>(i));
    }
    return values;
}

// The file, or a mark that the writer refused the values.
QByteArray written(const InputValues& values) {
    const auto result = writeInputFile(values);
    const auto* bytes = std::get_if<QByteArray>(&result);
    return bytes != nullptr ? *bytes : QByteArray("<refused>");
}

std::string show(const QByteArray& bytes) {
    return bytes.toHex(' ').toStdString();
}

// A full window: every list chosen, every box typed, some texts as a user leaves them (".5", "1,5",
// "2.50", "5."), one direction left unchosen and its offset empty.
const QStringList kFullWindow{
    u"15"_s,  u"6.5"_s,  u"＋"_s, u"45"_s,   u"195"_s, u"65"_s, u"12"_s, u"30.5"_s, u".5"_s,
    u"1,5"_s, u"2.50"_s, u"7"_s,  u"15"_s,   u"6.5"_s, u"－"_s, u"10"_s, u"195"_s,  u"65"_s,
    u"11"_s,  u"29"_s,   u"8"_s,  u"11.5"_s, u"28"_s,  u"5."_s, u"17"_s, u"7.5"_s,  u"±"_s,
    u"0"_s,   u"215"_s,  u"45"_s, u"17"_s,   u"8"_s,   u""_s,   u""_s,   u"225"_s,  u"40"_s,
};

// The file of that window, byte for byte: "＋" 81 7B, "－" 81 7C, "±" 81 7D in code page 932.
const QByteArray kFullFile("15\r\n6.5\r\n\"\x81\x7B\"\r\n45\r\n195\r\n65\r\n12\r\n30.5\r\n0.5\r\n"
                           "1\r\n2.5\r\n7\r\n15\r\n6.5\r\n\"\x81\x7C\"\r\n10\r\n195\r\n65\r\n"
                           "11\r\n29\r\n8\r\n11.5\r\n28\r\n5\r\n17\r\n7.5\r\n\"\x81\x7D\"\r\n"
                           "0\r\n215\r\n45\r\n17\r\n8\r\n\"\"\r\n0\r\n225\r\n40\r\n");

// What reading kFullFile asks of each control.
const QStringList kFullFileRead{
    u"15"_s, u"6.5"_s, u"＋"_s, u"45"_s,   u"195"_s, u"65"_s, u"12"_s, u"30.5"_s, u"0.5"_s,
    u"1"_s,  u"2.5"_s, u"7"_s,  u"15"_s,   u"6.5"_s, u"－"_s, u"10"_s, u"195"_s,  u"65"_s,
    u"11"_s, u"29"_s,  u"8"_s,  u"11.5"_s, u"28"_s,  u"5"_s,  u"17"_s, u"7.5"_s,  u"±"_s,
    u"0"_s,  u"215"_s, u"45"_s, u"17"_s,   u"8"_s,   u""_s,   u"0"_s,  u"225"_s,  u"40"_s,
};

TEST(InputFile, TheCodePageIsAvailable) {
    EXPECT_TRUE(QStringEncoder("cp932").isValid());
}

TEST(InputFile, LinesFollowTheWindowBlockByBlock) {
    const auto& lines = inputFileLines();
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[0].field, InputField::BeforeFrontRimDiameter);
    EXPECT_EQ(lines[2].field, InputField::BeforeFrontDirection);
    EXPECT_EQ(lines[3].field, InputField::BeforeFrontOffset);
    EXPECT_EQ(lines[6].field, InputField::FLHikikomi);
    EXPECT_EQ(lines[11].field, InputField::FRZengo);
    EXPECT_EQ(lines[14].field, InputField::BeforeRearDirection);
    EXPECT_EQ(lines[23].field, InputField::RRZengo);
    EXPECT_EQ(lines[26].field, InputField::AfterFrontDirection);
    EXPECT_EQ(lines[32].field, InputField::AfterRearDirection);
    EXPECT_EQ(lines[35].field, InputField::AfterRearAspectRatio);
    int directions = 0;
    int typed = 0;
    for (const InputFileLine& line : lines) {
        directions += line.kind == InputFieldKind::DirectionList ? 1 : 0;
        typed += line.kind == InputFieldKind::TypedBox ? 1 : 0;
    }
    EXPECT_EQ(directions, 4);
    EXPECT_EQ(typed, 16);
}

TEST(InputFile, WritesAFullWindowByteForByte) {
    EXPECT_EQ(show(written(valuesOf(kFullWindow))), show(kFullFile));
}

TEST(InputFile, AnEmptyWindowWritesZerosAndEmptyDirections) {
    QByteArray expected;
    for (int line = 1; line <= 36; ++line) {
        const bool direction = line == 3 || line == 15 || line == 27 || line == 33;
        expected += direction ? "\"\"\r\n" : "0\r\n";
    }
    const QByteArray file = written(InputValues{});
    EXPECT_EQ(show(file), show(expected));

    // Read back, every typed box shows 0, and no list finds an item.
    const InputValues read = readInputFile(file);
    for (std::size_t i = 0; i < read.size(); ++i) {
        const bool direction = inputFileLines()[i].kind == InputFieldKind::DirectionList;
        EXPECT_EQ(read[i], direction ? QString() : u"0"_s) << "line " << i + 1;
    }
}

TEST(InputFile, SaveThenLoadGivesBackEveryValue) {
    const QStringList window{
        u"10"_s,   u"3"_s,   u"±"_s,  u"0"_s,    u"135"_s,  u"30"_s, u"0.5"_s, u"99.9"_s, u"9999"_s,
        u"15"_s,   u"2.5"_s, u"1"_s,  u"20"_s,   u"11.5"_s, u"＋"_s, u"50"_s,  u"295"_s,  u"80"_s,
        u"12.3"_s, u"4"_s,   u"0"_s,  u"1.25"_s, u"33"_s,   u"7"_s,  u"12"_s,  u"3.5"_s,  u"－"_s,
        u"38"_s,   u"205"_s, u"55"_s, u"19"_s,   u"10.5"_s, u"＋"_s, u"5"_s,   u"285"_s,  u"75"_s,
    };
    const InputValues read = readInputFile(written(valuesOf(window)));
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i], window[static_cast<qsizetype>(i)]) << "line " << i + 1;
    }
}

struct HandWritten {
    const char* name;
    // Replaces lines of kFullFile (1-based); an empty replacement list keeps it whole.
    std::vector<std::pair<int, QByteArray>> lines;
    // Lines of kFullFileRead that change.
    std::vector<std::pair<int, QString>> read;
    // Drops the lines after this one (0 keeps them all).
    int keepLines = 0;
};

QByteArray patched(const HandWritten& c) {
    QList<QByteArray> lines = kFullFile.split('\n');
    lines.removeLast(); // after the last CR LF
    for (auto& line : lines) {
        line.chop(1); // its CR
    }
    for (const auto& [number, text] : c.lines) {
        lines[number - 1] = text;
    }
    if (c.keepLines > 0) {
        lines.resize(c.keepLines);
    }
    QByteArray file;
    for (const auto& line : lines) {
        file += line + "\r\n";
    }
    return file;
}

class HandWrittenFile : public ::testing::TestWithParam<HandWritten> {};

TEST_P(HandWrittenFile, IsReadValueByValue) {
    const HandWritten& c = GetParam();
    QStringList expected = kFullFileRead;
    for (const auto& [number, text] : c.read) {
        expected[number - 1] = text;
    }
    const InputValues read = readInputFile(patched(c));
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].toStdString(), expected[static_cast<qsizetype>(i)].toStdString())
            << "line " << i + 1;
    }
}

// A comma ends a value as a line end does, so "1,5" is two values and every later line moves down one.
const HandWritten kCommaCase{
    "comma splits a value",
    {{10, "1,5"}},
    {{10, u"1"_s}, {11, u"5"_s},    {12, u"2.5"_s}, {13, u"7"_s},  {14, u"15"_s}, {15, u"6.5"_s},
     {16, u"0"_s}, {17, u"10"_s},   {18, u"195"_s}, {19, u"65"_s}, {20, u"11"_s}, {21, u"29"_s},
     {22, u"8"_s}, {23, u"11.5"_s}, {24, u"28"_s},  {25, u"5"_s},  {26, u"17"_s}, {27, u"7.5"_s},
     {28, u"0"_s}, {29, u"0"_s},    {30, u"215"_s}, {31, u"45"_s}, {32, u"17"_s}, {33, u"8"_s},
     {34, u"0"_s}, {35, u"0"_s},    {36, u"225"_s}},
};

INSTANTIATE_TEST_SUITE_P(
    Cases, HandWrittenFile,
    ::testing::Values(
        HandWritten{"as written", {}, {}}, HandWritten{"point without zero", {{7, ".5"}}, {{7, u"0.5"_s}}},
        HandWritten{"point at the end", {{8, "5."}}, {{8, u"5"_s}}},
        HandWritten{"negative number line", {{16, "-5"}}, {{16, u"-5"_s}}},
        HandWritten{"negative text line", {{4, "-5"}}, {{4, u"-5"_s}}},
        HandWritten{"size not in its list", {{1, "11"}, {18, "33"}}, {{1, u"11"_s}, {18, u"33"_s}}},
        HandWritten{"letters after a number", {{7, "12a"}, {11, "12a"}}, {{7, u"0"_s}, {11, u"12"_s}}},
        // A first byte without its second is a character too, so the number is not the whole value.
        HandWritten{
            "lone first byte after a number", {{7, "12\x81"}, {11, "12\x81"}}, {{7, u"0"_s}, {11, u"12"_s}}},
        HandWritten{
            "quoted number, blanks around", {{7, "\"12\""}, {8, "  13  "}}, {{7, u"12"_s}, {8, u"13"_s}}},
        HandWritten{"blank line keeps its place", {{5, ""}}, {{5, u"0"_s}}},
        HandWritten{"direction without quotes", {{3, "\x81\x7D"}}, {{3, u"±"_s}}},
        HandWritten{"direction that is no item", {{15, "\"+\""}}, {{15, u"+"_s}}},
        HandWritten{"number beyond single precision", {{9, "1" + QByteArray(40, '0')}}, {{9, u"0"_s}}},
        HandWritten{"text line beyond any number", {{4, "1" + QByteArray(400, '0')}}, {{4, u"0"_s}}},
        HandWritten{"fewer than 36 lines",
                    {},
                    {{11, u"0"_s}, {12, u"0"_s}, {13, u"0"_s}, {14, u"0"_s}, {15, u""_s},  {16, u"0"_s},
                     {17, u"0"_s}, {18, u"0"_s}, {19, u"0"_s}, {20, u"0"_s}, {21, u"0"_s}, {22, u"0"_s},
                     {23, u"0"_s}, {24, u"0"_s}, {25, u"0"_s}, {26, u"0"_s}, {27, u""_s},  {28, u"0"_s},
                     {29, u"0"_s}, {30, u"0"_s}, {31, u"0"_s}, {32, u"0"_s}, {33, u""_s},  {34, u"0"_s},
                     {35, u"0"_s}, {36, u"0"_s}},
                    10},
        kCommaCase),
    [](const ::testing::TestParamInfo<HandWritten>& info) {
        std::string name;
        for (const char* c = info.param.name; *c != '\0'; ++c) {
            name.push_back(std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_');
        }
        return name;
    });

// The five single bytes Windows gives characters of their own read as those characters and are
// written back as the same bytes.
TEST(InputFile, WindowsSingleBytesComeBackAsTheyWere) {
    HandWritten c{"", {{3, "\"\x80\xA0\xFD\xFE\xFF\""}}, {}};
    const QByteArray file = patched(c);
    const InputValues read = readInputFile(file);
    EXPECT_EQ(read[2], u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"_s);
    EXPECT_EQ(show(written(read)), show(file));
}

struct DirectionBytes {
    const char* name;
    QByteArray line; // line 3, the old front direction
    bool lastInFile; // or followed by line 4, the offset 45
    QString read;
};

// No byte vanishes: a first byte without its second reads as the substitute "・" and the byte after it
// as itself; a pair without a character reads as one substitute, told apart from a 0x1A byte.
class DirectionLine : public ::testing::TestWithParam<DirectionBytes> {};

TEST_P(DirectionLine, ReadsEveryByte) {
    const DirectionBytes& c = GetParam();
    const QByteArray file = "15\r\n6.5\r\n" + c.line + (c.lastInFile ? "" : "\r\n45\r\n");
    const InputValues read = readInputFile(file);
    EXPECT_EQ(read[2].toStdString(), c.read.toStdString());
    EXPECT_EQ(read[3], c.lastInFile ? u"0"_s : u"45"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DirectionLine,
    ::testing::Values(
        DirectionBytes{"first_byte_before_the_closing_quote", "\"\x81\"", false, u"・"_s},
        DirectionBytes{"first_byte_after_a_character", "\"a\x81\"", false, u"a・"_s},
        DirectionBytes{"first_byte_before_a_line_end", "\x81", false, u"・"_s},
        DirectionBytes{"first_byte_at_the_end_of_the_file", "\"\x81", true, u"・"_s},
        DirectionBytes{"unquoted_at_the_end_of_the_file", "a\x81", true, u"a・"_s},
        DirectionBytes{"first_bytes_before_control_codes", "\"\x81\x1A\x81\x1C\x81\x7F\"", false,
                       u"・\u001A・\u001C・\u007F"_s},
        DirectionBytes{"first_bytes_before_windows_single_bytes", "\"\x81\xFD\x9F\xFE\xFC\xFF\"", false,
                       u"・\uF8F1・\uF8F2・\uF8F3"_s},
        DirectionBytes{"first_byte_before_a_digit_then_a_pair", "\"\x81\x30\x81\x7B\"", false, u"・0＋"_s},
        DirectionBytes{"pair_without_a_character_and_a_1A_byte", "\"\x85\x40\x1A\"", false, u"・\u001A"_s},
        DirectionBytes{"the_real_dot", "\"\x81\x45\"", false, u"・"_s}),
    [](const ::testing::TestParamInfo<DirectionBytes>& info) { return std::string(info.param.name); });

struct UnwritableCase {
    const char* name;
    std::vector<std::pair<int, QString>> directions; // line (1-based) and text
    UnwritableDirection refused;
};

// Written raw, a quote or a line end in a direction would end its value early and every later value
// would be read one line off: the writer refuses the values instead, naming the first such character.
class UnwritableDirectionText : public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(UnwritableDirectionText, IsRefused) {
    const UnwritableCase& c = GetParam();
    InputValues values = valuesOf(kFullWindow);
    for (const auto& [line, text] : c.directions) {
        values[std::size_t(line - 1)] = text;
    }
    const auto result = writeInputFile(values);
    const auto* refused = std::get_if<UnwritableDirection>(&result);
    ASSERT_NE(refused, nullptr) << show(std::get<QByteArray>(result));
    EXPECT_EQ(refused->line, c.refused.line);
    EXPECT_EQ(refused->character, c.refused.character);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnwritableDirectionText,
    ::testing::Values(UnwritableCase{"quote", {{3, u"\""_s}}, {3, U'"'}},
                      UnwritableCase{"carriage_return", {{15, u"＋\r"_s}}, {15, U'\r'}},
                      UnwritableCase{"line_feed", {{33, u"a\nb"_s}}, {33, U'\n'}},
                      UnwritableCase{"the_first_of_several", {{33, u"\n"_s}, {27, u"±\""_s}}, {27, U'"'}}),
    [](const ::testing::TestParamInfo<UnwritableCase>& info) { return std::string(info.param.name); });

// A comma or blanks stay between the quotes and read back as they were.
TEST(InputFile, ADirectionWithACommaIsWrittenWhole) {
    InputValues values = valuesOf(kFullWindow);
    values[2] = u" a, b "_s;
    EXPECT_EQ(readInputFile(written(values))[2], u" a, b "_s);
}

TEST(InputFile, LineEndsMayBeBareLineFeeds) {
    QByteArray file = kFullFile;
    file.replace("\r\n", "\n");
    const InputValues read = readInputFile(file);
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i], kFullFileRead[static_cast<qsizetype>(i)]) << "line " << i + 1;
    }
}

TEST(InputFile, ValuesAfterTheThirtySixthAreIgnored) {
    const InputValues read = readInputFile(kFullFile + "99\r\n\"\x81\x7B\"\r\n");
    EXPECT_EQ(read[35], u"40"_s);
    EXPECT_EQ(read[0], u"15"_s);
}

TEST(InputFile, NothingReadableGivesTheStartValues) {
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\xFF\xFE\x00\x81", 4), QByteArray(5000, ',')}) {
        const InputValues read = readInputFile(bytes);
        for (std::size_t i = 0; i < read.size(); ++i) {
            const bool direction = inputFileLines()[i].kind == InputFieldKind::DirectionList;
            EXPECT_EQ(read[i], direction ? QString() : u"0"_s) << "line " << i + 1;
        }
    }
}

} // namespace
