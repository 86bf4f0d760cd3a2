#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ostream>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "results/ResultFile.h"
#include "support/GTestPrinters.h"

namespace {

using namespace Qt::StringLiterals;
using kl::ResultFileSlots;
using kl::ResultRecord;

QByteArray bytesOf(const char* text) {
    return QByteArray(text);
}

// One text per field, the rest empty.
ResultRecord recordOf(std::initializer_list<QString> texts) {
    ResultRecord record;
    std::copy(texts.begin(), texts.end(), record.begin());
    return record;
}

QByteArray encoded(const ResultRecord& record) {
    const auto result = kl::encodeResultFile(record);
    const auto* bytes = std::get_if<QByteArray>(&result);
    return bytes != nullptr ? *bytes : QByteArray("<refused>");
}

// The 35 empty fields that follow a first field, as the save command writes them.
QByteArray emptyLines(int count) {
    return QByteArray("\"\"\r\n").repeated(count);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The file of a real analysis (16-inch to 17-inch upsizing, rear right boxes left empty): code page 932,
// one quoted text per line, CR LF after each of the 36 lines and nothing else.
TEST(ResultFileWriter, WritesTheBytesOfARealResult) {
    const ResultRecord record{u"ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16"_s,
                              u"ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：225/45-17"_s,
                              u"ﾎｲｰﾙ：6.5×16 ±0  ﾀｲﾔ：205/55-16"_s,
                              u"ﾎｲｰﾙ：7.5×17 -5  ﾀｲﾔ：225/45-17"_s,
                              u"631.9"_s,
                              u"634.3"_s,
                              u"631.9"_s,
                              u"634.3"_s,
                              u"25.0"_s,
                              u"15.0"_s,
                              u"40.0"_s,
                              u"38.8"_s,
                              u"30.0"_s,
                              u"28.8"_s,
                              u"24.5"_s,
                              u"14.5"_s,
                              u"39.0"_s,
                              u"37.8"_s,
                              u"31.0"_s,
                              u"29.8"_s,
                              u"30.0"_s,
                              u"20.0"_s,
                              u"45.0"_s,
                              u"43.8"_s,
                              u"35.0"_s,
                              u"33.8"_s,
                              u""_s,
                              u""_s,
                              u""_s,
                              u""_s,
                              u""_s,
                              u""_s,
                              u"+10.0"_s,
                              u"+10.0"_s,
                              u"±0.0"_s,
                              u""_s};
    // ﾎｲｰﾙ： CE B2 B0 D9 81 46, × 81 7E, ± 81 7D, ﾀｲﾔ： C0 B2 D4 81 46.
    const QByteArray wheel("\"\xCE\xB2\xB0\xD9\x81\x46");
    const QByteArray tyre("\xC0\xB2\xD4\x81\x46");
    QByteArray expected;
    expected += wheel +
                "6.5\x81\x7E"
                "16 +45  " +
                tyre + "205/55-16\"\r\n";
    expected += wheel +
                "7.5\x81\x7E"
                "17 +45  " +
                tyre + "225/45-17\"\r\n";
    expected += wheel +
                "6.5\x81\x7E"
                "16 \x81\x7D"
                "0  " +
                tyre + "205/55-16\"\r\n";
    expected += wheel +
                "7.5\x81\x7E"
                "17 -5  " +
                tyre + "225/45-17\"\r\n";
    expected += "\"631.9\"\r\n\"634.3\"\r\n\"631.9\"\r\n\"634.3\"\r\n";
    expected += "\"25.0\"\r\n\"15.0\"\r\n\"40.0\"\r\n\"38.8\"\r\n\"30.0\"\r\n\"28.8\"\r\n";
    expected += "\"24.5\"\r\n\"14.5\"\r\n\"39.0\"\r\n\"37.8\"\r\n\"31.0\"\r\n\"29.8\"\r\n";
    expected += "\"30.0\"\r\n\"20.0\"\r\n\"45.0\"\r\n\"43.8\"\r\n\"35.0\"\r\n\"33.8\"\r\n";
    expected += emptyLines(6);
    expected += "\"+10.0\"\r\n\"+10.0\"\r\n\"\x81\x7D"
                "0.0\"\r\n\"\"\r\n";

    const QByteArray bytes = encoded(record);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.count("\r\n"), 36);
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
}

struct EncodeCase {
    const char* name;
    QString text;
    QByteArray line; // the first line of the file
};

class ResultFileEncoding : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(ResultFileEncoding, WritesTheFirstField) {
    const EncodeCase& c = GetParam();
    EXPECT_EQ(encoded(recordOf({c.text})), c.line + emptyLines(35));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ResultFileEncoding,
    ::testing::Values(
        EncodeCase{"empty", u""_s, bytesOf("\"\"\r\n")},
        EncodeCase{"number", u"597.0"_s, bytesOf("\"597.0\"\r\n")},
        EncodeCase{"blanks_kept", u"  a b  "_s, bytesOf("\"  a b  \"\r\n")},
        EncodeCase{"commas_unchanged", u"7,5×17"_s,
                   bytesOf("\"7,5\x81\x7E"
                           "17\"\r\n")},
        EncodeCase{"inner_quotes_doubled", u"say \"hi\""_s, bytesOf("\"say \"\"hi\"\"\"\r\n")},
        EncodeCase{"only_a_quote", u"\""_s, bytesOf("\"\"\"\"\r\n")},
        EncodeCase{"half_width_katakana", u"ﾀｲﾔ"_s, bytesOf("\"\xC0\xB2\xD4\"\r\n")},
        EncodeCase{"ideographic_space", u"前\u3000輪"_s, bytesOf("\"\x91\x4F\x81\x40\x97\xD6\"\r\n")},
        EncodeCase{"windows_only_marks", u"～－①髙"_s, bytesOf("\"\x81\x60\x81\x7C\x87\x40\xFB\xFC\"\r\n")},
        EncodeCase{"backslash_and_tilde", u"\\~"_s, bytesOf("\"\\~\"\r\n")},
        EncodeCase{"control_codes_as_they_are", u"\u001A\u001C\u007F"_s, bytesOf("\"\x1A\x1C\x7F\"\r\n")},
        // The five single bytes Windows gives characters of their own, as Windows writes them.
        EncodeCase{"windows_single_bytes", u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3÷"_s,
                   bytesOf("\"\x80\xA0\xFD\xFE\xFF\x81\x80\"\r\n")}),
    [](const ::testing::TestParamInfo<EncodeCase>& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    int field;
    QString text;
    char32_t character;
};

class ResultFileRefusal : public ::testing::TestWithParam<RefusalCase> {};

// A character code page 932 has no place for would be written as something else: refuse instead.
TEST_P(ResultFileRefusal, NamesTheFirstUnencodableCharacter) {
    const RefusalCase& c = GetParam();
    ResultRecord record;
    record.fill(u"ﾀｲﾔ：225/45-17"_s);
    record[c.field - 1] = c.text;
    const auto result = kl::encodeResultFile(record);
    const auto* refused = std::get_if<kl::UnencodableCharacter>(&result);
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(refused->field, c.field);
    EXPECT_EQ(refused->character, c.character);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, ResultFileRefusal,
    ::testing::Values(RefusalCase{"euro", 1, u"7.5×17 €"_s, U'€'},
                      RefusalCase{"wave_dash_not_fullwidth_tilde", 2, u"17〜18"_s, U'\u301C'},
                      RefusalCase{"minus_sign", 3, u"\u22125"_s, U'\u2212'},
                      RefusalCase{"yen_sign", 4, u"¥"_s, U'¥'},
                      RefusalCase{"outside_the_basic_plane", 4, u"ok 😀 then €"_s, U'😀'},
                      RefusalCase{"after_a_control_code", 36, u"a\u007F€"_s, U'€'},
                      RefusalCase{"the_first_of_several", 1, u"ab¢€"_s, U'¢'}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

struct DecodeCase {
    const char* name;
    QByteArray file;
    QStringList fields; // the leading slots; every later one is empty
};

class ResultFileDecoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(ResultFileDecoding, ReadsFieldsInSequence) {
    const DecodeCase& c = GetParam();
    const ResultFileSlots slots = kl::decodeResultFile(c.file);
    for (int k = 0; k < kl::kResultFileSlotCount; ++k) {
        EXPECT_EQ(slots[k], c.fields.value(k)) << "slot " << (k + 1);
    }
}

QStringList numbered(int count) {
    QStringList fields;
    for (int k = 1; k <= count; ++k) {
        fields << QString::number(k);
    }
    return fields;
}

QByteArray quotedLines(int count) {
    QByteArray file;
    for (int k = 1; k <= count; ++k) {
        file += "\"" + QByteArray::number(k) + "\"\r\n";
    }
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ResultFileDecoding,
    ::testing::Values(
        DecodeCase{"empty_file", {}, {}},
        DecodeCase{"two_quoted_on_one_line", "\"a\",\"b\"\r\n\"c\"\r\n", {u"a"_s, u"b"_s, u"c"_s}},
        DecodeCase{"commas_inside_quotes", "\"7,5, 17\"\r\n\"x\"\r\n", {u"7,5, 17"_s, u"x"_s}},
        DecodeCase{"unquoted_as_they_stand", "597.0,0.0,abc\r\n", {u"597.0"_s, u"0.0"_s, u"abc"_s}},
        DecodeCase{"blanks_around_fields", "  \"a \"  ,\t b c \t\r\n  \r\n", {u"a "_s, u"b c"_s, u""_s}},
        DecodeCase{"empty_line_and_leading_comma", "\"a\"\r\n\r\n,\"b\"\r\n", {u"a"_s, u""_s, u""_s, u"b"_s}},
        DecodeCase{"lf_only", "\"a\"\n\"b\"\nc\n", {u"a"_s, u"b"_s, u"c"_s}},
        DecodeCase{"cr_only", "\"a\"\r\"b\"\rc\r", {u"a"_s, u"b"_s, u"c"_s}},
        DecodeCase{"no_final_line_end", "\"a\"\r\n\"b\"", {u"a"_s, u"b"_s}},
        DecodeCase{"ten_fields", quotedLines(10), numbered(10)},
        DecodeCase{"thirty_six_fields_leave_the_verdict_empty", quotedLines(36), numbered(36)},
        DecodeCase{"more_than_thirty_seven", quotedLines(40), numbered(37)},
        DecodeCase{"doubled_quote_is_one", "\"say \"\"hi\"\"\"\r\n\"\"\"\"\r\n", {u"say \"hi\""_s, u"\""_s}},
        // A file whose writer did not double an inner quote ends the field there, as it always did.
        DecodeCase{"undoubled_inner_quote", "\"a\"b\"\r\n\"c\"\r\n", {u"a"_s, u"b\""_s, u"c"_s}},
        DecodeCase{"text_after_closing_quote", "\"a\"x,\"b\"", {u"a"_s, u"x"_s, u"b"_s}},
        DecodeCase{"quoted_over_a_line_end", "\"a\r\nb\"\r\n\"c\"", {u"a\r\nb"_s, u"c"_s}},
        DecodeCase{"unclosed_quote_runs_to_the_end", "\"a\"\r\n\"bc,d\r\n", {u"a"_s, u"bc,d\r\n"_s}},
        DecodeCase{"code_page_932",
                   "\"\xCE\xB2\xB0\xD9\x81\x46"
                   "7.5\x81\x7E"
                   "17\",\x81\x7D"
                   "0.0\r\n",
                   {u"ﾎｲｰﾙ：7.5×17"_s, u"±0.0"_s}},
        DecodeCase{"control_codes_as_they_are", "\"\x1A\x1C\x7F\"", {u"\u001A\u001C\u007F"_s}},
        // No byte vanishes: a first byte without its second reads as the substitute "・" and the byte
        // after it as itself; a pair without a character reads as one substitute, told apart from 0x1A.
        DecodeCase{"first_byte_before_the_closing_quote",
                   "\"\x81\"\r\n\"a\x81\"\r\n\"b\"",
                   {u"・"_s, u"a・"_s, u"b"_s}},
        DecodeCase{"first_byte_before_a_line_end_or_a_comma",
                   "\x81\r\na\x81\n\x81\r\x81,c",
                   {u"・"_s, u"a・"_s, u"・"_s, u"・"_s, u"c"_s}},
        DecodeCase{"first_byte_at_the_end_of_the_file", "\"a\",b\x81", {u"a"_s, u"b・"_s}},
        DecodeCase{"first_byte_at_the_end_of_an_unclosed_quote", "\"\x81", {u"・"_s}},
        DecodeCase{"first_bytes_before_control_codes",
                   "\"\x81\x1A\x81\x1C\x81\x7F\"",
                   {u"・\u001A・\u001C・\u007F"_s}},
        DecodeCase{"first_bytes_before_windows_single_bytes",
                   "\"\x81\xFD\x9F\xFE\xFC\xFF\"",
                   {u"・\uF8F1・\uF8F2・\uF8F3"_s}},
        DecodeCase{"pair_without_a_character_and_a_1A_byte", "\"\x85\x40\x1A\xFC\x4C\"", {u"・\u001A・"_s}},
        DecodeCase{"windows_single_bytes",
                   "\"\x80\xA0\xFD\xFE\xFF\x81\x80\",\xA0\x80\r\n",
                   {u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3÷"_s, u"\uF8F0\u0080"_s}}),
    [](const ::testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

// Whatever the boxes hold comes back from the file into the same boxes.
TEST(ResultFileRoundTrip, GivesBackEveryText) {
    const ResultRecord record = recordOf({
        u"ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：225/45-17"_s,
        u"a, b, c"_s,
        u"\"quoted\""_s,
        u""_s,
        u"\""_s,
        u"\"\""_s,
        u"ends with \""_s,
        u"\",\""_s,
        u"  blanks  "_s,
        u"ｱｲｳｴｵ ｶﾞｷﾞｸﾞ ﾊﾟﾋﾟ"_s,
        u"two\r\nlines"_s,
        u"cr\ronly"_s,
        u"\u001A\u001C\u007F\t"_s,
        u"未解析"_s,
        u"～－①髙"_s,
    });
    const ResultFileSlots slots = kl::decodeResultFile(encoded(record));
    for (int k = 0; k < kl::kResultRecordSize; ++k) {
        EXPECT_EQ(slots[k], record[k]) << "field " << (k + 1);
    }
    EXPECT_EQ(slots[36], QString());
}

// Saved again, a substitute is written as the "・" it shows and a 0x1A byte as 0x1A: neither turns
// into the other.
TEST(ResultFileRoundTrip, WritesASubstituteAsTheDotItShows) {
    const ResultFileSlots slots = kl::decodeResultFile("\"\x85\x40\x1A\x81\"\r\n");
    const ResultRecord record = recordOf({slots[0]});
    EXPECT_EQ(encoded(record), "\"\x81\x45\x1A\x81\x45\"\r\n" + emptyLines(35));
}

class ResultFileSave : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    ResultRecord record = recordOf({u"ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：225/45-17"_s, u"b"_s});
    const QByteArray oldFile = QByteArray("\"old\"\r\n").repeated(36);
};

TEST_F(ResultFileSave, ReplacesAnExistingFileWhole) {
    const QString target = path(u"result.rdw"_s);
    writeAll(target, oldFile + oldFile);
    EXPECT_EQ(kl::writeResultFile(target, record), std::nullopt);
    EXPECT_EQ(readAll(target), encoded(record));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"result.rdw"_s});
}

TEST_F(ResultFileSave, RefusesAnUnencodableTextAndWritesNothing) {
    const QString target = path(u"result.rdw"_s);
    writeAll(target, oldFile);
    record[3] = u"17€"_s;
    const auto failure = kl::writeResultFile(target, record);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(std::get<kl::UnencodableCharacter>(*failure), (kl::UnencodableCharacter{4, U'€'}));
    EXPECT_EQ(readAll(target), oldFile);
}

TEST_F(ResultFileSave, ReportsAFolderThatCannotBeWritten) {
    writeAll(path(u"not-a-folder"_s), oldFile);
    const QString target = path(u"not-a-folder/result.rdw"_s);
    const auto failure = kl::writeResultFile(target, record);
    ASSERT_TRUE(failure.has_value());
    const auto& write = std::get<kl::FileWriteFailure>(*failure);
    EXPECT_EQ(write.path, target);
    EXPECT_FALSE(write.reason.isEmpty());
    EXPECT_EQ(readAll(path(u"not-a-folder"_s)), oldFile);
}

// A disk that fills up partway through the file: the largest file this process may write is made
// smaller than the result, so the write fails wherever the user is, root included.
TEST_F(ResultFileSave, KeepsTheOldFileWholeWhenAWriteFailsPartway) {
    const QString target = path(u"result.rdw"_s);
    writeAll(target, oldFile);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto failure = kl::writeResultFile(target, record);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(failure.has_value());
    ASSERT_TRUE(std::holds_alternative<kl::FileWriteFailure>(*failure));
    // The user is told the system's reason, not a shrug, in Japanese.
    EXPECT_EQ(std::get<kl::FileWriteFailure>(*failure).reason, u"ファイルが大きすぎます"_s);
    EXPECT_EQ(readAll(target), oldFile);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"result.rdw"_s});
}

TEST(ResultSaveFailureMessage, SaysTheResultWasNotSavedAndWhy) {
    EXPECT_EQ(
        kl::resultSaveFailureMessage(kl::UnencodableCharacter{2, U'€'}),
        u"解析結果を保存できませんでした。\u3000\u3000\n\n"
        u"「€」(U+20AC) はファイルに書き込めない文字です。この文字を除いてから、もう一度保存して下さい。"_s);
    EXPECT_EQ(
        kl::resultSaveFailureMessage(kl::UnencodableCharacter{1, U'😀'}),
        u"解析結果を保存できませんでした。\u3000\u3000\n\n"
        u"「😀」(U+1F600) はファイルに書き込めない文字です。この文字を除いてから、もう一度保存して下さい。"_s);
    EXPECT_EQ(
        kl::resultSaveFailureMessage(
            kl::FileWriteFailure{u"/media/usb/result.rdw"_s, u"No space left on device"_s}),
        u"解析結果を保存できませんでした。\u3000\u3000\n\n保存先：/media/usb/result.rdw\n理由：No space left on device"_s);
}

} // namespace
