#include <QtTest>

#include <QFontInfo>
#include <QPaintEvent>

#include "app/gui/Form1.h"
#include "app/gui/StartUp.h"
#include "app/gui/frmSplash.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"
#include "support/XDesktop.h"

using namespace kl;
using namespace kl::testing;
using namespace Qt::StringLiterals;

namespace {

// Counts the paint events of the splash window and its controls.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            for (QObject* o = watched; o != nullptr; o = o->parent()) {
                if (o->objectName() == u"frmSplash"_s) {
                    ++paints;
                    break;
                }
            }
        }
        return false;
    }
};

// The loaded instances of the top menu, the single one and the start-up's alike.
std::vector<Form1*> loadedMenus(AppContext& ctx) {
    std::vector<Form1*> menus;
    for (Form* f : ctx.forms().loadedForms()) {
        if (auto* m = qobject_cast<Form1*>(f)) {
            menus.push_back(m);
        }
    }
    return menus;
}

// The parts of the splash where the card itself shows: everything but its pictures, its version label and
// the frame's edge.
QRegion cardArea(const frmSplash& splash) {
    QRegion area(splash.rect());
    const auto& frame = splash.control<QWidget>(u"fraMainFrame"_s);
    for (const QWidget* w : frame.findChildren<QWidget*>()) {
        if (qobject_cast<const ImageBox*>(w) != nullptr || qobject_cast<const Label*>(w) != nullptr) {
            area -= QRect(w->mapTo(&splash, QPoint(0, 0)), w->size());
        }
    }
    const QRect f(frame.mapTo(&splash, QPoint(0, 0)), frame.size());
    const int edgeTop = QFontMetrics(frame.font()).height() / 2;
    const QRect edge = f.adjusted(0, edgeTop, 0, 0);
    area -= QRegion(edge.adjusted(-1, -1, 1, 1)) - QRegion(edge.adjusted(3, 3, -3, -3));
    return area;
}

} // namespace

class StartUpTest : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void splashIsPaintedBeforeThePauseAndGoneBeforeTheMenuShows() {
        PaintCounter counter;
        qApp->installEventFilter(&counter);
        int paintsAtPause = -1;
        bool splashShownAtPause = false;
        bool menuLoadedAtPause = true;
        m_test->pause.during = [&] {
            frmSplash* splash = ctx().forms().loaded<frmSplash>();
            splashShownAtPause = splash != nullptr && splash->isVisible();
            paintsAtPause = counter.paints;
            menuLoadedAtPause = !loadedMenus(ctx()).empty();
        };
        // When the splash goes, the top menu is loaded with its pictures and not yet shown.
        bool menuReadyWhenSplashGoes = false;
        bool splashGoneWhenMenuShows = false;
        struct Watch : QObject {
            std::function<void(QObject*, QEvent*)> seen;
            bool eventFilter(QObject* o, QEvent* e) override {
                seen(o, e);
                return false;
            }
        } watch;
        watch.seen = [&](QObject* o, QEvent* e) {
            if (e->type() == QEvent::Hide && o->objectName() == u"frmSplash"_s) {
                const auto menus = loadedMenus(ctx());
                menuReadyWhenSplashGoes = menus.size() == 1 && !menus[0]->isVisible() &&
                                          menus[0]->control<ImageBox>(u"Image3"_s).hasPicture() &&
                                          menus[0]->windowTitle() == u"Kavor Lintep 2005 Zelmarovinth"_s;
            }
            if (e->type() == QEvent::Show && qobject_cast<Form1*>(o) != nullptr) {
                splashGoneWhenMenuShows = ctx().forms().loaded<frmSplash>() == nullptr;
            }
        };
        qApp->installEventFilter(&watch);

        StartUp(ctx());
        qApp->removeEventFilter(&watch);
        qApp->removeEventFilter(&counter);

        QCOMPARE(m_test->pause.pauses, std::vector<int>{1200});
        QVERIFY(splashShownAtPause);
        QVERIFY2(paintsAtPause > 0, "the splash is painted before the pause");
        QVERIFY(!menuLoadedAtPause);
        QVERIFY(menuReadyWhenSplashGoes);
        QVERIFY(splashGoneWhenMenuShows);

