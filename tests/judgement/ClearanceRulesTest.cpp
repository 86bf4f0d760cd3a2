#include "judgement/ClearanceRules.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <ostream>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include "support/GTestPrinters.h"

using namespace Qt::StringLiterals;

namespace kl {

inline void PrintTo(HikikomiBand b, std::ostream* os) {
    *os << 'H' << static_cast<int>(b);
}
inline void PrintTo(JoubuBand b, std::ostream* os) {
    *os << 'J' << static_cast<int>(b);
}
inline void PrintTo(ZengoBand b, std::ostream* os) {
    *os << 'Z' << static_cast<int>(b);
}
inline void PrintTo(ClearanceGrade g, std::ostream* os) {
    *os << gradeText(g).toStdString();
}

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kMax = std::numeric_limits<float>::max();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// The nearest floats either side: the bounds are compared exactly, with no tolerance.
float below(float x) {
    return std::nextafter(x, -kInf);
}
float above(float x) {
    return std::nextafter(x, kInf);
}

::testing::Message valueTrace(float v) {
    return ::testing::Message() << std::setprecision(9) << "value " << v;
}

template <typename Band> struct BandCase {
    float value;
    Band band;
};

const std::vector<BandCase<HikikomiBand>>& hikikomiCases() {
    using enum HikikomiBand;
    static const std::vector<BandCase<HikikomiBand>> cases{
        {kMax, H1}, {above(15), H1}, {15, H1}, {below(15), H2}, {14.96f, H2},   {10, H2},     {below(10), H3},
        {5, H3},    {below(5), H4},  {0, H4},  {-0.0f, H4},     {below(0), H5}, {-0.01f, H5}, {-kMax, H5},
    };
    return cases;
}

const std::vector<BandCase<JoubuBand>>& joubuCases() {
    using enum JoubuBand;
    static const std::vector<BandCase<JoubuBand>> cases{
        {kMax, J1},    {30, J1},         {below(30), J2}, {15, J2},         {below(15), J3},
        {0.01f, J3},   {above(0), J3},   {0, J4},         {-0.0f, J4},      {below(0), J5},
        {-14.99f, J5}, {above(-15), J5}, {-15, J6},       {below(-15), J6}, {-kMax, J6},
    };
    return cases;
}

const std::vector<BandCase<ZengoBand>>& zengoCases() {
    using enum ZengoBand;
    static const std::vector<BandCase<ZengoBand>> cases{
        {kMax, Z1},  {20, Z1},       {below(20), Z2}, {5.01f, Z2}, {above(5), Z2}, {5, Z3},
        {0.01f, Z3}, {above(0), Z3}, {0, Z4},         {-0.0f, Z4}, {-1, Z4},       {-kMax, Z4},
    };
    return cases;
}

int expectedNumber(HikikomiBand h, JoubuBand j, ZengoBand z) {
    return 24 * (static_cast<int>(h) - 1) + 4 * (static_cast<int>(j) - 1) + static_cast<int>(z);
}

const QString kCrLf = u"\r\n"_s;

ClearanceGrade worstGrade(const CellJudgement& j) {
    return std::max({j.hikikomi.grade, j.joubu.grade, j.zengo.grade});
}

QString tagFor(ClearanceGrade worst) {
    switch (worst) {
    case ClearanceGrade::OK:
        return reviewTagAllOk();
    case ClearanceGrade::CHECK:
        return reviewTagCheck();
    case ClearanceGrade::NG:
        return reviewTagNg();
    }
    return {};
}

} // namespace

// --- bands ---------------------------------------------------------------------------------------

TEST(ClearanceRulesBands, HikikomiBoundsBelongToTheBandAbove) {
    for (const auto& c : hikikomiCases()) {
        SCOPED_TRACE(valueTrace(c.value));
        EXPECT_EQ(hikikomiBandOf(c.value), c.band);
    }
}

