#include <QtTest>

#include <QPushButton>

#include "WindowsByName.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"
#include "support/XDesktop.h"

using namespace kl;
using namespace kl::testing;
using namespace Qt::StringLiterals;

// Every window draws its default button as the default one (the look that says Enter presses it), except
// while the focus is on another button, which then takes Enter and the look, as in any dialog.
class DefaultButtonsTest : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void defaultButtonLooksDefault_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("defaultButton");
        QTest::addColumn<QString>("otherButton");  // empty: the window has no other
        QTest::addColumn<QString>("otherControl"); // a control that is no button; empty: none takes the focus
        QTest::newRow("top menu") << u"Form1"_s << u"Command1"_s << u"Command2"_s << u"Option1_1"_s;
        QTest::newRow("data entry") << u"Form2"_s << u"Command1"_s << u"Command3"_s << u"Combo11"_s;
        QTest::newRow("result") << u"Form4"_s << u"F4_Command1"_s << u"F4_Command2"_s
                                << u"F4_WTF_Kumiawase_Old_TXT"_s;
        QTest::newRow("viewer") << u"Form7"_s << u"F7_Command1"_s << u"F7_Command2"_s
                                << u"F7_WTF_Kumiawase_Old_TXT"_s;
        QTest::newRow("about box") << u"frmAbout"_s << u"cmdOK"_s << u"cmdSysInfo"_s << QString();
        QTest::newRow("viewer's about box") << u"frmAbout1"_s << u"VcmdOK"_s << u"VcmdSysInfo"_s << QString();
        QTest::newRow("products notice") << u"frmInformation"_s << u"cmdOK"_s << QString() << u"Text1"_s;
        QTest::newRow("shops notice") << u"frmCustomizing"_s << u"cmdOK"_s << QString() << u"Text1"_s;
        QTest::newRow("registration notice")
            << u"frmUserRegistration"_s << u"cmdOK"_s << QString() << u"Text1"_s;
    }

    void defaultButtonLooksDefault() {
        QFETCH(QString, window);
        QFETCH(QString, defaultButton);
        QFETCH(QString, otherButton);
        QFETCH(QString, otherControl);
        Form& w = openWindow(*m_test->ctx, window);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto& ok = need<QPushButton>(w, defaultButton);
        // The style draws a button as the default one exactly when it is the default.
        QVERIFY2(ok.isDefault(), "drawn as the default button when the window opens");

        if (!otherButton.isEmpty()) {
            auto& other = need<QPushButton>(w, otherButton);
            other.setFocus(Qt::TabFocusReason);
            QVERIFY2(other.isDefault(), "a button with the focus takes the look");
            QVERIFY2(!ok.isDefault(), "one default look at a time");
            if (otherControl.isEmpty()) {
                ok.setFocus(Qt::BacktabFocusReason);
            } else {
                need<QWidget>(w, otherControl).setFocus(Qt::TabFocusReason);
            }
            QVERIFY2(ok.isDefault(), "the look comes back once the focus leaves the other button");
            QVERIFY(!other.isDefault());
        }
        if (!otherControl.isEmpty()) {
            need<QWidget>(w, otherControl).setFocus(Qt::TabFocusReason);
            QVERIFY2(ok.isDefault(), "kept while the focus is on a control that is no button");
        }
        // The look stays while a message or a dialog of the program has the focus.
        QWidget box;
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY2(ok.isDefault(), "kept while another window is active");
        for (QPushButton* b : w.findChildren<QPushButton*>()) {
            QVERIFY2(b == &ok || !b->isDefault(), qPrintable(b->objectName()));
        }
        w.Unload();
    }
};

KL_QTEST_MAIN_WITH_DESKTOP(DefaultButtonsTest)
#include "DefaultButtonsTest.moc"
