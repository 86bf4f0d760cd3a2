#include "HelpViewer.h"

#include <algorithm>

#include <QFileInfo>
#include <QProcess>

#include "Processes.h"

using namespace Qt::StringLiterals;

namespace kl::platform {

namespace {

constexpr int startTimeoutMs = 5000;
constexpr int endTimeoutMs = 3000;

void end(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(endTimeoutMs)) {
        process.kill();
        process.waitForFinished(endTimeoutMs);
    }
}

} // namespace

QStringList knownChmViewers() {
    return {u"xchm"_s, u"kchmviewer"_s};
}

ChmHelpViewer::ChmHelpViewer(QStringList viewerPrograms) : m_viewerPrograms(std::move(viewerPrograms)) {}

ChmHelpViewer::~ChmHelpViewer() {
    closeAll();
}

HelpShown ChmHelpViewer::showContents(const QString& helpFile, QWidget* /*caller*/) {
    const QFileInfo file(helpFile);
    if (!file.isFile()) {
        return HelpShown::NoHelpFile;
    }
    const std::optional<QString> viewer = findInstalledProgram(m_viewerPrograms);
    if (!viewer) {
        return HelpShown::NoViewer;
    }
    // Viewers the user has closed are forgotten here, so the list does not grow with every opening.
    std::erase_if(m_viewers, [](const auto& p) { return p->state() == QProcess::NotRunning; });

    auto process = std::make_unique<QProcess>();
    process->setProgram(*viewer);
    process->setArguments({file.absoluteFilePath()});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(QIODevice::NotOpen);
    if (!process->waitForStarted(startTimeoutMs)) {
        return HelpShown::NotStarted;
    }
    m_viewers.push_back(std::move(process));
    return HelpShown::Opened;
}

void ChmHelpViewer::closeAll() {
    for (const auto& process : m_viewers) {
        end(*process);
    }
    m_viewers.clear();
}

int ChmHelpViewer::runningViewers() const {
    return static_cast<int>(std::count_if(m_viewers.cbegin(), m_viewers.cend(),
                                          [](const auto& p) { return p->state() != QProcess::NotRunning; }));
}

} // namespace kl::platform
