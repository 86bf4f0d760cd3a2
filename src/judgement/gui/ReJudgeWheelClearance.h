#pragma once

#include "common/WheelTypes.h"

namespace kl {

class AppContext;
class TextBox;

// The viewer's judgement of one wheel from the texts of its three new-clearance boxes (pull-in, upper,
// fore-aft), which it only reads. It writes the wheel's three grade boxes (text, fore and back colour) and
// its comment label (caption, fore colour) in the viewer window, all eleven every time. When the texts
// cannot be graded it writes no grade: the wheel's grade boxes and comment are emptied on white instead,
// so nothing of an earlier file stays beside this one, and it returns false.
bool ReJudgeWheelClearance(AppContext& context, WheelPosition wheel, const TextBox& hikikomi,
                           const TextBox& joubu, const TextBox& zengo);

// One binding per wheel.
bool M_Form7FLJG(AppContext& context, const TextBox& hikikomi, const TextBox& joubu, const TextBox& zengo);
bool M_Form7FRJG(AppContext& context, const TextBox& hikikomi, const TextBox& joubu, const TextBox& zengo);
bool M_Form7RLJG(AppContext& context, const TextBox& hikikomi, const TextBox& joubu, const TextBox& zengo);
bool M_Form7RRJG(AppContext& context, const TextBox& hikikomi, const TextBox& joubu, const TextBox& zengo);

} // namespace kl
