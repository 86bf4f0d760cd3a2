#include <cerrno>
#include <string>

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "common/SystemReasons.h"
#include "common/WholeFile.h"

using namespace Qt::StringLiterals;

namespace {

bool hasLatinLetters(const QString& text) {
    return text.contains(QRegularExpression(u"[A-Za-z]"_s));
}

// The tests run under the C locale, where the system words its reasons in English: every one of them,
// given as a number or as the text Qt made of it, reads in Japanese.
TEST(SystemReasons, NoReasonOfTheSystemIsLeftInEnglish) {
    for (int errnum = 1; errnum <= EHWPOISON; ++errnum) {
        for (const QString& reason : {kl::systemReason(errnum), kl::systemReason(qt_error_string(errnum))}) {
            EXPECT_FALSE(reason.isEmpty()) << errnum;
            EXPECT_FALSE(hasLatinLetters(reason)) << errnum << ": " << reason.toStdString();
        }
    }
}

// The user can tell apart the errors a save or a read meets.
TEST(SystemReasons, TheErrorsOfSavingAndReadingHaveTextsOfTheirOwn) {
    const int errors[] = {EROFS,   EACCES, EPERM, ENOSPC,       EDQUOT, EFBIG, ENOENT,
                          ENOTDIR, EISDIR, EIO,   ENAMETOOLONG, ELOOP,  EBUSY, EMFILE};
    QSet<QString> texts;
    for (int errnum : errors) {
        const QString text = kl::systemReason(errnum);
        EXPECT_FALSE(text.contains(QString::number(errnum))) << errnum << ": " << text.toStdString();
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), qsizetype(std::size(errors)));
}

TEST(SystemReasons, TheSystemsEnglishBecomesJapanese) {
    EXPECT_EQ(kl::systemReason(u"Read-only file system"_s), u"読み取り専用のファイルシステムです"_s);
    EXPECT_EQ(kl::systemReason(u"No space left on device"_s), u"ディスクの空き容量が足りません"_s);
}

// Qt's own reasons come from its translation and are kept as they are; an error without a text of its own
// is named by its number.
TEST(SystemReasons, OtherTextsAreKeptAndOtherNumbersNamed) {
    const QString qtsOwn = u"ファイルではなくディレクトリを参照しています"_s;
    EXPECT_EQ(kl::systemReason(qtsOwn), qtsOwn);
    EXPECT_EQ(kl::systemReason(9999), u"システムエラー（エラー番号 9999）"_s);
}

struct SaveFailureCase {
    const char* name;
    const char* path; // in the test's folder
    const char16_t* reason;
};

class WholeFileSaveFailure : public ::testing::TestWithParam<SaveFailureCase> {};

// What a failed save tells, as the system reports it under an English locale.
TEST_P(WholeFileSaveFailure, SaysWhyInJapanese) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::optional<QString> failure =
        kl::writeWholeFile(dir.filePath(QString::fromUtf8(GetParam().path)), QByteArray("data"));
    EXPECT_EQ(failure, std::optional<QString>(QString::fromUtf16(GetParam().reason)));
}

const std::string kLongName(300, 'a');

INSTANTIATE_TEST_SUITE_P(
    Failures, WholeFileSaveFailure,
    ::testing::Values(SaveFailureCase{"missing_folder", "no such folder/car.ipw",
                                      u"そのようなファイルやディレクトリはありません"},
                      SaveFailureCase{"name_too_long", kLongName.c_str(), u"ファイル名が長すぎます"}),
    [](const ::testing::TestParamInfo<SaveFailureCase>& info) { return std::string(info.param.name); });

} // namespace
