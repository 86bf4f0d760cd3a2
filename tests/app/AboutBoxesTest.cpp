#include <QtTest>

#include <QFontInfo>
#include <QScrollBar>

#include "app/TermsOfUse.h"
#include "app/gui/AboutBoxes.h"
#include "app/gui/frmUse_permission.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "platform/Resources.h"
#include "support/ModalSteps.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace kl;
using namespace kl::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Box { Input, Viewer };

struct AboutCase {
    QString caption;
    QString prefix;
    int versionRight;
    int versionTop;
    std::vector<std::pair<QString, int>> pictures; // image control, picture id
    QString ownAgreementButton;
    QString otherAgreementButton;
};

AboutCase aboutCase(Box box) {
    if (box == Box::Input) {
        return {u"Kavor Lintep 2005 Zelmarovinth ﾊﾞｰｼﾞｮﾝ情報"_s,
                {},
                6260,
                950,
                {{u"Image3"_s, 112},
                 {u"Image4"_s, 106},
                 {u"Image2"_s, 101},
                 {u"Image5"_s, 131},
                 {u"Image6"_s, 132}},
                u"HideAgreementButton"_s,
                u"HideAgreementButtonV"_s};
    }
    return {
        u"Kavor Lintep 2005 Viewer ﾊﾞｰｼﾞｮﾝ情報"_s,
        u"V"_s,
        6005,
        860,
        {{u"Image3"_s, 111}, {u"Image4"_s, 110}, {u"Image2"_s, 101}, {u"Image5"_s, 131}, {u"Image6"_s, 135}},
        u"HideAgreementButtonV"_s,
        u"HideAgreementButton"_s};
}

QImage picture(int id) {
    QImage image;
    image.loadFromData(*platform::loadCustomResource(id));
    return image;
}

// The two places the system-information tool is looked up.
const QString PathKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s;
const QString FolderKey = u"SOFTWARE\\Microsoft\\Shared Tools Location"_s;

} // namespace

Q_DECLARE_METATYPE(Box)

class AboutBoxesTest : public WindowTest {
    Q_OBJECT

    AboutBox& open(Box box) {
        if (box == Box::Input) {
            return ctx().forms().get<frmAbout>();
        }
        return ctx().forms().get<frmAbout1>();
    }
    AboutBox* loaded(Box box) {
        if (box == Box::Input) {
            return ctx().forms().loaded<frmAbout>();
        }
        return ctx().forms().loaded<frmAbout1>();
    }

    void addBoxes() {
        QTest::addColumn<Box>("box");
        QTest::newRow("frmAbout") << Box::Input;
        QTest::newRow("frmAbout1") << Box::Viewer;
    }

private Q_SLOTS:
    void layoutAfterLoading_data() { addBoxes(); }
    void layoutAfterLoading() {
        QFETCH(Box, box);
        const AboutCase c = aboutCase(box);
        AboutBox& about = open(box);
        QCOMPARE(about.windowTitle(), c.caption);
        QCOMPARE(about.client().size(), QSize(twips(6660), twips(5100)));
        for (const auto& [name, id] : c.pictures) {
            const auto& image = need<ImageBox>(about, name);
            QVERIFY2(image.hasPicture(), qPrintable(name));
            QCOMPARE(image.Picture().toImage().convertToFormat(QImage::Format_ARGB32),
                     picture(id).convertToFormat(QImage::Format_ARGB32));
        }
        // The banner is not stretched: it takes its picture's size.
        QCOMPARE(need<ImageBox>(about, u"Image4"_s).size(), picture(c.pictures[1].second).size());
        QCOMPARE(need<ImageBox>(about, u"Image6"_s).size(), QSize(twips(4350), twips(360)));

        const auto& version = need<Label>(about, u"lblVersion"_s);
        QCOMPARE(version.Caption(), u"Version  1 . 0 . 0"_s);
        QCOMPARE(version.geometry().right() + 1, twips(c.versionRight));
        QCOMPARE(version.y(), twips(c.versionTop));
        QCOMPARE(version.palette().color(QPalette::WindowText), QColor(128, 128, 255));
        // Haettenschweiler's stand-in, in the heavy weight that face has.
        const QFontInfo face(version.font());
        QCOMPARE(face.family(), u"Roboto Condensed"_s);
        QVERIFY2(face.weight() >= QFont::Bold, qPrintable(QString::number(face.weight())));

        QCOMPARE(need<CommandButton>(about, c.prefix + u"cmdOK"_s).text(), u"O K"_s);
        QCOMPARE(need<CommandButton>(about, c.prefix + u"cmdSysInfo"_s).text(), u"ｼｽﾃﾑ情報(&S)..."_s);
        QCOMPARE(need<CommandButton>(about, c.prefix + u"CommandUse_permission"_s).text(),
                 u"使用許諾契約書の表示"_s);
        QCOMPARE(about.windowSpec().defaultButton, c.prefix + u"cmdOK"_s);
        QCOMPARE(about.windowSpec().cancelButton, c.prefix + u"cmdOK"_s);
        QCOMPARE(about.windowSpec().tabOrder, (QStringList{c.prefix + u"cmdOK"_s, c.prefix + u"cmdSysInfo"_s,
                                                           c.prefix + u"CommandUse_permission"_s}));
        QCOMPARE(about.focusWidget(), &need<CommandButton>(about, c.prefix + u"cmdOK"_s));
    }

