#include "results/ViewerGrading.h"

#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "support/GTestPrinters.h"

using namespace Qt::StringLiterals;

namespace kl {
namespace {

constexpr Rgb Black{0, 0, 0};
constexpr Rgb NgText{250, 0, 0};
constexpr Rgb PureRed{255, 0, 0};

QString q(const char16_t* s) {
    return QString::fromUtf16(s);
}

// ---- deviation texts ----

struct DeviationCase {
    const char16_t* newDiameter;
    const char16_t* oldDiameter;
    const char16_t* deviation; // nullptr: the axle cannot be graded
};

TEST(ViewerDeviation, ComputedFromTheOneDecimalTextsAndRoundedHalfAwayFromZero) {
    const std::vector<DeviationCase> cases{
        {u"597.0", u"597.0", u"0.0"},     {u"1026.0", u"1000.0", u"2.6"},
        {u"617.0", u"600.0", u"2.8"},     // 2.8333...
        {u"1000.5", u"1000.0", u"0.1"},   // 0.05 exactly: half away from zero
        {u"999.5", u"1000.0", u"-0.1"},   // -0.05
        {u"99999.8", u"99999.9", u"0.0"}, // a tiny negative deviation shows no sign
        {u" 630.0 ", u"+600.0", u"5.0"},  // blanks and a sign are read past
        {u"300", u"600", u"-50.0"},       {u"", u"600.0", nullptr},
        {u"600.0", u"", nullptr},         {u"未解析", u"600.0", nullptr},
        {u"600.0", u"abc", nullptr},      {u"600.0", u"0.0", nullptr},
        {u"600.0", u"-0.0", nullptr},     {u"0.0", u"0", nullptr},
        {u"1,000.0", u"600.0", nullptr},
    };
    for (const DeviationCase& c : cases) {
        const std::optional<QString> d = deviationText(q(c.newDiameter), q(c.oldDiameter));
        SCOPED_TRACE(q(c.newDiameter).toStdString() + " / " + q(c.oldDiameter).toStdString());
        if (c.deviation == nullptr) {
            EXPECT_FALSE(d);
        } else {
            ASSERT_TRUE(d);
            EXPECT_EQ(*d, q(c.deviation));
        }
    }
    // A deviation beyond a double cannot be graded either.
    const QString huge = u"1"_s + QString(300, u'0');
    const QString tiny = u"0."_s + QString(300, u'0') + u"1"_s;
    EXPECT_FALSE(deviationText(huge, tiny));
}

// ---- bands of the viewer ----

struct BandCase {
    const char16_t* newDiameter; // against an old diameter of 1000.0
    const char16_t* deviation;
    int band;
    const char16_t* grade;
    Rgb gradeFore;
    Rgb back;
    Rgb frontLabel;
    Rgb rearLabel;
    const char16_t* message;
};

const char16_t* const Same = u"変更前と同サイズです。（誤差：";
const char16_t* const Within3 = u"推奨値の±3%以内です。（誤差：";
const char16_t* const Prefer3 = u"可能ならば±3%以内を推奨。（誤差：";
const char16_t* const NotAdvised = u"車検範囲内も推奨できません。（誤差：";
const char16_t* const TooLarge = u"誤差大につき、要再検討。（誤差：";

TEST(ViewerDiameterBands, BandsCaptionsAndColoursOfBothAxles) {
    const std::vector<BandCase> cases{
        {u"1000.0", u"0.0", 1, u"OK", Black, ColourAmple, Black, Black, Same},
        {u"1026.0", u"2.6", 2, u"OK", Black, ColourAmple, Black, Black, Within3},
        {u"1030.0", u"3.0", 2, u"OK", Black, ColourAmple, Black, Black, Within3},
        {u"970.0", u"-3.0", 2, u"OK", Black, ColourAmple, Black, Black, Within3},
        {u"1031.0", u"3.1", 3, u"OK", Black, ColourAdequate, Black, Black, Prefer3},
        {u"1050.0", u"5.0", 3, u"OK", Black, ColourAdequate, Black, Black, Prefer3},
        {u"950.0", u"-5.0", 3, u"OK", Black, ColourAdequate, Black, Black, Prefer3},
        {u"1051.0", u"5.1", 4, u"NG", NgText, ColourCaution, NgText, PureRed, NotAdvised},
        {u"1150.0", u"15.0", 4, u"NG", NgText, ColourCaution, NgText, PureRed, NotAdvised},
        {u"900.0", u"-10.0", 4, u"NG", NgText, ColourCaution, NgText, PureRed, NotAdvised},
        {u"1151.0", u"15.1", 5, u"NG", NgText, ColourNgBack, NgText, PureRed, TooLarge},
        {u"899.0", u"-10.1", 5, u"NG", NgText, ColourNgBack, NgText, PureRed, TooLarge},
    };
    for (const BandCase& c : cases) {
        SCOPED_TRACE(q(c.deviation).toStdString());
        const std::optional<QString> d = deviationText(q(c.newDiameter), u"1000.0"_s);
        ASSERT_TRUE(d);
        ASSERT_EQ(*d, q(c.deviation));
        for (const Axle axle : {Axle::Front, Axle::Rear}) {
            SCOPED_TRACE(axle == Axle::Front ? "front" : "rear");
            const ViewerDiameterGrade g = gradeDeviationText(axle, *d);
            EXPECT_EQ(g.band, c.band);
            EXPECT_EQ(g.gradeText, q(c.grade));
            EXPECT_EQ(g.gradeFore, c.gradeFore);
            EXPECT_EQ(g.gradeBack, c.back);
            EXPECT_EQ(g.labelFore, axle == Axle::Front ? c.frontLabel : c.rearLabel);
            const QString closing = axle == Axle::Rear && c.band == 5 ? u" %）"_s : u"%）"_s;
            EXPECT_EQ(g.caption, q(c.message) + q(c.deviation) + closing);
        }
    }
}

TEST(ViewerDiameterBands, CaptionsWordForWord) {
    EXPECT_EQ(gradeDeviationText(Axle::Front, u"2.6"_s).caption, u"推奨値の±3%以内です。（誤差：2.6%）"_s);
    EXPECT_EQ(gradeDeviationText(Axle::Rear, u"16.0"_s).caption,
              u"誤差大につき、要再検討。（誤差：16.0 %）"_s);
    EXPECT_EQ(gradeDeviationText(Axle::Front, u"16.0"_s).caption,
              u"誤差大につき、要再検討。（誤差：16.0%）"_s);
    EXPECT_EQ(gradeDeviationText(Axle::Front, u"0.0"_s).caption, u"変更前と同サイズです。（誤差：0.0%）"_s);
}

// ---- overall verdict ----

VerdictGrades grades(std::initializer_list<const char16_t*> texts) {
    VerdictGrades g;
    std::size_t i = 0;
    for (const char16_t* t : texts) {
        g[i++] = q(t);
    }
    return g;
}

struct VerdictCase {
    const char* what;
    VerdictGrades grades;
    bool ok;
};

TEST(ViewerVerdict, AllOkOrBasicEditionDataWithOkPullIns) {
    const char16_t* n = u"－";
    const std::vector<VerdictCase> cases{
        {"all fourteen OK",
         grades({u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK",
                 u"OK"}),
         true},
        {"basic edition, pull-ins OK",
         grades({u"OK", u"OK", u"OK", n, n, u"OK", n, n, u"OK", n, n, u"OK", n, n}), true},
        {"one CHECK",
         grades({u"OK", u"OK", u"OK", u"OK", u"CHECK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK",
                 u"OK"}),
         false},
        {"basic edition with one numeric wheel, all OK",
         grades({u"OK", u"OK", u"OK", n, n, u"OK", u"OK", u"OK", u"OK", n, n, u"OK", n, n}), false},
        {"basic edition, a diameter NG",
         grades({u"OK", u"NG", u"OK", n, n, u"OK", n, n, u"OK", n, n, u"OK", n, n}), false},
        {"basic edition, a pull-in NG",
         grades({u"OK", u"OK", u"OK", n, n, u"OK", n, n, u"NG", n, n, u"OK", n, n}), false},
        {"basic edition with the ASCII minus",
         grades({u"OK", u"OK", u"OK", u"-", u"-", u"OK", n, n, u"OK", n, n, u"OK", n, n}), false},
        {"a grade missing",
         grades({u"OK", u"OK", u"", u"", u"", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK"}),
         false},
        {"a blank after OK",
         grades({u"OK ", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK",
                 u"OK"}),
         false},
        {"a lower-case ok", grades({u"OK", u"ok", u"OK", n, n, u"OK", n, n, u"OK", n, n, u"OK", n, n}),
         false},
        {"all empty", VerdictGrades{}, false},
    };
    for (const VerdictCase& c : cases) {
        const Verdict v = viewerOverallVerdict(c.grades);
        EXPECT_EQ(v.text, c.ok ? u"O K"_s : u"N G"_s) << c.what;
        EXPECT_EQ(v.back, c.ok ? ColourAmple : ColourNgBack) << c.what;
    }
}

// ---- a whole record ----

// A record from its four diameters (front old, front new, rear old, rear new) and each wheel's six clearance
// texts (pull-in old, new, upper old, new, fore-aft old, new); the combinations and shifts do not count.
ResultRecord record(std::array<const char16_t*, 4> diameters,
                    std::array<std::array<const char16_t*, 6>, 4> wheels) {
    ResultRecord r;
    r.fill(u"?"_s);
    for (std::size_t i = 0; i < 4; ++i) {
        r[4 + i] = q(diameters[i]);
    }
    for (std::size_t w = 0; w < 4; ++w) {
        for (std::size_t k = 0; k < 6; ++k) {
            r[8 + 6 * w + k] = q(wheels[w][k]);
        }
    }
    return r;
}

struct RecordCase {
    const char* what;
    ResultRecord record;
    std::array<const char16_t*, 14> grades; // empty where nothing is graded
    std::array<int, 4> wheelCases;          // 0: the wheel cannot be graded
    const char16_t* verdict;
};

const std::array<const char16_t*, 6> Broken{u"?", u"?", u"?", u"?", u"?", u"?"};
const std::array<const char16_t*, 6> BasicWheel{u"20.0", u"15.0", u"30.0", u"未解析", u"25.0", u"未解析"};

TEST(ViewerRecordGrading, DiametersWheelsAndVerdictOfAWholeRecord) {
    const char16_t* n = u"－";
    const std::vector<RecordCase> cases{
        // FL and RL in the rule table's first cell, FR H4 J1 Z1, RR H5 J3 Z3.
        {"a saved analysis",
         record({u"631.9", u"634.3", u"631.9", u"634.3"},
                {{{u"25.0", u"15.0", u"40.0", u"38.8", u"30.0", u"28.8"},
                  {u"10.0", u"0.0", u"39.0", u"37.8", u"31.0", u"29.8"},
                  {u"30.0", u"20.0", u"45.0", u"43.8", u"35.0", u"33.8"},
                  {u"2.3", u"-7.7", u"12.0", u"10.8", u"6.0", u"4.8"}}}),
         {u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"OK", u"NG", u"CHECK",
          u"CHECK"},
         {5 + 1, 5 + 73, 5 + 1, 5 + 107},
         u"N G"},
        {"basic edition, pull-ins OK",
         record({u"631.9", u"631.9", u"631.9", u"640.0"}, {{BasicWheel, BasicWheel, BasicWheel, BasicWheel}}),
         {u"OK", u"OK", u"OK", n, n, u"OK", n, n, u"OK", n, n, u"OK", n, n},
         {1, 1, 1, 1},
         u"O K"},
        {"basic edition with one numeric wheel",
         record(
             {u"631.9", u"631.9", u"631.9", u"640.0"},
             {{BasicWheel, {u"20.0", u"15.0", u"30.0", u"38.8", u"25.0", u"28.8"}, BasicWheel, BasicWheel}}),
         {u"OK", u"OK", u"OK", n, n, u"OK", u"OK", u"OK", u"OK", n, n, u"OK", n, n},
         {1, 5 + 1, 1, 1},
         u"N G"},
        {"nothing to grade",
         record({u"?", u"?", u"?", u"?"}, {{Broken, Broken, Broken, Broken}}),
         {},
         {0, 0, 0, 0},
         u"N G"},
        // Rear 5.0 %: band 3. Each rear wheel 20.0 / 20.0 / 20.0: H1, J2, Z1.
        {"the rear only",
         record({u"?", u"?", u"600.0", u"630.0"}, {{Broken,
                                                    Broken,
                                                    {u"?", u"20.0", u"?", u"20.0", u"?", u"20.0"},
                                                    {u"?", u"20.0", u"?", u"20.0", u"?", u"20.0"}}}),
         {nullptr, u"OK", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, u"OK", u"OK", u"OK", u"OK",
          u"OK", u"OK"},
         {0, 0, 5 + 5, 5 + 5},
         u"N G"},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ViewerGrades g = gradeViewerRecord(c.record);
        for (std::size_t a = 0; a < 2; ++a) {
            ASSERT_EQ(g.diameters[a].has_value(), c.grades[a] != nullptr) << a;
            if (g.diameters[a]) {
                EXPECT_EQ(g.diameters[a]->gradeText, q(c.grades[a])) << a;
            }
        }
        for (std::size_t w = 0; w < 4; ++w) {
            ASSERT_EQ(g.wheels[w].has_value(), c.wheelCases[w] != 0) << w;
            if (!g.wheels[w]) {
                continue;
            }
            EXPECT_EQ(g.wheels[w]->caseNumber, c.wheelCases[w]) << w;
            for (std::size_t k = 0; k < 3; ++k) {
                EXPECT_EQ(g.wheels[w]->grades[k].text, q(c.grades[2 + 3 * w + k])) << w << ' ' << k;
            }
        }
        EXPECT_EQ(g.verdict.text, q(c.verdict));
        EXPECT_EQ(g.verdict.back, q(c.verdict) == u"O K" ? ColourAmple : ColourNgBack);
    }
    // The diameter comments carry the record's deviation.
    const ViewerGrades basic = gradeViewerRecord(cases[1].record);
    EXPECT_EQ(basic.diameters[0]->caption, u"変更前と同サイズです。（誤差：0.0%）"_s);
    EXPECT_EQ(basic.diameters[1]->caption, u"推奨値の±3%以内です。（誤差：1.3%）"_s);
}

} // namespace
} // namespace kl
