#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
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

    // The label lays each line of the text out whole: the questions are single lines, however long, and
    // a text's own line breaks stay.
    void linesStayWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        const QString end = u"\u3000\u3000"_s;
        QTest::newRow("input window")
            << u"入力モードを閉じてトップメニューへ戻ります。 よろしいですか？"_s + end << 1;
        QTest::newRow("result window")
            << u"解析結果モードを閉じてトップメニューへ戻ります。 よろしいですか？"_s + end << 1;
        QTest::newRow("viewer")
            << u"解析結果ビューワモードを閉じてトップメニューへ戻ります。 よろしいですか？"_s + end << 1;
        QTest::newRow("exit") << u"全てのプログラムを終了しようとしています。 全終了しますか？"_s + end << 1;
        QTest::newRow("own line break") << u"解析結果ビューワモードを閉じます。\r\nよろしいですか？"_s << 2;
    }
    void linesStayWhole() {
        QFETCH(QString, text);
        QFETCH(int, lines);
        int shown = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            auto* label = box->findChild<QLabel*>(u"qt_msgbox_label"_s);
            if (label != nullptr) {
                const int height = label->heightForWidth(label->width());
                shown = qRound(double(height) / label->fontMetrics().lineSpacing());
            }
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QtMessageBoxes boxes;
        boxes.show({text, u"Kavor Lintep 2005 Viewer"_s, MsgIcon::Exclamation, MsgButtons::OkCancel,
                    MsgAnswer::Cancel},
                   nullptr);
        QCOMPARE(shown, lines);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "MessageBoxesTest.moc"
