#pragma once

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

} // namespace kl::platform
