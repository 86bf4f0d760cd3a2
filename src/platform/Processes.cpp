#include "Processes.h"

#include <QFileInfo>
#include <QProcess>

namespace kl::platform {

bool SystemProcesses::startDetached(const QString& program, const QStringList& arguments) {
    if (program.isEmpty() || !QFileInfo(program).isAbsolute()) {
        return false;
    }
    return QProcess::startDetached(program, arguments);
}

} // namespace kl::platform
