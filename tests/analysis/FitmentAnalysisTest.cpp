#include <gtest/gtest.h>

#include "analysis/FitmentAnalysis.h"

using namespace kl;

namespace {

// A complete record: 16-inch 6.5J +45 205/55 before, 17-inch 7.5J on the given direction after.
InputRecord complete() {
    InputRecord r;
    const char* const blocks[4][6] = {
        {"Combo11", "Combo12", "Combo1", "Text13", "Combo14", "Combo15"},
        {"Combo16", "Combo17", "Combo2", "Text18", "Combo19", "Combo20"},
        {"Combo21", "Combo22", "Combo3", "Text23", "Combo24", "Combo25"},
        {"Combo26", "Combo27", "Combo4", "Text28", "Combo29", "Combo30"},
    };
    const char* const values[4][6] = {
        {"16", "6.5", "＋", "45", "205", "55"},
        {"15", "6", "＋", "40", "195", "65"},
        {"17", "7.5", "－", "10", "225", "45"},
        {"18", "8", "±", "0", "235", "40"},
    };
    for (int b = 0; b < 4; ++b) {
        for (int f = 0; f < 6; ++f) {
            r.texts.insert(QString::fromUtf8(blocks[b][f]), QString::fromUtf8(values[b][f]));
        }
        const QString direction = QString::fromUtf8(blocks[b][2]);
        const QString text = QString::fromUtf8(values[b][2]);
        r.listIndexes.insert(direction, text == u"＋" ? 0 : text == u"－" ? 1 : 2);
    }
    for (const QString& name : clearanceFieldNames()) {
        r.texts.insert(name, QStringLiteral("20"));
    }
    return r;
}

} // namespace

TEST(FitmentAnalysis, AnEmptyNeededFieldGivesNoOutcome) {
    for (const char* field : {"Combo11", "Text28", "F2_FC_RR_Zengo_Old_TXT", "Combo30"}) {
        InputRecord r = complete();
        r.texts.insert(QString::fromUtf8(field), QString());
        EXPECT_FALSE(analyseInput(r).has_value()) << field;
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
    r.check1 = 1;
    // The rear wheel fields of a ticked block are empty and not needed.
    for (const char* field : {"Combo16", "Combo17", "Combo2", "Text18"}) {
        r.texts.insert(QString::fromUtf8(field), QString());
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
    r.texts.insert(QStringLiteral("F2_FC_FL_Hikikomi_Old_TXT"), QStringLiteral("2.50"));
    r.texts.insert(QStringLiteral("F2_FC_FL_Joubu_Old_TXT"), QStringLiteral("1,5"));
    r.texts.insert(QStringLiteral("F2_FC_FL_Zengo_Old_TXT"), QStringLiteral("007"));
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
    for (const auto& [field, value] :
         std::initializer_list<std::pair<const char*, const char*>>{{"Combo21", "16"},
                                                                    {"Combo22", "6.5"},
                                                                    {"Text23", "45"},
                                                                    {"Combo24", "205"},
                                                                    {"Combo25", "55"},
                                                                    {"Combo26", "15"},
                                                                    {"Combo27", "6"},
                                                                    {"Text28", "40"},
                                                                    {"Combo29", "195"},
                                                                    {"Combo30", "65"}}) {
        same.texts.insert(QString::fromUtf8(field), QString::fromUtf8(value));
    }
    same.listIndexes.insert(QStringLiteral("Combo3"), 0);
    same.listIndexes.insert(QStringLiteral("Combo4"), 0);
    for (const QString& name : clearanceFieldNames()) {
        same.texts.insert(name, QStringLiteral("40"));
    }
    const std::optional<FitmentOutcome> ok = analyseInput(same);
    ASSERT_TRUE(ok.has_value());
    for (const QString& g : gradeTexts(*ok)) {
        EXPECT_EQ(g, QStringLiteral("OK"));
    }
    EXPECT_EQ(ok->verdict.text, QStringLiteral("O K"));

    InputRecord tight = same;
    tight.texts.insert(QStringLiteral("F2_FC_RR_Zengo_Old_TXT"), QStringLiteral("0"));
    const std::optional<FitmentOutcome> ng = analyseInput(tight);
    ASSERT_TRUE(ng.has_value());
    EXPECT_EQ(gradeTexts(*ng)[13], QStringLiteral("NG"));
    EXPECT_EQ(ng->verdict.text, QStringLiteral("N G"));
}
