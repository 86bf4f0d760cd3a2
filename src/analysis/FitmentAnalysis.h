#pragma once

#include <array>
#include <optional>
#include <stdexcept>

#include <QString>

#include "analysis/FitmentGeometry.h"
#include "analysis/InputCases.h"
#include "common/InputRecord.h"
#include "common/WheelTypes.h"
#include "judgement/ClearanceRules.h"

namespace kl {

// A figure of the analysis came out as no finite number; nothing may be shown of such a run.
class FloatingPointFault : public std::runtime_error {
public:
    explicit FloatingPointFault(const char* what) : std::runtime_error(what) {}
};

// Everything one analysis finds, in plain values. Arrays of sizes and combinations run before-front,
// before-rear, after-front, after-rear; per-wheel arrays FL, FR, RL, RR; per-axle arrays front, rear.
struct FitmentOutcome {
    InputCase inputCase;
    std::array<WheelTyreSize, 4> sizes{};
    // The twelve measured clearances (FL pull-in, upper, fore-aft, then FR, RL, RR) and the text each box
    // of the data-entry window is rewritten with.
    std::array<double, 12> measured{};
    std::array<QString, 12> measuredTexts;
    std::array<float, 2> outerBefore{};
    std::array<float, 2> outerAfter{};
    std::array<NewClearances, 4> next{};
    std::array<float, 4> shift{};
    std::array<DiameterGrade, 2> diameter;
    // Each wheel's judgement by the rule table; none where a new clearance is not a finite number.
    std::array<std::optional<CellJudgement>, 4> wheels;
    // Front before, front after, rear before, rear after: the order they are written in.
    std::array<QString, 4> combinations;
    Verdict verdict;
};

// Runs the whole analysis on a record. Empty when a field the input case needs is empty. Throws
// FloatingPointFault when a figure is not a finite number.
std::optional<FitmentOutcome> analyseInput(const InputRecord& record);

// The fourteen grade texts the verdict is taken from: both diameters, then the three clearance grades of
// each wheel's judgement (empty for a wheel without one).
std::array<QString, 14> gradeTexts(const FitmentOutcome& outcome);

} // namespace kl
