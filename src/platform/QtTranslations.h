#pragma once

#include <QLibraryInfo>
#include <QString>

namespace kl::platform {

// Installs Qt's own texts in Japanese (the file and print dialogs, the buttons of the message boxes, the
// system's reasons in failure messages), whatever language the system is set to: the whole interface is
// Japanese. They are read from `folder`, Qt's translations folder unless told otherwise. False when
// there is no application yet or the file is not there; Qt's texts then stay English.
bool installQtTranslations(const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

} // namespace kl::platform
