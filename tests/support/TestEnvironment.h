#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

namespace kl::testing {

// Same look in every window test: Fusion style and the Japanese font substitute.
void prepareWidgetTests();

// Runs the deferred deletions of unloaded windows.
inline void flushUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace kl::testing
