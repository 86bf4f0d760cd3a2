#include <gtest/gtest.h>

#include "analysis/FitmentAnalysis.h"
#include "support/GTestPrinters.h"

using namespace Qt::StringLiterals;

using namespace kl;

namespace {

using F = InputField;

constexpr int kPlus = 0;
constexpr int kMinus = 1;
constexpr int kPlusMinus = 2;

// A complete record: 16-inch 6.5J +45 205/55 before, 17-inch 7.5J on the given direction after.
InputRecord complete() {
    InputRecord r;
    r.sizes = {{
        {u"16"_s, u"6.5"_s, kPlus, u"45"_s, u"205"_s, u"55"_s},
        {u"15"_s, u"6"_s, kPlus, u"40"_s, u"195"_s, u"65"_s},
        {u"17"_s, u"7.5"_s, kMinus, u"10"_s, u"225"_s, u"45"_s},
        {u"18"_s, u"8"_s, kPlusMinus, u"0"_s, u"235"_s, u"40"_s},
    }};
    r.clearances.fill(u"20"_s);
    return r;
}

// Empties one field as the window leaves it unchosen or untyped.
void empty(InputRecord& r, F f) {
    if (isClearanceField(f)) {
        r.clearance(wheelOf(f), kindOf(f)).clear();
        return;
    }
    SizeTexts& s = r.size(blockOf(f));
    QString* const texts[] = {&s.rimDiameter, &s.rimWidth,     nullptr,
                              &s.offset,      &s.sectionWidth, &s.aspectRatio};
    if (partOf(f) == SizePart::Direction) {
        s.direction = -1;
    } else {
        texts[static_cast<int>(partOf(f))]->clear();
    }
}

} // namespace

TEST(FitmentAnalysis, AnEmptyNeededFieldGivesNoOutcome) {
    for (F field : {F::BeforeFrontRimDiameter, F::BeforeRearDirection, F::AfterRearOffset, F::RRZengo,
                    F::AfterRearAspectRatio}) {
        InputRecord r = complete();
        empty(r, field);
        EXPECT_FALSE(r.isFilled(field));
        EXPECT_FALSE(analyseInput(r).has_value()) << static_cast<int>(field);
    }
}

TEST(FitmentAnalysis, DirectionIndexOneMakesTheOffsetNegative) {
    const std::optional<FitmentOutcome> o = analyseInput(complete());
    ASSERT_TRUE(o.has_value());
    EXPECT_EQ(o->axle(Axle::Front).before.offset, 45.0F);
    EXPECT_EQ(o->axle(Axle::Front).after.offset, -10.0F);
    EXPECT_EQ(o->axle(Axle::Rear).after.offset, 0.0F);
    EXPECT_EQ(o->axle(Axle::Front).combinationAfter, u"ﾎｲｰﾙ：7.5×17 -10  ﾀｲﾔ：225/45-17"_s);
}

TEST(FitmentAnalysis, ATickedBoxTakesTheRearWheelFromTheFrontAndTheTyreFromItsOwnFields) {
    InputRecord r = complete();
    r.rearBeforeSameAsFront = true;
    // The rear wheel fields of a ticked block are empty and not needed.
    for (F field :
         {F::BeforeRearRimDiameter, F::BeforeRearRimWidth, F::BeforeRearDirection, F::BeforeRearOffset}) {
        empty(r, field);
    }
    const std::optional<FitmentOutcome> o = analyseInput(r);
    ASSERT_TRUE(o.has_value());
    EXPECT_EQ(o->inputCase.number, 2);
    EXPECT_EQ(o->axle(Axle::Rear).before.rimDiameter, 16.0F);
    EXPECT_EQ(o->axle(Axle::Rear).before.offset, 45.0F);
    EXPECT_EQ(o->axle(Axle::Rear).before.sectionWidth, 195.0F);
    EXPECT_EQ(o->axle(Axle::Rear).combinationBefore, u"ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：195/65-16"_s);
}

TEST(FitmentAnalysis, MeasuredClearancesAreRewrittenAsTheirNumbers) {
    InputRecord r = complete();
    r.clearance(WheelPosition::FL, ClearanceKind::Hikikomi) = u"2.50"_s;
    r.clearance(WheelPosition::FL, ClearanceKind::Joubu) = u"1,5"_s;
    r.clearance(WheelPosition::FL, ClearanceKind::Zengo) = u"007"_s;
    const std::optional<FitmentOutcome> o = analyseInput(r);
    ASSERT_TRUE(o.has_value());
    EXPECT_EQ(o->wheel(WheelPosition::FL).measuredTexts.hikikomi, u"2.5"_s);
    EXPECT_EQ(o->wheel(WheelPosition::FL).measuredTexts.joubu, u"1"_s);
    EXPECT_EQ(o->wheel(WheelPosition::FL).measuredTexts.zengo, u"7"_s);
    EXPECT_EQ(o->wheel(WheelPosition::FL).measured.joubu, 1.0);
}

TEST(FitmentAnalysis, TheVerdictIsOkOnlyWhenAllFourteenGradesAre) {
    InputRecord same = complete();
    // The same size before and after, with ample clearances everywhere: nothing changes.
    same.size(SizeBlock::AfterFront) = same.size(SizeBlock::BeforeFront);
    same.size(SizeBlock::AfterRear) = same.size(SizeBlock::BeforeRear);
    same.clearances.fill(u"40"_s);
    const std::optional<FitmentOutcome> ok = analyseInput(same);
    ASSERT_TRUE(ok.has_value());
    for (const QString& g : gradeTexts(*ok)) {
        EXPECT_EQ(g, u"OK"_s);
    }
    EXPECT_EQ(ok->verdict.text, u"O K"_s);

    InputRecord tight = same;
    tight.clearance(WheelPosition::RR, ClearanceKind::Zengo) = u"0"_s;
    const std::optional<FitmentOutcome> ng = analyseInput(tight);
    ASSERT_TRUE(ng.has_value());
    EXPECT_EQ(gradeTexts(*ng)[13], u"NG"_s);
    EXPECT_EQ(ng->verdict.text, u"N G"_s);
}

// Each wheel's judgement comes with the outcome, from its own new clearances; the verdict is read from
// the same judgements.
TEST(FitmentAnalysis, TheOutcomeCarriesEachWheelsJudgement) {
    InputRecord r = complete();
    r.size(SizeBlock::AfterFront) = r.size(SizeBlock::BeforeFront);
    r.size(SizeBlock::AfterRear) = r.size(SizeBlock::BeforeRear);
    r.clearances = {u"20"_s, u"40"_s, u"25"_s, u"12"_s, u"0"_s,  u"25"_s,
                    u"7"_s,  u"40"_s, u"3"_s,  u"20"_s, u"40"_s, u"0"_s};
    const std::optional<FitmentOutcome> o = analyseInput(r);
    ASSERT_TRUE(o.has_value());
    const int cells[4] = {1, 37, 51, 4}; // all OK; upper CHECK; fore-aft CHECK; fore-aft NG
    for (std::size_t w = 0; w < 4; ++w) {
        ASSERT_TRUE(o->wheels[w].judgement.has_value()) << w;
        EXPECT_EQ(o->wheels[w].judgement->comment, cellComment(cells[w])) << w;
    }
    EXPECT_EQ(o->wheels[1].judgement->joubu.grade, ClearanceGrade::CHECK);
    EXPECT_EQ(o->wheels[3].judgement->zengo.grade, ClearanceGrade::NG);
    EXPECT_EQ(gradeTexts(*o)[13], u"NG"_s);
    EXPECT_EQ(o->verdict.text, u"N G"_s);
}
