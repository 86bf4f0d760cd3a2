#include <memory>

#include <QtTest>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include "app/gui/AboutBoxes.h"
#include "app/gui/Form1.h"
#include "app/gui/NoticeDialogs.h"
#include "input/gui/Form2.h"
#include "platform/Controls.h"
#include "platform/HelpViewer.h"
#include "results/gui/Form4.h"
#include "results/gui/Form7.h"
#include "support/ModalSteps.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"
#include "windowbase/MainWindowCommands.h"
#include "windowbase/RunCommand.h"

using namespace kl;
using namespace kl::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Window { Input, Result, Viewer };

const QString ExitText = u"全てのプログラムを終了しようとしています。 全終了しますか？\u3000\u3000"_s;
const QString NoViewerText =
    u"ヘルプファイルを表示できるビューワがインストールされていません。\u3000\u3000\n\n"
    u"xchm または kchmviewer をインストールして下さい。"_s;

// Writes an executable script that stands in for a CHM viewer: it notes its argument and stays running.
QString writeFakeViewer(const QString& path, const QString& log) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        return {};
    }
    f.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"" + log.toLocal8Bit() + "\"\nexec sleep 60\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// A main window with the shared menu but no print item.
class WindowWithoutPrint : public MainWindow {
    Q_OBJECT
public:
    explicit WindowWithoutPrint(AppContext& ctx) : MainWindow(ctx) {
        WindowSpec w;
        w.clientWidth = 3000;
        w.clientHeight = 1500;
        std::vector<MenuItemSpec> file;
        for (const char* name : {"mnuFileClose", "mnuFileExit"}) {
            file.push_back({QString::fromLatin1(name), QString::fromLatin1(name)});
        }
        std::vector<MenuItemSpec> help;
        for (const char* name :
             {"mnuHelpContents", "mnuCustomizing", "mnuInformation", "mnuUserRegistration", "mnuHelpAbout"}) {
            help.push_back({QString::fromLatin1(name), QString::fromLatin1(name)});
        }
        w.menus = {{u"mnuFile"_s, u"File"_s, file}, {u"mnuHelp"_s, u"Help"_s, help}};
        setUpWindow(w, {});
    }
    Question returnQuestion() const override { return {}; }
};

} // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(kl::platform::HelpShown)

class MainWindowCommandsTest : public WindowTest {
    Q_OBJECT

    bool m_ended = false;

    Form& open(Window w) {
        Form* f = nullptr;
        switch (w) {
        case Window::Input:
            f = &ctx().forms().get<Form2>();
            break;
        case Window::Result:
            f = &ctx().forms().get<Form4>();
            break;
        case Window::Viewer:
            f = &ctx().forms().get<Form7>();
            break;
        }
        f->show();
        return *f;
    }
    Form* loaded(Window w) {
        switch (w) {
        case Window::Input:
            return ctx().forms().loaded<Form2>();
        case Window::Result:
            return ctx().forms().loaded<Form4>();
        case Window::Viewer:
            break;
        }
        return ctx().forms().loaded<Form7>();
    }
    // The test's services, but the given help viewer, for a program in `programFolder`.
    std::unique_ptr<AppContext> withHelpViewer(platform::HelpViewer& helpViewer,
                                               const QString& programFolder) {
        const platform::Platform s = m_test->services();
        auto app = std::make_unique<AppContext>(platform::Platform{s.messageBoxes, s.tempFiles, s.fileDialogs,
                                                                   s.clock, s.pause, s.printers, helpViewer,
                                                                   s.registry, s.processes},
                                                m_test->ctx->routes());
        app->programFolder = programFolder;
        return app;
    }
    static QString helpFileOf(Form& f) {
        if (auto* input = qobject_cast<Form2*>(&f)) {
            return input->HelpFilePath;
        }
        if (auto* result = qobject_cast<Form4*>(&f)) {
            return result->HelpFilePath;
        }
        return qobject_cast<Form7*>(&f)->HelpFilePath;
    }
    void trigger(Form& f, const QString& item) {
        need<QAction>(f, item).trigger();
        flushUnloads();
    }
    void press(Form& f, const QString& button) {
        need<QAbstractButton>(f, button).click();
        flushUnloads();
    }
    bool ended() {
        QCoreApplication::processEvents();
        return m_ended;
    }
    // The help viewers are closed while the calling window is still loaded.
    void expectHelpClosedBeforeUnload(Window w) {
        m_test->helpViewer.onCall = [this, w](const ScriptedHelpViewer::Call& call) {
            if (call.kind == ScriptedHelpViewer::Kind::CloseAll) {
                QVERIFY2(loaded(w) != nullptr, "help closed before the window goes");
            }
        };
    }

private Q_SLOTS:
    void init() {
        WindowTest::init();
        m_ended = false;
        ctx().programFolder = u"/opt/kavor"_s;
        ctx().forms().setOnNoneLoaded([this] { m_ended = true; });
    }

