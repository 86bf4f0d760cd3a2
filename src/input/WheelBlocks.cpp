#include "WheelBlocks.h"

namespace kl {

const std::array<WheelBlock, 4>& wheelBlocks() {
    static constexpr std::array<WheelBlock, 4> blocks{{
        {u"Combo11", u"Combo12", u"Combo1", u"Text13", u"Combo14", u"Combo15", {}, {}},
        {u"Combo16", u"Combo17", u"Combo2", u"Text18", u"Combo19", u"Combo20", u"Check1",
         u"mnuBeforeSameFront"},
        {u"Combo21", u"Combo22", u"Combo3", u"Text23", u"Combo24", u"Combo25", {}, {}},
        {u"Combo26", u"Combo27", u"Combo4", u"Text28", u"Combo29", u"Combo30", u"Check2",
         u"mnuAfterSameFront"},
    }};
    return blocks;
}

DirectionAction offsetDirectionAction(bool rear, int listIndex, bool sameAsFrontTicked) {
    if (rear && (sameAsFrontTicked || listIndex < 0)) {
        return DirectionAction::Nothing;
    }
    return listIndex == kDirectionZero ? DirectionAction::LockAtZero : DirectionAction::UnlockAndSelect;
}

} // namespace kl
