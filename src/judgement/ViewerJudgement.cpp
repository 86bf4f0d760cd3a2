#include "judgement/ViewerJudgement.h"

#include <cmath>
#include <limits>

#include <QStringList>

#include "common/NumberText.h"
#include "judgement/ClearanceRules.h"

using namespace Qt::StringLiterals;

namespace kl {

QString NotAnalysedMarker() {
    return u"未解析"_s;
}

QString notEvaluatedGrade() {
    return u"－"_s;
}

namespace {

// The rule table compares single-precision values with whole millimetres from -15 to 30. A text's value
// can lie nearer a limit than a float tells apart (14.99999999 rounds to 15.0f), so it is moved to the
// float on its own side of that limit; every comparison with a whole number then comes out as it
// would on the exact value.
float bandValue(double value) {
    constexpr double kFar = 1000.0; // beyond every limit, well inside a float's exact integers
    if (value > kFar) {
        return static_cast<float>(kFar);
    }
    if (value < -kFar) {
        return static_cast<float>(-kFar);
    }
    float f = static_cast<float>(value);
    const double back = static_cast<double>(f);
    if (back != value && back == std::round(back)) {
        f = std::nextafter(f, back > value ? -std::numeric_limits<float>::infinity()
                                           : std::numeric_limits<float>::infinity());
    }
    return f;
}

ViewerGradeWrite gradeWrite(const BandGrade& g) {
    return ViewerGradeWrite{gradeText(g.grade), g.ngText ? ColourNgText : ColourBlack, g.back};
}

// The first line of a basic-edition comment, one per pull-in band.
QString basicEditionBandText(HikikomiBand band) {
    switch (band) {
    case HikikomiBand::H1:
        return u"車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕大）"_s;
    case HikikomiBand::H2:
        return u"車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕小）"_s;
    case HikikomiBand::H3:
        return u"注意！計測誤差等によってはﾀｲﾔが車体外側の可能性も有。"_s;
    case HikikomiBand::H4:
        return u"注意！ほぼﾂﾗｲﾁ状態ですが、ﾀｲﾔが車体外側の可能性も有。"_s;
    case HikikomiBand::H5:
        return u"タイヤが車体外側となっており、道交法違反の対象になります。"_s;
    }
    return {};
}

ViewerWheelJudgement basicEditionCase(HikikomiBand band) {
    const ViewerGradeWrite pullIn = gradeWrite(bandGrade(band));
    const ViewerGradeWrite notEvaluated{notEvaluatedGrade(), ColourBlack, ColourCaution};
    ViewerWheelJudgement j;
    j.caseNumber = static_cast<int>(band);
    j.grades = {pullIn, notEvaluated, notEvaluated};
    // No review tag: the comment tells what was not evaluated instead.
    j.comment = QStringList{basicEditionBandText(band), u"【引込評価のみ】"_s,
                            u"読み込んだデータは「Brisolan」の解析結果データです。"_s,
                            u"「Zelmarovinth」での再解析をご推奨します。"_s}
                    .join(u"\r\n"_s);
    j.commentFore = pullIn.text == gradeText(ClearanceGrade::NG) ? ColourNgText : ColourBlack;
    return j;
}

constexpr int kBasicEditionCases = 5;

} // namespace

std::optional<ViewerWheelJudgement> judgeWheelTexts(const QString& hikikomi, const QString& joubu,
                                                    const QString& zengo) {
    // The pull-in is compared as a number in every case, so a pull-in that is none fails them all.
    const std::optional<double> hikikomiValue = paddedPlainDecimalNumber(hikikomi);
    if (!hikikomiValue) {
        return std::nullopt;
    }
    const std::optional<HikikomiBand> h = hikikomiBandOf(bandValue(*hikikomiValue));
    if (!h) {
        return std::nullopt;
    }
    if (joubu == NotAnalysedMarker() && zengo == NotAnalysedMarker()) {
        return basicEditionCase(*h);
    }
    const std::optional<double> joubuValue = paddedPlainDecimalNumber(joubu);
    const std::optional<double> zengoValue = paddedPlainDecimalNumber(zengo);
    if (!joubuValue || !zengoValue) {
        return std::nullopt;
    }
    const std::optional<ClearanceCell> cell =
        findClearanceCell(bandValue(*hikikomiValue), bandValue(*joubuValue), bandValue(*zengoValue));
    if (!cell) {
        return std::nullopt;
    }
    const CellJudgement c = judgeCell(*cell);
    ViewerWheelJudgement j;
    j.caseNumber = kBasicEditionCases + cell->number();
    j.grades = {gradeWrite(c.hikikomi), gradeWrite(c.joubu), gradeWrite(c.zengo)};
    j.comment = c.comment;
    j.commentFore = c.commentNgText ? ColourNgText : ColourBlack;
    return j;
}

} // namespace kl
