#pragma once

#include <optional>

#include "common/WheelTypes.h"
#include "judgement/ViewerJudgement.h"

namespace kl {

struct ResultBoxes;

// Writes the viewer's judgement of one wheel into that wheel's three grade boxes (text, fore and back
// colour) and its comment label (caption, fore colour) of the viewer window, all eleven every time. A wheel
// whose texts could not be graded has no judgement: its grade boxes and comment are emptied on white
// instead, so nothing of an earlier file stays beside this one.
void ReJudgeWheelClearance(const ResultBoxes& viewer, WheelPosition wheel,
                           const std::optional<ViewerWheelJudgement>& judgement);

// One binding per wheel.
void M_Form7FLJG(const ResultBoxes& viewer, const std::optional<ViewerWheelJudgement>& judgement);
void M_Form7FRJG(const ResultBoxes& viewer, const std::optional<ViewerWheelJudgement>& judgement);
void M_Form7RLJG(const ResultBoxes& viewer, const std::optional<ViewerWheelJudgement>& judgement);
void M_Form7RRJG(const ResultBoxes& viewer, const std::optional<ViewerWheelJudgement>& judgement);

} // namespace kl
