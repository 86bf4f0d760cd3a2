#include <QtTest>

#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "platform/MessageBoxes.h"
#include "results/PrintSettings.h"
#include "support/TestEnvironment.h"
#include "support/XDesktop.h"

using namespace Qt::StringLiterals;
using kl::platform::MsgIcon;
using kl::platform::QtMessageBoxes;

namespace {

// The leftmost dark pixel of each run of rows that hold any, top to bottom: one entry per line of text
// that shows.
QList<int> lineStarts(const QImage& image, const QRect& area) {
    QList<int> starts;
    bool inLine = false;
    for (int y = area.top(); y <= area.bottom() + 1; ++y) {
        int left = -1;
        if (y <= area.bottom()) {
            for (int x = area.left(); x <= area.right() && left < 0; ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    left = x - area.left();
                }
            }
        }
        if (left >= 0 && !inLine) {
            starts.append(left);
        } else if (left >= 0) {
            starts.last() = std::min(starts.last(), left);
        }
        inLine = left >= 0;
    }
    return starts;
}

} // namespace

// The printer notice as the real box draws it, looked at on the screen.
class PrinterNoticeLookTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        kl::testing::prepareWidgetTests();
        const QString missing = kl::testing::missingLayoutFont();
        if (!missing.isEmpty()) {
            QFAIL(qPrintable(missing));
        }
    }

    // The three setting lines begin with the same two spaces and dot, so their dots stand one under the
    // other, whatever the printer's name and paper are written in.
    void settingLinesStartInOneColumn_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::newRow("latin name, A4 portrait") << u"PDF"_s << 9 << 1;
        QTest::newRow("latin name with spaces, user size") << u"EPSON PX-105"_s << 256 << 2;
        QTest::newRow("katakana name, unknown size") << u"キヤノン LBP"_s << 10 << 2;
        QTest::newRow("kanji name, no orientation word") << u"事務所 複合機"_s << 13 << 0;
    }
    void settingLinesStartInOneColumn() {
        QFETCH(QString, device);
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QList<int> starts;
        QString problem;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                problem = u"no box shown"_s;
                return;
            }
            const auto* label = box->findChild<QLabel*>(u"qt_msgbox_label"_s);
            if (label == nullptr || !QTest::qWaitForWindowExposed(box)) {
                problem = u"no text on the screen"_s;
            } else {
                const QRect area(label->mapTo(box, QPoint(0, 0)), label->size());
                // What the screen shows once the box has painted.
                for (int tries = 0; tries < 50 && starts.size() < 5; ++tries) {
                    QTest::qWait(20);
                    const QImage shot = kl::testing::XDesktop::grabFromScreen(*box);
                    if (!shot.isNull() && shot.rect().contains(area)) {
                        starts = lineStarts(shot, area);
                    }
                }
            }
            box->accept();
        });
        QtMessageBoxes boxes;
        boxes.show(kl::platform::notice(kl::printerSettingsNoticeText(device, paper, orientation),
                                        MsgIcon::Information, kl::printerSettingsNoticeTitle()),
                   nullptr);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        // Lines 2 and 4 to 7 hold text; 1 and 3 are empty.
        QCOMPARE(starts.size(), 5);
        QCOMPARE(starts[3], starts[2]);
        QCOMPARE(starts[4], starts[2]);
    }
};

KL_QTEST_MAIN_WITH_DESKTOP(PrinterNoticeLookTest)
#include "PrinterNoticeLookTest.moc"
