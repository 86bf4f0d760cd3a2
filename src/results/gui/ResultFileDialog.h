#pragma once

#include <QString>

#include "platform/FileDialogs.h"

namespace kl {

// What the result file's open and save dialogs are asked for: no title, the result file's filter, and its
// pattern in the name field.
inline platform::FileDialogRequest resultFileDialog() {
    using namespace Qt::StringLiterals;
    return {QString(), u"ResultData(*.rdw)"_s, u"*.rdw"_s};
}

} // namespace kl
