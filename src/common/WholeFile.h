#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace kl {

// Writes `bytes` as the whole file at `path`, or leaves what was there untouched. Empty on success,
// otherwise the system's reason.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace kl
