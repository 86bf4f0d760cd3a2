#pragma once

#include <QString>

namespace kl {

// The terms of use that the terms-of-use viewer shows: a fixed text of 62 lines joined by CR LF, with no
// line break after the last one.
QString TermsOfUseText();

} // namespace kl