TEST(ClearanceRulesBands, JoubuZeroIsItsOwnBandAndMinusFifteenIsJ6) {
    for (const auto& c : joubuCases()) {
        SCOPED_TRACE(valueTrace(c.value));
        EXPECT_EQ(joubuBandOf(c.value), c.band);
    }
}

TEST(ClearanceRulesBands, ZengoFiveIsZ3AndZeroIsZ4) {
    for (const auto& c : zengoCases()) {
        SCOPED_TRACE(valueTrace(c.value));
        EXPECT_EQ(zengoBandOf(c.value), c.band);
    }
}

// An infinite value would pass the open-ended tests (H1, H5, J1, J6, Z1, Z4) and be graded as if
// it were a measurement.
TEST(ClearanceRulesBands, NotAFiniteNumberFallsInNoBandAndNoCell) {
    for (const float bad : {kNaN, -kNaN, kInf, -kInf}) {
        SCOPED_TRACE(valueTrace(bad));
        EXPECT_EQ(hikikomiBandOf(bad), std::nullopt);
        EXPECT_EQ(joubuBandOf(bad), std::nullopt);
        EXPECT_EQ(zengoBandOf(bad), std::nullopt);
        EXPECT_EQ(findClearanceCell(bad, 40, 25), std::nullopt);
        EXPECT_EQ(findClearanceCell(20, bad, 25), std::nullopt);
        EXPECT_EQ(findClearanceCell(20, 40, bad), std::nullopt);
    }
    ASSERT_TRUE(findClearanceCell(20, 40, 25).has_value());
}

TEST(ClearanceRulesBands, CellOfEveryCombinationOfBoundValues) {
    for (const auto& hc : hikikomiCases()) {
        for (const auto& jc : joubuCases()) {
            for (const auto& zc : zengoCases()) {
                const auto cell = findClearanceCell(hc.value, jc.value, zc.value);
                ASSERT_TRUE(cell.has_value());
                EXPECT_EQ(cell->h, hc.band);
                EXPECT_EQ(cell->j, jc.band);
                EXPECT_EQ(cell->z, zc.band);
                ASSERT_EQ(cell->number(), expectedNumber(hc.band, jc.band, zc.band))
                    << hc.value << ' ' << jc.value << ' ' << zc.value;
            }
        }
    }
}

// --- cell numbers --------------------------------------------------------------------------------

TEST(ClearanceRulesCells, NumberedWithTheForeAftBandFastest) {
    int expected = 0;
    for (int h = 1; h <= 5; ++h) {
        for (int j = 1; j <= 6; ++j) {
            for (int z = 1; z <= 4; ++z) {
                ++expected;
                const ClearanceCell cell{static_cast<HikikomiBand>(h), static_cast<JoubuBand>(j),
                                         static_cast<ZengoBand>(z)};
                EXPECT_EQ(cell.number(), expected);
                const ClearanceCell back = ClearanceCell::fromNumber(expected);
                EXPECT_EQ(back.h, cell.h);
                EXPECT_EQ(back.j, cell.j);
                EXPECT_EQ(back.z, cell.z);
            }
        }
    }
    EXPECT_EQ(expected, 120);
}

// --- grades --------------------------------------------------------------------------------------

