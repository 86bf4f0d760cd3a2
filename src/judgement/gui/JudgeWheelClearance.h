#pragma once

#include <optional>

#include "common/WheelTypes.h"
#include "judgement/ClearanceRules.h"
#include "windowbase/WheelBoxes.h"

namespace kl {

// Writes one wheel's judgement by the rule table, its grades, colours and comment, into that wheel's four
// controls of the result window. Writes nothing for a wheel without a judgement (a new clearance that is
// not a finite number).
void JudgeWheelClearance(const WheelBoxSet& wheels, WheelPosition wheel,
                         const std::optional<CellJudgement>& judgement);

// One binding per wheel.
void M_Form2FLJG(const WheelBoxSet& wheels, const std::optional<CellJudgement>& judgement);
void M_Form2FRJG(const WheelBoxSet& wheels, const std::optional<CellJudgement>& judgement);
void M_Form2RLJG(const WheelBoxSet& wheels, const std::optional<CellJudgement>& judgement);
void M_Form2RRJG(const WheelBoxSet& wheels, const std::optional<CellJudgement>& judgement);

} // namespace kl