    void keysAndButtonsClose_data() {
        QTest::addColumn<Box>("box");
        QTest::addColumn<QString>("how");
        for (Box box : {Box::Input, Box::Viewer}) {
            const char* name = box == Box::Input ? "frmAbout" : "frmAbout1";
            for (const char* how : {"Enter", "Esc", "OK", "close button"}) {
                QTest::addRow("%s %s", name, how) << box << QString::fromLatin1(how);
            }
        }
    }
    void keysAndButtonsClose() {
        QFETCH(Box, box);
        QFETCH(QString, how);
        AboutBox& about = open(box);
        bool closedByStep = false;
        whenModal([&] {
            if (how == u"Enter"_s) {
                QTest::keyClick(keyTarget(about), Qt::Key_Return);
            } else if (how == u"Esc"_s) {
                QTest::keyClick(keyTarget(about), Qt::Key_Escape);
            } else if (how == u"OK"_s) {
                need<CommandButton>(about, aboutCase(box).prefix + u"cmdOK"_s).click();
            } else {
                about.close();
            }
            closedByStep = loaded(box) == nullptr;
        });
        about.showModal(nullptr);
        QVERIFY(closedByStep);
    }

    void eachOpeningLoadsAfresh_data() { addBoxes(); }
    void eachOpeningLoadsAfresh() {
        QFETCH(Box, box);
        AboutBox* first = &open(box);
        need<Label>(*first, u"lblVersion"_s).setCaption(u"changed"_s);
        first->Unload();
        flushUnloads();
        AboutBox& second = open(box);
        QCOMPARE(need<Label>(second, u"lblVersion"_s).Caption(), u"Version  1 . 0 . 0"_s);
        QCOMPARE(second.windowTitle(), aboutCase(box).caption);
    }

    // The terms viewer shows the opener's own "O K" button only, starts at the text's first line with the
    // focus in it, and closing it returns to the about box, which stays open.
    void termsViewerFromEachAboutBox_data() { addBoxes(); }
    void termsViewerFromEachAboutBox() {
        QFETCH(Box, box);
        const AboutCase c = aboutCase(box);
        AboutBox& about = open(box);
        bool viewerChecked = false;
        bool aboutStillOpen = false;
        whenModal([&] {
            whenModal([&] {
                auto* viewer = ctx().forms().loaded<frmUse_permission>();
                QVERIFY(viewer != nullptr);
                QVERIFY(viewer->isModal());
                QVERIFY(viewer->isVisible());
                auto& own = need<CommandButton>(*viewer, c.ownAgreementButton);
                QVERIFY(own.isVisible());
                QVERIFY(!need<CommandButton>(*viewer, c.otherAgreementButton).isVisible());
                QCOMPARE(own.geometry(), QRect(twips(2107), twips(6000), twips(1500), twips(450)));
                auto& text = need<MemoBox>(*viewer, u"Text1"_s);
                // The box keeps the text's lines; it hands them back joined by LF.
                QCOMPARE(text.Text(), TermsOfUseText());
                QCOMPARE(viewer->focusWidget(), &text);
                QCOMPARE(text.verticalScrollBar()->value(), 0);
                QCOMPARE(viewer->windowTitle(), u"Kavor Lintep 2005 使用許諾契約書"_s);
                own.click();
                viewerChecked = ctx().forms().loaded<frmUse_permission>() == nullptr;
            });
            need<CommandButton>(about, c.prefix + u"CommandUse_permission"_s).click();
            aboutStillOpen = loaded(box) == &about && about.isVisible();
        });
        about.showModal(nullptr);
        QVERIFY(viewerChecked);
        QVERIFY(aboutStillOpen);
    }

