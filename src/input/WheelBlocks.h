#pragma once

#include "common/InputRecord.h"

namespace kl {

// What a change of choice in an offset-direction list does to its offset box.
enum class DirectionAction {
    Nothing,
    LockAtZero,      // the box shows "0" and is locked; the focus goes to the list
    UnlockAndSelect, // the box is unlocked and its text selected; the focus goes to the box
};

// A front list always acts; no choice at all opens its box as "＋" and "－" do. A rear list acts only
// while its same-as-front box is unticked, and not on a cleared choice.
DirectionAction offsetDirectionAction(bool rear, int listIndex, bool sameAsFrontTicked);

} // namespace kl
