#include <memory>

#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "Form2Testing.h"
#include "support/WindowTest.h"

using namespace Qt::Literals::StringLiterals;
using kl::Form2;
using kl::TextBox;
using namespace kl::testing;

namespace {

const QString kKeyMessageStart = u"\r\n半角数字( 0～9 )及び小数点( . )のみ入力可能です。\r\n\r\n"_s;
const QString kPasteMessage = u"\r\n半角数字( 0～9 )及び小数点( . )のみ入力可能です。\u3000\u3000\r\n\r\n"
                              u"・ コピー＆ペーストの場合は元の値を確認して下さい。\r\n   "_s;

// One step done to a box: "type:" types the characters, "key:" presses a key sequence, "char:" sends one
// key press that types the character (as a keyboard layout might), "paste:" pastes over the whole text,
// "set:" is a write by the program.
void apply(TextBox& box, const QString& step) {
    const QString arg = step.section(u':', 1);
    if (step.startsWith(u"type:")) {
        QTest::keyClicks(&box, arg);
    } else if (step.startsWith(u"key:")) {
        const QKeyCombination combo = QKeySequence(arg)[0];
        QTest::keyClick(&box, combo.key(), combo.keyboardModifiers());
    } else if (step.startsWith(u"char:")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, arg);
        QApplication::sendEvent(&box, &press);
    } else if (step.startsWith(u"paste:")) {
        QApplication::clipboard()->setText(arg);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    } else if (step.startsWith(u"set:")) {
        box.setText(arg);
    } else {
        QFAIL(qPrintable(u"unknown step "_s + step));
    }
}

} // namespace

class Form2EntryChecksTest : public WindowTest {
    Q_OBJECT

private:
    Form2& window() { return m_test->ctx->forms().get<Form2>(); }

private Q_SLOTS:
    void keysAndPastes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("message"); // "key", "paste" or empty for none

