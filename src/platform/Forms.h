#pragma once

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <typeindex>

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "Platform.h"

class QCloseEvent;

namespace kl {

class AppContext;

class MissingControl : public std::runtime_error {
public:
    MissingControl(const QString& form, const QString& control)
        : std::runtime_error((form + QStringLiteral(".") + control).toStdString()) {}
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

    // A control of this window by its name. A missing control is a fault of the program, not of the
    // user's data, so it throws and the running command reports it.
    template <class T> T& control(const QString& name) const {
        T* c = findChild<T*>(name);
        if (c == nullptr) {
            throw MissingControl(objectName(), name);
        }
        return *c;
    }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& m_context;
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
    void scheduleEndCheck();

    AppContext& m_context;
    std::map<std::type_index, QPointer<Form>> m_forms;
    std::map<std::type_index, std::function<std::unique_ptr<Form>(AppContext&)>> m_factories;
    std::function<void()> m_onNoneLoaded;
    std::unique_ptr<QObject> m_guard; // queued checks die with the registry
};

// What every window can reach: the other windows and the platform's services.
class AppContext {
public:
    explicit AppContext(platform::Platform platform);
    ~AppContext();

    FormRegistry& forms() { return *m_forms; }
    platform::Platform& platform() { return m_platform; }

    // The folder the program runs from; the help file is looked for there.
    QString programFolder;

private:
    platform::Platform m_platform;
    std::unique_ptr<FormRegistry> m_forms;
};

} // namespace kl
