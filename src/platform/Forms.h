#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <typeindex>
#include <vector>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "Layout.h"
#include "Platform.h"
#include "WindowRoutes.h"

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QMenuBar;
class QTimer;

namespace kl {

class AppContext;

class MissingControl : public std::runtime_error {
public:
    MissingControl(const QString& form, const QString& control)
        : std::runtime_error((form + u'.' + control).toStdString()) {}
};

// The status bar of a main window: a text panel, then the current date and time, each panel in twips.
// A text width of 0 lets the text panel take what the date and time leave.
struct StatusBarSpec {
    QString text;
    int textWidth = 0;
    int dateWidth = 1440;
    int timeWidth = 1440;
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

class StatusBar : public QWidget {
    Q_OBJECT
public:
    StatusBar(QWidget* parent, const StatusBarSpec& desc, const platform::Clock& clock);
    QString panelText(int panel) const; // 1 text, 2 date, 3 time
    // Shows the clock's date and time now; a timer does it every second while the bar exists.
    void refresh();

private:
    const platform::Clock& m_clock;
    QLabel* m_panels[3] = {nullptr, nullptr, nullptr};
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

// The controls of a window by name, found in one walk through it, for a step that resolves many names at
// once. A name it cannot give as the kind asked for is looked up as Form::control does, and a missing one
// throws the same way.
class ControlIndex {
public:
    explicit ControlIndex(const Form& window);

    template <class T> T& control(const QString& name) const {
        if (T* c = qobject_cast<T*>(m_byName.value(name))) {
            return *c;
        }
        return m_window.control<T>(name);
    }

private:
    const Form& m_window;
    QHash<QString, QObject*> m_byName; // the first of each name
};

class FormRegistry {
public:
    explicit FormRegistry(AppContext& context);
    ~FormRegistry();
    FormRegistry(const FormRegistry&) = delete;
    FormRegistry& operator=(const FormRegistry&) = delete;

    // The single instance of T, loaded (and its load step run) when it does not exist.
    template <class T> T& get() {
        const std::type_index key(typeid(T));
        if (Form* existing = find(key)) {
            return *static_cast<T*>(existing);
        }
        std::unique_ptr<Form> created = create(key, [this] { return std::make_unique<T>(m_context); });
        T& ref = *static_cast<T*>(created.get());
        load(key, std::move(created));
        return ref;
    }

    // A further instance of T beside the single one (the top menu of the start-up), loaded at once. It is
    // a window of the program like the others: it counts as loaded until it is unloaded.
    template <class T> T& createInstance() {
        auto created = std::make_unique<T>(m_context);
        T& ref = *created;
        loadExtra(std::move(created));
        return ref;
    }

    // The instance of T if it is loaded, without loading it.
    template <class T> T* loaded() const { return static_cast<T*>(find(std::type_index(typeid(T)))); }

    template <class T> void unload() {
        if (T* f = loaded<T>()) {
            unload(f);
        }
    }
    void unload(Form* form);
    void unloadAll();
    bool anyLoaded() const;
    // Every loaded window, single instances and further ones.
    std::vector<Form*> loadedForms() const;

    // Replaces how T is made; tests use it to make a window fail to load.
    template <class T> void setFactory(std::function<std::unique_ptr<Form>(AppContext&)> factory) {
        m_factories[std::type_index(typeid(T))] = std::move(factory);
    }

    // Called once the running command has finished and no window is loaded any more.
    void setOnNoneLoaded(std::function<void()> callback) { m_onNoneLoaded = std::move(callback); }

private:
    Form* find(std::type_index key) const;
    std::unique_ptr<Form> create(std::type_index key, const std::function<std::unique_ptr<Form>()>& fallback);
    void load(std::type_index key, std::unique_ptr<Form> form);
    void loadExtra(std::unique_ptr<Form> form);
    static void nameAfterClass(Form& form);
    void scheduleEndCheck();

    AppContext& m_context;
    std::map<std::type_index, QPointer<Form>> m_forms;
    std::vector<QPointer<Form>> m_extras;
    std::map<std::type_index, std::function<std::unique_ptr<Form>(AppContext&)>> m_factories;
    std::function<void()> m_onNoneLoaded;
    std::unique_ptr<QObject> m_guard; // queued checks die with the registry
};

// Runs one command of a window, as its button or menu item starts it. A control the command needs and the
// window lacks is a fault of the program: the command stops there and the user is told which control it
// was; the program goes on.
void runCommand(Form& window, const std::function<void()>& command);

// What every window can reach: the other windows, the ways to them and the platform's services.
class AppContext {
public:
    AppContext(platform::Platform platform, WindowRoutes& routes);
    ~AppContext();

    FormRegistry& forms() { return *m_forms; }
    platform::Platform& platform() { return m_platform; }
    WindowRoutes& routes() { return m_routes; }

    // The folder the program runs from; the help file is looked for there.
    QString programFolder;

    // The help file's full path as every main window keeps it: the program's folder, the path separator of
    // this platform and the file's name.
    QString helpFilePath() const;

private:
    platform::Platform m_platform;
    WindowRoutes& m_routes;
    std::unique_ptr<FormRegistry> m_forms;
};

} // namespace kl
