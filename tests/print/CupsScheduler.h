#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kl::testing {

// A CUPS scheduler of the test's own: its configuration, spool, cache, state and logs in a fresh folder
// under /tmp, listening only on a socket there, with PDF queues whose jobs end up as files in that folder.
// Starting it points this process, and every program it starts, at it (CUPS_SERVER, CUPS_SERVERROOT), so
// the machine's own printing set-up is neither read nor changed. It is stopped by its process id when the
// object goes, and it dies with the test process should that end first.
class CupsScheduler {
public:
    CupsScheduler();
    ~CupsScheduler();
    CupsScheduler(const CupsScheduler&) = delete;
    CupsScheduler& operator=(const CupsScheduler&) = delete;

    // Each returns what went wrong, or an empty text.
    QString start();
    // A queue on the PDF printer driver; with a paper (a page-size key of the driver, "JISB5", "Letter"),
    // on a copy of the driver that defaults to it; with options ("orientation-requested-default=4"), set
    // as the queue's defaults.
    QString addPdfQueue(const QString& queue, const QString& defaultPaper = {},
                        const QStringList& options = {});
    QString removeQueue(const QString& queue);
    QString setDefaultQueue(const QString& queue);
    // cupsaccept or cupsreject.
    QString setAccepting(const QString& queue, bool accepting);
    void stop();

    // The scheduler's default queue as lpstat reports it; empty when there is none.
    QString defaultQueue();
    // True when no job is pending or printing.
    bool isIdle();
    // Waits until no job is pending or printing; false when some still is after the time given.
    bool waitUntilIdle(int milliseconds);
    // Every job the scheduler has had, finished ones included ("KL_PDF-3"), sorted.
    QStringList knownJobs();

    // Where a queue's jobs arrive: job-<id>.pdf, the printer's output.
    QString outputFolder(const QString& queue) const;
    // The document of job <id> as the program handed it over (the scheduler keeps it).
    QString submittedDocument(int jobId) const;
    qint64 processId() const { return m_pid; }
    // The last lines of the scheduler's log, for a failing test to show.
    QString logTail() const;

private:
    QString path(const QString& relative) const;
    QString checkReach() const;
    QString run(const QString& program, const QStringList& arguments, QString* output = nullptr);

    QTemporaryDir m_root;
    QProcess m_cupsd;
    qint64 m_pid = 0;
};

} // namespace kl::testing
