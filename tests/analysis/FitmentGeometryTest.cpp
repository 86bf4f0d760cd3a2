#include <gtest/gtest.h>

#include <vector>

#include "analysis/FitmentGeometry.h"
#include "common/NumberText.h"
#include "support/GTestPrinters.h"

using namespace Qt::StringLiterals;

using namespace kl;

namespace {

WheelTyreSize sz(float rim, float width, float offset, float tyre, float aspect) {
    return {rim, width, offset, tyre, aspect};
}

TEST(FitmentGeometry, TyreOuterDiameter) {
    struct Case {
        WheelTyreSize size;
        const char* shown;
    } cases[] = {
        {sz(16, 6.5f, 45, 205, 55), "631.9"}, {sz(17, 7, 45, 225, 45), "634.3"},
        {sz(15, 6, 45, 195, 65), "634.5"},    {sz(10, 3, 0, 135, 80), "470.0"},
        {sz(20, 11.5f, 0, 295, 30), "685.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatOneDecimal(TyreOuterDiameter(c.size)).toStdString(), c.shown);
    }
    // Evaluated in double, stored in single precision. Worked through in single precision, 135/30 on
    // 13 inch would come out one step lower, at 411.19998.
    EXPECT_EQ(TyreOuterDiameter(sz(16, 6.5f, 45, 205, 55)), static_cast<float>(225.5 + 16 * 25.4));
    EXPECT_EQ(TyreOuterDiameter(sz(13, 4, 0, 135, 30)), static_cast<float>(81.0 + 13 * 25.4));
}

TEST(FitmentGeometry, NewClearancesOfOneWheel) {
    const WheelTyreSize stock = sz(16, 6.5f, 45, 205, 55);
    struct Case {
        const char* what;
        WheelTyreSize before, after;
        double h, j, z;
        const char *hNew, *jNew, *zNew;
    } cases[] = {
        {"205/55R16 to 225/45R17", stock, sz(17, 7.5f, 45, 225, 45), 20, 30, 25, "10.0", "28.8", "23.8"},
        {"offset 45 to 35 only", stock, sz(16, 6.5f, 35, 205, 55), 20, 30, 25, "10.0", "30.0", "25.0"},
        {"offset half a mm more", stock, sz(16, 6.5f, 45.5f, 205, 55), 12.3, 30, 25, "12.8", "30.0", "25.0"},
        {"back down to 205/55R16", sz(17, 7.5f, 45, 225, 45), stock, 10, 30, 25, "20.0", "31.2", "26.2"},
        {"pull-in below zero", stock, sz(17, 7.5f, 45, 225, 45), 2.34, 1, 0.5, "-7.7", "-0.2", "-0.7"},
        {"direction minus after", stock, sz(16, 6.5f, -10, 205, 55), 60, 30, 25, "5.0", "30.0", "25.0"},
    };
    for (const auto& c : cases) {
        const NewClearances n = computeNewClearances(c.h, c.j, c.z, c.before, c.after,
                                                     TyreOuterDiameter(c.before), TyreOuterDiameter(c.after));
        EXPECT_EQ(formatOneDecimal(n.hikikomi).toStdString(), c.hNew) << c.what;
        EXPECT_EQ(formatOneDecimal(n.joubu).toStdString(), c.jNew) << c.what;
        EXPECT_EQ(formatOneDecimal(n.zengo).toStdString(), c.zNew) << c.what;
    }
    // The measured clearance enters in double precision: taken as a single first, 7.7 would end one step
    // further from zero.
    const NewClearances n = computeNewClearances(7.7, 0, 0, stock, sz(17, 7.5f, 45, 225, 45), 0, 0);
    EXPECT_EQ(n.hikikomi, static_cast<float>((((7.7 + 102.5) - 45.0) + 45.0) - 112.5));
}

TEST(FitmentGeometry, UpsizingMovesTheClearances) {
    const WheelTyreSize before = sz(16, 6.5f, 45, 205, 55);
    const WheelTyreSize after = sz(17, 7.5f, 45, 225, 45);
    const float odo = TyreOuterDiameter(before);
    const float odn = TyreOuterDiameter(after);
    const NewClearances n = computeNewClearances(20, 30, 25, before, after, odo, odn);
    EXPECT_FLOAT_EQ(n.hikikomi, 10);
    EXPECT_EQ(formatOneDecimal(n.joubu).toStdString(), "28.8");
    EXPECT_EQ(formatOneDecimal(n.zengo).toStdString(), "23.8");
    // Slightly less than 1.2 in size after both diameters were rounded to single precision.
    EXPECT_LT(30 - n.joubu, 1.2f + 1e-4f);
    const float s = InnerSideShift(20, before, after);
    EXPECT_FLOAT_EQ(s, 10);
    EXPECT_EQ(innerSideShiftText(s).toStdString(), "+10.0");
}

TEST(FitmentGeometry, ShiftTextFollowsTheSign) {
    struct Case {
        WheelTyreSize before, after;
        double pullIn;
        const char16_t* text;
    } cases[] = {
        {sz(16, 6.5f, 45, 205, 55), sz(16, 6.5f, 45, 205, 55), 12.3, u"±0.0"},
        {sz(16, 6.5f, 45, 205, 55), sz(16, 6.5f, 35, 205, 55), 12.3, u"-10.0"},
        {sz(16, 6.5f, 45, 205, 55), sz(16, 6.5f, 45.5f, 205, 55), 12.3, u"+0.5"},
        {sz(16, 6.5f, -10, 205, 55), sz(16, 6.5f, 10, 215, 55), 0, u"+25.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(innerSideShiftText(InnerSideShift(c.pullIn, c.before, c.after)),
                  QString::fromUtf16(c.text));
    }
}

TEST(FitmentGeometry, SameSizeKeepsEveryClearance) {
    const WheelTyreSize s = sz(15, 6, 38, 185, 60);
    const float od = TyreOuterDiameter(s);
    const NewClearances n = computeNewClearances(2.34, 17, 9.5, s, s, od, od);
    EXPECT_FLOAT_EQ(n.hikikomi, 2.34f);
    EXPECT_FLOAT_EQ(n.joubu, 17);
    EXPECT_FLOAT_EQ(n.zengo, 9.5f);
    // The pull-in is shown rounded but passed on unrounded.
    EXPECT_EQ(formatOneDecimal(n.hikikomi).toStdString(), "2.3");
}

struct BandCase {
    float deviation;
    int band;
    const char* grade;
    Rgb back;
    bool ngText;
    const char16_t* caption;
};

TEST(DiameterGrading, BandsAtAndAroundEveryBound) {
    const BandCase cases[] = {
        {0, 1, "OK", ColourAmple, false, u"変更前と同サイズです。（誤差：0 %）"},
        {2.5f, 2, "OK", ColourAmple, false, u"推奨値の±3%以内です。（誤差：2.5 %）"},
        {3, 2, "OK", ColourAmple, false, u"推奨値の±3%以内です。（誤差：3 %）"},
        {-3, 2, "OK", ColourAmple, false, u"推奨値の±3%以内です。（誤差：-3 %）"},
        {3.1f, 3, "OK", ColourAdequate, false, u"可能ならば±3%以内を推奨。（誤差：3.1 %）"},
        {-3.1f, 3, "OK", ColourAdequate, false, u"可能ならば±3%以内を推奨。（誤差：-3.1 %）"},
        {5, 3, "OK", ColourAdequate, false, u"可能ならば±3%以内を推奨。（誤差：5 %）"},
        {-5, 3, "OK", ColourAdequate, false, u"可能ならば±3%以内を推奨。（誤差：-5 %）"},
        {5.1f, 4, "NG", ColourCaution, false, u"車検範囲内も推奨できません。（誤差：5.1 %）"},
        {-5.1f, 4, "NG", ColourCaution, false, u"車検範囲内も推奨できません。（誤差：-5.1 %）"},
        {15, 4, "NG", ColourCaution, false, u"車検範囲内も推奨できません。（誤差：15 %）"},
        {-10, 4, "NG", ColourCaution, false, u"車検範囲内も推奨できません。（誤差：-10 %）"},
        {15.1f, 5, "NG", ColourNgBack, true, u"誤差大につき、要再検討。（誤差：15.1 %）"},
        {-10.1f, 5, "NG", ColourNgBack, true, u"誤差大につき、要再検討。（誤差：-10.1 %）"},
    };
    for (const auto& c : cases) {
        const DiameterGrade g = gradeRoundedDeviation(c.deviation);
        EXPECT_EQ(g.band, c.band) << c.deviation;
        EXPECT_EQ(g.gradeText.toStdString(), c.grade) << c.deviation;
        EXPECT_EQ(g.back, c.back) << c.deviation;
        EXPECT_EQ(g.ngText, c.ngText) << c.deviation;
        EXPECT_EQ(g.caption, QString::fromUtf16(c.caption)) << c.deviation;
    }
}

TEST(DiameterGrading, RawDeviationIsRoundedBeforeTheBandTest) {
    // Outer diameters chosen so that the raw deviation is 3.04 %, 3.06 % and -0.04 %.
    struct Case {
        double raw;
        int band;
        const char16_t* value;
    } cases[] = {{3.04, 2, u"3 %）"}, {3.06, 3, u"3.1 %）"}, {-0.04, 1, u"0 %）"}, {0.04, 1, u"0 %）"}};
    for (const auto& c : cases) {
        const float before = 600.0f;
        const float after = static_cast<float>(600.0 * (1 + c.raw / 100));
        const DiameterGrade g = GradeDiameterDeviation(before, after);
        EXPECT_EQ(g.band, c.band) << c.raw;
        EXPECT_TRUE(g.caption.endsWith(QString::fromUtf16(c.value))) << g.caption.toStdString();
    }
    EXPECT_EQ(GradeDiameterDeviation(631.9f, 631.9f).caption, u"変更前と同サイズです。（誤差：0 %）"_s);
}

TEST(CombinationText, WorkedExamples) {
    struct Case {
        WheelTyreSize size;
        const char16_t* text;
    } cases[] = {
        {sz(15, 7, 45, 205, 55), u"ﾎｲｰﾙ：7×15 +45  ﾀｲﾔ：205/55-15"},
        {sz(17, 7.5f, -35, 215, 45), u"ﾎｲｰﾙ：7.5×17 -35  ﾀｲﾔ：215/45-17"},
        {sz(15, 7, 45, 225, 50), u"ﾎｲｰﾙ：7×15 +45  ﾀｲﾔ：225/50-15"},
        {sz(16, 6.5f, 0, 205, 55), u"ﾎｲｰﾙ：6.5×16 ±0  ﾀｲﾔ：205/55-16"},
        {sz(16, 6.5f, -0.0f, 205, 55), u"ﾎｲｰﾙ：6.5×16 ±0  ﾀｲﾔ：205/55-16"},
        {sz(18, 8, 12.5f, 235, 40), u"ﾎｲｰﾙ：8×18 +12.5  ﾀｲﾔ：235/40-18"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CombinationText(c.size), QString::fromUtf16(c.text));
    }
}

TEST(OverallVerdict, OkOnlyWhenEveryGradeIsExactlyOk) {
    std::vector<QString> grades(14, u"OK"_s);
    EXPECT_EQ(OverallVerdict(grades).text, u"O K"_s);
    EXPECT_EQ(OverallVerdict(grades).back, ColourAmple);
    for (const QString& spoiler : {u"CHECK"_s, u"NG"_s, QString(), u"OK "_s, u"ok"_s}) {
        std::vector<QString> g = grades;
        g[13] = spoiler;
        EXPECT_EQ(OverallVerdict(g).text, u"N G"_s) << spoiler.toStdString();
        EXPECT_EQ(OverallVerdict(g).back, ColourNgBack);
    }
}

} // namespace
