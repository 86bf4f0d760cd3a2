#pragma once

#include <optional>
#include <stdexcept>
#include <vector>

#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "Layout.h"
#include "StatusBar.h"

class QCloseEvent;
class QKeyEvent;
class QMenuBar;
class QShowEvent;

namespace kl {

class AppContext;

class MissingControl : public std::runtime_error {
public:
    MissingControl(const QString& form, const QString& control)
        : std::runtime_error((form + u'.' + control).toStdString()) {}
};

enum class WindowStyle {
    Main,   // fixed single border, title bar with close button only
    Dialog, // fixed dialog border, title bar with close button only, owned by its opener, no taskbar button
    Splash, // no border, no title bar, no taskbar entry
};

// What every window has besides its controls.
struct WindowSpec {
    int clientWidth = 0; // twips, below the menu bar; the status bar lies inside at the bottom
    int clientHeight = 0;
    QString caption;
    WindowStyle style = WindowStyle::Main;
    std::optional<Rgb> back; // empty: the system's button face
    std::vector<MenuSpec> menus;
    std::optional<StatusBarSpec> statusBar;
    QString defaultButton; // Enter presses it wherever the focus is, unless a button has the focus
    QString cancelButton;  // Esc presses it
    QStringList tabOrder;  // controls that take the focus, in order; the first has it when shown
    bool icon = true;      // the program's window icon
    bool centred = true;
};

// A window of the program. There is one instance of each kind; it is loaded by the first touch
// (FormRegistry::get), stays hidden until shown, and is unloaded by being destroyed, so the next
// touch loads it afresh. Values a window keeps outside its controls belong in the context instead.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(AppContext& context);
    ~Form() override;

    AppContext& context() const { return m_context; }

    // The window's load step, run once per load before the touching access completes.
    virtual void Form_Load() {}

    // Discards this window and all its controls.
    void Unload();

    // Places the window in the middle of the primary screen.
    void centreOnScreen();

    // Draws the shown window completely, now. A window manager puts a window on the screen some time after
    // it is shown, and what is painted before then is lost: this waits for that (a second at most), letting
    // no input through, then paints.
    void Refresh();

    // Shows the window modal to `owner` (or to the whole program without one) and returns once the
    // window has been unloaded.
    void showModal(QWidget* owner);

    // The area below the menu bar that holds the controls.
    QWidget& client() const { return *m_client; }
    QMenuBar* menuBar() const { return m_menuBar; }
    StatusBar* statusBar() const { return m_statusBar; }
    const WindowSpec& windowSpec() const { return m_spec; }

    // A control of this window by its name. A missing control is a fault of the program, not of the
    // user's data, so it throws and the running command reports it.
    template <class T> T& control(const QString& name) const {
        T* c = findChild<T*>(name);
        if (c == nullptr) {
            throw MissingControl(objectName(), name);
        }
        return *c;
    }

Q_SIGNALS:
    // Emitted once, when the window is unloaded.
    void unloaded();

protected:
    // Builds the window from its description and its control table; a window's constructor calls it once.
    void setUpWindow(const WindowSpec& desc, const std::vector<ControlSpec>& controls);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class FormRegistry;
    void applyTabOrder();
    void showDefaultButton();

    AppContext& m_context;
    WindowSpec m_spec;
    QWidget* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;
    StatusBar* m_statusBar = nullptr;
    bool m_unloaded = false;
    QMetaObject::Connection m_focusWatch;
};

} // namespace kl