TEST(ClearanceRulesGrades, EachBandShowsItsGradeAndColours) {
    using G = ClearanceGrade;
    struct Row {
        const char* band;
        BandGrade actual;
        G grade;
        Rgb back;
    };
    const Row rows[] = {
        {"H1", bandGrade(HikikomiBand::H1), G::OK, ColourAmple},
        {"H2", bandGrade(HikikomiBand::H2), G::OK, ColourAdequate},
        // A small pull-in is still "OK", only on the caution colour.
        {"H3", bandGrade(HikikomiBand::H3), G::OK, ColourCaution},
        {"H4", bandGrade(HikikomiBand::H4), G::OK, ColourCaution},
        {"H5", bandGrade(HikikomiBand::H5), G::NG, ColourNgBack},
        {"J1", bandGrade(JoubuBand::J1), G::OK, ColourAmple},
        {"J2", bandGrade(JoubuBand::J2), G::OK, ColourAdequate},
        {"J3", bandGrade(JoubuBand::J3), G::CHECK, ColourCaution},
        {"J4", bandGrade(JoubuBand::J4), G::CHECK, ColourCaution},
        {"J5", bandGrade(JoubuBand::J5), G::CHECK, ColourCaution},
        {"J6", bandGrade(JoubuBand::J6), G::NG, ColourNgBack},
        {"Z1", bandGrade(ZengoBand::Z1), G::OK, ColourAmple},
        {"Z2", bandGrade(ZengoBand::Z2), G::OK, ColourAdequate},
        {"Z3", bandGrade(ZengoBand::Z3), G::CHECK, ColourCaution},
        {"Z4", bandGrade(ZengoBand::Z4), G::NG, ColourNgBack},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.band);
        EXPECT_EQ(row.actual.grade, row.grade);
        EXPECT_EQ(row.actual.back, row.back);
        EXPECT_EQ(row.actual.ngText, row.grade == G::NG);
    }
}

TEST(ClearanceRulesGrades, ReviewTagTexts) {
    EXPECT_EQ(reviewTagAllOk(), u"【要確認】"_s);
    EXPECT_EQ(reviewTagCheck(), u"【要詳細検討】"_s);
    EXPECT_EQ(reviewTagNg(), u"【要再検討】"_s);
}

// --- judging a wheel -----------------------------------------------------------------------------

TEST(ClearanceRulesJudge, ClearancesGiveTheirCellsGradesAndColours) {
    using G = ClearanceGrade;
    struct Case {
        float p, q, r;
        int cell;
        G grade[3];
        Rgb back[3];
        bool commentNg;
    };
    const Case cases[] = {
        {20, 40, 25, 1, {G::OK, G::OK, G::OK}, {ColourAmple, ColourAmple, ColourAmple}, false},
        {7, 40, 25, 49, {G::OK, G::OK, G::OK}, {ColourCaution, ColourAmple, ColourAmple}, false},
        {14.96f, 20, 25, 29, {G::OK, G::OK, G::OK}, {ColourAdequate, ColourAdequate, ColourAmple}, false},
        {12, 0, 25, 37, {G::OK, G::CHECK, G::OK}, {ColourAdequate, ColourCaution, ColourAmple}, false},
        {12, 0, 3, 39, {G::OK, G::CHECK, G::CHECK}, {ColourAdequate, ColourCaution, ColourCaution}, false},
        {20, 40, 0, 4, {G::OK, G::OK, G::NG}, {ColourAmple, ColourAmple, ColourNgBack}, true},
        {10, -15, 20, 45, {G::OK, G::NG, G::OK}, {ColourAdequate, ColourNgBack, ColourAmple}, true},
        {-1, 40, 0, 100, {G::NG, G::OK, G::NG}, {ColourNgBack, ColourAmple, ColourNgBack}, true},
        {-1, -20, -1, 120, {G::NG, G::NG, G::NG}, {ColourNgBack, ColourNgBack, ColourNgBack}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.p << ", " << c.q << ", " << c.r);
        const auto cell = findClearanceCell(c.p, c.q, c.r);
        ASSERT_TRUE(cell.has_value());
        EXPECT_EQ(cell->number(), c.cell);

        const CellJudgement j = judgeCell(*cell);
        const BandGrade boxes[] = {j.hikikomi, j.joubu, j.zengo};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(boxes[i].grade, c.grade[i]);
            EXPECT_EQ(boxes[i].back, c.back[i]);
            EXPECT_EQ(boxes[i].ngText, c.grade[i] == G::NG);
        }
        EXPECT_EQ(j.commentNgText, c.commentNg);
        // The comment refers to the stored text, which outlives the judgement.
        EXPECT_EQ(&j.comment, &cellComment(c.cell));
    }
}

