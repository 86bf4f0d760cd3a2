#pragma once

#include <optional>

#include "common/WheelTypes.h"
#include "judgement/ViewerJudgement.h"
#include "windowbase/WheelBoxes.h"

namespace kl {

// Writes the viewer's judgement of one wheel into that wheel's three grade boxes (text, fore and back
// colour) and its comment label (caption, fore colour) of the viewer window, all eleven every time. A wheel
// whose texts could not be graded has no judgement: its grade boxes and comment are emptied on white
// instead, so nothing of an earlier file stays beside this one.
void ReJudgeWheelClearance(const WheelBoxSet& wheels, WheelPosition wheel,
                           const std::optional<ViewerWheelJudgement>& judgement);

// One binding per wheel.
void M_Form7FLJG(const WheelBoxSet& wheels, const std::optional<ViewerWheelJudgement>& judgement);
void M_Form7FRJG(const WheelBoxSet& wheels, const std::optional<ViewerWheelJudgement>& judgement);
void M_Form7RLJG(const WheelBoxSet& wheels, const std::optional<ViewerWheelJudgement>& judgement);
void M_Form7RRJG(const WheelBoxSet& wheels, const std::optional<ViewerWheelJudgement>& judgement);

} // namespace kl
