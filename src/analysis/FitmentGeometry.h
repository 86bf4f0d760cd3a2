#pragma once

#include <QString>

#include "common/GradePalette.h"
#include "common/WheelTypes.h"

namespace kl {

// One axle's wheel and tyre, before or after the change. Single precision, as the analysis holds it.
struct WheelTyreSize {
    float rimDiameter = 0;  // inch
    float rimWidth = 0;     // inch
    float offset = 0;       // mm, negative for "－"
    float sectionWidth = 0; // mm
    float aspectRatio = 0;  // %
};

// Each formula is evaluated in double from single-precision operands; only its result is stored as
// single precision, so figures match the ones the shop has always seen.
float TyreOuterDiameter(const WheelTyreSize& size);

using NewClearances = Clearances<float>;

// The three clearances of one wheel after the change, from the measured ones (double precision).
NewClearances computeNewClearances(double hikikomi, double joubu, double zengo, const WheelTyreSize& before,
                                   const WheelTyreSize& after, float outerBefore, float outerAfter);

// How far the tyre's inner side moves; positive means further in.
float InnerSideShift(double hikikomi, const WheelTyreSize& before, const WheelTyreSize& after);

// "+10.0", "±0.0" or "-10.0".
QString innerSideShiftText(float shift);

// The diameter deviation of one axle, graded.
struct DiameterGrade {
    float deviation = 0; // percent, rounded to one decimal
    int band = 0;        // 1..5
    QString gradeText;   // "OK" or "NG"
    Rgb back;
    bool ngText = false; // only band 5 writes ColourNgText
    QString caption;     // message, deviation, " %）"
};
DiameterGrade GradeDiameterDeviation(float outerBefore, float outerAfter);
// The band of a deviation already rounded to one decimal.
DiameterGrade gradeRoundedDeviation(float deviation);

// "+", "" or "±": the sign shown before an offset.
QString offsetSignText(float offset);
QString CombinationText(const WheelTyreSize& size);

struct Verdict {
    QString text; // "O K" or "N G"
    Rgb back;
};
// "O K" only when every grade text is exactly "OK".
template <class Range> Verdict OverallVerdict(const Range& gradeTexts) {
    using namespace Qt::StringLiterals;
    bool allOk = true;
    for (const QString& t : gradeTexts) {
        allOk = allOk && t == u"OK"_s;
    }
    return allOk ? Verdict{u"O K"_s, ColourAmple} : Verdict{u"N G"_s, ColourNgBack};
}

} // namespace kl
