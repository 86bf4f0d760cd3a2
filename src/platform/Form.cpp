#include "Form.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMetaObject>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/AppContext.h"
#include "platform/Controls.h"
#include "platform/QtTranslations.h"
#include "platform/Resources.h"

using namespace Qt::StringLiterals;

namespace kl {

Form::Form(AppContext& context) : QWidget(nullptr), m_context(context) {
    m_client = new QWidget(this);
    m_client->setObjectName(u"client"_s);
}

Form::~Form() {
    // The controls go after this, and the focus leaving them must not reach a window that is half gone.
    disconnect(m_focusWatch);
}

void Form::setUpWindow(const WindowSpec& desc, const std::vector<ControlSpec>& controls) {
    m_spec = desc;
    switch (desc.style) {
    case WindowStyle::Main:
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
        break;
    case WindowStyle::Dialog:
        // A dialog window: owned by the window that opened it and without a taskbar button of its own.
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
        break;
    case WindowStyle::Splash:
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
        break;
    }
    setWindowTitle(desc.caption);
    setFont(uiGothic(9));
    if (desc.back) {
        // The client area takes the window's colour; the menu bar and the status bar keep the system's.
        QPalette p = m_client->palette();
        p.setColor(QPalette::Window, desc.back->toColor());
        m_client->setPalette(p);
        m_client->setAutoFillBackground(true);
    }
    if (desc.icon) {
        // Every window wears the same icon: it is decoded once.
        static const QImage icon = [] {
            const auto bytes = platform::loadResource(u"ICON", 1);
            return bytes ? QImage::fromData(*bytes) : QImage();
        }();
        if (!icon.isNull()) {
            setWindowIcon(QIcon(QPixmap::fromImage(icon)));
        }
    }

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setSizeConstraint(QLayout::SetFixedSize);
    if (!desc.menus.empty()) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setObjectName(u"menuBar"_s);
        buildMenus(*m_menuBar, desc.menus);
        column->setMenuBar(m_menuBar);
    }
    m_client->setFixedSize(twips(desc.clientWidth), twips(desc.clientHeight));
    column->addWidget(m_client);

    buildControls(*m_client, controls);

    if (desc.statusBar) {
        m_statusBar = new StatusBar(m_client, *desc.statusBar, m_context.platform().clock);
        constexpr int height = 270;
        m_statusBar->setGeometry(0, twips(desc.clientHeight - height), twips(desc.clientWidth),
                                 twips(height));
    }
    applyTabOrder();
    showDefaultButton();
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if ((old != nullptr && old->window() == this) || (now != nullptr && now->window() == this)) {
            showDefaultButton();
        }
    });
    adjustSize();
}

// As in a dialog: a button that has the focus takes Enter and looks it; otherwise the window's default
// button does. Qt keeps this up only inside a QDialog: elsewhere a button drops the look when it loses the
// focus, and the default button never gets it back.
void Form::showDefaultButton() {
    QPushButton* shown = qobject_cast<QPushButton*>(focusWidget());
    if (shown == nullptr || !shown->autoDefault()) {
        shown = m_spec.defaultButton.isEmpty() ? nullptr
                                               : m_client->findChild<QPushButton*>(m_spec.defaultButton);
    }
    for (QPushButton* button : m_client->findChildren<QPushButton*>()) {
        button->setDefault(button == shown);
    }
}

void Form::applyTabOrder() {
    if (m_spec.tabOrder.isEmpty()) {
        return;
    }
    // The controls by name, found in one walk through the client area.
    const QList<QWidget*> all = m_client->findChildren<QWidget*>();
    QHash<QString, QWidget*> byName;
    byName.reserve(all.size());
    for (QWidget* w : all) {
        if (!byName.contains(w->objectName())) {
            byName.insert(w->objectName(), w);
        }
    }
    std::vector<QWidget*> chain;
    QSet<QWidget*> listed;
    for (const QString& name : m_spec.tabOrder) {
        QWidget* w = byName.value(name);
        if (w == nullptr) {
            throw MissingControl(objectName(), name);
        }
        chain.push_back(w);
        listed.insert(w);
    }
    // Only the listed controls are reached with Tab.
    for (QWidget* w : all) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && !w->objectName().isEmpty() && !listed.contains(w)) {
            w->setFocusPolicy(Qt::ClickFocus);
        }
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
    chain.front()->setFocus();
}

void Form::keyPressEvent(QKeyEvent* event) {
    QString target;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        target = m_spec.defaultButton;
    } else if (event->key() == Qt::Key_Escape) {
        target = m_spec.cancelButton;
    }
    if (!target.isEmpty()) {
        auto* button = m_client->findChild<QAbstractButton*>(target);
        if (button != nullptr && button->isEnabled()) {
            event->accept();
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void Form::showEvent(QShowEvent* event) {
    if (m_spec.centred && !event->spontaneous()) {
        centreOnScreen();
    }
    QWidget::showEvent(event);
}

void Form::showModal(QWidget* owner) {
    QPointer<Form> self(this);
    QEventLoop loop;
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    setWindowModality(Qt::ApplicationModal);
    if (owner != nullptr) {
        winId();
        if (QWindow* mine = windowHandle(); mine != nullptr && owner->window()->windowHandle() != nullptr) {
            mine->setTransientParent(owner->window()->windowHandle());
        }
    }
    show();
    if (self && !m_unloaded) {
        loop.exec();
    }
}

namespace {

// Waits until the window system shows `window`, or the deadline passes. Only the window system's own
// events and the program's timers run meanwhile; keys and clicks wait until the program takes input again.
void waitUntilExposed(QWindow& window, QDeadlineTimer deadline) {
    struct ExposeWatch : QObject {
        QEventLoop* loop = nullptr;
        bool eventFilter(QObject* /*watched*/, QEvent* event) override {
            if (event->type() == QEvent::Expose) {
                // The event still reaches the window before the loop returns.
                loop->quit();
            }
            return false;
        }
    };
    while (!window.isExposed() && !deadline.hasExpired()) {
        QEventLoop loop;
        ExposeWatch watch;
        watch.loop = &loop;
        window.installEventFilter(&watch);
        QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        window.removeEventFilter(&watch);
    }
}

} // namespace

void Form::Refresh() {
    constexpr int exposeBoundMs = 1000;
    if (QWindow* window = windowHandle(); window != nullptr && isVisible()) {
        waitUntilExposed(*window, QDeadlineTimer(exposeBoundMs));
    }
    repaint();
}

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

} // namespace kl
