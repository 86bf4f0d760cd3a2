#include "CupsScheduler.h"

#include <algorithm>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace kl::testing {

namespace {

// What Debian installs: the scheduler's helpers and filters, and the PDF printer driver's description.
const QString SystemServerBin = QStringLiteral("/usr/lib/cups");
const QString PdfDriver = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");
const QString Missing = QStringLiteral(" is missing; scripts/setup.sh installs it");

QString findProgram(const QString& name) {
    const QStringList admin{QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/bin")};
    QString found = QStandardPaths::findExecutable(name);
    if (found.isEmpty()) {
        found = QStandardPaths::findExecutable(name, admin);
    }
    return found;
}

bool writeFile(const QString& path, const QString& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(text.toUtf8()) == text.toUtf8().size();
}

QString tail(const QString& path, int lines) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QStringList all = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    return all.mid(qMax(0, all.size() - lines)).join(QLatin1Char('\n'));
}

// Started as root, the scheduler runs its filters and backends as this user, with its group alone.
const char* const FilterUser = "lp";

// The first folder on the way to `path`, itself included, that a process of the user and group given may
// not pass through, with its mode; empty when there is none.
QString blockingFolder(const QString& path, uid_t uid, gid_t gid) {
    QStringList chain{QStringLiteral("/")};
    for (const QString& part : QDir::cleanPath(path).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        chain << (chain.size() == 1 ? QString() : chain.back()) + QLatin1Char('/') + part;
    }
    for (const QString& folder : chain) {
        struct stat st {};
        if (::stat(QFile::encodeName(folder).constData(), &st) != 0) {
            return folder + QStringLiteral(" (missing)");
        }
        const mode_t need = st.st_uid == uid ? S_IXUSR : st.st_gid == gid ? S_IXGRP : S_IXOTH;
        if ((st.st_mode & need) == 0) {
            return folder + QStringLiteral(" (mode %1)").arg(st.st_mode & 07777, 4, 8, QLatin1Char('0'));
        }
    }
    return {};
}

} // namespace

// Under /tmp rather than the test's own temporary folder: that one lies in the build folder, and a build
// folder in a private home folder is out of the filters' reach.
CupsScheduler::CupsScheduler() : m_root(QStringLiteral("/tmp/kl-cups-XXXXXX")) {}

CupsScheduler::~CupsScheduler() {
    stop();
}

QString CupsScheduler::path(const QString& relative) const {
    return m_root.path() + QLatin1Char('/') + relative;
}