// --- the whole comment table ---------------------------------------------------------------------

TEST(ClearanceRulesTable, EveryCommentClosesWithTheTagOfItsWorstGrade) {
    int allOk = 0;
    int check = 0;
    int ng = 0;
    int coloured = 0;
    for (int n = 1; n <= 120; ++n) {
        SCOPED_TRACE(n);
        const CellJudgement j = judgeCell(ClearanceCell::fromNumber(n));
        const ClearanceGrade worst = worstGrade(j);
        EXPECT_TRUE(j.comment.endsWith(tagFor(worst))) << j.comment.toStdString();
        // The tag stands once, at the end, and nowhere else.
        EXPECT_EQ(j.comment.count(u'【'), 1);
        EXPECT_EQ(j.commentNgText, worst == ClearanceGrade::NG);
        allOk += j.comment.endsWith(reviewTagAllOk());
        check += j.comment.endsWith(reviewTagCheck());
        ng += j.comment.endsWith(reviewTagNg());
        coloured += j.commentNgText;
    }
    EXPECT_EQ(allOk, 16);
    EXPECT_EQ(check, 44);
    EXPECT_EQ(ng, 60);
    EXPECT_EQ(coloured, 60);
}

TEST(ClearanceRulesTable, EightyOneDistinctTextsNumberedInCellOrderOfFirstUse) {
    int highest = 0;
    for (int n = 1; n <= 120; ++n) {
        const int id = commentIdOfCell(n);
        // A cell either reuses an earlier text or introduces the next id.
        EXPECT_TRUE(id >= 1 && id <= highest + 1) << "cell " << n << " id " << id;
        highest = std::max(highest, id);
    }
    EXPECT_EQ(highest, 81);

    QSet<QString> texts;
    for (int id = 1; id <= 81; ++id) {
        EXPECT_FALSE(commentText(id).isEmpty()) << id;
        texts.insert(commentText(id));
    }
    EXPECT_EQ(texts.size(), 81);

    for (int a = 1; a <= 120; ++a) {
        for (int b = a + 1; b <= 120; ++b) {
            EXPECT_EQ(commentIdOfCell(a) == commentIdOfCell(b), cellComment(a) == cellComment(b))
                << "cells " << a << " and " << b;
        }
    }
}

TEST(ClearanceRulesTable, OutOfRangeGivesNoText) {
    EXPECT_EQ(commentIdOfCell(0), 0);
    EXPECT_EQ(commentIdOfCell(121), 0);
    EXPECT_TRUE(commentText(0).isEmpty());
    EXPECT_TRUE(commentText(82).isEmpty());
}

