#include "FitmentGeometry.h"

#include "common/NumberText.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {
constexpr double kMmPerInch = 25.4;

double d(float v) {
    return static_cast<double>(v);
}
} // namespace

float TyreOuterDiameter(const WheelTyreSize& size) {
    const double sidewall = d(size.sectionWidth) * d(size.aspectRatio) / 100.0;
    const double bothSidewalls = sidewall + sidewall;
    return static_cast<float>(bothSidewalls + d(size.rimDiameter) * kMmPerInch);
}

NewClearances computeNewClearances(double hikikomi, double joubu, double zengo, const WheelTyreSize& before,
                                   const WheelTyreSize& after, float outerBefore, float outerAfter) {
    NewClearances n;
    n.hikikomi = static_cast<float>(
        (((hikikomi + d(before.sectionWidth) / 2.0) - d(before.offset)) + d(after.offset)) -
        d(after.sectionWidth) / 2.0);
    const double halfChange = (d(outerBefore) - d(outerAfter)) / 2.0;
    n.joubu = static_cast<float>(joubu + halfChange);
    n.zengo = static_cast<float>(zengo + halfChange);
    return n;
}

float InnerSideShift(double hikikomi, const WheelTyreSize& before, const WheelTyreSize& after) {
    const double t = (((hikikomi + d(before.sectionWidth) / 2.0) - d(before.offset)) + d(after.offset)) +
                     d(after.sectionWidth) / 2.0;
    return static_cast<float>(t - (hikikomi + d(before.sectionWidth)));
}

QString innerSideShiftText(float shift) {
    const QString number = formatOneDecimal(d(shift));
    if (shift > 0) {
        return u"+"_s + number;
    }
    if (shift == 0) {
        return u"±"_s + number;
    }
    return number;
}

DiameterGrade gradeRoundedDeviation(float e) {
    struct Band {
        int number;
        const char16_t* grade;
        Rgb back;
        bool ngText;
        const char16_t* message;
    };
    static const Band bands[] = {
        {1, u"OK", ColourAmple, false, u"変更前と同サイズです。（誤差："},
        {2, u"OK", ColourAmple, false, u"推奨値の±3%以内です。（誤差："},
        {3, u"OK", ColourAdequate, false, u"可能ならば±3%以内を推奨。（誤差："},
        {4, u"NG", ColourCaution, false, u"車検範囲内も推奨できません。（誤差："},
        {5, u"NG", ColourNgBack, true, u"誤差大につき、要再検討。（誤差："},
    };
    int index = 4;
    if (e == 0) {
        index = 0;
    } else if ((e >= -3 && e < 0) || (e > 0 && e <= 3)) {
        index = 1;
    } else if ((e >= -5 && e < -3) || (e > 3 && e <= 5)) {
        index = 2;
    } else if ((e >= -10 && e < -5) || (e > 5 && e <= 15)) {
        index = 3;
    }
    const Band& b = bands[index];
    DiameterGrade g;
    g.deviation = e;
    g.band = b.number;
    g.gradeText = QString::fromUtf16(b.grade);
    g.back = b.back;
    g.ngText = b.ngText;
    g.caption = QString::fromUtf16(b.message) + PlainNumberText(e) + u" %）"_s;
    return g;
}

DiameterGrade GradeDiameterDeviation(float outerBefore, float outerAfter) {
    const float raw = static_cast<float>((d(outerAfter) / d(outerBefore) - 1.0) * 100.0);
    // The bands see the deviation as shown: rounded through the one-decimal form and read back.
    const float e = static_cast<float>(LeadingNumber(formatOneDecimal(d(raw))));
    return gradeRoundedDeviation(e);
}

QString offsetSignText(float offset) {
    QString sign;
    if (offset > 0) {
        sign = u"+"_s;
    }
    if (offset < 0) {
        sign = QString();
    }
    if (offset == 0) {
        sign = u"±"_s;
    }
    return sign;
}

QString CombinationText(const WheelTyreSize& s) {
    return u"ﾎｲｰﾙ："_s + PlainNumberText(s.rimWidth) + u"×"_s + PlainNumberText(s.rimDiameter) + u" "_s +
           offsetSignText(s.offset) + PlainNumberText(s.offset) + u"  "_s + u"ﾀｲﾔ："_s +
           PlainNumberText(s.sectionWidth) + u"/"_s + PlainNumberText(s.aspectRatio) + u"-"_s +
           PlainNumberText(s.rimDiameter);
}

} // namespace kl
