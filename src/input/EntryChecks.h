#pragma once

#include <array>
#include <cstddef>

#include <QString>
#include <QStringView>
#include <Qt>

#include "common/InputRecord.h"

namespace kl {

// The sixteen typed boxes of the data-entry window: the four offsets, then the twelve clearances
// (FL, FR, RL, RR, each pull-in, upper, fore-aft), each with the line its key message ends with.
struct TypedBoxLine {
    InputField field;
    QStringView fieldLine; // its two ideographic spaces included
};
inline constexpr std::size_t kTypedBoxCount = 16;
const std::array<TypedBoxLine, kTypedBoxCount>& typedBoxes();

// True when every character is a half-width digit, a comma or a point; the empty text passes.
bool IsNumericText(QStringView text);

// What the key filter does with one key press.
enum class KeyVerdict {
    Pass, // the box takes the key (a digit, ".", backspace, Ctrl+C/V/X/L, Enter, or a key that types nothing)
    Drop, // the key types a character the box must not take: dropped, with the message
    Ignore, // a key held with Alt or Super/Meta: it types nothing and says nothing
};

// The key filter's rule for a key press, from the key, its modifiers and the text it would type. Every
// key that types a character is judged by that character's code as the original program saw it: Ctrl
// with a letter types the control code of the letter (Ctrl+Z 26, Ctrl+A 1), Escape types 27. Keys that
// type nothing (arrows, Delete, Tab, function keys, the modifier keys alone) pass. A key held with Alt or
// Super/Meta never types: the menus' access keys are taken before the box sees them, and every other one
// is ignored.
KeyVerdict NumericKeyFilter(int key, Qt::KeyboardModifiers modifiers, QStringView text);

// The texts of the two checks' message boxes; both OK only, with the exclamation icon and the program's
// title.
QString KeyFilterMessage(QStringView fieldLine);
QString PasteCheckMessage();

} // namespace kl