    void termsViewerOpenedByOneBoxThenTheOther() {
        for (Box box : {Box::Input, Box::Viewer}) {
            const AboutCase c = aboutCase(box);
            AboutBox& about = open(box);
            QStringList shown;
            whenModal([&] {
                whenModal([&] {
                    auto& viewer = ctx().forms().get<frmUse_permission>();
                    for (const QString& name : {u"HideAgreementButton"_s, u"HideAgreementButtonV"_s}) {
                        if (need<CommandButton>(viewer, name).isVisible()) {
                            shown << name;
                        }
                    }
                    viewer.close();
                });
                need<CommandButton>(about, c.prefix + u"CommandUse_permission"_s).click();
                about.Unload();
            });
            about.showModal(nullptr);
            QCOMPARE(shown, QStringList{c.ownAgreementButton});
            flushUnloads();
        }
    }

    // Enter closes the viewer from the text box as from anywhere; for the input mode's opener the default
    // button is hidden, and Enter presses it all the same. Esc closes nothing.
    void termsViewerKeys_data() {
        QTest::addColumn<QString>("shownButton");
        QTest::newRow("viewer's button shown") << u"HideAgreementButtonV"_s;
        QTest::newRow("input mode's button shown") << u"HideAgreementButton"_s;
    }
    void termsViewerKeys() {
        QFETCH(QString, shownButton);
        auto& viewer = ctx().forms().get<frmUse_permission>();
        need<CommandButton>(viewer, u"HideAgreementButton"_s)
            .setVisible(shownButton == u"HideAgreementButton"_s);
        need<CommandButton>(viewer, u"HideAgreementButtonV"_s)
            .setVisible(shownButton == u"HideAgreementButtonV"_s);
        bool stayedOnEsc = false;
        bool closedOnEnter = false;
        bool textUnchanged = false;
        whenModal([&] {
            auto& text = need<MemoBox>(viewer, u"Text1"_s);
            QTest::keyClicks(&text, u"abc"_s);
            QTest::keyClick(&text, Qt::Key_Delete);
            textUnchanged = text.Text() == TermsOfUseText();
            QTest::keyClick(&text, Qt::Key_Escape);
            stayedOnEsc = ctx().forms().loaded<frmUse_permission>() == &viewer;
            QTest::keyClick(&text, Qt::Key_Return);
            closedOnEnter = ctx().forms().loaded<frmUse_permission>() == nullptr;
        });
        viewer.showModal(nullptr);
        QVERIFY(textUnchanged);
        QVERIFY(stayedOnEsc);
        QVERIFY(closedOnEnter);
    }

