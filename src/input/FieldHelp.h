#pragma once

#include <cstddef>
#include <vector>

#include <QString>

#include "common/InputRecord.h"

namespace kl {

// The three picture places of the data-entry window's help panel, by what they show.
enum class HelpImage { TyreMarking, WheelMarking, Figure };

// The built-in pictures the help panel shows, by resource id.
enum class HelpPicture {
    TyreNotation = 119,
    WheelNotation = 162,
    FigureA = 163,
    FigureB = 164,
    FigureC = 165,
};

// One step of a picture set; positions and heights in twips inside the help panel.
struct HelpStep {
    enum class Op {
        Clear,     // no picture
        Show,      // load `picture`
        Move,      // to left, top; the size stays
        SetHeight, // height
    };
    Op op;
    HelpImage image;
    HelpPicture picture = HelpPicture::TyreNotation;
    int left = 0;
    int top = 0;
    int height = 0;

    friend bool operator==(const HelpStep&, const HelpStep&) = default;
};

enum class PictureSet { Rim, Offset, TyreWidth, Aspect, FigureB, FigureC, None };

// The steps of a set, in the order they run.
const std::vector<HelpStep>& pictureSetSteps(PictureSet set);

// The help of one input field: what the panel shows when the field takes the focus.
struct FieldHelp {
    PictureSet pictures = PictureSet::None;
    QString text; // CR LF line breaks
};

// The help of each of the 36 fields; the buttons have none.
const FieldHelp& fieldHelp(InputField field);

// The help of both same-as-front boxes.
const FieldHelp& sameAsFrontHelp();

} // namespace kl