QString CupsScheduler::start() {
    if (!m_root.isValid()) {
        return QStringLiteral("no temporary folder: ") + m_root.errorString();
    }
    const QString socket = path(QStringLiteral("cups.sock"));
    if (socket.toLocal8Bit().size() > 100) {
        return QStringLiteral("the socket path is too long for a local socket: ") + socket;
    }
    const QString cupsd = findProgram(QStringLiteral("cupsd"));
    if (cupsd.isEmpty()) {
        return QStringLiteral("cupsd (Debian package cups-daemon)") + Missing;
    }
    if (!QFileInfo::exists(PdfDriver)) {
        return PdfDriver + QStringLiteral(" (Debian package printer-driver-cups-pdf)") + Missing;
    }
    if (!QFileInfo::exists(QStringLiteral(KL_PDF_BACKEND))) {
        return QStringLiteral("the test backend " KL_PDF_BACKEND " is missing");
    }

    // The scheduler runs its filters and backends as another user when started as root: they must be able
    // to pass through the folder and to write the output.
    QFile::setPermissions(m_root.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
    QDir root(m_root.path());
    for (const char* dir :
         {"conf/ppd", "spool/tmp", "cache", "state", "log", "bin/backend", "out", "drivers"}) {
        if (!root.mkpath(QLatin1String(dir))) {
            return QStringLiteral("cannot make ") + path(QLatin1String(dir));
        }
    }
    QFile::setPermissions(path(QStringLiteral("out")), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                           QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                           QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                           QFileDevice::ExeOther);
    // A job whose filters cannot reach the tree never arrives; say so now rather than after the waits.
    if (const QString unreachable = checkReach(); !unreachable.isEmpty()) {
        return unreachable;
    }

    // The system's filters and helpers, with our backend beside them.
    for (const char* dir : {"filter", "daemon", "monitor", "notifier", "cgi-bin", "driver"}) {
        const QString system = SystemServerBin + QLatin1Char('/') + QLatin1String(dir);
        if (QFileInfo::exists(system) &&
            !QFile::link(system, path(QStringLiteral("bin/")) + QLatin1String(dir))) {
            return QStringLiteral("cannot link ") + system;
        }
    }
    if (!QFileInfo::exists(SystemServerBin + QStringLiteral("/filter/pdftops"))) {
        return QStringLiteral("the CUPS filters (Debian package cups-filters)") + Missing;
    }
    const QString backend = path(QStringLiteral("bin/backend/klpdf"));
    if (!QFile::copy(QStringLiteral(KL_PDF_BACKEND), backend) ||
        !QFile::setPermissions(backend, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::ExeOther)) {
        return QStringLiteral("cannot install the test backend in ") + backend;
    }

    const QString files = QStringLiteral("ServerRoot %1/conf\n"
                                         "ServerBin %1/bin\n"
                                         "RequestRoot %1/spool\n"
                                         "TempDir %1/spool/tmp\n"
                                         "CacheDir %1/cache\n"
                                         "StateDir %1/state\n"
                                         "ServerKeychain %1/state/ssl\n"
                                         "CreateSelfSignedCerts no\n"
                                         "ErrorLog %1/log/error_log\n"
                                         "AccessLog %1/log/access_log\n"
                                         "PageLog %1/log/page_log\n"
                                         "Printcap %1/state/printcap\n")
                              .arg(m_root.path());
    // Only the socket, nothing shared or announced; whoever reaches the socket may do anything.
    const QString daemon = QStringLiteral("LogLevel debug\n"
                                          "Listen %1\n"
                                          "Browsing No\n"
                                          "BrowseLocalProtocols none\n"
                                          "DefaultShared No\n"
                                          "WebInterface No\n"
                                          "DefaultAuthType None\n"
                                          "ErrorPolicy abort-job\n"
                                          "PreserveJobFiles Yes\n"
                                          "PreserveJobHistory Yes\n"
                                          "<Policy default>\n"
                                          "  <Limit All>\n"
                                          "    Order deny,allow\n"
                                          "    Allow all\n"
                                          "  </Limit>\n"
                                          "</Policy>\n")
                               .arg(socket);
    if (!writeFile(path(QStringLiteral("conf/cups-files.conf")), files) ||
        !writeFile(path(QStringLiteral("conf/cupsd.conf")), daemon) ||
        !writeFile(path(QStringLiteral("conf/client.conf")), QStringLiteral("ServerName %1\n").arg(socket))) {
        return QStringLiteral("cannot write the configuration in ") + path(QStringLiteral("conf"));
    }

    // From here on every CUPS client of this process, and every program it starts, talks to this scheduler
    // and reads no configuration of the machine (client.conf, lpoptions).
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", path(QStringLiteral("conf")).toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");

    m_cupsd.setProgram(cupsd);
    m_cupsd.setArguments({QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("conf/cupsd.conf")),
                          QStringLiteral("-s"), path(QStringLiteral("conf/cups-files.conf"))});
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.setStandardOutputFile(path(QStringLiteral("log/cupsd.out")));
    // Should the test die without stopping it, the scheduler goes with it.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start();
    if (!m_cupsd.waitForStarted(10000)) {
        return QStringLiteral("cupsd did not start: ") + m_cupsd.errorString();
    }
    m_pid = m_cupsd.processId();

    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        if (m_cupsd.state() != QProcess::Running) {
            m_pid = 0;
            return QStringLiteral("cupsd ended at once:\n") + logTail();
        }
        if (QFileInfo::exists(socket) && run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).isEmpty()) {
            return {};
        }
        QThread::msleep(100);
    }
    return QStringLiteral("cupsd does not answer on ") + socket + QLatin1Char('\n') + logTail();
}

QString CupsScheduler::checkReach() const {
    if (::geteuid() != 0) {
        return {}; // the filters run as this process's user, who made the tree
    }
    const passwd* user = ::getpwnam(FilterUser);
    if (user == nullptr) {
        return QStringLiteral("there is no user %1 to run the scheduler's filters")
            .arg(QLatin1String(FilterUser));
    }
    const group* own = ::getgrnam(FilterUser);
    const gid_t gid = own != nullptr ? own->gr_gid : user->pw_gid;
    for (const char* dir : {"out", "bin/backend", "spool"}) {
        const QString blocked = blockingFolder(path(QLatin1String(dir)), user->pw_uid, gid);
        if (!blocked.isEmpty()) {
            return QStringLiteral("the print system's user %1 cannot pass through %2, so it cannot reach the "
                                  "scheduler's folder %3")
                .arg(QLatin1String(FilterUser), blocked, m_root.path());
        }
    }
    return {};
}

