#include <gtest/gtest.h>

#include <set>

#include "analysis/InputCases.h"

using namespace kl;

namespace {

TEST(InputCases, EachCaseNeedsItsFieldsAndItsBoxes) {
    const std::set<QString> caseTwoSkips{QStringLiteral("Combo16"), QStringLiteral("Combo17"),
                                         QStringLiteral("Combo2"), QStringLiteral("Text18")};
    const std::set<QString> caseThreeSkips{QStringLiteral("Combo26"), QStringLiteral("Combo27"),
                                           QStringLiteral("Combo4"), QStringLiteral("Text28")};
    struct Case {
        int check1, check2, number;
        std::size_t required;
    } cases[] = {{0, 0, 1, 36}, {1, 0, 2, 32}, {0, 1, 3, 32}, {1, 1, 4, 28}};
    for (const auto& c : cases) {
        const auto chosen = selectInputCase(c.check1, c.check2, [](const QString&) { return true; });
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(chosen->number, c.number);
        EXPECT_EQ(static_cast<std::size_t>(chosen->requiredFields.size()), c.required);
        for (const QString& f : chosen->requiredFields) {
            EXPECT_FALSE(c.check1 == 1 && caseTwoSkips.count(f)) << f.toStdString();
            EXPECT_FALSE(c.check2 == 1 && caseThreeSkips.count(f)) << f.toStdString();
        }
    }
}

TEST(InputCases, AMissingFieldOfTheCaseStopsIt) {
    const auto allBut = [](const QString& missing) {
        return [missing](const QString& name) { return name != missing; };
    };
    EXPECT_FALSE(selectInputCase(0, 0, allBut(QStringLiteral("Combo16"))).has_value());
    EXPECT_EQ(selectInputCase(1, 0, allBut(QStringLiteral("Combo16")))->number, 2);
    // The rear tyre is always needed.
    EXPECT_FALSE(selectInputCase(1, 0, allBut(QStringLiteral("Combo19"))).has_value());
    EXPECT_FALSE(selectInputCase(1, 1, allBut(QStringLiteral("F2_FC_RR_Zengo_Old_TXT"))).has_value());
    EXPECT_FALSE(selectInputCase(0, 0, allBut(QStringLiteral("Text23"))).has_value());
}

TEST(InputCases, TickedBoxReadsTheRearWheelFromTheFrontButTheTyreFromTheRear) {
    const auto c = selectInputCase(1, 1, [](const QString&) { return true; });
    ASSERT_TRUE(c.has_value());
    const SizeFields rearBefore = c->sourceOf(SizeBlock::BeforeRear);
    EXPECT_EQ(rearBefore.rimDiameter, QStringLiteral("Combo11"));
    EXPECT_EQ(rearBefore.direction, QStringLiteral("Combo1"));
    EXPECT_EQ(rearBefore.offset, QStringLiteral("Text13"));
    EXPECT_EQ(rearBefore.sectionWidth, QStringLiteral("Combo19"));
    const SizeFields rearAfter = c->sourceOf(SizeBlock::AfterRear);
    EXPECT_EQ(rearAfter.rimWidth, QStringLiteral("Combo22"));
    EXPECT_EQ(rearAfter.aspectRatio, QStringLiteral("Combo30"));
}

} // namespace
