#include "FitmentAnalysis.h"

#include <cmath>

#include "common/NumberText.h"

namespace kl {

namespace {

float checked(float v, const char* what) {
    if (!std::isfinite(v)) {
        throw FloatingPointFault(what);
    }
    return v;
}

// A size's tyre from its own block, its wheel from `wheel`.
WheelTyreSize readSize(const SizeTexts& tyre, const SizeTexts& wheel) {
    const auto value = [](const QString& text) { return static_cast<float>(leadingUnsignedNumber(text)); };
    WheelTyreSize s;
    s.rimDiameter = value(wheel.rimDiameter);
    s.rimWidth = value(wheel.rimWidth);
    s.sectionWidth = value(tyre.sectionWidth);
    s.aspectRatio = value(tyre.aspectRatio);
    const double amount = leadingUnsignedNumber(wheel.offset);
    const bool minus = wheel.direction == kDirectionMinus;
    s.offset = static_cast<float>(minus ? amount * -1.0 : amount);
    return s;
}

} // namespace

std::optional<FitmentOutcome> analyseInput(const InputRecord& record) {
    const std::optional<InputCase> c =
        selectInputCase(record.rearBeforeSameAsFront, record.rearAfterSameAsFront,
                        [&record](InputField f) { return record.isFilled(f); });
    if (!c) {
        return std::nullopt;
    }
    FitmentOutcome o;
    o.inputCase = *c;
    const auto size = [&record, &c](SizeBlock b) {
        return readSize(record.size(b), record.size(c->wheelSourceOf(b)));
    };
    for (Axle a : kBothAxles) {
        AxleOutcome& axle = o.axles[indexOf(a)];
        axle.before = size(sizeBlockOf(a, false));
        axle.after = size(sizeBlockOf(a, true));
    }
    for (WheelPosition w : kAllWheels) {
        WheelOutcome& wheel = o.wheels[indexOf(w)];
        for (ClearanceKind k : kAllClearanceKinds) {
            wheel.measured[k] = leadingUnsignedNumber(record.clearance(w, k));
            wheel.measuredTexts[k] = plainDoubleText(wheel.measured[k]);
        }
    }

    for (AxleOutcome& a : o.axles) {
        a.outerBefore = checked(TyreOuterDiameter(a.before), "outer diameter");
        a.outerAfter = checked(TyreOuterDiameter(a.after), "outer diameter");
    }
    for (WheelPosition w : kAllWheels) {
        const AxleOutcome& a = o.axle(axleOf(w));
        WheelOutcome& wheel = o.wheels[indexOf(w)];
        const Clearances<double>& m = wheel.measured;
        NewClearances& n = wheel.next;
        n = computeNewClearances(m.hikikomi, m.joubu, m.zengo, a.before, a.after, a.outerBefore,
                                 a.outerAfter);
        checked(n.hikikomi, "pull-in");
        checked(n.joubu, "upper clearance");
        checked(n.zengo, "fore-aft clearance");
        wheel.shift = checked(InnerSideShift(m.hikikomi, a.before, a.after), "shift");
        if (const std::optional<CellJudgement> j = judgeClearances(n.hikikomi, n.joubu, n.zengo)) {
            wheel.judgement.emplace(*j);
        }
    }
    for (AxleOutcome& a : o.axles) {
        a.diameter = GradeDiameterDeviation(a.outerBefore, a.outerAfter);
        checked(a.diameter.deviation, "deviation");
    }
    for (AxleOutcome& a : o.axles) {
        a.combinationBefore = CombinationText(a.before);
        a.combinationAfter = CombinationText(a.after);
    }
    o.verdict = OverallVerdict(gradeTexts(o));
    return o;
}

std::array<QString, 14> gradeTexts(const FitmentOutcome& o) {
    std::array<QString, 14> grades;
    auto next = grades.begin();
    for (const AxleOutcome& a : o.axles) {
        *next++ = a.diameter.gradeText;
    }
    for (const WheelOutcome& w : o.wheels) {
        for (ClearanceKind k : kAllClearanceKinds) {
            *next++ = w.judgement ? gradeText(w.judgement->grade(k).grade) : QString();
        }
    }
    return grades;
}

} // namespace kl
