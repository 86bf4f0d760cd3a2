#pragma once

#include <memory>
#include <optional>

#include <QFile>
#include <QString>

namespace kl::platform {

// A file just made by TempFiles::createUniqueFile: its full path, and the file itself, open for reading
// and writing. Working through `file` reaches the file that was made, whatever is done to its name since.
struct CreatedFile {
    QString path;
    std::unique_ptr<QFile> file;
};

// Short-lived files for the picture loaders: the system's temporary directory and new files with
// unique names in a directory. The methods are virtual so that tests can watch or refuse them.
class TempFiles {
public:
    virtual ~TempFiles() = default;

    // The system's temporary directory ($TMPDIR, else /tmp); empty when it names no directory.
    virtual std::optional<QString> systemTempDirectory();

    // Creates a new, empty file in `directory` whose name begins with `prefix`, readable and writable by
    // this user alone, and returns it open with its full path. The file is made exclusively (an existing
    // file or link of that name is never opened), and no name is handed out twice in one run, even after
    // its file was deleted. Empty when no file could be made.
    virtual std::optional<CreatedFile> createUniqueFile(const QString& directory, const QString& prefix);
};

} // namespace kl::platform