TEST(ClearanceRulesTable, SharedTexts) {
    auto id = [](int h, int j, int z) {
        return commentIdOfCell(expectedNumber(static_cast<HikikomiBand>(h), static_cast<JoubuBand>(j),
                                              static_cast<ZengoBand>(z)));
    };

    // Tyre running into the fender: one text for cells 12, 16, 20, 24 and every Z4 cell of H2 to H4.
    std::set<int> expectedC12{12, 16, 20, 24};
    for (int h = 2; h <= 4; ++h) {
        for (int j = 1; j <= 6; ++j) {
            expectedC12.insert(
                expectedNumber(static_cast<HikikomiBand>(h), static_cast<JoubuBand>(j), ZengoBand::Z4));
        }
    }
    std::set<int> servedByC12;
    for (int n = 1; n <= 120; ++n) {
        if (commentIdOfCell(n) == 12) {
            servedByC12.insert(n);
        }
    }
    EXPECT_EQ(servedByC12, expectedC12);
    EXPECT_EQ(servedByC12.size(), 22u);

    // J1 and J2 share texts in H2 to H4 only (an H5 wheel in Z4 gets one text anyway, below).
    for (int z = 1; z <= 4; ++z) {
        SCOPED_TRACE(z);
        EXPECT_NE(id(1, 1, z), id(1, 2, z));
        EXPECT_EQ(id(2, 1, z), id(2, 2, z));
        EXPECT_EQ(id(3, 1, z), id(3, 2, z));
        EXPECT_EQ(id(4, 1, z), id(4, 2, z));
        if (z < 4) {
            EXPECT_NE(id(5, 1, z), id(5, 2, z));
        }
    }

    // H5 texts serve no other band.
    std::set<int> h5Ids;
    std::set<int> otherIds;
    for (int n = 1; n <= 120; ++n) {
        (n > 96 ? h5Ids : otherIds).insert(commentIdOfCell(n));
    }
    for (const int h5 : h5Ids) {
        EXPECT_EQ(otherIds.count(h5), 0u) << h5;
    }
    // With the tyre outside and the fender over it, the fore-aft space no longer matters.
    for (int z = 2; z <= 4; ++z) {
        EXPECT_EQ(id(5, 5, z), id(5, 5, 1));
        EXPECT_EQ(id(5, 6, z), id(5, 6, 1));
    }
    for (int j = 2; j <= 4; ++j) {
        EXPECT_EQ(id(5, j, 4), id(5, 1, 4));
    }
}

TEST(ClearanceRulesTable, TextsHoldNoSpaceAndBreakLinesOnlyWithCrLf) {
    for (int id = 1; id <= 81; ++id) {
        SCOPED_TRACE(id);
        const QString& t = commentText(id);
        EXPECT_FALSE(t.contains(u' '));
        EXPECT_FALSE(t.contains(u'\u3000'));
        EXPECT_FALSE(t.contains(u'\t'));
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (t[i] == u'\r') {
                EXPECT_TRUE(i + 1 < t.size() && t[i + 1] == u'\n') << "lone CR at " << i;
            }
            if (t[i] == u'\n') {
                EXPECT_TRUE(i > 0 && t[i - 1] == u'\r') << "lone LF at " << i;
            }
        }
        EXPECT_FALSE(t.endsWith(kCrLf));
        EXPECT_FALSE(t.contains(kCrLf + kCrLf));
        // Only the all-clear comment opens with an empty line.
        EXPECT_EQ(t.startsWith(kCrLf), id == 1);
    }
}

TEST(ClearanceRulesTable, CharacterFormsAreKept) {
    for (int id = 1; id <= 81; ++id) {
        SCOPED_TRACE(id);
        QString t = commentText(id);
        // The only ASCII is the line break and the NG of 「NG」.
        t.remove(u"「NG」"_s).remove(kCrLf);
        for (const QChar c : t) {
            EXPECT_GE(int{c.unicode()}, 0x80) << "ASCII " << int{c.unicode()};
        }
        // Full-width katakana only in リスク; everything else is half-width.
        t.remove(u"リスク"_s);
        for (const QChar c : t) {
            const int u = c.unicode();
            EXPECT_FALSE(u >= 0x30A0 && u <= 0x30FF) << "full-width kana U+" << std::hex << u;
            // Half-width 。「」、 would be U+FF61 to U+FF64.
            EXPECT_FALSE(u >= 0xFF61 && u <= 0xFF64) << "half-width mark U+" << std::hex << u;
        }
    }
}

TEST(ClearanceRulesTable, TagOnALineOfItsOwnOnlyInSevenTexts) {
    std::set<int> own;
    for (int id = 1; id <= 81; ++id) {
        const QStringList lines = commentText(id).split(kCrLf);
        const QString& last = lines.back();
        if (last == reviewTagAllOk() || last == reviewTagCheck() || last == reviewTagNg()) {
            own.insert(id);
        }
    }
    EXPECT_EQ(own, (std::set<int>{1, 3, 16, 34, 55, 58, 81}));
}

