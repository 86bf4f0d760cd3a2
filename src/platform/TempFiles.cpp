#include "TempFiles.h"

#include <cerrno>
#include <cstdint>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace kl::platform {

namespace {

// Each attempt takes the next number, so a name once handed out never comes back. The start is random
// so that two copies of the program rarely try the same names.
std::uint32_t nextNumber() {
    static std::uint32_t next = QRandomGenerator::system()->generate();
    return next++;
}

constexpr int kMaxAttempts = 65536;

} // namespace

std::optional<QString> TempFiles::systemTempDirectory() {
    const QString path = QDir::tempPath();
    if (path.isEmpty() || !QFileInfo(path).isDir()) {
        return std::nullopt;
    }
    return path;
}

std::optional<CreatedFile> TempFiles::createUniqueFile(const QString& directory, const QString& prefix) {
    if (directory.isEmpty() || prefix.contains(u'/') || prefix.contains(QChar(0)) ||
        directory.contains(QChar(0))) {
        return std::nullopt;
    }
    const QDir dir(directory);
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        const QString number = QString::number(nextNumber(), 16).rightJustified(8, u'0').toUpper();
        const QString name = prefix + number + u".tmp"_s;
        const QString path = dir.filePath(name);
        const QByteArray encoded = QFile::encodeName(path);
        int fd = -1;
        do {
            fd = ::open(encoded.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0) {
            // Unbuffered, so that a write that fails says so at once.
            auto file = std::make_unique<QFile>();
            if (!file->open(fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
                ::close(fd);
                ::unlink(encoded.constData());
                return std::nullopt;
            }
            return CreatedFile{path, std::move(file)};
        }
        if (errno != EEXIST) {
            return std::nullopt; // no such directory, no permission, full disk ...
        }
    }
    return std::nullopt;
}

} // namespace kl::platform
