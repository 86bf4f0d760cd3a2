#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace kl::platform {

// Starting another program: an absolute path and a list of arguments, never through a shell.
class Processes {
public:
    virtual ~Processes() = default;

    // Starts `program` with `arguments` and leaves it to run on its own; nothing waits for it or ends it.
    // False when it could not be started, and for a path that is not absolute, so that nothing is ever
    // looked up on the search path.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

class SystemProcesses final : public Processes {
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

// The absolute path of the first of `programs` that is installed, tried in the order given. An absolute
// path counts when an executable file stands there. A bare name is looked for in the folders of PATH, in
// their order, and then in /usr/bin; folders of PATH that are not absolute (".", "") are passed over, so
// the current folder never supplies a program. Nothing when none is installed.
std::optional<QString> findInstalledProgram(const QStringList& programs);

} // namespace kl::platform
