#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "common/InputRecord.h"

namespace kl {

// One of the four input cases, chosen from the two same-as-front boxes.
struct InputCase {
    int number = 0; // 1..4
    bool rearBeforeFromFront = false;
    bool rearAfterFromFront = false;
    std::vector<InputField> requiredFields;
    // The block a size's wheel (rim diameter, rim width, direction, offset) is read from: a ticked box
    // reads the rear wheel from the front's fields. The tyre is always read from its own block.
    SizeBlock wheelSourceOf(SizeBlock block) const;
};

// The first case, tried in order 1 to 4, whose box values match and whose fields are all filled.
std::optional<InputCase> selectInputCase(bool rearBeforeSameAsFront, bool rearAfterSameAsFront,
                                         const std::function<bool(InputField)>& isFilled);

} // namespace kl
