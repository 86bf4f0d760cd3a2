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

using namespace Qt::StringLiterals;

namespace kl::testing {

namespace {

// What Debian installs: the scheduler's helpers and filters, and the PDF printer driver's description.
const QString SystemServerBin = u"/usr/lib/cups"_s;
const QString PdfDriver = u"/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd"_s;
const QString Missing = u" is missing; scripts/setup.sh installs it"_s;

QString findProgram(const QString& name) {
    const QStringList admin{u"/usr/sbin"_s, u"/sbin"_s, u"/usr/bin"_s};
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
    QStringList chain{u"/"_s};
    for (const QString& part : QDir::cleanPath(path).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        chain << (chain.size() == 1 ? QString() : chain.back()) + QLatin1Char('/') + part;
    }
    for (const QString& folder : chain) {
        struct stat st {};
        if (::stat(QFile::encodeName(folder).constData(), &st) != 0) {
            return folder + u" (missing)"_s;
        }
        const mode_t need = st.st_uid == uid ? S_IXUSR : st.st_gid == gid ? S_IXGRP : S_IXOTH;
        if ((st.st_mode & need) == 0) {
            return folder + u" (mode %1)"_s.arg(st.st_mode & 07777, 4, 8, QLatin1Char('0'));
        }
    }
    return {};
}

} // namespace

// Under /tmp rather than the test's own temporary folder: that one lies in the build folder, and a build
// folder in a private home folder is out of the filters' reach.
CupsScheduler::CupsScheduler() : m_root(u"/tmp/kl-cups-XXXXXX"_s) {}

CupsScheduler::~CupsScheduler() {
    stop();
}

QString CupsScheduler::path(const QString& relative) const {
    return m_root.path() + QLatin1Char('/') + relative;
}

QString CupsScheduler::start() {
    if (!m_root.isValid()) {
        return u"no temporary folder: "_s + m_root.errorString();
    }
    const QString socket = path(u"cups.sock"_s);
    if (socket.toLocal8Bit().size() > 100) {
        return u"the socket path is too long for a local socket: "_s + socket;
    }
    const QString cupsd = findProgram(u"cupsd"_s);
    if (cupsd.isEmpty()) {
        return u"cupsd (Debian package cups-daemon)"_s + Missing;
    }
    if (!QFileInfo::exists(PdfDriver)) {
        return PdfDriver + u" (Debian package printer-driver-cups-pdf)"_s + Missing;
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
            return u"cannot make "_s + path(QLatin1String(dir));
        }
    }
    QFile::setPermissions(path(u"out"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
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
        if (QFileInfo::exists(system) && !QFile::link(system, path(u"bin/"_s) + QLatin1String(dir))) {
            return u"cannot link "_s + system;
        }
    }
    if (!QFileInfo::exists(SystemServerBin + u"/filter/pdftops"_s)) {
        return u"the CUPS filters (Debian package cups-filters)"_s + Missing;
    }
    const QString backend = path(u"bin/backend/klpdf"_s);
    if (!QFile::copy(QStringLiteral(KL_PDF_BACKEND), backend) ||
        !QFile::setPermissions(backend, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::ExeOther)) {
        return u"cannot install the test backend in "_s + backend;
    }

    const QString files = u"ServerRoot %1/conf\n"
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
                          "Printcap %1/state/printcap\n"_s.arg(m_root.path());
    // Only the socket, nothing shared or announced; whoever reaches the socket may do anything.
    const QString daemon = u"LogLevel debug\n"
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
                           "</Policy>\n"_s.arg(socket);
    if (!writeFile(path(u"conf/cups-files.conf"_s), files) ||
        !writeFile(path(u"conf/cupsd.conf"_s), daemon) ||
        !writeFile(path(u"conf/client.conf"_s), u"ServerName %1\n"_s.arg(socket))) {
        return u"cannot write the configuration in "_s + path(u"conf"_s);
    }

    // From here on every CUPS client of this process, and every program it starts, talks to this scheduler
    // and reads no configuration of the machine (client.conf, lpoptions).
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", path(u"conf"_s).toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");

    m_cupsd.setProgram(cupsd);
    m_cupsd.setArguments(
        {u"-f"_s, u"-c"_s, path(u"conf/cupsd.conf"_s), u"-s"_s, path(u"conf/cups-files.conf"_s)});
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.setStandardOutputFile(path(u"log/cupsd.out"_s));
    // Should the test die without stopping it, the scheduler goes with it.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start();
    if (!m_cupsd.waitForStarted(10000)) {
        return u"cupsd did not start: "_s + m_cupsd.errorString();
    }
    m_pid = m_cupsd.processId();

    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        if (m_cupsd.state() != QProcess::Running) {
            m_pid = 0;
            return u"cupsd ended at once:\n"_s + logTail();
        }
        if (QFileInfo::exists(socket) && run(u"lpstat"_s, {u"-r"_s}).isEmpty()) {
            return {};
        }
        QThread::msleep(100);
    }
    return u"cupsd does not answer on "_s + socket + QLatin1Char('\n') + logTail();
}

