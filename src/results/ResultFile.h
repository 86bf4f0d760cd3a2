#pragma once

#include <array>
#include <optional>
#include <variant>
#include <vector>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "common/WheelTypes.h"

namespace kl {

// The 36 texts a result file keeps, in file order: the four combination texts, the four tyre outer
// diameters, the six clearances of each wheel FL, FR, RL, RR, then the four inner-side shifts.
inline constexpr int kResultRecordSize = 36;
using ResultRecord = std::array<QString, kResultRecordSize>;

// What the viewer reads from a file: the 36 texts and one more, for its verdict box. A file written by
// the save command has 36 fields, so the 37th slot comes back empty.
inline constexpr int kResultFileSlotCount = 37;
using ResultFileSlots = std::array<QString, kResultFileSlotCount>;

// Where the record keeps each text.
inline constexpr int combinationSlot(Axle axle, bool after) {
    return (axle == Axle::Rear ? 2 : 0) + (after ? 1 : 0);
}
inline constexpr int diameterSlot(Axle axle, bool after) {
    return 4 + (axle == Axle::Rear ? 2 : 0) + (after ? 1 : 0);
}
inline constexpr int clearanceSlot(WheelPosition wheel, ClearanceKind kind, bool after) {
    return 8 + 6 * static_cast<int>(wheel) + 2 * static_cast<int>(kind) + (after ? 1 : 0);
}
inline constexpr int shiftSlot(WheelPosition wheel) {
    return 32 + static_cast<int>(wheel);
}

// A text holds a character code page 932 cannot represent; `field` counts from 1.
struct UnencodableCharacter {
    int field = 0;
    char32_t character = 0;
    friend bool operator==(const UnencodableCharacter&, const UnencodableCharacter&) = default;
};

// The whole file in code page 932: per field a double quote, the text with any inner double quote
// doubled, a double quote and CR LF. Texts without double quotes are written exactly as they stand.
// A character that code page 932 cannot hold is refused rather than written as something else.
std::variant<QByteArray, UnencodableCharacter> encodeResultFile(const ResultRecord& record);

// Reads the first 37 fields of a file, whatever lines they stand on. Fields may be quoted (a doubled
// double quote inside stands for one, and the field may run over line ends) or unquoted (taken as they
// stand, without surrounding blanks); they are separated by commas or line ends (CR LF, CR or LF). Each
// field past the end of the file is empty.
ResultFileSlots decodeResultFile(QByteArrayView bytes);

// The bytes of those fields before they are read as text (quotes taken off, a doubled quote undone):
// one for each field the file holds, at most 37.
std::vector<QByteArray> resultFileFields(QByteArrayView bytes);

// Why a save wrote nothing.
struct FileWriteFailure {
    QString path;
    QString reason;
};
using ResultSaveFailure = std::variant<UnencodableCharacter, FileWriteFailure>;

// Writes the file whole or not at all: an existing file stays as it was when anything fails.
std::optional<ResultSaveFailure> writeResultFile(const QString& path, const ResultRecord& record);

// Files larger than this are no result files and are not read: 37 short fields take a few kilobytes.
inline constexpr qsizetype kResultFileReadLimit = 1024 * 1024;

// The message that tells the user the result was not saved, and why.
QString resultSaveFailureMessage(const ResultSaveFailure& failure);

} // namespace kl
