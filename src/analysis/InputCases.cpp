#include "InputCases.h"

#include <array>

namespace kl {

namespace {

InputCase makeCase(int number, bool rearBeforeFromFront, bool rearAfterFromFront) {
    InputCase c;
    c.number = number;
    c.rearBeforeFromFront = rearBeforeFromFront;
    c.rearAfterFromFront = rearAfterFromFront;
    const auto add = [&c](SizeBlock block, bool wheelFromFront) {
        if (!wheelFromFront) {
            for (SizePart part :
                 {SizePart::RimDiameter, SizePart::RimWidth, SizePart::Direction, SizePart::Offset}) {
                c.requiredFields.push_back(sizeField(block, part));
            }
        }
        c.requiredFields.push_back(sizeField(block, SizePart::SectionWidth));
        c.requiredFields.push_back(sizeField(block, SizePart::AspectRatio));
    };
    add(SizeBlock::BeforeFront, false);
    add(SizeBlock::BeforeRear, rearBeforeFromFront);
    add(SizeBlock::AfterFront, false);
    add(SizeBlock::AfterRear, rearAfterFromFront);
    for (WheelPosition w : kAllWheels) {
        for (ClearanceKind k : kAllClearanceKinds) {
            c.requiredFields.push_back(clearanceField(w, k));
        }
    }
    return c;
}

} // namespace

SizeBlock InputCase::wheelSourceOf(SizeBlock block) const {
    if (block == SizeBlock::BeforeRear && rearBeforeFromFront) {
        return SizeBlock::BeforeFront;
    }
    if (block == SizeBlock::AfterRear && rearAfterFromFront) {
        return SizeBlock::AfterFront;
    }
    return block;
}

std::optional<InputCase> selectInputCase(bool rearBeforeSameAsFront, bool rearAfterSameAsFront,
                                         const std::function<bool(InputField)>& isFilled) {
    static const std::array<InputCase, 4> cases{makeCase(1, false, false), makeCase(2, true, false),
                                                makeCase(3, false, true), makeCase(4, true, true)};
    for (const InputCase& c : cases) {
        const bool boxesMatch =
            rearBeforeSameAsFront == c.rearBeforeFromFront && rearAfterSameAsFront == c.rearAfterFromFront;
        bool allFilled = true;
        for (InputField f : c.requiredFields) {
            allFilled = isFilled(f) && allFilled;
        }
        if (boxesMatch && allFilled) {
            return c;
        }
    }
    return std::nullopt;
}

} // namespace kl
