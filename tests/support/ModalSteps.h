#pragma once

#include <functional>

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "platform/AppContext.h"
#include "support/TestEnvironment.h"

namespace kl::testing {

// Runs `step` once the next modal window is up and waiting. If the step leaves that window open, it is
// unloaded after the step, so a failed check can never leave a test waiting on a dialog.
inline void whenModal(std::function<void()> step) {
    QTimer::singleShot(0, qApp, [step = std::move(step)] {
        const QPointer<Form> modal = qobject_cast<Form*>(QApplication::activeModalWidget());
        step();
        if (modal) {
            modal->Unload();
        }
    });
}

// The window that has the keyboard: where a person's key press goes.
inline QWidget* keyTarget(QWidget& window) {
    QWidget* focus = window.focusWidget();
    return focus != nullptr ? focus : &window;
}

} // namespace kl::testing
