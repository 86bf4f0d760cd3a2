#pragma once

#include <array>

#include "common/InputRecord.h"
#include "input/FieldHelp.h"
#include "input/InputFile.h"

class QAction;
class QWidget;

namespace kl {

class CheckBox;
class ComboBox;
class CommandButton;
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

// The pictures the load step shows once: the banner, the maker's logo and the frames' headings.
struct Form2Pictures {
    ImageBox& banner;
    ImageBox& logo;
    std::array<ImageBox*, 4> tyreHeadings; // by SizeBlock
    ImageBox& beforeHeading;
    ImageBox& afterHeading;
    ImageBox& helpHeading;

    ImageBox& tyreHeading(SizeBlock b) const { return *tyreHeadings[static_cast<std::size_t>(b)]; }
};

// The fields of the data-entry window, found once by their names right after the window is built. The
// window's reactions and commands, the analysis and the input file reach the fields only through it.
struct Form2Fields {
    std::array<SizeBlockFields, 4> blocks;        // by SizeBlock
    std::array<ClearanceFields, 4> clearances;    // by WheelPosition
    std::array<SameAsFrontFields, 2> sameAsFront; // the old rear block's, the new rear block's
    HelpPanelFields help;
    CommandButton& okButton;    // "O K"
    CommandButton& clearButton; // "データクリア"
    Form2Pictures pictures;

    const SizeBlockFields& block(SizeBlock b) const { return blocks[static_cast<std::size_t>(b)]; }
    TextBox& clearance(WheelPosition wheel, ClearanceKind kind) const;
    // The box of a rear block; null for a front block.
    const SameAsFrontFields* sameAsFrontOf(SizeBlock b) const;

    // The control of one of the 36 fields, a list or a typed box.
    QWidget& control(InputField f) const;
    // The typed box of an offset or a clearance.
    TextBox& typedBox(InputField f) const;

    // Every field as the window holds it now.
    InputRecord record() const;

    // The 36 values as the input file keeps them, in file order.
    InputValues inputValues() const;
    // Shows an input file's values, field by field in file order, so that each direction's reaction runs
    // before its offset is written. A typed box takes its text; a list chooses the item of that text, and
    // a value that is not among the items, or an empty direction, keeps the list's choice.
    void showInputValues(const InputValues& values) const;
    // Empties every field: no list has a choice, no typed box a text.
    void clearValues() const;

private:
    // The list of a size field; null for an offset or a clearance, which are typed.
    ComboBox* list(InputField f) const;
};

// Finds the fields of a data-entry window. A missing one is a fault of the program: it throws
// MissingControl with the window's and the field's name.
Form2Fields resolveForm2Fields(const Form& window);

} // namespace kl
