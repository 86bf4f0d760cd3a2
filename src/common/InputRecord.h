#pragma once

#include <array>
#include <cstddef>

#include <QString>

#include "common/WheelTypes.h"

namespace kl {

// The four wheel-and-tyre sizes of the data-entry window, in reading order.
enum class SizeBlock { BeforeFront, BeforeRear, AfterFront, AfterRear };
inline constexpr std::array<SizeBlock, 4> kAllSizeBlocks{SizeBlock::BeforeFront, SizeBlock::BeforeRear,
                                                         SizeBlock::AfterFront, SizeBlock::AfterRear};

inline constexpr SizeBlock sizeBlockOf(Axle axle, bool after) {
    if (axle == Axle::Front) {
        return after ? SizeBlock::AfterFront : SizeBlock::BeforeFront;
    }
    return after ? SizeBlock::AfterRear : SizeBlock::BeforeRear;
}

inline constexpr bool isRearBlock(SizeBlock b) {
    return b == SizeBlock::BeforeRear || b == SizeBlock::AfterRear;
}

// The six parts of one size, in reading order.
enum class SizePart { RimDiameter, RimWidth, Direction, Offset, SectionWidth, AspectRatio };

// The 36 values of the data-entry window in the order the input file keeps them: the old front size, the
// front wheels' clearances, the old rear size, the rear wheels' clearances, the new front size, the new
// rear size. The clearances of a wheel run pull-in, upper, fore-aft.
enum class InputField {
    BeforeFrontRimDiameter,
    BeforeFrontRimWidth,
    BeforeFrontDirection,
    BeforeFrontOffset,
    BeforeFrontSectionWidth,
    BeforeFrontAspectRatio,
    FLHikikomi,
    FLJoubu,
    FLZengo,
    FRHikikomi,
    FRJoubu,
    FRZengo,
    BeforeRearRimDiameter,
    BeforeRearRimWidth,
    BeforeRearDirection,
    BeforeRearOffset,
    BeforeRearSectionWidth,
    BeforeRearAspectRatio,
    RLHikikomi,
    RLJoubu,
    RLZengo,
    RRHikikomi,
    RRJoubu,
    RRZengo,
    AfterFrontRimDiameter,
    AfterFrontRimWidth,
    AfterFrontDirection,
    AfterFrontOffset,
    AfterFrontSectionWidth,
    AfterFrontAspectRatio,
    AfterRearRimDiameter,
    AfterRearRimWidth,
    AfterRearDirection,
    AfterRearOffset,
    AfterRearSectionWidth,
    AfterRearAspectRatio,
};
inline constexpr std::size_t kInputFieldCount = 36;

namespace detail {
inline constexpr std::array<int, 4> kBlockStart{0, 12, 24, 30}; // by SizeBlock
inline constexpr std::array<int, 4> kWheelStart{6, 9, 18, 21};  // by WheelPosition
} // namespace detail

inline constexpr InputField sizeField(SizeBlock block, SizePart part) {
    return static_cast<InputField>(detail::kBlockStart[static_cast<std::size_t>(block)] +
                                   static_cast<int>(part));
}

inline constexpr InputField clearanceField(WheelPosition wheel, ClearanceKind kind) {
    return static_cast<InputField>(detail::kWheelStart[static_cast<std::size_t>(wheel)] +
                                   static_cast<int>(kind));
}

inline constexpr bool isClearanceField(InputField f) {
    const int i = static_cast<int>(f);
    return (i >= 6 && i < 12) || (i >= 18 && i < 24);
}

// The block and part of a size field.
inline constexpr SizeBlock blockOf(InputField f) {
    const int i = static_cast<int>(f);
    return i < 12
               ? SizeBlock::BeforeFront
               : (i < 24 ? SizeBlock::BeforeRear : (i < 30 ? SizeBlock::AfterFront : SizeBlock::AfterRear));
}
inline constexpr SizePart partOf(InputField f) {
    return static_cast<SizePart>(static_cast<int>(f) -
                                 detail::kBlockStart[static_cast<std::size_t>(blockOf(f))]);
}

// The wheel and kind of a clearance field.
inline constexpr WheelPosition wheelOf(InputField f) {
    const int i = static_cast<int>(f);
    return i < 9 ? WheelPosition::FL
                 : (i < 12 ? WheelPosition::FR : (i < 21 ? WheelPosition::RL : WheelPosition::RR));
}
inline constexpr ClearanceKind kindOf(InputField f) {
    return static_cast<ClearanceKind>(static_cast<int>(f) -
                                      detail::kWheelStart[static_cast<std::size_t>(wheelOf(f))]);
}

static_assert(sizeField(SizeBlock::BeforeRear, SizePart::Direction) == InputField::BeforeRearDirection);
static_assert(sizeField(SizeBlock::AfterRear, SizePart::AspectRatio) == InputField::AfterRearAspectRatio);
static_assert(clearanceField(WheelPosition::FR, ClearanceKind::Zengo) == InputField::FRZengo);
static_assert(clearanceField(WheelPosition::RL, ClearanceKind::Hikikomi) == InputField::RLHikikomi);
static_assert(blockOf(InputField::AfterFrontAspectRatio) == SizeBlock::AfterFront);
static_assert(partOf(InputField::BeforeRearOffset) == SizePart::Offset);
static_assert(wheelOf(InputField::RRJoubu) == WheelPosition::RR &&
              kindOf(InputField::RRJoubu) == ClearanceKind::Joubu);

// The items of an offset-direction list, by list index.
inline constexpr int kDirectionPlus = 0;  // "＋"
inline constexpr int kDirectionMinus = 1; // "－", a negative offset
inline constexpr int kDirectionZero = 2;  // "±", no offset

// One wheel-and-tyre size as the window holds it: the texts of its lists and of its offset box, and the
// chosen item of its offset-direction list (-1 while none is chosen).
struct SizeTexts {
    QString rimDiameter;
    QString rimWidth;
    int direction = -1;
    QString offset;
    QString sectionWidth;
    QString aspectRatio;

