#pragma once

#include <QLibraryInfo>
#include <QLocale>
#include <QString>

namespace kl::platform {

// The program's language and conventions: Japanese as used in Japan, whatever the system is set to.
QLocale japaneseLocale();

// Makes it Qt's default locale, which Qt's dialogs follow for the names of file types and their numbers
// (the file list's sizes and dates follow the system's locale; the file dialogs write those themselves).
void useJapaneseLocale();

// Installs Qt's own texts in Japanese (the file and print dialogs, the buttons of the message boxes, the
// system's reasons in failure messages), whatever language the system is set to: the whole interface is
// Japanese. They are read from `folder`, Qt's translations folder unless told otherwise. False when
// there is no application yet or the file is not there; Qt's texts then stay English.
bool installQtTranslations(const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

// Where the program keeps its own translation: its data folder, found from the program's folder.
QString programTranslationsFolder();

// Installs the program's Japanese for those of Qt's texts that Qt's translation lacks, from `folder`.
// Installed after Qt's, it is looked at first. False when there is no application yet or the file is
// not there.
bool installProgramTranslations(const QString& folder = programTranslationsFolder());

} // namespace kl::platform