QString CupsScheduler::addPdfQueue(const QString& queue, const QString& defaultPaper,
                                   const QStringList& options) {
    QString driver = PdfDriver;
    if (!defaultPaper.isEmpty()) {
        QFile original(PdfDriver);
        if (!original.open(QIODevice::ReadOnly)) {
            return QStringLiteral("cannot read ") + PdfDriver;
        }
        QString text = QString::fromLatin1(original.readAll());
        if (!text.contains(QStringLiteral("\n*PageSize ") + defaultPaper + QLatin1Char('/'))) {
            return PdfDriver + QStringLiteral(" has no page size ") + defaultPaper;
        }
        text.replace(QRegularExpression(
                         QStringLiteral("^\\*Default(PageSize|PageRegion|ImageableArea|PaperDimension): .*$"),
                         QRegularExpression::MultilineOption),
                     QStringLiteral("*Default\\1: ") + defaultPaper);
        driver = path(QStringLiteral("drivers/") + queue + QStringLiteral(".ppd"));
        if (!writeFile(driver, text)) {
            return QStringLiteral("cannot write ") + driver;
        }
    }
    const QString out = outputFolder(queue);
    if (!QDir().mkpath(out) ||
        !QFile::setPermissions(out, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                        QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                        QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                        QFileDevice::WriteOther | QFileDevice::ExeOther)) {
        return QStringLiteral("cannot make ") + out;
    }
    QStringList arguments{QStringLiteral("-p"),
                          queue,
                          QStringLiteral("-E"),
                          QStringLiteral("-v"),
                          QStringLiteral("klpdf:") + out,
                          QStringLiteral("-P"),
                          driver};
    for (const QString& option : options) {
        arguments << QStringLiteral("-o") << option;
    }
    return run(QStringLiteral("lpadmin"), arguments);
}

QString CupsScheduler::removeQueue(const QString& queue) {
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
}

QString CupsScheduler::setDefaultQueue(const QString& queue) {
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue});
}

QString CupsScheduler::defaultQueue() {
    QString output;
    if (!run(QStringLiteral("lpstat"), {QStringLiteral("-d")}, &output).isEmpty()) {
        return {};
    }
    // "system default destination: KL_PDF" or "no system default destination"
    const qsizetype colon = output.indexOf(QStringLiteral(": "));
    return colon < 0 ? QString() : output.mid(colon + 2).trimmed();
}

QString CupsScheduler::setAccepting(const QString& queue, bool accepting) {
    return run(accepting ? QStringLiteral("cupsaccept") : QStringLiteral("cupsreject"), {queue});
}

bool CupsScheduler::isIdle() {
    QString pending;
    return run(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &pending).isEmpty() &&
           pending.trimmed().isEmpty();
}

bool CupsScheduler::waitUntilIdle(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    do {
        if (isIdle()) {
            return true;
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return false;
}

QStringList CupsScheduler::knownJobs() {
    QString output;
    const QString failed = run(QStringLiteral("lpstat"),
                               {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")}, &output);
    if (!failed.isEmpty()) {
        return {failed};
    }
    // "KL_PDF-3   root   1024   Thu 01 Jan ..."
    QStringList jobs;
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        jobs << line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    }
    std::sort(jobs.begin(), jobs.end());
    return jobs;
}

void CupsScheduler::stop() {
    if (m_pid <= 0) {
        return;
    }
    ::kill(static_cast<pid_t>(m_pid), SIGTERM);
    if (!m_cupsd.waitForFinished(15000)) {
        ::kill(static_cast<pid_t>(m_pid), SIGKILL);
        m_cupsd.waitForFinished(5000);
    }
    m_pid = 0;
}

QString CupsScheduler::outputFolder(const QString& queue) const {
    return path(QStringLiteral("out/") + queue);
}

QString CupsScheduler::submittedDocument(int jobId) const {
    return path(QStringLiteral("spool/d%1-001").arg(jobId, 5, 10, QLatin1Char('0')));
}

QString CupsScheduler::logTail() const {
    return tail(path(QStringLiteral("log/error_log")), 40) + QLatin1Char('\n') +
           tail(path(QStringLiteral("log/cupsd.out")), 20);
}

QString CupsScheduler::run(const QString& program, const QStringList& arguments, QString* output) {
    const QString found = findProgram(program);
    if (found.isEmpty()) {
        return program + QStringLiteral(" (Debian package cups-client)") + Missing;
    }
    QProcess p;
    p.start(found, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished(1000);
        return program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(" failed: ") +
               QString::fromLocal8Bit(p.readAllStandardError());
    }
    if (output != nullptr) {
        *output = QString::fromLocal8Bit(p.readAllStandardOutput());
    }
    return {};
}

} // namespace kl::testing
