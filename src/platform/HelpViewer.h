#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

class QProcess;
class QWidget;

namespace kl::platform {

// What became of a request to show the help file.
enum class HelpShown {
    Opened,     // a viewer was started with the file
    NoHelpFile, // there is no help file to show
    NoViewer,   // the file is there, but no viewer is installed to show it
    NotStarted, // a viewer is installed, but it could not be started
};

// Shows the help file in a viewer of this platform and closes every viewer the program started.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;

    // Opens `helpFile` at its first page beside `caller`, which stays usable. Shows no message itself; the
    // outcome tells the caller whether there was anything to tell the user.
    virtual HelpShown showContents(const QString& helpFile, QWidget* caller) = 0;

    // Ends every help viewer that the program has opened.
    virtual void closeAll() = 0;
};

// The CHM viewers that Debian packages, in the order they are tried, as bare names for
// findInstalledProgram.
QStringList knownChmViewers();

// Runs the first installed CHM viewer (findInstalledProgram, asked anew each time) as a child process,
// with the file's absolute path as its only argument. The children are ended by closeAll and when this
// object goes.
class ChmHelpViewer final : public HelpViewer {
public:
    explicit ChmHelpViewer(QStringList viewerPrograms = knownChmViewers());
    ~ChmHelpViewer() override;
    ChmHelpViewer(const ChmHelpViewer&) = delete;
    ChmHelpViewer& operator=(const ChmHelpViewer&) = delete;

    HelpShown showContents(const QString& helpFile, QWidget* caller) override;
    void closeAll() override;

    // How many viewers started by this object are still running.
    int runningViewers() const;

private:
    QStringList m_viewerPrograms;
    std::vector<std::unique_ptr<QProcess>> m_viewers;
};

} // namespace kl::platform
