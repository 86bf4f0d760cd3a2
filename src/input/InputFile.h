#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <variant>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "common/InputRecord.h"

namespace kl {

// How the window holds one value of the input file.
enum class InputFieldKind {
    SizeList,      // a list of sizes: the chosen item is a number's text
    DirectionList, // an offset-direction list: "＋", "－", "±"
    TypedBox,      // an offset or a clearance, typed
};

// One line of the input file: the field it keeps and how the value is written and read.
struct InputFileLine {
    InputField field;
    InputFieldKind kind;
    // Read back as a text and then taken by its leading number, though written as a number.
    bool readAsText;
};

inline constexpr std::size_t kInputFileLineCount = kInputFieldCount;

// The 36 lines in file order: old front, front clearances, old rear, rear clearances, new front, new rear.
// Line i keeps InputField i.
const std::array<InputFileLine, kInputFileLineCount>& inputFileLines();

// The 36 values of the window as it shows them, in file order (indexed by InputField): a list's chosen
// item (empty when none is chosen), a typed box's text.
using InputValues = std::array<QString, kInputFileLineCount>;

// A direction holds a character its line cannot keep between double quotes (the quote itself, CR, LF):
// written, it would end the value early and every later value would be read one line off. `line`
// counts from 1.
struct UnwritableDirection {
    int line = 0;
    char32_t character = 0;
    friend bool operator==(const UnwritableDirection&, const UnwritableDirection&) = default;
};

// The file for these values: a direction in double quotes, every other value as the number its text
// starts with; CR LF after every line; code page 932. A direction the code page cannot hold is written
// as no choice; one that would shift the lines after it is refused.
std::variant<QByteArray, UnwritableDirection> writeInputFile(const InputValues& values);

// What a file asks of each field, in file order: the text a typed box receives, the item text a list
// is to choose (a list that has no such item keeps its choice). A value the file does not hold, or cannot
// give as a number, reads as 0 (a direction as the empty text), as the window has always done.
// Values are separated by line ends or by a comma outside double quotes; a blank line is an empty
// value, and whatever follows the 36th value is ignored.
InputValues readInputFile(QByteArrayView bytes);

// Files larger than this are no input files and are not read (nor past it, by readInputFile): a real
// input file is a few hundred bytes.
inline constexpr qsizetype kInputFileReadLimit = 64 * 1024;

} // namespace kl
