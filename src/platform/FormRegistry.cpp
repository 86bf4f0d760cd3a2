#include "FormRegistry.h"

#include <algorithm>

#include <QCoreApplication>
#include <QMetaObject>

#include "platform/AppContext.h"

using namespace Qt::StringLiterals;

namespace kl {

FormRegistry::FormRegistry(AppContext& context) : m_context(context), m_guard(std::make_unique<QObject>()) {}

FormRegistry::~FormRegistry() {
    for (auto& [key, form] : m_forms) {
        delete form.data();
    }
    for (QPointer<Form>& form : m_extras) {
        delete form.data();
    }
}

Form* FormRegistry::find(std::type_index key) const {
    const auto it = m_forms.find(key);
    return it == m_forms.end() ? nullptr : it->second.data();
}

std::unique_ptr<Form> FormRegistry::create(std::type_index key,
                                           const std::function<std::unique_ptr<Form>()>& fallback) {
    const auto it = m_factories.find(key);
    return it != m_factories.end() ? it->second(m_context) : fallback();
}

void FormRegistry::nameAfterClass(Form& form) {
    if (form.objectName().isEmpty()) {
        // Windows are known by their class name, as in the messages that name a control.
        QString name = QString::fromLatin1(form.metaObject()->className());
        form.setObjectName(name.mid(name.lastIndexOf(u':') + 1));
    }
}

void FormRegistry::loadExtra(std::unique_ptr<Form> form) {
    Form* raw = form.release();
    nameAfterClass(*raw);
    m_extras.emplace_back(raw);
    try {
        raw->Form_Load();
    } catch (...) {
        m_extras.pop_back();
        delete raw;
        throw;
    }
}

void FormRegistry::load(std::type_index key, std::unique_ptr<Form> form) {
    Form* raw = form.release();
    nameAfterClass(*raw);
    m_forms[key] = raw;
    try {
        raw->Form_Load();
    } catch (...) {
        m_forms.erase(key);
        delete raw;
        throw;
    }
}

void FormRegistry::unload(Form* form) {
    if (form == nullptr) {
        return;
    }
    if (form->m_unloaded) {
        return;
    }
    form->m_unloaded = true;
    for (auto it = m_forms.begin(); it != m_forms.end(); ++it) {
        if (it->second.data() == form) {
            m_forms.erase(it);
            break;
        }
    }
    std::erase_if(m_extras, [form](const QPointer<Form>& f) { return f.isNull() || f.data() == form; });
    form->hide();
    Q_EMIT form->unloaded();
    // Deleted once the event that unloads it has finished: the command may still be inside it.
    form->deleteLater();
    scheduleEndCheck();
}

void FormRegistry::unloadAll() {
    for (Form* f : loadedForms()) {
        unload(f);
    }
    m_forms.clear();
    m_extras.clear();
}

bool FormRegistry::anyLoaded() const {
    return !loadedForms().empty();
}

std::vector<Form*> FormRegistry::loadedForms() const {
    std::vector<Form*> forms;
    for (const auto& [key, form] : m_forms) {
        if (!form.isNull()) {
            forms.push_back(form.data());
        }
    }
    for (const QPointer<Form>& form : m_extras) {
        if (!form.isNull()) {
            forms.push_back(form.data());
        }
    }
    return forms;
}

void FormRegistry::scheduleEndCheck() {
    QMetaObject::invokeMethod(
        m_guard.get(),
        [this] {
            if (!anyLoaded() && m_onNoneLoaded) {
                m_onNoneLoaded();
            }
        },
        Qt::QueuedConnection);
}

} // namespace kl
