#pragma once

#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QWidget>

#include "platform/AppContext.h"
#include "platform/Platform.h"
#include "platform/TempFiles.h"
#include "support/ScriptedClock.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedHelpViewer.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedPrinters.h"
#include "support/ScriptedProcesses.h"
#include "support/ScriptedRegistry.h"

namespace kl::testing {

// Same look in every window test: the program's style and the Japanese font substitute.
void prepareWidgetTests();

// Empty when the font that the layouts' sizes are measured with is installed; else what to install.
QString missingLayoutFont();

// Runs the deferred deletions of unloaded windows.
inline void flushUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Cancels the real dialogs still open, the innermost first, so that a test whose dialog was not closed by
// its answer fails instead of waiting on it.
void cancelOpenDialogs();

// The name of a window that is still alive, or empty when none is.
QString leftoverForm();

// Every service of the platform as a double (temporary files are real: the system's temporary folder).
struct TestPlatform {
    ScriptedMessageBoxes boxes;
    platform::TempFiles tempFiles;
    ScriptedFileDialogs fileDialogs;
    FixedClock clock;
    RecordingPause pause;
    ScriptedPrinters printers;
    ScriptedHelpViewer helpViewer;
    ScriptedRegistry registry;
    ScriptedProcesses processes;

    platform::Platform services() {
        return {boxes, tempFiles, fileDialogs, clock, pause, printers, helpViewer, registry, processes};
    }
};

// A fresh program context with every service scripted; one per test. The destructor unloads what the test
// left loaded.
struct FormTestContext : TestPlatform {
    FormTestContext();
    ~FormTestContext();
    FormTestContext(const FormTestContext&) = delete;
    FormTestContext& operator=(const FormTestContext&) = delete;
    std::unique_ptr<AppContext> ctx;
};

// Ways between windows for a context whose windows never take one: any use stops the test.
WindowRoutes& noRoutes();

// A control by name; a missing one stops the test with its name.
template <class T> T& need(QWidget& form, const QString& name) {
    T* c = form.findChild<T*>(name);
    if (c == nullptr) {
        qFatal("missing control %s", qPrintable(name));
    }
    return *c;
}

} // namespace kl::testing
