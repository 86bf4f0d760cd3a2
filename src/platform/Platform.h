#pragma once

#include "Clock.h"
#include "FileDialogs.h"
#include "HelpViewer.h"
#include "MessageBoxes.h"
#include "Pause.h"
#include "Printers.h"
#include "Processes.h"
#include "Registry.h"
#include "TempFiles.h"

namespace kl::platform {

// The operating-system services a window may use. Each refers to a real implementation in the program
// and to a scripted double in tests; whoever owns the services outlives every window. All are required:
// there is no way to make a Platform with a service missing.
struct Platform {
    MessageBoxes& messageBoxes;
    TempFiles& tempFiles;
    FileDialogs& fileDialogs;
    Clock& clock;
    Pause& pause;
    Printers& printers;
    HelpViewer& helpViewer;
    Registry& registry;
    Processes& processes;
};

} // namespace kl::platform
