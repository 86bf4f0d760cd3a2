#include "FitmentAnalysis.h"

#include <cmath>

#include "common/NumberText.h"
#include "judgement/ClearanceRules.h"

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

WheelTyreSize readSize(const InputRecord& r, const SizeFields& f) {
    const auto value = [&r](const QString& name) {
        return static_cast<float>(leadingNumberValue(r.text(name)));
    };
    WheelTyreSize s;
    s.rimDiameter = value(f.rimDiameter);
    s.rimWidth = value(f.rimWidth);
    s.sectionWidth = value(f.sectionWidth);
    s.aspectRatio = value(f.aspectRatio);
    const double amount = leadingNumberValue(r.text(f.offset));
    // The second direction, "－", makes the offset negative.
    const bool minus = r.listIndexes.value(f.direction, -1) == 1;
    s.offset = static_cast<float>(minus ? amount * -1.0 : amount);
    return s;
}

} // namespace

std::optional<FitmentOutcome> analyseInput(const InputRecord& record) {
    const std::optional<InputCase> c =
        selectInputCase(record.check1, record.check2,
                        [&record](const QString& name) { return !record.text(name).isEmpty(); });
    if (!c) {
        return std::nullopt;
    }
    FitmentOutcome o;
    o.inputCase = *c;
    for (std::size_t b = 0; b < 4; ++b) {
        o.sizes[b] = readSize(record, c->sourceOf(static_cast<SizeBlock>(b)));
    }
    const std::array<QString, 12>& names = clearanceFieldNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        o.measured[i] = leadingNumberValue(record.text(names[i]));
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
        const NewClearances& n = o.next[w];
        if (const std::optional<ClearanceCell> cell = findClearanceCell(n.hikikomi, n.joubu, n.zengo)) {
            const CellJudgement j = judgeCell(*cell);
            grades[2 + w * 3] = gradeText(j.hikikomi.grade);
            grades[3 + w * 3] = gradeText(j.joubu.grade);
            grades[4 + w * 3] = gradeText(j.zengo.grade);
        }
    }
    return grades;
}

} // namespace kl
