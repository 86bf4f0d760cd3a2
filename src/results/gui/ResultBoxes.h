#pragma once

#include <array>

#include <QStringView>

#include "common/WheelTypes.h"
#include "results/ResultFile.h"
#include "windowbase/WheelBoxes.h"

namespace kl {

class Form;
class Label;
class TextBox;

// One axle's tyre diameter row and its comment.
struct AxleBoxes {
    ResultRowBoxes row;
    Label& comment; // JGCOM
};

// One axle's wheel and tyre combination, before and after the change.
struct CombinationBoxes {
    TextBox& before;
    TextBox& after;
};

// The figures, grades and comments of the result window or of the viewer, which share one layout, found
// once by their names right after the window is built. Everything that writes a result goes through it.
struct ResultBoxes {
    std::array<CombinationBoxes, 2> combinations; // front, rear
    std::array<AxleBoxes, 2> axles;               // front, rear
    WheelBoxSet wheels;                           // FL, FR, RL, RR
    TextBox& verdict;

    const CombinationBoxes& combination(Axle a) const { return combinations[indexOf(a)]; }
    const AxleBoxes& axle(Axle a) const { return axles[indexOf(a)]; }
    const WheelBoxes& wheel(WheelPosition w) const { return wheels[indexOf(w)]; }

    // The boxes of the result file's texts, by their places in the record.
    std::array<TextBox*, kResultRecordSize> recordBoxes() const;
    // The texts of those boxes as the window shows them.
    ResultRecord record() const;
    // The 14 grade boxes in the order the verdict reads them: front and rear diameter, then pull-in, upper
    // and fore-aft of FL, FR, RL, RR.
    std::array<TextBox*, 14> gradeBoxes() const;
    // The six comments: front and rear diameter, then FL, FR, RL, RR.
    std::array<Label*, 6> comments() const;
};

// Finds the boxes of a window built from the result layout with the prefix "F4" or "F7". A missing one is
// a fault of the program: it throws MissingControl with the window's and the box's name.
ResultBoxes resolveResultBoxes(const Form& window, QStringView prefix);

} // namespace kl
