#pragma once

#include <optional>

#include <QString>

namespace kl::platform {

// Short-lived files for the picture loaders: the system's temporary directory and new files with
// unique names in a directory. The methods are virtual so that tests can watch or refuse them.
class TempFiles {
public:
    virtual ~TempFiles() = default;

    // The system's temporary directory ($TMPDIR, else /tmp); empty when it names no directory.
    virtual std::optional<QString> systemTempDirectory();

    // Creates a new, empty file in `directory` whose name begins with `prefix` and returns its full path.
    // The file is made exclusively (an existing file or link of that name is never opened), and no name
    // is handed out twice in one run, even after its file was deleted. Empty when no file could be made.
    virtual std::optional<QString> createUniqueFile(const QString& directory, const QString& prefix);
};

} // namespace kl::platform