    void questions_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("Form2 close")
            << Window::Input << u"mnuFileClose"_s
            << u"入力モードを閉じてトップメニューへ戻ります。 よろしいですか？\u3000\u3000"_s
            << u"Kavor Lintep 2005"_s;
        QTest::newRow("Form4 close")
            << Window::Result << u"mnuFileClose"_s
            << u"解析結果モードを閉じてトップメニューへ戻ります。 よろしいですか？\u3000\u3000"_s
            << u"Kavor Lintep 2005"_s;
        QTest::newRow("Form7 close")
            << Window::Viewer << u"mnuFileClose"_s
            << u"解析結果ビューワモードを閉じてトップメニューへ戻ります。 よろしいですか？\u3000\u3000"_s
            << u"Kavor Lintep 2005 Viewer"_s;
        QTest::newRow("Form7 exit") << Window::Viewer << u"mnuFileExit"_s << ExitText
                                    << u"Kavor Lintep 2005"_s;
        QTest::newRow("Form2 exit") << Window::Input << u"mnuFileExit"_s << ExitText
                                    << u"Kavor Lintep 2005"_s;
        QTest::newRow("Form4 exit") << Window::Result << u"mnuFileExit"_s << ExitText
                                    << u"Kavor Lintep 2005"_s;
    }

    // Cancel is the default answer, so an unanswered question changes nothing.
    void questions() {
        QFETCH(Window, window);
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Form& w = open(window);
        trigger(w, item);

        QCOMPARE(m_test->boxes.asked.size(), std::size_t{1});
        const auto& q = m_test->boxes.asked[0];
        QCOMPARE(q.text, text);
        QCOMPARE(q.title, title);
        QCOMPARE(q.icon, platform::MsgIcon::Exclamation);
        QCOMPARE(q.buttons, platform::MsgButtons::OkCancel);
        QCOMPARE(q.defaultButton, platform::MsgAnswer::Cancel);
        QCOMPARE(m_test->boxes.owners[0], &w);

        QCOMPARE(loaded(window), &w);
        QVERIFY(w.isVisible());
        QVERIFY(m_test->helpViewer.calls.empty());
        QVERIFY(ctx().forms().loaded<Form1>() == nullptr);
        QVERIFY(!ended());
    }

    void closeAnsweredOk_data() {
        QTest::addColumn<Window>("window");
        QTest::newRow("Form2") << Window::Input;
        QTest::newRow("Form4") << Window::Result;
        QTest::newRow("Form7") << Window::Viewer;
    }
    void closeAnsweredOk() {
        QFETCH(Window, window);
        Form& w = open(window);
        m_test->boxes.answers = {platform::MsgAnswer::Ok};
        expectHelpClosedBeforeUnload(window);
        trigger(w, u"mnuFileClose"_s);

        QCOMPARE(m_test->helpViewer.count(ScriptedHelpViewer::Kind::CloseAll), 1);
        QVERIFY(loaded(window) == nullptr);
        Form1* menu = ctx().forms().loaded<Form1>();
        QVERIFY2(menu != nullptr, "the single top menu");
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->windowTitle(), u"Kavor Lintep 2005 Zelmarovinth"_s);
        QVERIFY(!ended());
    }

    void exitAnsweredOkUnloadsEveryWindow_data() { closeAnsweredOk_data(); }
    void exitAnsweredOkUnloadsEveryWindow() {
        QFETCH(Window, window);
        Form& w = open(window);
        ctx().forms().get<frmInformation>(); // loaded, not shown: the walk takes every loaded window
        for (Window other : {Window::Input, Window::Result, Window::Viewer}) {
            if (other != window) {
                open(other);
            }
        }
        m_test->boxes.answers = {platform::MsgAnswer::Ok};
        expectHelpClosedBeforeUnload(window);
        trigger(w, u"mnuFileExit"_s);

        QCOMPARE(m_test->helpViewer.count(ScriptedHelpViewer::Kind::CloseAll), 1);
        QVERIFY(ctx().forms().loadedForms().empty());
        QVERIFY(ended());
    }

    void returnsWithoutAQuestion_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("toInput"); // else to the top menu
        QTest::newRow("Form2 Command3") << Window::Input << u"Command3"_s << false;
        QTest::newRow("Form4 F4_Command1") << Window::Result << u"F4_Command1"_s << false;
        QTest::newRow("Form4 F4_Command2") << Window::Result << u"F4_Command2"_s << true;
        QTest::newRow("Form4 mnuInputMode") << Window::Result << u"mnuInputMode"_s << true;
        QTest::newRow("Form7 F7_Command1") << Window::Viewer << u"F7_Command1"_s << false;
    }
    void returnsWithoutAQuestion() {
        QFETCH(Window, window);
        QFETCH(QString, control);
        QFETCH(bool, toInput);
        Form& w = open(window);
        expectHelpClosedBeforeUnload(window);
        if (control.startsWith(u"mnu"_s)) {
            trigger(w, control);
        } else {
            press(w, control);
        }
        QVERIFY(m_test->boxes.asked.empty());
        QCOMPARE(m_test->helpViewer.count(ScriptedHelpViewer::Kind::CloseAll), 1);
        QVERIFY(loaded(window) == nullptr);
        if (toInput) {
            Form2* input = ctx().forms().loaded<Form2>();
            QVERIFY(input != nullptr);
            QVERIFY(input->isVisible());
            QCOMPARE(need<ComboBox>(*input, u"Combo11"_s).ListIndex(), -1);
            QCOMPARE(need<TextBox>(*input, u"F2_FC_FL_Hikikomi_Old_TXT"_s).Text(), QString());
            QVERIFY(ctx().forms().loaded<Form1>() == nullptr);
        } else {
            QVERIFY(ctx().forms().loaded<Form1>() != nullptr);
            QVERIFY(ctx().forms().loaded<Form1>()->isVisible());
        }
        QVERIFY(!ended());
    }

    // "O K" is the default button of the result and viewer windows: Enter goes back to the top menu at once.
    void enterReturnsToTheTopMenu_data() {
        QTest::addColumn<Window>("window");
        QTest::newRow("Form4") << Window::Result;
        QTest::newRow("Form7") << Window::Viewer;
    }
    void enterReturnsToTheTopMenu() {
        QFETCH(Window, window);
        Form& w = open(window);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_Return);
        flushUnloads();
        QVERIFY(m_test->boxes.asked.empty());
        QVERIFY(loaded(window) == nullptr);
        QVERIFY(ctx().forms().loaded<Form1>() != nullptr);
    }

    void helpContentsOpensTheWindowsHelpFile_data() { closeAnsweredOk_data(); }
    void helpContentsOpensTheWindowsHelpFile() {
        QFETCH(Window, window);
        Form& w = open(window);
        trigger(w, u"mnuHelpContents"_s);
        QCOMPARE(m_test->helpViewer.calls.size(), std::size_t{1});
        const auto& call = m_test->helpViewer.calls[0];
        QCOMPARE(call.kind, ScriptedHelpViewer::Kind::ShowContents);
        QCOMPARE(call.helpFile, helpFileOf(w));
        QCOMPARE(call.helpFile, u"/opt/kavor/Kavor Lintep 2005 HELP.chm"_s);
        QCOMPARE(call.caller.data(), &w);
        QCOMPARE(loaded(window), &w);
        QVERIFY(m_test->boxes.asked.empty());
    }

    void helpMenuDialogs_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        const std::pair<Window, const char*> windows[] = {
            {Window::Input, "Form2"}, {Window::Result, "Form4"}, {Window::Viewer, "Form7"}};
        for (const auto& [w, name] : windows) {
            QTest::addRow("%s about", name)
                << w << u"mnuHelpAbout"_s << (w == Window::Viewer ? u"frmAbout1"_s : u"frmAbout"_s);
            QTest::addRow("%s customizing", name) << w << u"mnuCustomizing"_s << u"frmCustomizing"_s;
            QTest::addRow("%s information", name) << w << u"mnuInformation"_s << u"frmInformation"_s;
            QTest::addRow("%s registration", name)
                << w << u"mnuUserRegistration"_s << u"frmUserRegistration"_s;
        }
    }
    // Each dialog is modal, owned by the window whose menu was used; closing it leaves that window as it was.
    void helpMenuDialogs() {
        QFETCH(Window, window);
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        Form& w = open(window);
        QString shown;
        bool ownedByWindow = false;
        bool centred = false;
        w.move(0, 0);
        whenModal([&] {
            auto* d = qobject_cast<Form*>(QApplication::activeModalWidget());
            if (d == nullptr) {
                return;
            }
            shown = d->objectName();
            ownedByWindow =
                d->windowHandle() != nullptr && d->windowHandle()->transientParent() == w.windowHandle();
            // Centred on the screen (give or take its frame), wherever its owner stands.
            const QPoint off =
                d->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
            centred = qAbs(off.x()) <= 3 && qAbs(off.y()) <= 3;
            need<QAbstractButton>(*d, d->windowSpec().defaultButton).click();
        });
        trigger(w, item);
        QCOMPARE(shown, dialog);
        QVERIFY(ownedByWindow);
        QVERIFY(centred);
        QCOMPARE(loaded(window), &w);
        for (Form* f : ctx().forms().loadedForms()) {
            QCOMPARE(f, &w);
        }
    }

    // A help file that no viewer can show: the window says what to install, under the title of its own
    // messages. A missing help file stays silent, and so does a viewer that opened or failed to start.
    void helpWithoutAViewerSaysWhatToInstall_data() {
        using platform::HelpShown;
        QTest::addColumn<Window>("window");
        QTest::addColumn<HelpShown>("shown");
        QTest::addColumn<QString>("title"); // empty: no message
        QTest::newRow("Form2, no viewer") << Window::Input << HelpShown::NoViewer << u"Kavor Lintep 2005"_s;
        QTest::newRow("Form4, no viewer") << Window::Result << HelpShown::NoViewer << u"Kavor Lintep 2005"_s;
        QTest::newRow("Form7, no viewer")
            << Window::Viewer << HelpShown::NoViewer << u"Kavor Lintep 2005 Viewer"_s;
        QTest::newRow("Form2, no help file") << Window::Input << HelpShown::NoHelpFile << QString();
        QTest::newRow("Form7, no help file") << Window::Viewer << HelpShown::NoHelpFile << QString();
        QTest::newRow("Form4, opened") << Window::Result << HelpShown::Opened << QString();
        QTest::newRow("Form2, viewer failed") << Window::Input << HelpShown::NotStarted << QString();
    }
    void helpWithoutAViewerSaysWhatToInstall() {
        QFETCH(Window, window);
        QFETCH(platform::HelpShown, shown);
        QFETCH(QString, title);
        m_test->helpViewer.shown = shown;
        Form& w = open(window);
        trigger(w, u"mnuHelpContents"_s);
        QCOMPARE(m_test->helpViewer.count(ScriptedHelpViewer::Kind::ShowContents), 1);
        if (title.isEmpty()) {
            QVERIFY(m_test->boxes.asked.empty());
        } else {
            QCOMPARE(m_test->boxes.asked.size(), std::size_t{1});
            const auto& box = m_test->boxes.asked[0];
            QCOMPARE(box.text, NoViewerText);
            QCOMPARE(box.title, title);
            QCOMPARE(box.icon, platform::MsgIcon::Exclamation);
            QCOMPARE(box.buttons, platform::MsgButtons::Ok);
            QCOMPARE(m_test->boxes.owners[0], &w);
        }
        QCOMPARE(loaded(window), &w);
        QVERIFY(m_test->helpViewer.count(ScriptedHelpViewer::Kind::CloseAll) == 0);
    }

    void closeButtonUnloadsWithoutAQuestion_data() { closeAnsweredOk_data(); }
    void closeButtonUnloadsWithoutAQuestion() {
        QFETCH(Window, window);
        Form& w = open(window);
        QVERIFY(w.close());
        flushUnloads();
        QVERIFY(m_test->boxes.asked.empty());
        QVERIFY(m_test->helpViewer.calls.empty());
        QVERIFY(ctx().forms().loadedForms().empty());
        QVERIFY(ended());
    }

    // The shared commands are wired by name once: a window that lacks one of them fails there, naming it.
    void aMissingSharedControlStopsTheWindowWithItsName() {
        try {
            WindowWithoutPrint w(*m_test->ctx);
            wireMainWindowCommands(w, {});
            QFAIL("wired a window without its print item");
        } catch (const MissingControl& missing) {
            QVERIFY2(QString::fromUtf8(missing.what()).endsWith(u".mnuFilePrint"_s), missing.what());
        }
    }

    // A command that meets a control its window lacks stops there and names the control; the window stays.
    void aCommandReportsAMissingControl() {
        Form4& f = ctx().forms().get<Form4>();
        bool ranOn = false;
        runCommand(f, [&] {
            f.control<TextBox>(u"Text9"_s).setText(u"1"_s);
            ranOn = true;
        });
        QVERIFY(!ranOn);
        QCOMPARE(m_test->boxes.asked.size(), 1U);
        const platform::MessageBoxRequest& box = m_test->boxes.asked[0];
        QCOMPARE(box.icon, platform::MsgIcon::Critical);
        QCOMPARE(box.title, u"Kavor Lintep 2005"_s);
        QVERIFY2(box.text.contains(u"Form4.Text9"_s), qPrintable(box.text));
        QCOMPARE(ctx().forms().loaded<Form4>(), &f);
    }

    // Every main window keeps the help file from the moment it is made, whatever window it is.
    void helpFileLiesInTheProgramsFolder() {
        ctx().programFolder = u"/opt/kl"_s;
        WindowWithoutPrint w(*m_test->ctx);
        QCOMPARE(w.HelpFilePath, u"/opt/kl/Kavor Lintep 2005 HELP.chm"_s);
    }

    // The real help viewer with none installed: silent while the help file is missing, a message once it
    // is there.
    void helpFileWithNoViewerInstalled() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        platform::ChmHelpViewer helpViewer({dir.filePath(u"no-such-viewer"_s)});
        const auto context = withHelpViewer(helpViewer, dir.path());
        AppContext& app = *context;

        Form7& viewer = app.forms().get<Form7>();
        viewer.show();
        need<QAction>(viewer, u"mnuHelpContents"_s).trigger();
        QVERIFY(m_test->boxes.asked.empty());

        QFile help(dir.filePath(u"Kavor Lintep 2005 HELP.chm"_s));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        need<QAction>(viewer, u"mnuHelpContents"_s).trigger();
        QCOMPARE(m_test->boxes.asked.size(), std::size_t{1});
        QCOMPARE(m_test->boxes.asked[0].text, NoViewerText);
        QCOMPARE(m_test->boxes.asked[0].title, u"Kavor Lintep 2005 Viewer"_s);
        QCOMPARE(m_test->boxes.owners[0], &viewer);
        QCOMPARE(app.forms().loaded<Form7>(), &viewer);
        viewer.Unload();
        flushUnloads();
    }

    // With a real help viewer (a stand-in program): a missing help file shows nothing, and the exit ends
    // every viewer the program started.
    void helpViewersOfTheProgram() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString log = dir.filePath(u"viewer.log"_s);
        const QString viewer = writeFakeViewer(dir.filePath(u"viewer"_s), log);
        platform::ChmHelpViewer helpViewer({viewer});
        const auto context = withHelpViewer(helpViewer, dir.path());
        AppContext& app = *context;

        Form2& input = app.forms().get<Form2>();
        input.show();
        need<QAction>(input, u"mnuHelpContents"_s).trigger();
        QCOMPARE(helpViewer.runningViewers(), 0);
        QVERIFY(m_test->boxes.asked.empty());
        QCOMPARE(app.forms().loaded<Form2>(), &input);

        QFile help(dir.filePath(u"Kavor Lintep 2005 HELP.chm"_s));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        need<QAction>(input, u"mnuHelpContents"_s).trigger();
        need<QAction>(input, u"mnuHelpContents"_s).trigger();
        QCOMPARE(helpViewer.runningViewers(), 2);
        QTRY_VERIFY(QFile::exists(log));

        m_test->boxes.answers = {platform::MsgAnswer::Ok};
        need<QAction>(input, u"mnuFileExit"_s).trigger();
        QCOMPARE(helpViewer.runningViewers(), 0);
        QVERIFY(app.forms().loadedForms().empty());
        flushUnloads();
    }
};

QTEST_MAIN(MainWindowCommandsTest)
#include "MainWindowCommandsTest.moc"
