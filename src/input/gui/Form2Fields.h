#pragma once

#include <array>

#include "common/InputRecord.h"
#include "input/FieldHelp.h"

class QAction;
class QWidget;

namespace kl {

class CheckBox;
class ComboBox;
class Form;
class ImageBox;
class Label;
class TextBox;

// One wheel-and-tyre block of the data-entry window.
struct SizeBlockFields {
    ComboBox& rimDiameter;
    ComboBox& rimWidth;
    ComboBox& direction;
    TextBox& offset;
    ComboBox& sectionWidth;
    ComboBox& aspectRatio;
};

// One wheel's three measured clearances.
struct ClearanceFields {
    TextBox& hikikomi;
    TextBox& joubu;
    TextBox& zengo;
};

// The same-as-front box of a rear block, which governs its rim, direction and offset, and the Settings
// menu item that toggles it.
struct SameAsFrontFields {
    SizeBlock block;
    CheckBox& box;
    QAction& menuItem;
};

// The help panel: its three picture places and its text.
struct HelpPanelFields {
    ImageBox& tyreMarking;
    ImageBox& wheelMarking;
    ImageBox& figure;
    Label& text;

    ImageBox& image(HelpImage which) const;
};

// The fields of the data-entry window, found once by their names right after the window is built. The
// window's reactions and commands, the analysis and the input file reach the fields only through it.
struct Form2Fields {
    std::array<SizeBlockFields, 4> blocks;        // by SizeBlock
    std::array<ClearanceFields, 4> clearances;    // by WheelPosition
    std::array<SameAsFrontFields, 2> sameAsFront; // the old rear block's, the new rear block's
    HelpPanelFields help;

    const SizeBlockFields& block(SizeBlock b) const { return blocks[static_cast<std::size_t>(b)]; }
    TextBox& clearance(WheelPosition wheel, ClearanceKind kind) const;
    // The box of a rear block; null for a front block.
    const SameAsFrontFields* sameAsFrontOf(SizeBlock b) const;

    // The control of one of the 36 fields: a list or a typed box, the other one null.
    ComboBox* list(InputField f) const;
    TextBox* typedBox(InputField f) const;
    QWidget& control(InputField f) const;

    // Every field as the window holds it now.
    InputRecord record() const;
};

// Finds the fields of a data-entry window. A missing one is a fault of the program: it throws
// MissingControl with the window's and the field's name.
Form2Fields resolveForm2Fields(const Form& window);

} // namespace kl
