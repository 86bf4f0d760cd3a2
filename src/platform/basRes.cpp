#include "platform/basRes.h"

#include <optional>
#include <utility>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include "common/WholeFile.h"
#include "platform/AppContext.h"
#include "platform/ImageBox.h"
#include "platform/Platform.h"
#include "platform/Resources.h"
#include "platform/TempFiles.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

const QString kTempPrefix = u"~rs"_s;

// Reads the file from its start as a picture of whatever format its bytes are in; its name has no
// picture extension.
QImage readPicture(QFile& file) {
    if (!file.seek(0)) {
        return QImage();
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

QString CutAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

bool MakeTempFileName(platform::TempFiles& tempFiles, QString directory, const QString& prefix, QString& name,
                      std::unique_ptr<QFile>* opened) {
    if (directory.isEmpty()) {
        const std::optional<QString> system = tempFiles.systemTempDirectory();
        if (!system) {
            return false;
        }
        directory = *system;
    }
    std::optional<platform::CreatedFile> created = tempFiles.createUniqueFile(CutAtNul(directory), prefix);
    name = created ? CutAtNul(created->path) : QString();
    if (created && opened != nullptr) {
        *opened = std::move(created->file);
    }
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
    std::unique_ptr<QFile> file;
    if (!MakeTempFileName(platform.tempFiles, QString(), kTempPrefix, name, &file)) {
        return showNothing();
    }

    QImage firstImage;
    QImage secondImage;
    if (file != nullptr && writeAll(*file, *bytes) && file->flush()) {
        firstImage = readPicture(*file);
        // Loaded a second time from the same file, as each control holds a picture of its own.
        if (second != nullptr && !firstImage.isNull()) {
            secondImage = readPicture(*file);
        }
    }
    file.reset();
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
