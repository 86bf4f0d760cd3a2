#include <gtest/gtest.h>

#include "analysis/FitmentAnalysis.h"
#include "support/GTestPrinters.h"

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
        {QStringLiteral("16"), QStringLiteral("6.5"), kPlus, QStringLiteral("45"), QStringLiteral("205"),
         QStringLiteral("55")},
        {QStringLiteral("15"), QStringLiteral("6"), kPlus, QStringLiteral("40"), QStringLiteral("195"),
         QStringLiteral("65")},
        {QStringLiteral("17"), QStringLiteral("7.5"), kMinus, QStringLiteral("10"), QStringLiteral("225"),
         QStringLiteral("45")},
        {QStringLiteral("18"), QStringLiteral("8"), kPlusMinus, QStringLiteral("0"), QStringLiteral("235"),
         QStringLiteral("40")},
    }};
    r.clearances.fill(QStringLiteral("20"));
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
    EXPECT_EQ(o->sizes[0].offset, 45.0F);
    EXPECT_EQ(o->sizes[2].offset, -10.0F);
    EXPECT_EQ(o->sizes[3].offset, 0.0F);
    EXPECT_EQ(o->combinations[1], QStringLiteral("ﾎｲｰﾙ：7.5×17 -10  ﾀｲﾔ：225/45-17"));
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
    EXPECT_EQ(o->sizes[1].rimDiameter, 16.0F);
    EXPECT_EQ(o->sizes[1].offset, 45.0F);
    EXPECT_EQ(o->sizes[1].sectionWidth, 195.0F);
    EXPECT_EQ(o->combinations[2], QStringLiteral("ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：195/65-16"));
}

TEST(FitmentAnalysis, MeasuredClearancesAreRewrittenAsTheirNumbers) {
    InputRecord r = complete();
    r.clearance(WheelPosition::FL, ClearanceKind::Hikikomi) = QStringLiteral("2.50");
    r.clearance(WheelPosition::FL, ClearanceKind::Joubu) = QStringLiteral("1,5");
    r.clearance(WheelPosition::FL, ClearanceKind::Zengo) = QStringLiteral("007");
    const std::optional<FitmentOutcome> o = analyseInput(r);
    ASSERT_TRUE(o.has_value());
    EXPECT_EQ(o->measuredTexts[0], QStringLiteral("2.5"));
    EXPECT_EQ(o->measuredTexts[1], QStringLiteral("1"));
    EXPECT_EQ(o->measuredTexts[2], QStringLiteral("7"));
    EXPECT_EQ(o->measured[1], 1.0);
}

TEST(FitmentAnalysis, TheVerdictIsOkOnlyWhenAllFourteenGradesAre) {
    InputRecord same = complete();
    // The same size before and after, with ample clearances everywhere: nothing changes.
    same.size(SizeBlock::AfterFront) = same.size(SizeBlock::BeforeFront);
    same.size(SizeBlock::AfterRear) = same.size(SizeBlock::BeforeRear);
    same.clearances.fill(QStringLiteral("40"));
    const std::optional<FitmentOutcome> ok = analyseInput(same);
    ASSERT_TRUE(ok.has_value());
    for (const QString& g : gradeTexts(*ok)) {
        EXPECT_EQ(g, QStringLiteral("OK"));
    }
    EXPECT_EQ(ok->verdict.text, QStringLiteral("O K"));

    InputRecord tight = same;
    tight.clearance(WheelPosition::RR, ClearanceKind::Zengo) = QStringLiteral("0");
    const std::optional<FitmentOutcome> ng = analyseInput(tight);
    ASSERT_TRUE(ng.has_value());
    EXPECT_EQ(gradeTexts(*ng)[13], QStringLiteral("NG"));
    EXPECT_EQ(ng->verdict.text, QStringLiteral("N G"));
}

// Each wheel's judgement comes with the outcome, from its own new clearances; the verdict is read from
// the same judgements.
TEST(FitmentAnalysis, TheOutcomeCarriesEachWheelsJudgement) {
    InputRecord r = complete();
    r.size(SizeBlock::AfterFront) = r.size(SizeBlock::BeforeFront);
    r.size(SizeBlock::AfterRear) = r.size(SizeBlock::BeforeRear);
    r.clearances = {QStringLiteral("20"), QStringLiteral("40"), QStringLiteral("25"), QStringLiteral("12"),
                    QStringLiteral("0"),  QStringLiteral("25"), QStringLiteral("7"),  QStringLiteral("40"),
                    QStringLiteral("3"),  QStringLiteral("20"), QStringLiteral("40"), QStringLiteral("0")};
    const std::optional<FitmentOutcome> o = analyseInput(r);
    ASSERT_TRUE(o.has_value());
    const int cells[4] = {1, 37, 51, 4}; // all OK; upper CHECK; fore-aft CHECK; fore-aft NG
    for (std::size_t w = 0; w < 4; ++w) {
        ASSERT_TRUE(o->wheels[w].has_value()) << w;
        EXPECT_EQ(o->wheels[w]->comment, cellComment(cells[w])) << w;
    }
    EXPECT_EQ(o->wheels[1]->joubu.grade, ClearanceGrade::CHECK);
    EXPECT_EQ(o->wheels[3]->zengo.grade, ClearanceGrade::NG);
    EXPECT_EQ(gradeTexts(*o)[13], QStringLiteral("NG"));
    EXPECT_EQ(o->verdict.text, QStringLiteral("N G"));
}
