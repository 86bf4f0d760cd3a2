#include "WholeFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "common/SystemReasons.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

WholeFileRead refused(const QString& reason) {
    return {QByteArray(), reason};
}

QString notAPlainFile() {
    return u"通常のファイルではありません"_s;
}

QString tooLarge() {
    return u"ファイルが大きすぎます"_s;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

QString fileFailureMessage(const QString& headline, const QString& place, const QString& path,
                           const QString& reason) {
    return headline + u"\u3000\u3000\n\n"_s + place + u"："_s + QDir::toNativeSeparators(path) +
           u"\n理由："_s + reason;
}

} // namespace

bool writeAll(QIODevice& device, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered: a buffered write that fails when the buffer is flushed at commit goes unnoticed by
    // the commit in this Qt. Writing on after a short write gets the system's own reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return systemReason(file.errorString());
    }
    if (!writeAll(file, bytes)) {
        const QString reason = systemReason(file.errorString());
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return systemReason(file.errorString());
    }
    return std::nullopt;
}

WholeFileRead readWholeFile(const QString& path, qsizetype limit) {
    if (path.isEmpty() || path.contains(QChar(0))) {
        return refused(systemReason(ENOENT));
    }
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened, so that no device is ever opened; the check after opening covers a
    // name that was swapped in between.
    struct stat before {};
    if (::stat(name.constData(), &before) != 0) {
        return refused(systemReason(errno));
    }
    if (!S_ISREG(before.st_mode)) {
        return refused(notAPlainFile());
    }
    int fd = -1;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return refused(systemReason(errno));
    }
    const Descriptor file(fd);
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) {
        return refused(systemReason(errno));
    }
    if (!S_ISREG(opened.st_mode)) {
        return refused(notAPlainFile());
    }
    if (opened.st_size > limit) {
        return refused(tooLarge());
    }
    // Read to its end, whatever the size said: the file may have grown since.
    QByteArray bytes;
    char chunk[16 * 1024];
    for (;;) {
        const ssize_t n = ::read(file.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return refused(systemReason(errno));
        }
        if (n == 0) {
            break;
        }
        if (bytes.size() + n > limit) {
            return refused(tooLarge());
        }
        bytes.append(chunk, n);
    }
    return {bytes, std::nullopt};
}

QString fileSaveFailureMessage(const QString& headline, const QString& path, const QString& reason) {
    return fileFailureMessage(headline, u"保存先"_s, path, reason);
}

QString fileReadFailureMessage(const QString& headline, const QString& path, const QString& reason) {
    return fileFailureMessage(headline, u"ファイル"_s, path, reason);
}

QString unwritableCharacterMessage(const QString& headline, char32_t character) {
    const QString code = u"U+"_s + QString::number(uint(character), 16).toUpper().rightJustified(4, u'0');
    // A line end or another control code has nothing to show between the brackets.
    const QString named =
        QChar::isPrint(character) ? u"「%1」(%2)"_s.arg(QString::fromUcs4(&character, 1), code) : code;
    return headline + u"\u3000\u3000\n\n"_s + named +
           u" はファイルに書き込めない文字です。この文字を除いてから、もう一度保存して下さい。"_s;
}

} // namespace kl
