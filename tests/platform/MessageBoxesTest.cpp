#include <QtTest>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "platform/MessageBoxes.h"
#include "support/TestEnvironment.h"

using namespace kl::platform;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kl::platform::MsgButtons)
Q_DECLARE_METATYPE(kl::platform::MsgAnswer)

// The real boxes, answered by pressing one of their buttons from a timer (or Esc), as a user would.
class MessageBoxesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kl::testing::prepareWidgetTests(); }

    void answerIsTheButtonPressed_data() {
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<QString>("press"); // a button's text, or "Esc"
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("ok alone") << MsgButtons::Ok << u"OK"_s << MsgAnswer::Ok;
        QTest::newRow("ok of ok/cancel") << MsgButtons::OkCancel << u"OK"_s << MsgAnswer::Ok;
        QTest::newRow("cancel of ok/cancel") << MsgButtons::OkCancel << u"Cancel"_s << MsgAnswer::Cancel;
        QTest::newRow("esc on ok/cancel") << MsgButtons::OkCancel << u"Esc"_s << MsgAnswer::Cancel;
        QTest::newRow("yes") << MsgButtons::YesNo << u"Yes"_s << MsgAnswer::Yes;
        QTest::newRow("no") << MsgButtons::YesNo << u"No"_s << MsgAnswer::No;
    }
    void answerIsTheButtonPressed() {
        QFETCH(MsgButtons, buttons);
        QFETCH(QString, press);
        QFETCH(MsgAnswer, answer);
        bool pressed = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            if (press == u"Esc") {
                QTest::keyClick(box, Qt::Key_Escape);
                pressed = true;
                return;
            }
            for (QAbstractButton* b : box->buttons()) {
                if (b->text().remove(u'&') == press) {
                    b->click();
                    pressed = true;
                    return;
                }
            }
        });
        QtMessageBoxes boxes;
        const MsgAnswer got = boxes.show({u"本当に終了しますか？"_s, u"Kavor Lintep 2005"_s,
                                          MsgIcon::Exclamation, buttons, MsgAnswer::Cancel},
                                         nullptr);
        QVERIFY(pressed);
        QCOMPARE(got, answer);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "MessageBoxesTest.moc"