QString CupsScheduler::checkReach() const {
    if (::geteuid() != 0) {
        return {}; // the filters run as this process's user, who made the tree
    }
    const passwd* user = ::getpwnam(FilterUser);
    if (user == nullptr) {
        return u"there is no user %1 to run the scheduler's filters"_s.arg(QLatin1String(FilterUser));
    }
    const group* own = ::getgrnam(FilterUser);
    const gid_t gid = own != nullptr ? own->gr_gid : user->pw_gid;
    for (const char* dir : {"out", "bin/backend", "spool"}) {
        const QString blocked = blockingFolder(path(QLatin1String(dir)), user->pw_uid, gid);
        if (!blocked.isEmpty()) {
            return u"the print system's user %1 cannot pass through %2, so it cannot reach the "
                   "scheduler's folder %3"_s.arg(QLatin1String(FilterUser), blocked, m_root.path());
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
            return u"cannot read "_s + PdfDriver;
        }
        QString text = QString::fromLatin1(original.readAll());
        if (!text.contains(u"\n*PageSize "_s + defaultPaper + QLatin1Char('/'))) {
            return PdfDriver + u" has no page size "_s + defaultPaper;
        }
        text.replace(
            QRegularExpression(u"^\\*Default(PageSize|PageRegion|ImageableArea|PaperDimension): .*$"_s,
                               QRegularExpression::MultilineOption),
            u"*Default\\1: "_s + defaultPaper);
        driver = path(u"drivers/"_s + queue + u".ppd"_s);
        if (!writeFile(driver, text)) {
            return u"cannot write "_s + driver;
        }
    }
    const QString out = outputFolder(queue);
    if (!QDir().mkpath(out) ||
        !QFile::setPermissions(out, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                        QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                        QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                        QFileDevice::WriteOther | QFileDevice::ExeOther)) {
        return u"cannot make "_s + out;
    }
    QStringList arguments{u"-p"_s, queue, u"-E"_s, u"-v"_s, u"klpdf:"_s + out, u"-P"_s, driver};
    for (const QString& option : options) {
        arguments << u"-o"_s << option;
    }
    return run(u"lpadmin"_s, arguments);
}

QString CupsScheduler::removeQueue(const QString& queue) {
    return run(u"lpadmin"_s, {u"-x"_s, queue});
}

QString CupsScheduler::setDefaultQueue(const QString& queue) {
    return run(u"lpadmin"_s, {u"-d"_s, queue});
}

QString CupsScheduler::defaultQueue() {
    QString output;
    if (!run(u"lpstat"_s, {u"-d"_s}, &output).isEmpty()) {
        return {};
    }
    // "system default destination: KL_PDF" or "no system default destination"
    const qsizetype colon = output.indexOf(u": "_s);
    return colon < 0 ? QString() : output.mid(colon + 2).trimmed();
}

QString CupsScheduler::setAccepting(const QString& queue, bool accepting) {
    return run(accepting ? u"cupsaccept"_s : u"cupsreject"_s, {queue});
}

bool CupsScheduler::isIdle() {
    QString pending;
    return run(u"lpstat"_s, {u"-o"_s}, &pending).isEmpty() && pending.trimmed().isEmpty();
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
    const QString failed = run(u"lpstat"_s, {u"-W"_s, u"all"_s, u"-o"_s}, &output);
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
    return path(u"out/"_s + queue);
}

QString CupsScheduler::submittedDocument(int jobId) const {
    return path(u"spool/d%1-001"_s.arg(jobId, 5, 10, QLatin1Char('0')));
}

QString CupsScheduler::logTail() const {
    return tail(path(u"log/error_log"_s), 40) + QLatin1Char('\n') + tail(path(u"log/cupsd.out"_s), 20);
}

QString CupsScheduler::run(const QString& program, const QStringList& arguments, QString* output) {
    const QString found = findProgram(program);
    if (found.isEmpty()) {
        return program + u" (Debian package cups-client)"_s + Missing;
    }
    QProcess p;
    p.start(found, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished(1000);
        return program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + u" failed: "_s +
               QString::fromLocal8Bit(p.readAllStandardError());
    }
    if (output != nullptr) {
        *output = QString::fromLocal8Bit(p.readAllStandardOutput());
    }
    return {};
}

} // namespace kl::testing
