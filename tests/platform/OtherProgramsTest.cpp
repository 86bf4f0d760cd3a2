#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "app/gui/SysInfo.h"
#include "platform/HelpViewer.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "support/TestEnvironment.h"

using namespace kl::platform;
using kl::RegistryAccess;
using kl::RegistryRoot;
using kl::RegistryType;
using namespace Qt::StringLiterals;

namespace {

const QString MsinfoKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s;

// Writes an executable shell script; the program under test runs it directly, as it would any program.
QString writeProgram(const QString& path, const QByteArray& body, bool executable = true) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        return {};
    }
    f.write("#!/bin/sh\n" + body);
    f.close();
    QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
    if (executable) {
        p |= QFile::ExeOwner;
    }
    f.setPermissions(p);
    return path;
}

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Waits for a file the started program writes; the program runs on its own.
bool waitForFile(const QString& path) {
    return QTest::qWaitFor([&] { return QFile::exists(path) && QFileInfo(path).size() > 0; }, 5000);
}

// Sets PATH for one test and puts the old value back.
class PathOverride {
public:
    explicit PathOverride(const QString& value)
        : m_had(qEnvironmentVariableIsSet("PATH")), m_old(qgetenv("PATH")) {
        qputenv("PATH", QFile::encodeName(value));
    }
    ~PathOverride() {
        if (m_had) {
            qputenv("PATH", m_old);
        } else {
            qunsetenv("PATH");
        }
    }
    PathOverride(const PathOverride&) = delete;
    PathOverride& operator=(const PathOverride&) = delete;

private:
    bool m_had;
    QByteArray m_old;
};

// A stand-in for an installed tool: it notes that it ran, and its arguments, in `log`.
QByteArray noteRun(const QString& log) {
    return "printf '%s|' \"$0\" \"$@\" > \"" + log.toLocal8Bit() + "\"\n";
}

} // namespace

class OtherProgramsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup() { m_dir.reset(); }

    void registryNamesTheFirstInstalledProgram() {
        const QString tool = writeProgram(path(u"tool"_s), "exit 0\n");
        const QString notExecutable = writeProgram(path(u"plain"_s), "exit 0\n", false);
        SystemRegistry registry({path(u"missing"_s), notExecutable, tool});

        // Key paths and value names compare without regard to case, as the system's do.
        const auto key =
            registry.openKey(RegistryRoot::LocalMachine, MsinfoKey.toLower(), RegistryAccess::Read);
        QVERIFY(key.has_value());
        const auto value = registry.queryValue(*key, u"path"_s, 1024);
        QVERIFY(value.has_value());
        QCOMPARE(value->type, RegistryType::String);
        QCOMPARE(value->data, tool.toLocal8Bit() + QByteArray(1, '\0'));
        QVERIFY(!registry.queryValue(*key, u"Other"_s, 1024).has_value());
        QVERIFY2(!registry.queryValue(*key, u"PATH"_s, 4).has_value(),
                 "a value longer than the buffer is missing");
        registry.closeKey(*key);
    }

    void registryWithoutAProgram() {
        SystemRegistry registry({path(u"missing"_s)});
        QVERIFY(!registry.openKey(RegistryRoot::LocalMachine, MsinfoKey, RegistryAccess::Read).has_value());
    }

    void registryIsReadOnlyAndHoldsNothingElse() {
        const QString tool = writeProgram(path(u"tool"_s), "exit 0\n");
        SystemRegistry registry({tool});
        QVERIFY2(!registry.openKey(RegistryRoot::LocalMachine, MsinfoKey, RegistryAccess::AllButDelete)
                      .has_value(),
                 "write rights are refused");
        QVERIFY2(!registry
                      .openKey(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools Location"_s,
                               RegistryAccess::Read)
                      .has_value(),
                 "the folder place is never present");
    }

    void processesStartAbsolutePathsWithArgumentsAsGiven() {
        const QString marker = path(u"args"_s);
        const QString program =
            writeProgram(path(u"prog"_s), "printf '%s|' \"$@\" > \"" + marker.toLocal8Bit() + "\"\n");
        SystemProcesses processes;
        // An argument with shell syntax reaches the program as one plain argument.
        QVERIFY(processes.startDetached(program, {u"a b"_s, u"$(touch x); echo"_s}));
        QVERIFY(waitForFile(marker));
        QCOMPARE(readAll(marker), u"a b|$(touch x); echo|"_s);
    }

    void processesRefuseWhatCannotStart_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("empty") << QString();
        QTest::newRow("relative, never searched on the path") << u"sh"_s;
        QTest::newRow("missing") << u"/nonexistent/program"_s;
    }
    void processesRefuseWhatCannotStart() {
        QFETCH(QString, program);
        SystemProcesses processes;
        QVERIFY(!processes.startDetached(program, {}));
    }

    void helpViewerOpensTheFileInAChildAndEndsThem() {
        const QString marker = path(u"viewer-args"_s);
        const QString viewer = writeProgram(
            path(u"viewer"_s), "printf '%s' \"$1\" >> \"" + marker.toLocal8Bit() + "\"\nexec sleep 60\n");
        const QString help = writeProgram(path(u"Kavor Lintep 2005 HELP.chm"_s), "", false);
        ChmHelpViewer helpViewer({path(u"no-such-viewer"_s), viewer});

        QCOMPARE(helpViewer.showContents(help, nullptr), HelpShown::Opened);
        QVERIFY(waitForFile(marker));
        QCOMPARE(readAll(marker), help);
        helpViewer.showContents(help, nullptr);
        QCOMPARE(helpViewer.runningViewers(), 2);

        helpViewer.closeAll();
        QCOMPARE(helpViewer.runningViewers(), 0);
    }

    void helpViewerShowsNothingWithoutFileOrViewer() {
        const QString marker = path(u"viewer-args"_s);
        const QString viewer = writeProgram(
            path(u"viewer"_s), "printf '%s' \"$1\" >> \"" + marker.toLocal8Bit() + "\"\nexec sleep 60\n");
        const QString help = writeProgram(path(u"help.chm"_s), "", false);

        ChmHelpViewer withViewer({viewer});
        QCOMPARE(withViewer.showContents(path(u"missing.chm"_s), nullptr), HelpShown::NoHelpFile);
        QCOMPARE(withViewer.runningViewers(), 0);

        ChmHelpViewer withoutViewer({path(u"no-such-viewer"_s)});
        QCOMPARE(withoutViewer.showContents(help, nullptr), HelpShown::NoViewer);
        QCOMPARE(withoutViewer.runningViewers(), 0);
        QVERIFY(!QFile::exists(marker));

        // Installed, but it cannot run: its interpreter is missing.
        QFile broken(path(u"broken-viewer"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("#!/nonexistent/interpreter\n");
        broken.close();
        QVERIFY(broken.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        ChmHelpViewer brokenViewer({broken.fileName()});
        QCOMPARE(brokenViewer.showContents(help, nullptr), HelpShown::NotStarted);
        QCOMPARE(brokenViewer.runningViewers(), 0);
    }

    void helpViewerEndsItsChildrenWhenItGoes() {
        const QString pidFile = path(u"pid"_s);
        const QString viewer =
            writeProgram(path(u"viewer"_s), "echo $$ > \"" + pidFile.toLocal8Bit() + "\"\nexec sleep 60\n");
        const QString help = writeProgram(path(u"help.chm"_s), "", false);
        {
            ChmHelpViewer helpViewer({viewer});
            helpViewer.showContents(help, nullptr);
            QVERIFY(waitForFile(pidFile));
        }
        const QString pid = readAll(pidFile).trimmed();
        QVERIFY(!pid.isEmpty());
        QVERIFY2(!QFile::exists(u"/proc/"_s + pid + u"/cmdline"_s) ||
                     !readAll(u"/proc/"_s + pid + u"/cmdline"_s).contains(u"sleep"_s),
                 "the viewer still runs");
    }

    // Bare names are looked for in the folders of PATH in their order, then in /usr/bin; the names are
    // tried in the order given. Names made up here, so that nothing installed on this machine answers.
    void programsAreFoundOnThePath_data() {
        QTest::addColumn<QStringList>(
            "installed"); // below the test folder: "x" runs, "x-" a plain file, "x/" a folder
        QTest::addColumn<QString>("path");         // PATH, its folders below the test folder; "." as it is
        QTest::addColumn<QStringList>("programs"); // "<dir>" stands for the test folder
        QTest::addColumn<QString>("expected");     // below the test folder, absolute, or empty for none
        const QStringList both{u"kl-test-first"_s, u"kl-test-second"_s};
        QTest::newRow("first name before folder order")
            << QStringList{u"a/kl-test-second"_s, u"b/kl-test-first"_s} << u"a:b"_s << both
            << u"b/kl-test-first"_s;
        QTest::newRow("earlier folder wins") << QStringList{u"a/kl-test-first"_s, u"b/kl-test-first"_s}
                                             << u"b:a"_s << both << u"b/kl-test-first"_s;
        QTest::newRow("a plain file is passed over")
            << QStringList{u"a/kl-test-first-"_s, u"b/kl-test-first"_s} << u"a:b"_s << both
            << u"b/kl-test-first"_s;
        QTest::newRow("a folder is passed over") << QStringList{u"a/kl-test-first/"_s, u"b/kl-test-first"_s}
                                                 << u"a:b"_s << both << u"b/kl-test-first"_s;
        QTest::newRow("next name when the first is nowhere")
            << QStringList{u"b/kl-test-second"_s} << u"a:b"_s << both << u"b/kl-test-second"_s;
        QTest::newRow("a folder outside PATH is not searched")
            << QStringList{u"a/kl-test-first"_s} << u"b"_s << both << QString();
        QTest::newRow("the current folder is not searched")
            << QStringList{u"kl-test-first"_s} << u".:b"_s << both << QString();
        QTest::newRow("an absolute path stands for itself")
            << QStringList{u"a/kl-test-first"_s, u"b/kl-test-first"_s} << u"b"_s
            << QStringList{u"<dir>/a/kl-test-first"_s} << u"a/kl-test-first"_s;
        QTest::newRow("a relative path is never searched")
            << QStringList{u"a/kl-test-first"_s} << u"a"_s << QStringList{u"a/kl-test-first"_s} << QString();
        QTest::newRow("/usr/bin after PATH")
            << QStringList{} << u"a"_s << QStringList{u"kl-test-first"_s, u"sh"_s} << u"/usr/bin/sh"_s;
        QTest::newRow("/usr/bin without PATH")
            << QStringList{} << QString() << QStringList{u"sh"_s} << u"/usr/bin/sh"_s;
    }
    void programsAreFoundOnThePath() {
        QFETCH(QStringList, installed);
        QFETCH(QString, path);
        QFETCH(QStringList, programs);
        QFETCH(QString, expected);
        if (expected == u"/usr/bin/sh"_s && !QFileInfo(expected).isExecutable()) {
            QSKIP("no /usr/bin/sh on this machine");
        }
        const QDir root(m_dir->path());
        QVERIFY(root.mkpath(u"a"_s) && root.mkpath(u"b"_s));
        for (const QString& file : installed) {
            if (file.endsWith(u'/')) {
                QVERIFY(root.mkpath(file));
            } else if (file.endsWith(u'-')) {
                QVERIFY(!writeProgram(this->path(file.chopped(1)), "exit 0\n", false).isEmpty());
            } else {
                QVERIFY(!writeProgram(this->path(file), "exit 0\n").isEmpty());
            }
        }
        QStringList folders;
        for (const QString& f : path.split(u':', Qt::SkipEmptyParts)) {
            folders << (f == u"."_s ? f : this->path(f));
        }
        for (QString& p : programs) {
            p.replace(u"<dir>"_s, m_dir->path());
        }
        const QString oldCurrent = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        std::optional<QString> found;
        {
            const PathOverride override(folders.join(u':'));
            if (path.isNull()) {
                qunsetenv("PATH");
            }
            found = findInstalledProgram(programs);
        }
        QVERIFY(QDir::setCurrent(oldCurrent));
        if (expected.isEmpty()) {
            QVERIFY2(!found, qPrintable(found.value_or(QString())));
        } else {
            QVERIFY(found);
            QCOMPARE(*found, expected.startsWith(u'/') ? expected : this->path(expected));
        }
    }

    // The viewer and the system-information tool as installed: looked for by their names, so a stand-in
    // put first on PATH is the one started.
    void helpViewerFirstOnThePathIsStarted() {
        const QString log = path(u"ran"_s);
        writeProgram(path(u"xchm"_s), noteRun(log) + "exec sleep 60\n");
        writeProgram(path(u"kchmviewer"_s), "exit 0\n");
        const QString help = writeProgram(path(u"Kavor Lintep 2005 HELP.chm"_s), "", false);
        const PathOverride override(m_dir->path() + u':' + qEnvironmentVariable("PATH"));
        ChmHelpViewer helpViewer;
        QCOMPARE(helpViewer.showContents(help, nullptr), HelpShown::Opened);
        QVERIFY(waitForFile(log));
        QCOMPARE(readAll(log), path(u"xchm"_s) + u'|' + help + u'|');
        QCOMPARE(helpViewer.runningViewers(), 1);
    }

    void systemInformationFirstOnThePathIsStarted() {
        const QString log = path(u"ran"_s);
        writeProgram(path(u"hardinfo"_s), noteRun(log));
        const PathOverride override(m_dir->path() + u':' + qEnvironmentVariable("PATH"));
        kl::testing::TestPlatform services;
        SystemRegistry registry;
        SystemProcesses processes;
        Platform p = services.services();
        Platform real{p.messageBoxes, p.tempFiles,  p.fileDialogs, p.clock,  p.pause,
                      p.printers,     p.helpViewer, registry,      processes};
        kl::StartSysInfo(real, nullptr);
        QVERIFY(waitForFile(log));
        QCOMPARE(readAll(log), path(u"hardinfo"_s) + u'|');
        QVERIFY(services.boxes.asked.empty());
    }
};

QTEST_GUILESS_MAIN(OtherProgramsTest)
#include "OtherProgramsTest.moc"
