#include "Resources.h"

#include <QFile>
#include <QString>

using namespace Qt::StringLiterals;

// The pictures live in a static library: naming their initialiser makes the linker keep them.
static void registerBuiltInPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace kl::platform {

std::optional<QByteArray> loadResource(QStringView type, int id) {
    registerBuiltInPictures();
    // A type with a separator could reach other parts of the resource tree.
    if (type.isEmpty() || type.contains(u'/') || id <= 0) {
        return std::nullopt;
    }
    QFile file(u":/"_s + type.toString() + u"/"_s + QString::number(id));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace kl::platform
