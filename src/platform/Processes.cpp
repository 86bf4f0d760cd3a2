#include "Processes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace kl::platform {

namespace {

bool isRunnable(const QString& path) {
    const QFileInfo info(path);
    return info.isAbsolute() && info.isFile() && info.isExecutable();
}

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
        if (QFileInfo(program).isAbsolute()) {
            if (isRunnable(program)) {
                return QFileInfo(program).absoluteFilePath();
            }
            continue;
        }
        if (program.isEmpty() || program.contains(u'/')) {
            continue;
        }
        for (const QString& folder : folders) {
            const QString candidate = QDir(folder).filePath(program);
            if (isRunnable(candidate)) {
                return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
            }
        }
    }
    return std::nullopt;
}

} // namespace kl::platform
