#include <optional>
#include <string>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/WholeFile.h"
#include "support/GTestPrinters.h"

using namespace Qt::StringLiterals;

namespace {

struct BoundCase {
    const char* name;
    qsizetype size;
    qsizetype limit;
    bool read;
};

class WholeFileBound : public ::testing::TestWithParam<BoundCase> {};

// A plain file is read whole up to the bound and refused beyond it, never cut.
TEST_P(WholeFileBound, ReadsUpToTheBound) {
    const BoundCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"file"_s);
    QByteArray bytes(c.size, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        bytes[i] = char('a' + i % 26);
    }
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    const kl::WholeFileRead got = kl::readWholeFile(path, c.limit);
    if (c.read) {
        EXPECT_FALSE(got.failure.has_value()) << got.failure.value_or(QString()).toStdString();
        EXPECT_EQ(got.bytes, bytes);
    } else {
        EXPECT_EQ(got.failure, std::optional<QString>(u"ファイルが大きすぎます"_s));
        EXPECT_TRUE(got.bytes.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, WholeFileBound,
                         ::testing::Values(BoundCase{"empty", 0, 16, true}, BoundCase{"small", 5, 16, true},
                                           BoundCase{"at_the_bound", 16, 16, true},
                                           BoundCase{"one_over", 17, 16, false},
                                           BoundCase{"several_reads_long", 100000, 100000, true},
                                           BoundCase{"several_reads_one_over", 100001, 100000, false}),
                         [](const ::testing::TestParamInfo<BoundCase>& info) {
                             return std::string(info.param.name);
                         });

// Both messages in one form: the headline with its two ideographic spaces, the file, the reason.
TEST(FileFailureMessages, NameTheFileAndTheReason) {
    EXPECT_EQ(kl::fileSaveFailureMessage(u"入力データを保存できませんでした。"_s, u"/media/usb/car.ipw"_s,
                                         u"No space left on device"_s),
              u"入力データを保存できませんでした。\u3000\u3000\n\n保存先：/media/usb/car.ipw\n"
              "理由：No space left on device"_s);
    EXPECT_EQ(kl::fileReadFailureMessage(u"解析結果データを読み込めませんでした。"_s, u"/dev/zero"_s,
                                         u"通常のファイルではありません"_s),
              u"解析結果データを読み込めませんでした。\u3000\u3000\n\nファイル：/dev/zero\n"
              "理由：通常のファイルではありません"_s);
}

} // namespace
