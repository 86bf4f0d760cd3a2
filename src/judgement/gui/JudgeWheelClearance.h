#pragma once

#include "common/WheelTypes.h"

namespace kl {

class AppContext;

// Grades one wheel's three new clearances by the rule table and writes the grades, colours and comment
// into that wheel's four controls of the result window, loading the window if it is not loaded.
// Writes nothing for a value that is not a finite number. A failed write is passed on to the caller;
// the writes made before it stay.
void JudgeWheelClearance(AppContext& context, WheelPosition wheel, const float& p, const float& q,
                         const float& r);

// One binding per wheel.
void M_Form2FLJG(AppContext& context, const float& p, const float& q, const float& r);
void M_Form2FRJG(AppContext& context, const float& p, const float& q, const float& r);
void M_Form2RLJG(AppContext& context, const float& p, const float& q, const float& r);
void M_Form2RRJG(AppContext& context, const float& p, const float& q, const float& r);

} // namespace kl
