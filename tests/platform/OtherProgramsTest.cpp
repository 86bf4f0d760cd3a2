#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "platform/HelpViewer.h"
#include "platform/Processes.h"
#include "platform/Registry.h"

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

        helpViewer.showContents(help, nullptr);
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
        withViewer.showContents(path(u"missing.chm"_s), nullptr);
        QCOMPARE(withViewer.runningViewers(), 0);

        ChmHelpViewer withoutViewer({path(u"no-such-viewer"_s)});
        withoutViewer.showContents(help, nullptr);
        QCOMPARE(withoutViewer.runningViewers(), 0);
        QVERIFY(!QFile::exists(marker));
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
};

QTEST_GUILESS_MAIN(OtherProgramsTest)
#include "OtherProgramsTest.moc"
