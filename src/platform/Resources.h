#pragma once

#include <optional>

#include <QByteArray>
#include <QStringView>

namespace kl::platform {

// The program's own resources, looked up by type and numeric id as the windows ask for them. Empty
// when the program has no such resource; the caller decides what a missing one means.
std::optional<QByteArray> loadResource(QStringView type, int id);

// The built-in pictures are all of the type "CUSTOM".
inline std::optional<QByteArray> loadCustomResource(int id) {
    return loadResource(u"CUSTOM", id);
}

} // namespace kl::platform
