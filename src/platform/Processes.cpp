#include "Processes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace kl::platform {

namespace {

QStringList searchFolders() {
    QStringList folders;
    for (const QString& folder :
         qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder)) {
            folders.append(folder);
        }
    }
    folders.append(u"/usr/bin"_s);
    return folders;
}

} // namespace

bool SystemProcesses::startDetached(const QString& program, const QStringList& arguments) {
    if (program.isEmpty() || !QFileInfo(program).isAbsolute()) {
        return false;
    }
    return QProcess::startDetached(program, arguments);
}

std::optional<QString> findInstalledProgram(const QStringList& programs) {
    const QStringList folders = searchFolders();
    for (const QString& program : programs) {
        // A relative path would be looked for below each folder; only a bare name is searched.
        const bool bareName = !program.isEmpty() && !program.contains(u'/');
        if (!bareName && !QFileInfo(program).isAbsolute()) {
            continue;
        }
        const QString found = QStandardPaths::findExecutable(program, folders);
        if (!found.isEmpty()) {
            return QFileInfo(found).absoluteFilePath();
        }
    }
    return std::nullopt;
}

} // namespace kl::platform
