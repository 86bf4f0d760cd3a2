#pragma once

#include <QString>

namespace kl {

// Why the system refused a file operation, in the program's language. The errors a save or a read can meet
// have texts of the program's own; the system's own texts come in the system's language, which need not be
// Japanese. Any other error is named by its number.
QString systemReason(int errnum);

// The same for a reason Qt has already put into words (QFileDevice::errorString()): the system's text of
// an error becomes the program's; Qt's own reasons, which its translation gives in Japanese, are kept.
QString systemReason(const QString& qtReason);

} // namespace kl
