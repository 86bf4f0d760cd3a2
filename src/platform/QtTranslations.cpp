#include "QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace kl::platform {

namespace {

bool install(const QString& file, const QString& folder) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        return false;
    }
    // Lives as long as the application, which keeps using it.
    auto* translator = new QTranslator(app);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QLocale japaneseLocale() {
    return QLocale(QLocale::Japanese, QLocale::Japan);
}

void useJapaneseLocale() {
    QLocale::setDefault(japaneseLocale());
}

bool installQtTranslations(const QString& folder) {
    return install(u"qtbase_ja"_s, folder);
}

QString programTranslationsFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(KL_TRANSLATIONS_FROM_PROGRAM));
}

bool installProgramTranslations(const QString& folder) {
    return install(u"kavor_lintep_ja"_s, folder);
}

} // namespace kl::platform
