#include "HelpViewer.h"

#include <algorithm>

#include <QFileInfo>
#include <QProcess>

namespace kl::platform {

namespace {

constexpr int startTimeoutMs = 5000;
constexpr int endTimeoutMs = 3000;

bool isRunnable(const QString& path) {
    const QFileInfo info(path);
    return info.isAbsolute() && info.isFile() && info.isExecutable();
}

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
    return {QStringLiteral("/usr/bin/xchm"), QStringLiteral("/usr/bin/kchmviewer")};
}

ChmHelpViewer::ChmHelpViewer(QStringList viewerPrograms) : m_viewerPrograms(std::move(viewerPrograms)) {}

ChmHelpViewer::~ChmHelpViewer() {
    closeAll();
}

void ChmHelpViewer::showContents(const QString& helpFile, QWidget* /*caller*/) {
    const QFileInfo file(helpFile);
    if (!file.isFile()) {
        return;
    }
    const auto viewer = std::find_if(m_viewerPrograms.cbegin(), m_viewerPrograms.cend(), isRunnable);
    if (viewer == m_viewerPrograms.cend()) {
        return;
    }
    // Viewers the user has closed are forgotten here, so the list does not grow with every opening.
    std::erase_if(m_viewers, [](const auto& p) { return p->state() == QProcess::NotRunning; });

    auto process = std::make_unique<QProcess>();
    process->setProgram(*viewer);
    process->setArguments({file.absoluteFilePath()});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(QIODevice::NotOpen);
    if (process->waitForStarted(startTimeoutMs)) {
        m_viewers.push_back(std::move(process));
    }
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