    void termsTextWrapsInTheBox() {
        auto& viewer = ctx().forms().get<frmUse_permission>();
        auto& text = need<MemoBox>(viewer, u"Text1"_s);
        QCOMPARE(text.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(text.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text.lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(text.isReadOnly());
        QVERIFY(need<CommandButton>(viewer, u"HideAgreementButton"_s).isHidden());
        QVERIFY(need<CommandButton>(viewer, u"HideAgreementButtonV"_s).isHidden());
    }

    // Every edge of the launch, from both boxes: what is started, and when the message comes instead.
    void systemInformation_data() {
        QTest::addColumn<Box>("box");
        QTest::addColumn<QString>("pathValue");  // the first place's PATH; empty: no such key
        QTest::addColumn<bool>("folderHasTool"); // the second place names a folder, with MSINFO32.EXE or not
        QTest::addColumn<bool>("folderKey");     // whether the second place exists at all
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QString>("started"); // "<folder>" stands for the second place's tool
        QTest::addColumn<bool>("message");
        for (Box box : {Box::Input, Box::Viewer}) {
            const char* b = box == Box::Input ? "frmAbout" : "frmAbout1";
            QTest::addRow("%s first place, tool starts", b)
                << box << u"/usr/bin/tool"_s << true << true << true << u"/usr/bin/tool"_s << false;
            QTest::addRow("%s first place, tool missing", b)
                << box << u"/usr/bin/missing"_s << true << true << false << u"/usr/bin/missing"_s << true;
            QTest::addRow("%s second place with the tool", b)
                << box << QString() << true << true << true << u"<folder>"_s << false;
            QTest::addRow("%s second place without the tool", b)
                << box << QString() << false << true << true << QString() << true;
            QTest::addRow("%s neither place", b)
                << box << QString() << false << false << true << QString() << true;
        }
    }
    void systemInformation() {
        QFETCH(Box, box);
        QFETCH(QString, pathValue);
        QFETCH(bool, folderHasTool);
        QFETCH(bool, folderKey);
        QFETCH(bool, startSucceeds);
        QFETCH(QString, started);
        QFETCH(bool, message);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        if (!pathValue.isEmpty()) {
            m_test->registry.setString(PathKey, u"PATH"_s, pathValue);
        }
        if (folderKey) {
            m_test->registry.setString(FolderKey, u"MSINFO"_s, folder.path());
        }
        if (folderHasTool) {
            QFile tool(folder.filePath(u"MSINFO32.EXE"_s));
            QVERIFY(tool.open(QIODevice::WriteOnly));
        }
        m_test->processes.answers = {startSucceeds};
        started.replace(u"<folder>"_s, folder.filePath(u"MSINFO32.EXE"_s));

        AboutBox& about = open(box);
        // Alt+S is the button's access key.
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(keyTarget(about), Qt::Key_S, Qt::AltModifier);
        // An access key presses its button as a click does, a moment later.
        QTRY_VERIFY(!m_test->processes.started.empty() || !m_test->boxes.asked.empty());

        if (started.isEmpty()) {
            QVERIFY(m_test->processes.started.empty());
        } else {
            QCOMPARE(m_test->processes.started.size(), std::size_t{1});
            QCOMPARE(m_test->processes.started[0].program, started);
            QVERIFY(m_test->processes.started[0].arguments.isEmpty());
        }
        QCOMPARE(m_test->boxes.asked.size(), std::size_t{message ? 1U : 0U});
        if (message) {
            const auto& asked = m_test->boxes.asked[0];
            QCOMPARE(asked.text, u"現時点ではｼｽﾃﾑ情報を使用できません"_s);
            QCOMPARE(asked.title, u"Kavor Lintep 2005 Zelmarovinth"_s);
            QCOMPARE(asked.icon, platform::MsgIcon::None);
            QCOMPARE(asked.buttons, platform::MsgButtons::Ok);
            QCOMPARE(m_test->boxes.owners[0], &about);
        }
        QVERIFY2(loaded(box) == &about, "the about box stays open");
        QVERIFY(m_test->registry.openKeys.empty());
    }

    void eachLaunchStartsTheToolAnew() {
        m_test->registry.setString(PathKey, u"PATH"_s, u"/usr/bin/tool"_s);
        m_test->processes.answers = {true, true};
        AboutBox& about = open(Box::Input);
        need<CommandButton>(about, u"cmdSysInfo"_s).click();
        need<CommandButton>(about, u"cmdSysInfo"_s).click();
        QCOMPARE(m_test->processes.started.size(), std::size_t{2});
    }
};

QTEST_MAIN(AboutBoxesTest)
#include "AboutBoxesTest.moc"
