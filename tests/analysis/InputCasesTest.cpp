#include <gtest/gtest.h>

#include <set>

#include "analysis/InputCases.h"

using namespace kl;

namespace {

using F = InputField;

TEST(InputCases, EachCaseNeedsItsFieldsAndItsBoxes) {
    const std::set<F> caseTwoSkips{F::BeforeRearRimDiameter, F::BeforeRearRimWidth, F::BeforeRearDirection,
                                   F::BeforeRearOffset};
    const std::set<F> caseThreeSkips{F::AfterRearRimDiameter, F::AfterRearRimWidth, F::AfterRearDirection,
                                     F::AfterRearOffset};
    struct Case {
        bool check1, check2;
        int number;
        std::size_t required;
    } cases[] = {{false, false, 1, 36}, {true, false, 2, 32}, {false, true, 3, 32}, {true, true, 4, 28}};
    for (const auto& c : cases) {
        const auto chosen = selectInputCase(c.check1, c.check2, [](F) { return true; });
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(chosen->number, c.number);
        EXPECT_EQ(chosen->requiredFields.size(), c.required);
        for (F f : chosen->requiredFields) {
            EXPECT_FALSE(c.check1 && caseTwoSkips.count(f)) << static_cast<int>(f);
            EXPECT_FALSE(c.check2 && caseThreeSkips.count(f)) << static_cast<int>(f);
        }
    }
}

TEST(InputCases, AMissingFieldOfTheCaseStopsIt) {
    const auto allBut = [](F missing) { return [missing](F f) { return f != missing; }; };
    EXPECT_FALSE(selectInputCase(false, false, allBut(F::BeforeRearRimDiameter)).has_value());
    EXPECT_EQ(selectInputCase(true, false, allBut(F::BeforeRearRimDiameter))->number, 2);
    // The rear tyre is always needed.
    EXPECT_FALSE(selectInputCase(true, false, allBut(F::BeforeRearSectionWidth)).has_value());
    EXPECT_FALSE(selectInputCase(true, true, allBut(F::RRZengo)).has_value());
    EXPECT_FALSE(selectInputCase(false, false, allBut(F::AfterFrontOffset)).has_value());
}

TEST(InputCases, TickedBoxReadsTheRearWheelFromTheFrontButTheTyreFromTheRear) {
    const auto c = selectInputCase(true, true, [](F) { return true; });
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->wheelSourceOf(SizeBlock::BeforeRear), SizeBlock::BeforeFront);
    EXPECT_EQ(c->wheelSourceOf(SizeBlock::AfterRear), SizeBlock::AfterFront);
    EXPECT_EQ(c->wheelSourceOf(SizeBlock::AfterFront), SizeBlock::AfterFront);
    const auto own = selectInputCase(false, false, [](F) { return true; });
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(own->wheelSourceOf(SizeBlock::BeforeRear), SizeBlock::BeforeRear);
    EXPECT_EQ(own->wheelSourceOf(SizeBlock::AfterRear), SizeBlock::AfterRear);
}

} // namespace
