#include <QtTest>

#include "WindowsByName.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"
#include "support/XDesktop.h"

using namespace kl;
using namespace kl::testing;
using namespace Qt::StringLiterals;

namespace {

// _MOTIF_WM_HINTS: flags, functions, decorations, ...
enum : quint32 {
    MwmHasFunctions = 1U << 0,
    MwmHasDecorations = 1U << 1,
    MwmFunctionAll = 1U << 0,
    MwmFunctionMinimise = 1U << 3,
    MwmFunctionMaximise = 1U << 4,
    MwmFunctionClose = 1U << 5,
    MwmDecorationAll = 1U << 0,
    MwmDecorationTitle = 1U << 3,
    MwmDecorationMinimise = 1U << 5,
    MwmDecorationMaximise = 1U << 6,
};

} // namespace

// What the windows with a fixed border tell the window manager their title bar offers, and what it makes
// of that: a close button and no way to change the window's size.
class TitleBarTest : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void offersOnlyWhatTheWindowAllows_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("top menu") << u"Form1"_s;
        QTest::newRow("data entry") << u"Form2"_s;
        QTest::newRow("result") << u"Form4"_s;
        QTest::newRow("viewer") << u"Form7"_s;
        QTest::newRow("about box") << u"frmAbout"_s;
        QTest::newRow("products notice") << u"frmInformation"_s;
        QTest::newRow("terms of use") << u"frmUse_permission"_s;
    }

    void offersOnlyWhatTheWindowAllows() {
        if (XDesktop::current() == nullptr) {
            QSKIP("only a window manager on the X desktop reads a title bar's hints");
        }
        QFETCH(QString, window);
        Form& w = openWindow(*m_test->ctx, window);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QSize size = XDesktop::windowSize(w);

        // The window asks for a title bar with its close button and nothing else.
        const std::vector<quint32> motif = XDesktop::windowValues(w, "_MOTIF_WM_HINTS");
        QVERIFY2(motif.size() >= 3, "the window sets its Motif hints");
        QCOMPARE(motif[0] & (MwmHasFunctions | MwmHasDecorations), MwmHasFunctions | MwmHasDecorations);
        QCOMPARE(motif[1] & (MwmFunctionAll | MwmFunctionMinimise | MwmFunctionMaximise), 0U);
        QCOMPARE(motif[1] & MwmFunctionClose, quint32(MwmFunctionClose));
        QCOMPARE(motif[2] & (MwmDecorationAll | MwmDecorationMinimise | MwmDecorationMaximise), 0U);
        QCOMPARE(motif[2] & MwmDecorationTitle, quint32(MwmDecorationTitle));

        // The window manager lets it be closed, and neither resized nor maximised.
        QStringList allowed;
        QTRY_VERIFY_WITH_TIMEOUT(!(allowed = XDesktop::windowAtoms(w, "_NET_WM_ALLOWED_ACTIONS")).isEmpty(),
                                 5000);
        QVERIFY2(allowed.contains(u"_NET_WM_ACTION_CLOSE"_s), qPrintable(allowed.join(u' ')));
        for (const QString& action : {u"_NET_WM_ACTION_RESIZE"_s, u"_NET_WM_ACTION_MAXIMIZE_HORZ"_s,
                                      u"_NET_WM_ACTION_MAXIMIZE_VERT"_s}) {
            QVERIFY2(!allowed.contains(action), qPrintable(allowed.join(u' ')));
        }

        // A request to maximise, as a pager sends it, leaves the window as it was. The window manager
        // handles requests in order: once the request that follows it shows, the maximise has been
        // handled too.
        XDesktop::requestState(w, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ");
        XDesktop::requestState(w, "_NET_WM_STATE_ABOVE");
        QTRY_VERIFY_WITH_TIMEOUT(XDesktop::windowAtoms(w, "_NET_WM_STATE").contains(u"_NET_WM_STATE_ABOVE"_s),
                                 5000);
        const QStringList state = XDesktop::windowAtoms(w, "_NET_WM_STATE");
        QVERIFY2(!state.contains(u"_NET_WM_STATE_MAXIMIZED_VERT"_s), qPrintable(state.join(u' ')));
        QVERIFY2(!state.contains(u"_NET_WM_STATE_MAXIMIZED_HORZ"_s), qPrintable(state.join(u' ')));
        QCOMPARE(XDesktop::windowSize(w), size);
        QVERIFY(!w.isMaximized());
        w.Unload();
    }
};

KL_QTEST_MAIN_WITH_DESKTOP(TitleBarTest)
#include "TitleBarTest.moc"
