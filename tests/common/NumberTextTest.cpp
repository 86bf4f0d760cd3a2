#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/NumberText.h"

using namespace Qt::StringLiterals;

using namespace kl;

namespace {

struct TextValue {
    const char16_t* text;
    double value;
};

TEST(NumberText, LeadingNumberValueReadsOnlyTheLeadingDecimal) {
    const TextValue cases[] = {
        {u"45", 45}, {u"7.5", 7.5}, {u".5", 0.5},   {u"5.", 5},  {u"1,5", 1}, {u"1.2.", 1.2}, {u".", 0},
        {u"", 0},    {u"007", 7},   {u"2.50", 2.5}, {u"abc", 0}, {u"-3", 0},  {u"12a4", 12},  {u"0.05", 0.05},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(leadingUnsignedNumber(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
    }
    // Beyond the range of a double: too large to hold, or too small to tell from zero.
    EXPECT_EQ(leadingUnsignedNumber(u"1"_s + QString(400, u'0')), HUGE_VAL);
    EXPECT_EQ(leadingUnsignedNumber(u"0."_s + QString(400, u'0') + u"1"_s), 0.0);
}

struct DoubleText {
    double value;
    const char* text;
};

TEST(NumberText, PlainDoubleTextIsTheClearanceRewrite) {
    const DoubleText cases[] = {{0.5, "0.5"},     {7, "7"},       {2.5, "2.5"}, {1, "1"},   {0, "0"},
                                {12.34, "12.34"}, {9999, "9999"}, {0.1, "0.1"}, {-0.0, "0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(plainDoubleText(c.value).toStdString(), c.text) << c.value;
    }
}

struct FloatText {
    float value;
    const char* text;
};

TEST(NumberText, PlainNumberTextHasSevenSignificantDigitsAndNoTrailingZeros) {
    const FloatText cases[] = {
        {15, "15"},
        {7.5f, "7.5"},
        {205, "205"},
        {0.5f, "0.5"},
        {-45, "-45"},
        {45.0f, "45"},
        {3, "3"},
        {-1.5f, "-1.5"},
        {0, "0"},
        {-0.0f, "0"},
        {12.5f, "12.5"},
        {3.1f, "3.1"},
        {0.1f, "0.1"},
        {631.9f, "631.9"},
        {1234567.0f, "1234567"},
        {12345678.0f, "12345680"},
        {0.0001f, "0.0001"},
        {-10.1f, "-10.1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlainNumberText(c.value).toStdString(), c.text) << c.value;
    }
}

TEST(NumberText, OneDecimalFormRoundsHalfAwayFromZeroAndNeverShowsMinusZero) {
    const DoubleText cases[] = {
        {631.9, "631.9"},
        {2.34, "2.3"},
        {2.35, "2.4"},
        {0.25, "0.3"},
        {-0.25, "-0.3"},
        {0.75, "0.8"},
        {10, "10.0"},
        {0, "0.0"},
        {-0.0, "0.0"},
        {-0.04, "0.0"},
        {-0.05, "-0.1"},
        {0.04, "0.0"},
        {-10, "-10.0"},
        {9.96, "10.0"},
        {99.95, "100.0"},
        {0.5, "0.5"},
        {3.04, "3.0"},
        {3.06, "3.1"},
        {static_cast<double>(14.96f), "15.0"},
        {static_cast<double>(631.9f), "631.9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatOneDecimal(c.value).toStdString(), c.text) << c.value;
    }
}

TEST(NumberText, OneDecimalReadsBackWithItsSign) {
    EXPECT_DOUBLE_EQ(LeadingNumber(u"-3.1"_s), -3.1);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"15.0"_s), 15.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"0.0"_s), 0.0);
}

TEST(NumberText, NonFiniteValuesAreNamedNotPrintedAsDigits) {
    EXPECT_EQ(PlainNumberText(std::numeric_limits<float>::quiet_NaN()).toStdString(), "NaN");
    EXPECT_EQ(formatOneDecimal(-std::numeric_limits<double>::infinity()).toStdString(), "-Inf");
}

// The input file reads a value by the number its text starts with, sign included.
TEST(NumberText, LeadingNumberTakesTheSignedStartOfTheText) {
    const TextValue cases[] = {
        {u"12.5", 12.5}, {u".5", 0.5},   {u"5.", 5}, {u"1,5", 1}, {u"1.2.3", 1.2}, {u"-5", -5},
        {u"+7", 7},      {u"-.5", -0.5}, {u"", 0},   {u".", 0},   {u"-", 0},       {u"--5", 0},
        {u"12a", 12},    {u"a12", 0},    {u" 5", 0}, {u"-0", 0},  {u"2.50", 2.5},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(NumberText, NumberTextKeepsTheDigitsOfItsPrecision) {
    EXPECT_EQ(NumberText(0.1f).toStdString(), "0.1");
    EXPECT_EQ(NumberText(2.5).toStdString(), "2.5");
    EXPECT_EQ(NumberText(-5.0).toStdString(), "-5");
    EXPECT_EQ(NumberText(-0.0).toStdString(), "0");
    // Single precision shows seven significant digits, double precision fifteen.
    EXPECT_EQ(NumberText(123.456789f).toStdString(), "123.4568");
    EXPECT_EQ(NumberText(123.456789).toStdString(), "123.456789");
    EXPECT_EQ(NumberText(0.1 + 0.2).toStdString(), "0.3");
}

struct NumberCase {
    const char16_t* text;
    bool isNumber;
    double value;
};

// Each text is a number of the reader's, with its value, or no number at all.
template <class Reader> void expectReadings(Reader reader, const std::vector<NumberCase>& cases) {
    for (const NumberCase& c : cases) {
        const std::optional<double> v = reader(QString::fromUtf16(c.text));
        ASSERT_EQ(v.has_value(), c.isNumber) << QString::fromUtf16(c.text).toStdString();
        if (c.isNumber) {
            EXPECT_DOUBLE_EQ(*v, c.value) << QString::fromUtf16(c.text).toStdString();
        }
    }
}

TEST(ViewerNumbers, PlainDecimalsWithSignAndBlanksAreNumbers) {
    const std::vector<NumberCase> cases{
        {u"12.5", true, 12.5},  {u"-3.0", true, -3.0}, {u"15", true, 15},   {u"0.0", true, 0},
        {u" 15.0 ", true, 15},  {u"\t7\t", true, 7},   {u"+.5", true, 0.5}, {u"5.", true, 5},
        {u"007.50", true, 7.5}, {u"-0.1", true, -0.1}, {u"", false, 0},     {u"   ", false, 0},
        {u"未解析", false, 0},  {u"abc", false, 0},    {u"12a", false, 0},  {u"1e3", false, 0},
        {u"1,000", false, 0},   {u".", false, 0},      {u"-", false, 0},    {u"- 5", false, 0},
        {u"1.2.3", false, 0},   {u"１２", false, 0},   {u"--1", false, 0},  {u"5 5", false, 0},
        {u"未解析 ", false, 0}, {u"12.5mm", false, 0}, {u"0x10", false, 0}, {u"inf", false, 0},
    };
    expectReadings(&paddedPlainDecimalNumber, cases);
}

TEST(ViewerNumbers, MinusZeroIsZeroAndExtremesKeepTheirSide) {
    const std::optional<double> minusZero = paddedPlainDecimalNumber(u"-0.0"_s);
    ASSERT_TRUE(minusZero);
    EXPECT_EQ(*minusZero, 0.0);

    // Beyond a double: no number. Below its smallest step: still above or below zero.
    EXPECT_FALSE(paddedPlainDecimalNumber(u"1"_s + QString(400, u'0')));
    const QString tiny = u"0."_s + QString(400, u'0') + u"1"_s;
    ASSERT_TRUE(paddedPlainDecimalNumber(tiny));
    EXPECT_GT(*paddedPlainDecimalNumber(tiny), 0.0);
    ASSERT_TRUE(paddedPlainDecimalNumber(u'-' + tiny));
    EXPECT_LT(*paddedPlainDecimalNumber(u'-' + tiny), 0.0);
    EXPECT_EQ(*paddedPlainDecimalNumber(u"0."_s + QString(400, u'0')), 0.0);
}

// The input file's single-precision lines: the same plain decimals, but blanks make a text no number.
TEST(InputFileNumbers, APlainDecimalWithoutBlanksIsANumber) {
    const std::vector<NumberCase> cases{
        {u"12.5", true, 12.5}, {u"-3.0", true, -3.0}, {u"+.5", true, 0.5}, {u"5.", true, 5},
        {u" 15.0 ", false, 0}, {u"\t7", false, 0},    {u"7 ", false, 0},   {u"1,5", false, 0},
    };
    expectReadings(&plainDecimalNumber, cases);
}

// Runs the program at `path` with `args` (the first its own name), its output going nowhere; true when it
// ends with status 0.
bool quietlyRuns(const char* path, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, path, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Switches LC_NUMERIC to a locale whose decimal point is a comma, as the program's QApplication does
// for a German user; generates one under the temporary folder when none is installed.
bool useCommaDecimalLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            return true;
        }
    }
    // glibc remembers a locale it failed to find, so the locale is made before it is first asked for.
    const auto dir = std::filesystem::temp_directory_path() / "kl-number-text-locales";
    if (!std::filesystem::exists(dir / "de_DE.UTF-8")) {
        std::filesystem::create_directories(dir);
        if (!quietlyRuns("/usr/bin/localedef",
                         {"localedef", "-i", "de_DE", "-f", "UTF-8", (dir / "de_DE.UTF-8").string()})) {
            return false;
        }
    }
    setenv("LOCPATH", dir.c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

TEST(NumberText, TextsKeepThePointInACommaLocale) {
    if (!useCommaDecimalLocale()) {
        GTEST_SKIP() << "no locale with a decimal comma available";
    }
    EXPECT_DOUBLE_EQ(leadingUnsignedNumber(u"7.5"_s), 7.5);
    EXPECT_DOUBLE_EQ(leadingUnsignedNumber(u"1,5"_s), 1);
    EXPECT_EQ(PlainNumberText(6.5f).toStdString(), "6.5");
    EXPECT_EQ(plainDoubleText(2.5).toStdString(), "2.5");
    EXPECT_EQ(formatOneDecimal(631.9).toStdString(), "631.9");
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace
