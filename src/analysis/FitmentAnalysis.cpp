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

std::size_t axleIndex(Axle a) {
    return a == Axle::Front ? 0 : 1;
}

// A size's tyre from its own block, its wheel from `wheel`.
WheelTyreSize readSize(const SizeTexts& tyre, const SizeTexts& wheel) {
    const auto value = [](const QString& text) { return static_cast<float>(leadingNumberValue(text)); };
    WheelTyreSize s;
    s.rimDiameter = value(wheel.rimDiameter);
    s.rimWidth = value(wheel.rimWidth);
    s.sectionWidth = value(tyre.sectionWidth);
    s.aspectRatio = value(tyre.aspectRatio);
    const double amount = leadingNumberValue(wheel.offset);
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
    for (SizeBlock b : kAllSizeBlocks) {
        o.sizes[static_cast<std::size_t>(b)] = readSize(record.size(b), record.size(c->wheelSourceOf(b)));
    }
    for (std::size_t i = 0; i < record.clearances.size(); ++i) {
        o.measured[i] = leadingNumberValue(record.clearances[i]);
        o.measuredTexts[i] = PlainDoubleText(o.measured[i]);
    }

    const auto size = [&o](Axle a, bool after) -> const WheelTyreSize& {
        return o.sizes[(after ? 2U : 0U) + axleIndex(a)];
    };
    for (Axle a : {Axle::Front, Axle::Rear}) {
        o.outerBefore[axleIndex(a)] = checked(TyreOuterDiameter(size(a, false)), "outer diameter");
        o.outerAfter[axleIndex(a)] = checked(TyreOuterDiameter(size(a, true)), "outer diameter");
    }
    for (WheelPosition w : kAllWheels) {
        const std::size_t i = static_cast<std::size_t>(w);
        const Axle a = axleOf(w);
        const double p = o.measured[i * 3];
        NewClearances& n = o.next[i];
        n = computeNewClearances(p, o.measured[i * 3 + 1], o.measured[i * 3 + 2], size(a, false),
                                 size(a, true), o.outerBefore[axleIndex(a)], o.outerAfter[axleIndex(a)]);
        checked(n.hikikomi, "pull-in");
        checked(n.joubu, "upper clearance");
        checked(n.zengo, "fore-aft clearance");
        o.shift[i] = checked(InnerSideShift(p, size(a, false), size(a, true)), "shift");
        if (const std::optional<CellJudgement> j = judgeClearances(n.hikikomi, n.joubu, n.zengo)) {
            o.wheels[i].emplace(*j);
        }
    }
    for (Axle a : {Axle::Front, Axle::Rear}) {
        o.diameter[axleIndex(a)] =
            GradeDiameterDeviation(o.outerBefore[axleIndex(a)], o.outerAfter[axleIndex(a)]);
        checked(o.diameter[axleIndex(a)].deviation, "deviation");
    }
    o.combinations = {CombinationText(o.sizes[0]), CombinationText(o.sizes[2]), CombinationText(o.sizes[1]),
                      CombinationText(o.sizes[3])};
    o.verdict = OverallVerdict(gradeTexts(o));
    return o;
}

std::array<QString, 14> gradeTexts(const FitmentOutcome& o) {
    std::array<QString, 14> grades;
    grades[0] = o.diameter[0].gradeText;
    grades[1] = o.diameter[1].gradeText;
    for (std::size_t w = 0; w < 4; ++w) {
        if (const std::optional<CellJudgement>& j = o.wheels[w]) {
            grades[2 + w * 3] = gradeText(j->hikikomi.grade);
            grades[3 + w * 3] = gradeText(j->joubu.grade);
            grades[4 + w * 3] = gradeText(j->zengo.grade);
        }
    }
    return grades;
}

} // namespace kl
