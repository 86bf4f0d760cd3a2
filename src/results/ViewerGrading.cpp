#include "results/ViewerGrading.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

using namespace Qt::StringLiterals;

namespace kl {

std::optional<QString> deviationText(const QString& newDiameter, const QString& oldDiameter) {
    const std::optional<double> newValue = paddedPlainDecimalNumber(newDiameter);
    const std::optional<double> oldValue = paddedPlainDecimalNumber(oldDiameter);
    if (!newValue || !oldValue || *oldValue == 0.0) {
        return std::nullopt;
    }
    // (new / old - 1) * 100, taken in the order that loses least: the difference of two one-decimal texts
    // is exact, so a deviation that is a half at its second decimal (0.05) stays one and rounds up.
    const double deviation = (*newValue - *oldValue) * 100.0 / *oldValue;
    if (!std::isfinite(deviation)) {
        return std::nullopt;
    }
    return formatOneDecimal(deviation);
}

ViewerDiameterGrade gradeDeviationText(Axle axle, const QString& deviation) {
    // The bands, grades and back colours are the input mode's; they take a float, and every band limit
    // lies far inside a float's range.
    const double d = paddedPlainDecimalNumber(deviation).value_or(0.0);
    const DiameterGrade shared = gradeRoundedDeviation(static_cast<float>(std::clamp(d, -1e6, 1e6)));
    constexpr Rgb kPureRed{255, 0, 0};
    const bool ng = shared.band >= 4;

    ViewerDiameterGrade g;
    g.band = shared.band;
    g.gradeText = shared.gradeText;
    g.gradeFore = ng ? ColourNgText : ColourBlack;
    g.gradeBack = shared.back;
    g.labelFore = !ng ? ColourBlack : (axle == Axle::Front ? ColourNgText : kPureRed);
    // The band's message runs up to its colon; the input mode's own figure and closing text follow it.
    const QString message = shared.caption.left(shared.caption.indexOf(u'：') + 1);
    const bool blankBeforePercent = axle == Axle::Rear && shared.band == 5;
    g.caption = message + deviation + (blankBeforePercent ? u" %）"_s : u"%）"_s);
    return g;
}

Verdict viewerOverallVerdict(const VerdictGrades& grades) {
    const Verdict plain = OverallVerdict(grades);
    if (plain.text == u"O K"_s) {
        return plain;
    }
    // Result data of the basic edition: diameters and pull-ins "OK", upper and fore-aft not evaluated.
    const QString ok = gradeText(ClearanceGrade::OK);
    bool basicOk = grades[0] == ok && grades[1] == ok;
    for (std::size_t wheel = 0; wheel < 4; ++wheel) {
        const std::size_t first = 2 + 3 * wheel;
        basicOk = basicOk && grades[first] == ok && grades[first + 1] == notEvaluatedGrade() &&
                  grades[first + 2] == notEvaluatedGrade();
    }
    return basicOk ? Verdict{u"O K"_s, ColourAmple} : plain;
}

ViewerGrades gradeViewerRecord(const ResultRecord& record) {
    ViewerGrades g;
    VerdictGrades grades;
    for (const Axle axle : {Axle::Front, Axle::Rear}) {
        const std::size_t a = axle == Axle::Front ? 0 : 1;
        const std::optional<QString> deviation =
            deviationText(record[diameterSlot(axle, true)], record[diameterSlot(axle, false)]);
        if (deviation) {
            g.diameters[a] = gradeDeviationText(axle, *deviation);
            grades[a] = g.diameters[a]->gradeText;
        }
    }
    for (const WheelPosition wheel : kAllWheels) {
        const auto after = [&record, wheel](ClearanceKind kind) -> const QString& {
            return record[clearanceSlot(wheel, kind, true)];
        };
        const std::size_t w = static_cast<std::size_t>(wheel);
        g.wheels[w] = judgeWheelTexts(after(ClearanceKind::Hikikomi), after(ClearanceKind::Joubu),
                                      after(ClearanceKind::Zengo));
        if (g.wheels[w]) {
            for (std::size_t k = 0; k < 3; ++k) {
                grades[2 + 3 * w + k] = g.wheels[w]->grades[k].text;
            }
        }
    }
    g.verdict = viewerOverallVerdict(grades);
    return g;
}

} // namespace kl
