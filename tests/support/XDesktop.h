#pragma once

#include <sys/types.h>

#include <chrono>
#include <vector>

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <QtTest>

struct xcb_connection_t;

namespace kl::testing {

// A desktop of the test's own: an X server (Xvfb on a display that was free) with a window manager
// (openbox) on it. Both are stopped by their process ids when the desktop goes. Start it before the
// QApplication, which connects to the display it names.
class XDesktop {
public:
    // Starts Xvfb and openbox and waits until the window manager runs; ready() says whether it came up.
    static XDesktop start();
    // On the xcb platform (QT_QPA_PLATFORM=xcb) a desktop of its own, with DISPLAY set to it; on any
    // other platform nothing is started and the desktop is ready at once.
    static XDesktop forPlatform();

    XDesktop(XDesktop&& other) noexcept;
    XDesktop& operator=(XDesktop&&) = delete;
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;
    ~XDesktop();

    bool ready() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    // ":N", or empty when no X server was started.
    QString display() const { return m_display; }

    // The desktop that the running test program started, if any.
    static XDesktop* current();

    // What `widget`'s window shows on the screen now: asked of the X server through a connection of this
    // desktop's own, as any other program sees it, when a desktop runs; else the platform's screen grab.
    // A window that is not on the screen gives a null image.
    static QImage grabFromScreen(const QWidget& widget);

    // What the X server holds now for `widget`'s window, asked through this desktop's own connection; all
    // empty when no desktop runs or the property is not set.
    // The 32-bit values of a property (_MOTIF_WM_HINTS).
    static std::vector<quint32> windowValues(const QWidget& widget, const char* property);
    // The names of the atoms a property lists (_NET_WM_ALLOWED_ACTIONS, _NET_WM_STATE).
    static QStringList windowAtoms(const QWidget& widget, const char* property);
    // The size of the window itself, without the window manager's frame.
    static QSize windowSize(const QWidget& widget);

    // Asks the window manager to add `state` (_NET_WM_STATE_MAXIMIZED_VERT, ...) to the window, as a pager
    // or a key binding does: a client message to the root window, which the window manager may refuse.
    static void requestState(const QWidget& widget, const char* state, const char* second = nullptr);

private:
    XDesktop() = default;
    void stop();
    bool waitForWindowManager(int timeoutMs);
    bool waitUntilManaging(std::chrono::steady_clock::time_point deadline);
    // The current desktop's connection, or null.
    static xcb_connection_t* currentConnection();

    pid_t m_server = -1;
    pid_t m_windowManager = -1;
    QString m_display;
    QString m_error;
    xcb_connection_t* m_connection = nullptr;
};

} // namespace kl::testing

// QTEST_MAIN for a window test that also runs on the xcb platform: there it first starts a desktop of its
// own, which lives until the test program ends.
#define KL_QTEST_MAIN_WITH_DESKTOP(TestObject)                                                               \
    QTEST_MAIN_WRAPPER(                                                                                      \
        TestObject, const ::kl::testing::XDesktop klDesktop = ::kl::testing::XDesktop::forPlatform();        \
        if (!klDesktop.ready()) {                                                                            \
            qCritical("no desktop for the test: %s", qPrintable(klDesktop.error()));                         \
            return 1;                                                                                        \
        } QTEST_MAIN_SETUP())
