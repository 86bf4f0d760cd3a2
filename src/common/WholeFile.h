#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

class QIODevice;

namespace kl {

// Writes all of `bytes` to `device`, going on after a short write. False at the first write that fails;
// the device's error string then says why.
bool writeAll(QIODevice& device, const QByteArray& bytes);

// Writes `bytes` as the whole file at `path`, or leaves what was there untouched. Empty on success,
// otherwise why not, in Japanese (systemReason).
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);

// What readWholeFile gives: the file's bytes, or why it was not read.
struct WholeFileRead {
    QByteArray bytes;
    std::optional<QString> failure;
};

// Reads the whole of the plain file at `path` when it holds at most `limit` bytes. Anything else is
// refused without waiting: a folder, a device (/dev/zero would never end), a FIFO (opening one would
// wait for a writer), a file larger than `limit`. The failure says why, in Japanese.
WholeFileRead readWholeFile(const QString& path, qsizetype limit);

// The two messages that tell the user a file was not saved or not read: the headline, the file, and
// the reason, in one form for both files.
QString fileSaveFailureMessage(const QString& headline, const QString& path, const QString& reason);
QString fileReadFailureMessage(const QString& headline, const QString& path, const QString& reason);

// The message that tells the user a file was not saved because a text holds `character`, which the file
// cannot keep, and what to do about it.
QString unwritableCharacterMessage(const QString& headline, char32_t character);

} // namespace kl