TEST(ClearanceRulesTable, LineBreaksInsideWordsStayWhereTheyAre) {
    struct Case {
        int cell;
        qsizetype lineCount;
        qsizetype line; // this line ends with `end`, the next starts with `start`
        QString end;
        QString start;
    };
    const Case cases[] = {
        {4, 3, 0, u"ﾀｲﾔ前後が完全にﾌｪ"_s, u"ﾝﾀﾞｰ干渉する為"_s},
        {26, 2, 0, u"干渉が、ﾀ"_s, u"ｲﾔ幅"_s},
        {35, 3, 1, u"ﾀｲ"_s, u"ﾔ旋回時"_s},
        {59, 2, 0, u"ﾌ"_s, u"ｪﾝﾀﾞｰ爪折り"_s},
        {71, 3, 1, u"ﾌｪ"_s, u"ﾝﾀﾞｰ干渉する"_s},
        {91, 4, 2, u"ﾌｪ"_s, u"ﾝﾀﾞｰ干渉する"_s},
        {99, 2, 0, u"ﾌｪﾝﾀﾞ"_s, u"ｰ干渉する"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        const QStringList lines = cellComment(c.cell).split(kCrLf);
        ASSERT_EQ(lines.size(), c.lineCount);
        EXPECT_TRUE(lines[c.line].endsWith(c.end)) << lines[c.line].toStdString();
        EXPECT_TRUE(lines[c.line + 1].startsWith(c.start)) << lines[c.line + 1].toStdString();
    }
}

TEST(ClearanceRulesTable, SampleCellsWordForWord) {
    struct Case {
        int cell;
        QStringList lines;
    };
    const Case cases[] = {
        {1,
         {QString(), u"引込、上部、前後とも十分な余裕があり、問題はありません。"_s,
          u"ただし、念の為ｻｽ移動量は確認しておいて下さい。"_s, u"【要確認】"_s}},
        {4,
         {u"引込、上部には十分な余裕がありますが、ﾀｲﾔ前後が完全にﾌｪ"_s,
          u"ﾝﾀﾞｰ干渉する為、取付自体不可です。"_s,
          u"干渉要因の一つとして、ﾀｲﾔ外径で「NG」となっていないか確認して下さい。【要再検討】"_s}},
        {37,
         {u"上部余裕が全くありません。引込余裕から強化ｻｽ等でｻｽ移動量を小さくすればﾀｲﾔﾊｳｽ内での"
          u"移動量確保も可能ですが、ﾌｪ"_s,
          u"ﾝﾀﾞｰ爪干渉が懸念されます。ｻｽ移動量やﾌｪﾝﾀﾞｰ爪長さを確認して下さい。【要詳細検討】"_s}},
        {49,
         {u"引込余裕が非常に少なく、ﾌｪﾝﾀﾞｰ爪とﾀｲﾔが接近している状態です。上部余裕はありますが"
          u"、ｻｽ移動量が大きい場合はﾌｪﾝﾀﾞｰ"_s,
          u"爪に干渉します。ｻｽ移動量やﾌｪﾝﾀﾞｰ爪長さを確認して下さい。【要確認】"_s}},
        {100,
         {u"引込余裕が全く無く、逆にﾀｲﾔが車体外側となっており道交法違反の上、ﾀｲﾔ前後が完全にﾌｪ"
          u"ﾝﾀﾞｰ干渉する為、取付自体不可です。【要再検討】"_s}},
        {120,
         {u"引込余裕が全く無く、逆にﾀｲﾔが車体外側となっている上、上部余裕はﾀｲﾔにﾌｪﾝﾀﾞｰが深く被"
          u"っている状態です。この状態において既にﾌｪﾝﾀﾞｰ干渉している為、取付自体不可です。"_s,
          u"【要再検討】"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(cellComment(c.cell), c.lines.join(kCrLf));
    }
}

} // namespace kl