        const auto menus = loadedMenus(ctx());
        QCOMPARE(menus.size(), std::size_t{1});
        QVERIFY(menus[0]->isVisible());
        QCOMPARE(menus[0]->windowTitle(), u"Kavor Lintep 2005 Zelmarovinth"_s);
        QVERIFY2(ctx().forms().loaded<Form1>() == nullptr,
                 "the start-up shows its own instance, not the single one");
        QVERIFY(ctx().forms().loaded<frmSplash>() == nullptr);
    }

    // What the user sees is the screen, not the widget: a window manager maps the window some time after it
    // is shown, and what is painted before then never reaches the screen.
    void splashIsOnTheScreenInItsCardColourWhenThePauseBegins() {
        QImage shot;
        QRegion card;
        QSize size;
        m_test->pause.during = [&] {
            if (frmSplash* splash = ctx().forms().loaded<frmSplash>()) {
                shot = XDesktop::grabFromScreen(*splash);
                card = cardArea(*splash);
                size = splash->size();
            }
        };
        StartUp(ctx());

        QVERIFY2(!shot.isNull(), "the splash is on the screen when the pause begins");
        QCOMPARE(shot.size(), size);
        const QRgb cardColour = qRgb(239, 187, 141);
        int pixels = 0;
        int wrong = 0;
        QPoint firstWrong;
        for (const QRect& r : card) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                for (int x = r.left(); x <= r.right(); ++x) {
                    ++pixels;
                    if ((shot.pixel(x, y) & 0xFFFFFF) != (cardColour & 0xFFFFFF)) {
                        if (wrong++ == 0) {
                            firstWrong = QPoint(x, y);
                        }
                    }
                }
            }
        }
        QVERIFY2(pixels > size.width() * size.height() / 2, "most of the card is bare");
        QVERIFY2(wrong == 0,
                 qPrintable(
                     u"%1 of %2 pixels of the card are not its colour, the first at (%3,%4): %5"_s.arg(wrong)
                         .arg(pixels)
                         .arg(firstWrong.x())
                         .arg(firstWrong.y())
                         .arg(QColor(shot.pixel(firstWrong)).name())));
    }

    void splashLayout() {
        auto& splash = ctx().forms().get<frmSplash>();
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY2((splash.windowFlags() & Qt::WindowType_Mask) == Qt::SplashScreen,
                 "no title bar, no taskbar entry");
        QCOMPARE(splash.client().size(), QSize(twips(7455), twips(4605)));
        QCOMPARE(splash.client().palette().color(QPalette::Window), QColor(239, 187, 141));
        for (const char16_t* name : {u"Image2", u"Image3", u"Image5"}) {
            QVERIFY2(splash.control<ImageBox>(QString::fromUtf16(name)).hasPicture(),
                     qPrintable(QString::fromUtf16(name)));
        }
        QVERIFY(splash.findChildren<QAbstractButton*>().isEmpty());

        splash.show();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(splash.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(splash.geometry().center().y() - screen.center().y()) <= 1);
    }

    void splashVersionKeepsItsRightEdge() {
        auto& splash = ctx().forms().get<frmSplash>();
        auto& version = splash.control<Label>(u"lblVersion"_s);
        QCOMPARE(version.Caption(), u"Version 1.0.0"_s);
        QCOMPARE(version.parentWidget()->objectName(), u"fraMainFrame"_s);
        QCOMPARE(version.geometry().right() + 1, twips(6200 + 885));
        QCOMPARE(version.y(), twips(2200));
        QVERIFY(version.alignment().testFlag(Qt::AlignRight));
        QVERIFY2(version.width() >= version.sizeHint().width(), "the whole text fits");
        // Haettenschweiler's stand-in, in the heavy weight that face has.
        const QFontInfo face(version.font());
        QCOMPARE(face.family(), u"Roboto Condensed"_s);
        QVERIFY2(face.weight() >= QFont::Bold, qPrintable(QString::number(face.weight())));
    }
};

KL_QTEST_MAIN_WITH_DESKTOP(StartUpTest)
#include "StartUpTest.moc"
