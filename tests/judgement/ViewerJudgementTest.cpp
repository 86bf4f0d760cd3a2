#include "judgement/ViewerJudgement.h"

#include <cmath>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include <QStringList>

#include "judgement/ClearanceRules.h"
#include "support/GTestPrinters.h"

using namespace Qt::StringLiterals;

namespace kl {
namespace {

constexpr Rgb Black{0, 0, 0};
constexpr Rgb Red{250, 0, 0};

QString q(const char16_t* s) {
    return QString::fromUtf16(s);
}

// ---- the rule table's cells on texts ----

struct GradeExpect {
    const char16_t* text;
    Rgb fore;
    Rgb back;
};

struct CellCase {
    const char16_t* hikikomi;
    const char16_t* joubu;
    const char16_t* zengo;
    int caseNumber; // 5 + cell
    GradeExpect grades[3];
    Rgb commentFore;
};

TEST(ViewerJudgementCells, TextsAreComparedOnTheirValues) {
    const GradeExpect okAmple{u"OK", Black, ColourAmple};
    const GradeExpect okAdequate{u"OK", Black, ColourAdequate};
    const GradeExpect okCaution{u"OK", Black, ColourCaution};
    const GradeExpect check{u"CHECK", Black, ColourCaution};
    const GradeExpect ng{u"NG", Red, ColourNgBack};
    const std::vector<CellCase> cases{
        // H1 J1 Z1: texts as the result window saves them.
        {u"15.0", u"30.0", u"20.0", 6, {okAmple, okAmple, okAmple}, Black},
        {u"15", u"30", u"20", 6, {okAmple, okAmple, okAmple}, Black},
        // 14.9 is below 15: H2.
        {u"14.9", u"30.0", u"20.0", 30, {okAdequate, okAmple, okAmple}, Black},
        // An upper space of exactly 0 is its own band, J4.
        {u"15.0", u"0.0", u"20.0", 18, {okAmple, check, okAmple}, Black},
        // -0.0 is zero: H4, J4, Z4.
        {u"-0.0", u"-0.0", u"-0.0", 93, {okCaution, check, ng}, Red},
        // Fore-aft 5.0 is Z3, 5.1 is Z2, 0.0 is Z4.
        {u"15.0", u"30.0", u"5.0", 8, {okAmple, okAmple, check}, Black},
        {u"15.0", u"30.0", u"5.1", 7, {okAmple, okAmple, okAdequate}, Black},
        {u"15.0", u"30.0", u"0.0", 9, {okAmple, okAmple, ng}, Red},
        // -15.0 is J6.
        {u"15.0", u"-15.0", u"20.0", 26, {okAmple, ng, okAmple}, Red},
        // Nearer a limit than single precision tells apart: still on its own side.
        {u"14.999999999", u"29.99999999", u"5.00000001", 35, {okAdequate, okAdequate, okAdequate}, Black},
        {u"-0.00000001", u"-14.99999999", u"20.0", 118, {ng, check, okAmple}, Red},
        // Blanks and a plus sign are read past.
        {u" +15.0 ", u"30.0 ", u" 20.0", 6, {okAmple, okAmple, okAmple}, Black},
        // Far beyond every limit: H1, J6, Z4.
        {u"99999999999999999999", u"-99999999999999999999", u"-1", 29, {okAmple, ng, ng}, Red},
    };
    for (const CellCase& c : cases) {
        SCOPED_TRACE(q(c.hikikomi).toStdString() + " / " + q(c.joubu).toStdString() + " / " +
                     q(c.zengo).toStdString());
        const auto j = judgeWheelTexts(q(c.hikikomi), q(c.joubu), q(c.zengo));
        ASSERT_TRUE(j);
        EXPECT_EQ(j->caseNumber, c.caseNumber);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(j->grades[k].text, q(c.grades[k].text)) << k;
            EXPECT_EQ(j->grades[k].fore, c.grades[k].fore) << k;
            EXPECT_EQ(j->grades[k].back, c.grades[k].back) << k;
        }
        EXPECT_EQ(j->comment, cellComment(c.caseNumber - 5));
        EXPECT_EQ(j->commentFore, c.commentFore);
    }
}

// Every cell is reachable from texts and writes what the rule table holds for it, with black wherever the
// table writes no red.
TEST(ViewerJudgementCells, EveryCellOfTheRuleTable) {
    const char16_t* pullIns[] = {u"20.0", u"12.0", u"7.0", u"2.0", u"-1.0"};
    const char16_t* uppers[] = {u"40.0", u"20.0", u"5.0", u"0.0", u"-5.0", u"-20.0"};
    const char16_t* foreAfts[] = {u"25.0", u"10.0", u"3.0", u"-1.0"};
    int cell = 0;
    for (const char16_t* p : pullIns) {
        for (const char16_t* u : uppers) {
            for (const char16_t* f : foreAfts) {
                ++cell;
                SCOPED_TRACE(cell);
                const auto j = judgeWheelTexts(q(p), q(u), q(f));
                ASSERT_TRUE(j);
                EXPECT_EQ(j->caseNumber, 5 + cell);
                const CellJudgement table = judgeCell(ClearanceCell::fromNumber(cell));
                const BandGrade* grades[] = {&table.hikikomi, &table.joubu, &table.zengo};
                for (int k = 0; k < 3; ++k) {
                    EXPECT_EQ(j->grades[k].text, gradeText(grades[k]->grade));
                    EXPECT_EQ(j->grades[k].back, grades[k]->back);
                    EXPECT_EQ(j->grades[k].fore, grades[k]->ngText ? Red : Black);
                }
                EXPECT_EQ(j->comment, table.comment);
                EXPECT_EQ(j->commentFore, table.commentNgText ? Red : Black);
            }
        }
    }
}

// ---- result data of the basic edition ----

struct BasicCase {
    const char16_t* hikikomi;
    int caseNumber;
    const char16_t* grade;
    Rgb back;
    Rgb fore;
    const char16_t* firstLine;
};

TEST(ViewerJudgementBasicEdition, PullInAloneWithAFourLineComment) {
    const std::vector<BasicCase> cases{
        {u"15.0", 1, u"OK", ColourAmple, Black,
         u"車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕大）"},
        {u"10.0", 2, u"OK", ColourAdequate, Black,
         u"車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕小）"},
        {u"9.9", 3, u"OK", ColourCaution, Black, u"注意！計測誤差等によってはﾀｲﾔが車体外側の可能性も有。"},
        {u"0", 4, u"OK", ColourCaution, Black, u"注意！ほぼﾂﾗｲﾁ状態ですが、ﾀｲﾔが車体外側の可能性も有。"},
        {u"0.0", 4, u"OK", ColourCaution, Black, u"注意！ほぼﾂﾗｲﾁ状態ですが、ﾀｲﾔが車体外側の可能性も有。"},
        {u"-0.1", 5, u"NG", ColourNgBack, Red, u"タイヤが車体外側となっており、道交法違反の対象になります。"},
    };
    for (const BasicCase& c : cases) {
        SCOPED_TRACE(q(c.hikikomi).toStdString());
        const auto j = judgeWheelTexts(q(c.hikikomi), u"未解析"_s, u"未解析"_s);
        ASSERT_TRUE(j);
        EXPECT_EQ(j->caseNumber, c.caseNumber);
        EXPECT_EQ(j->grades[0].text, q(c.grade));
        EXPECT_EQ(j->grades[0].back, c.back);
        EXPECT_EQ(j->grades[0].fore, c.fore);
        for (int k = 1; k < 3; ++k) {
            EXPECT_EQ(j->grades[k].text, QString(QChar(0xFF0D)));
            EXPECT_EQ(j->grades[k].fore, Black);
            EXPECT_EQ(j->grades[k].back, ColourCaution);
        }
        const QStringList lines = j->comment.split(u"\r\n"_s);
        ASSERT_EQ(lines.size(), 4) << j->comment.toStdString();
        EXPECT_EQ(lines[0], q(c.firstLine));
        EXPECT_EQ(lines[1], u"【引込評価のみ】"_s);
        EXPECT_EQ(lines[2], u"読み込んだデータは「Brisolan」の解析結果データです。"_s);
        EXPECT_EQ(lines[3], u"「Zelmarovinth」での再解析をご推奨します。"_s);
        EXPECT_EQ(j->commentFore, c.fore);
    }
}

struct FailCase {
    const char16_t* hikikomi;
    const char16_t* joubu;
    const char16_t* zengo;
    const char* why;
};

TEST(ViewerJudgementFailures, ATextThatMustBeANumberAndIsNoneGradesNothing) {
    const std::vector<FailCase> cases{
        {u"15.0", u"未解析", u"20.0", "marker in the upper box only"},
        {u"15.0", u"30.0", u"未解析", "marker in the fore-aft box only"},
        {u"15.0", u"未解析 ", u"未解析 ", "marker with a blank after it"},
        {u"15.0", u" 未解析", u"未解析", "marker with a blank before it"},
        {u"", u"未解析", u"未解析", "empty pull-in"},
        {u"", u"30.0", u"20.0", "empty pull-in, numeric others"},
        {u"未解析", u"未解析", u"未解析", "marker as pull-in"},
        {u"15.0", u"", u"20.0", "empty upper"},
        {u"15.0", u"30.0", u"", "empty fore-aft"},
        {u"15.0", u"abc", u"20.0", "a word"},
        {u"1e1", u"30.0", u"20.0", "an exponent"},
    };
    for (const FailCase& c : cases) {
        EXPECT_FALSE(judgeWheelTexts(q(c.hikikomi), q(c.joubu), q(c.zengo))) << c.why;
    }
}

} // namespace
} // namespace kl
