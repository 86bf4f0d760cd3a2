#include "Forms.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QMetaObject>

namespace kl {

Form::Form(AppContext& context) : QWidget(nullptr), m_context(context) {}

Form::~Form() = default;

void Form::Unload() {
    m_context.forms().unload(this);
}

void Form::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void Form::closeEvent(QCloseEvent* event) {
    // The title-bar close button unloads the window without a question.
    event->accept();
    Unload();
}

FormRegistry::FormRegistry(AppContext& context) : m_context(context), m_guard(std::make_unique<QObject>()) {}

FormRegistry::~FormRegistry() {
    for (auto& [key, form] : m_forms) {
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

void FormRegistry::load(std::type_index key, std::unique_ptr<Form> form) {
    Form* raw = form.release();
    if (raw->objectName().isEmpty()) {
        // Windows are known by their class name, as in the messages that name a control.
        QString name = QString::fromLatin1(raw->metaObject()->className());
        raw->setObjectName(name.mid(name.lastIndexOf(u':') + 1));
    }
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
    for (auto it = m_forms.begin(); it != m_forms.end(); ++it) {
        if (it->second.data() == form) {
            m_forms.erase(it);
            break;
        }
    }
    form->hide();
    // Deleted once the event that unloads it has finished: the command may still be inside it.
    form->deleteLater();
    scheduleEndCheck();
}

void FormRegistry::unloadAll() {
    while (!m_forms.empty()) {
        Form* f = m_forms.begin()->second.data();
        if (f == nullptr) {
            m_forms.erase(m_forms.begin());
            continue;
        }
        unload(f);
    }
}

bool FormRegistry::anyLoaded() const {
    for (const auto& [key, form] : m_forms) {
        if (!form.isNull()) {
            return true;
        }
    }
    return false;
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

AppContext::AppContext(platform::Platform platform)
    : m_platform(platform), m_forms(std::make_unique<FormRegistry>(*this)) {}

AppContext::~AppContext() = default;

} // namespace kl
