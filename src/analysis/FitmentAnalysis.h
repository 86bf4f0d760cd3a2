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

// One axle's sizes before and after the change, and what the analysis finds of them.
struct AxleOutcome {
    WheelTyreSize before;
    WheelTyreSize after;
    float outerBefore = 0;
    float outerAfter = 0;
    DiameterGrade diameter;
    QString combinationBefore;
    QString combinationAfter;
};

// One wheel's measured clearances and what the analysis finds of them.
struct WheelOutcome {
    Clearances<double> measured;
    // The text each measured clearance's box of the data-entry window is rewritten with.
    Clearances<QString> measuredTexts;
    NewClearances next;
    float shift = 0;
    // The judgement by the rule table; none where a new clearance is not a finite number.
    std::optional<CellJudgement> judgement;
};

// Everything one analysis finds, in plain values.
struct FitmentOutcome {
    InputCase inputCase;
    std::array<AxleOutcome, 2> axles;   // front, rear
    std::array<WheelOutcome, 4> wheels; // FL, FR, RL, RR
    Verdict verdict;

    const AxleOutcome& axle(Axle a) const { return axles[indexOf(a)]; }
    const WheelOutcome& wheel(WheelPosition w) const { return wheels[indexOf(w)]; }
};

// Runs the whole analysis on a record. Empty when a field the input case needs is empty. Throws
// FloatingPointFault when a figure is not a finite number.
std::optional<FitmentOutcome> analyseInput(const InputRecord& record);

// The fourteen grade texts the verdict is taken from: both diameters, then the three clearance grades of
// each wheel's judgement (empty for a wheel without one).
std::array<QString, 14> gradeTexts(const FitmentOutcome& outcome);

} // namespace kl
