#pragma once

#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QWidget>

#include "platform/Forms.h"
#include "support/ScriptedMessageBoxes.h"

namespace kl::testing {

// Same look in every window test: Fusion style and the Japanese font substitute.
void prepareWidgetTests();

// Runs the deferred deletions of unloaded windows.
inline void flushUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The name of a window that is still alive, or empty when none is.
QString leftoverForm();

// A fresh program context whose message boxes are scripted; one per test.
struct FormTestContext {
    FormTestContext();
    ~FormTestContext();
    ScriptedMessageBoxes boxes;
    std::unique_ptr<AppContext> ctx;
};

// A control by name; a missing one stops the test with its name.
template <class T> T& need(QWidget& form, const QString& name) {
    T* c = form.findChild<T*>(name);
    if (c == nullptr) {
        qFatal("missing control %s", qPrintable(name));
    }
    return *c;
}

} // namespace kl::testing
