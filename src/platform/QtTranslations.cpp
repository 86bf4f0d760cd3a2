#include "QtTranslations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace kl::platform {

bool installQtTranslations(const QString& folder) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        return false;
    }
    // Lives as long as the application, which keeps using it.
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_ja"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace kl::platform
