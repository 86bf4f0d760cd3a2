#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

namespace kl::testing {

// The files a reader must refuse without reading them, each with the reason its message gives: a missing
// file, a folder, an endless device, a FIFO (opening one would wait for a writer) and a file one byte over
// the reader's bound. Adds the columns "name" (in the test's folder unless absolute) and "reason", and a
// row for each; `suffix` is the reader's file-name suffix.
void addUnreadableFileRows(const QString& suffix);

// Makes the folder, the FIFO and the oversized file (`large`, which the test makes one byte over its
// reader's bound) that the rows name, in `dir`. False when one could not be made.
[[nodiscard]] bool makeUnreadableFiles(const QDir& dir, const QString& suffix, const QByteArray& large);

} // namespace kl::testing