    friend bool operator==(const SizeTexts&, const SizeTexts&) = default;
};

// The data-entry window as read once: the four sizes, the twelve measured clearances and the two
// same-as-front boxes of the rear wheels.
struct InputRecord {
    std::array<SizeTexts, 4> sizes; // by SizeBlock
    // FL pull-in, upper, fore-aft, then FR, RL, RR.
    std::array<QString, 12> clearances;
    bool rearBeforeSameAsFront = false;
    bool rearAfterSameAsFront = false;

    SizeTexts& size(SizeBlock b) { return sizes[static_cast<std::size_t>(b)]; }
    const SizeTexts& size(SizeBlock b) const { return sizes[static_cast<std::size_t>(b)]; }
    QString& clearance(WheelPosition w, ClearanceKind k) {
        return clearances[static_cast<std::size_t>(w) * 3 + static_cast<std::size_t>(k)];
    }
    const QString& clearance(WheelPosition w, ClearanceKind k) const {
        return clearances[static_cast<std::size_t>(w) * 3 + static_cast<std::size_t>(k)];
    }

    // A field holds something: its text is not empty, or its direction is chosen.
    bool isFilled(InputField f) const {
        if (isClearanceField(f)) {
            return !clearance(wheelOf(f), kindOf(f)).isEmpty();
        }
        const SizeTexts& s = size(blockOf(f));
        switch (partOf(f)) {
        case SizePart::RimDiameter:
            return !s.rimDiameter.isEmpty();
        case SizePart::RimWidth:
            return !s.rimWidth.isEmpty();
        case SizePart::Direction:
            return s.direction >= 0;
        case SizePart::Offset:
            return !s.offset.isEmpty();
        case SizePart::SectionWidth:
            return !s.sectionWidth.isEmpty();
        case SizePart::AspectRatio:
            return !s.aspectRatio.isEmpty();
        }
        return false;
    }
};

} // namespace kl
