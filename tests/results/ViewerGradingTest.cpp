#include "results/ViewerGrading.h"

#include <ostream>
#include <vector>

#include <gtest/gtest.h>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << s.toStdString();
}

namespace kl {

inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << '(' << c.r << ',' << c.g << ',' << c.b << ')';
}

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
    const QString huge = QStringLiteral("1") + QString(300, u'0');
    const QString tiny = QStringLiteral("0.") + QString(300, u'0') + QStringLiteral("1");
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
        const std::optional<QString> d = deviationText(q(c.newDiameter), QStringLiteral("1000.0"));
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
            const QString closing =
                axle == Axle::Rear && c.band == 5 ? QStringLiteral(" %）") : QStringLiteral("%）");
            EXPECT_EQ(g.caption, q(c.message) + q(c.deviation) + closing);
        }
    }
}

TEST(ViewerDiameterBands, CaptionsWordForWord) {
    EXPECT_EQ(gradeDeviationText(Axle::Front, QStringLiteral("2.6")).caption,
              QStringLiteral("推奨値の±3%以内です。（誤差：2.6%）"));
    EXPECT_EQ(gradeDeviationText(Axle::Rear, QStringLiteral("16.0")).caption,
              QStringLiteral("誤差大につき、要再検討。（誤差：16.0 %）"));
    EXPECT_EQ(gradeDeviationText(Axle::Front, QStringLiteral("16.0")).caption,
              QStringLiteral("誤差大につき、要再検討。（誤差：16.0%）"));
    EXPECT_EQ(gradeDeviationText(Axle::Front, QStringLiteral("0.0")).caption,
              QStringLiteral("変更前と同サイズです。（誤差：0.0%）"));
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
        const Verdict v = ViewerOverallVerdict(c.grades);
        EXPECT_EQ(v.text, c.ok ? QStringLiteral("O K") : QStringLiteral("N G")) << c.what;
        EXPECT_EQ(v.back, c.ok ? ColourAmple : ColourNgBack) << c.what;
    }
}

} // namespace
} // namespace kl
