#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <QtTest>

#include "platform/ImageBox.h"
#include "support/TestEnvironment.h"

using namespace Qt::StringLiterals;

using kl::ImageBox;

namespace {

const QColor Behind(239, 187, 141); // the viewer window's colour

// Left half transparent, right half in `ink`.
QPixmap halfTransparent(QSize size, QColor ink) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = size.width() / 2; x < size.width(); ++x) {
            image.setPixelColor(x, y, ink);
        }
    }
    return QPixmap::fromImage(image);
}

// A window background that an image control may or may not cover.
struct Backdrop {
    QWidget window;
    Backdrop() {
        QPalette p = window.palette();
        p.setColor(QPalette::Window, Behind);
        window.setPalette(p);
        window.setAutoFillBackground(true);
        window.resize(200, 100);
    }
    QColor at(QPoint p) { return window.grab().toImage().pixelColor(p); }
};

} // namespace

class PicturesImageBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kl::testing::prepareWidgetTests(); }

    void sizeFollowsTheStretchSetting_data() {
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("plain, stored larger")
            << false << QSize(152, 191) << QSize(152, 142) << QSize(152, 142);
        QTest::newRow("plain, stored smaller") << false << QSize(10, 10) << QSize(68, 13) << QSize(68, 13);
        QTest::newRow("stretched, larger box") << true << QSize(139, 25) << QSize(95, 17) << QSize(139, 25);
        QTest::newRow("stretched, smaller box") << true << QSize(50, 10) << QSize(139, 25) << QSize(50, 10);
    }
    void sizeFollowsTheStretchSetting() {
        QFETCH(bool, stretch);
        QFETCH(QSize, stored);
        QFETCH(QSize, picture);
        QFETCH(QSize, expected);
        Backdrop backdrop;
        ImageBox box(&backdrop.window, u"Image1"_s, stretch);
        box.resize(stored);
        box.setPicture(halfTransparent(picture, Qt::black));
        QCOMPARE(box.size(), expected);
        QCOMPARE(box.Picture().size(), picture);
        // Emptying the control leaves its size alone.
        box.clearPicture();
        QVERIFY(!box.hasPicture());
        QCOMPARE(box.size(), expected);
    }

    void stretchedPictureFillsTheControl() {
        Backdrop backdrop;
        ImageBox box(&backdrop.window, u"Image2"_s, true);
        box.setGeometry(0, 0, 80, 20);
        box.setPicture(halfTransparent(QSize(20, 5), Qt::blue));
        // The picture's right half covers the control's right half, scaled by four.
        QCOMPARE(backdrop.at(QPoint(70, 15)), QColor(Qt::blue));
        QCOMPARE(backdrop.at(QPoint(10, 15)), Behind);
        QCOMPARE(backdrop.at(QPoint(90, 15)), Behind); // beyond the control
    }

    void transparentPixelsShowWhatLiesBehind() {
        Backdrop backdrop;
        ImageBox box(&backdrop.window, u"Image9"_s);
        // A colour of its own that would show if the control painted a background.
        QPalette own = box.palette();
        own.setColor(QPalette::Window, Qt::magenta);
        box.setPalette(own);
        box.move(10, 10);
        box.setPicture(halfTransparent(QSize(20, 10), Qt::black));
        QCOMPARE(backdrop.at(QPoint(12, 15)), Behind);
        QCOMPARE(backdrop.at(QPoint(25, 15)), QColor(Qt::black));
    }

    void turningStretchOffTakesThePictureSize() {
        Backdrop backdrop;
        ImageBox box(&backdrop.window, u"Image4"_s, true);
        box.resize(100, 50);
        box.setPicture(halfTransparent(QSize(30, 6), Qt::black));
        QCOMPARE(box.size(), QSize(100, 50));
        box.setStretch(false);
        QCOMPARE(box.size(), QSize(30, 6));
    }
};

QTEST_MAIN(PicturesImageBoxTest)
#include "PicturesImageBoxTest.moc"
