#include "platform/basRes.h"

#include <optional>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include "platform/Forms.h"
#include "platform/ImageBox.h"
#include "platform/Platform.h"
#include "platform/Resources.h"
#include "platform/TempFiles.h"

namespace kl {

namespace {

const QString TempPrefix = QStringLiteral("~rs");

// Reads the file as a picture of whatever format its bytes are in; its name has no picture extension.
QImage readPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    // The platform has just created the file empty; never make a new one here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly)) {
        return false;
    }
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace

QString CutAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

bool MakeTempFileName(platform::TempFiles& tempFiles, QString directory, const QString& prefix,
                      QString& name) {
    if (directory.isEmpty()) {
        const std::optional<QString> system = tempFiles.systemTempDirectory();
        if (!system) {
            return false;
        }
        directory = *system;
    }
    const std::optional<QString> created = tempFiles.createUniqueFile(CutAtNul(directory), prefix);
    name = created ? CutAtNul(*created) : QString();
    return created.has_value();
}

bool LoadResourcePicture(platform::Platform& platform, int id, ImageBox& first, ImageBox* second) {
    const auto showNothing = [&] {
        first.clearPicture();
        if (second != nullptr) {
            second->clearPicture();
        }
        return false;
    };

    const std::optional<QByteArray> bytes = platform::loadCustomResource(id);
    if (!bytes) {
        return showNothing();
    }
    QString name;
    if (!MakeTempFileName(platform.tempFiles, QString(), TempPrefix, name)) {
        return showNothing();
    }

    QImage firstImage;
    QImage secondImage;
    if (writeAll(name, *bytes)) {
        firstImage = readPicture(name);
        // Loaded a second time from the same file, as each control holds a picture of its own.
        if (second != nullptr && !firstImage.isNull()) {
            secondImage = readPicture(name);
        }
    }
    const bool removed = QFile::remove(name);

    if (firstImage.isNull() || (second != nullptr && secondImage.isNull())) {
        return showNothing();
    }
    first.setPicture(QPixmap::fromImage(firstImage));
    if (second != nullptr) {
        second->setPicture(QPixmap::fromImage(secondImage));
    }
    return removed;
}

void loadPictures(Form& window, std::initializer_list<std::pair<int, const char16_t*>> pictures) {
    for (const auto& [id, name] : pictures) {
        // A picture that cannot be shown leaves its control empty; the window loads all the same.
        LoadResourcePicture(window.context().platform(), id,
                            window.control<ImageBox>(QString::fromUtf16(name)));
    }
}

} // namespace kl
