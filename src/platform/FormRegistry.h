#pragma once

#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include <QObject>
#include <QPointer>

#include "Form.h"

namespace kl {

class AppContext;

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

} // namespace kl
