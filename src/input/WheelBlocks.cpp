#include "WheelBlocks.h"

namespace kl {

DirectionAction offsetDirectionAction(bool rear, int listIndex, bool sameAsFrontTicked) {
    if (rear && (sameAsFrontTicked || listIndex < 0)) {
        return DirectionAction::Nothing;
    }
    return listIndex == kDirectionZero ? DirectionAction::LockAtZero : DirectionAction::UnlockAndSelect;
}

} // namespace kl