        const QString offset = u"Text13"_s;
        const QString clearance = u"F2_FC_RR_Joubu_Old_TXT"_s;
        QTest::newRow("digits and a point")
            << offset << QStringList{u"type:12.5"_s} << u"12.5"_s << QString();
        QTest::newRow("minus sign") << offset << QStringList{u"type:25"_s, u"key:-"_s} << u"25"_s << u"key"_s;
        QTest::newRow("comma typed") << clearance << QStringList{u"type:1"_s, u"key:,"_s} << u"1"_s
                                     << u"key"_s;
        QTest::newRow("letter") << clearance << QStringList{u"type:a"_s} << QString() << u"key"_s;
        QTest::newRow("blank") << clearance << QStringList{u"type:7"_s, u"key:Space"_s} << u"7"_s << u"key"_s;
        QTest::newRow("full-width digit") << offset << QStringList{u"char:５"_s} << QString() << u"key"_s;
        QTest::newRow("Ctrl+Z does not undo")
            << offset << QStringList{u"type:12"_s, u"key:Ctrl+Z"_s} << u"12"_s << u"key"_s;
        QTest::newRow("Ctrl+A") << offset << QStringList{u"type:12"_s, u"key:Ctrl+A"_s} << u"12"_s
                                << u"key"_s;
        QTest::newRow("escape") << clearance << QStringList{u"type:3"_s, u"key:Esc"_s} << u"3"_s << u"key"_s;
        // A key held with Alt or Super types nothing, and is no mistake to be told about.
        QTest::newRow("Alt with a letter")
            << offset << QStringList{u"type:12"_s, u"key:Alt+Q"_s} << u"12"_s << QString();
        QTest::newRow("Alt with a digit")
            << clearance << QStringList{u"type:12"_s, u"key:Alt+5"_s} << u"12"_s << QString();
        QTest::newRow("Alt with minus")
            << offset << QStringList{u"type:12"_s, u"key:Alt+-"_s} << u"12"_s << QString();
        QTest::newRow("Meta with a letter")
            << clearance << QStringList{u"type:12"_s, u"key:Meta+Q"_s} << u"12"_s << QString();
        QTest::newRow("Meta with a digit")
            << offset << QStringList{u"type:12"_s, u"key:Meta+5"_s} << u"12"_s << QString();
        QTest::newRow("Meta with minus")
            << clearance << QStringList{u"type:12"_s, u"key:Meta+-"_s} << u"12"_s << QString();
        QTest::newRow("a fifth digit") << clearance << QStringList{u"type:12345"_s} << u"1234"_s << QString();
        QTest::newRow("backspace") << offset << QStringList{u"type:123"_s, u"key:Backspace"_s} << u"12"_s
                                   << QString();
        QTest::newRow("arrows and delete")
            << offset
            << QStringList{u"type:123"_s, u"key:Home"_s, u"key:Right"_s, u"key:Del"_s, u"key:Left"_s}
            << u"13"_s << QString();
        QTest::newRow("1,5 pasted") << clearance << QStringList{u"paste:1,5"_s} << u"1,5"_s << QString();
        QTest::newRow("5. pasted") << clearance << QStringList{u"paste:5."_s} << u"5."_s << QString();
        QTest::newRow("12a pasted over a value")
            << clearance << QStringList{u"type:34"_s, u"paste:12a"_s} << QString() << u"paste"_s;
        QTest::newRow("program writes 0") << offset << QStringList{u"set:0"_s} << u"0"_s << QString();
        QTest::newRow("program writes nothing")
            << offset << QStringList{u"type:5"_s, u"set:"_s} << QString() << QString();
        QTest::newRow("program writes -5")
            << offset << QStringList{u"type:5"_s, u"set:-5"_s} << QString() << u"paste"_s;
        QTest::newRow("program writes a full-width comma")
            << clearance << QStringList{u"set:1，5"_s} << QString() << u"paste"_s;
    }

    // Each refused key or text gives exactly one message; the box shows what it keeps.
    void keysAndPastes() {
        QFETCH(QString, box);
        QFETCH(QStringList, steps);
        QFETCH(QString, after);
        QFETCH(QString, message);
        Form2& f = window();
        QVERIFY(showActive(f));
        TextBox& t = f.control<TextBox>(box);
        t.setFocus();
        for (const QString& step : steps) {
            apply(t, step);
        }
        QCOMPARE(t.Text(), after);
        const auto& asked = m_test->boxes.asked;
        if (message.isEmpty()) {
            QCOMPARE(asked.size(), 0u);
            return;
        }
        QCOMPARE(asked.size(), 1u);
        const QString fieldLine =
            box == u"Text13"
                ? u"・ 変更前前輪ホイールのオフセット量を入力して下さい。\u3000\u3000"_s
                : u"・ 変更前の後輪フェンダークリアランス / 右：上部空間量を入力して下さい。\u3000\u3000"_s;
        QCOMPARE(asked[0].text, message == u"key" ? kKeyMessageStart + fieldLine : kPasteMessage);
        QCOMPARE(asked[0].title, u"Kavor Lintep 2005"_s);
        QCOMPARE(asked[0].icon, kl::platform::MsgIcon::Exclamation);
        QCOMPARE(asked[0].buttons, kl::platform::MsgButtons::Ok);
        QCOMPARE(m_test->boxes.owners[0], &f);
    }

    // The key message names the field the key was typed in.
    void everyBoxNamesItsField_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("fieldLine");
        QTest::newRow("Text18") << u"Text18"_s << u"・ 変更前後輪ホイールのオフセット量を入力して下さい。"_s;
        QTest::newRow("Text23") << u"Text23"_s << u"・ 変更後前輪ホイールのオフセット量を入力して下さい。"_s;
        QTest::newRow("Text28") << u"Text28"_s << u"・ 変更後後輪ホイールのオフセット量を入力して下さい。"_s;
        QTest::newRow("FL pull-in")
            << u"F2_FC_FL_Hikikomi_Old_TXT"_s
            << u"・ 変更前の前輪フェンダークリアランス / 左：引込量を入力して下さい。"_s;
        QTest::newRow("FR fore-aft")
            << u"F2_FC_FR_Zengo_Old_TXT"_s
            << u"・ 変更前の前輪フェンダークリアランス / 右：前後空間量を入力して下さい。"_s;
        QTest::newRow("RL upper")
            << u"F2_FC_RL_Joubu_Old_TXT"_s
            << u"・ 変更前の後輪フェンダークリアランス / 左：上部空間量を入力して下さい。"_s;
    }

    void everyBoxNamesItsField() {
        QFETCH(QString, box);
        QFETCH(QString, fieldLine);
        Form2& f = window();
        QVERIFY(showActive(f));
        TextBox& t = f.control<TextBox>(box);
        t.setFocus();
        QTest::keyClick(&t, Qt::Key_Minus);
        QCOMPARE(m_test->boxes.asked.size(), 1u);
        QCOMPARE(m_test->boxes.asked[0].text, kKeyMessageStart + fieldLine + u"\u3000\u3000"_s);
    }

    void menuAccessKeysOpenTheirMenus_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("menu");
        QTest::newRow("Alt+F") << Qt::Key_F << u"mnuFile"_s;
        QTest::newRow("Alt+S") << Qt::Key_S << u"mnuSetting"_s;
        QTest::newRow("Alt+H") << Qt::Key_H << u"mnuHelp"_s;
    }

    // From a typed box the menus' access keys still open their menus, and the box keeps its text.
    void menuAccessKeysOpenTheirMenus() {
        QFETCH(Qt::Key, key);
        QFETCH(QString, menu);
        Form2& f = window();
        QVERIFY(showActive(f));
        TextBox& t = f.control<TextBox>(u"F2_FC_FL_Joubu_Old_TXT"_s);
        t.setFocus();
        QTest::keyClicks(&t, u"12"_s);
        QTest::keyClick(&t, key, Qt::AltModifier);
        auto& opened = f.control<QMenu>(menu);
        QTRY_VERIFY(opened.isVisible());
        QCOMPARE(f.menuBar()->activeAction(), opened.menuAction());
        opened.close();
        QCOMPARE(t.Text(), u"12"_s);
        QVERIFY(m_test->boxes.asked.empty());
    }

    // "±" locks its box: digits pass the filter but the box keeps its "0"; other keys still warn.
    void aLockedBoxTakesNoTyping() {
        Form2& f = window();
        QVERIFY(showActive(f));
        f.control<kl::ComboBox>(u"Combo1"_s).setListIndex(2);
        TextBox& t = f.control<TextBox>(u"Text13"_s);
        t.setFocus();
        QTest::keyClicks(&t, u"7"_s);
        QCOMPARE(t.Text(), u"0"_s);
        QVERIFY(m_test->boxes.asked.empty());
        QTest::keyClicks(&t, u"x"_s);
        QCOMPARE(m_test->boxes.asked.size(), 1u);
    }

    void selectTextSelectsTheWholeText() {
        Form2& f = window();
        QVERIFY(showActive(f));
        TextBox& t = f.control<TextBox>(u"Text23"_s);
        Form2::SelectText(t);
        QVERIFY(!t.hasSelectedText());
        QCOMPARE(t.Text(), QString());
        t.setText(u"45"_s);
        t.setFocus();
        Form2::SelectText(t);
        QCOMPARE(t.selectedText(), u"45"_s);
        QTest::keyClicks(&t, u"7"_s);
        QCOMPARE(t.Text(), u"7"_s);
    }
};

QTEST_MAIN(Form2EntryChecksTest)
#include "Form2EntryChecksTest.moc"
