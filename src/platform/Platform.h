#pragma once

#include "MessageBoxes.h"
#include "TempFiles.h"

namespace kl::platform {

// The operating-system services a window may use. Each points at a real implementation in the
// program and at a scripted double in tests; the owner of the services outlives every window.
struct Platform {
    MessageBoxes* messageBoxes = nullptr;
    TempFiles* tempFiles = nullptr;
};

} // namespace kl::platform
