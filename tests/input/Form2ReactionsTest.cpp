#include <memory>

#include <QAction>
#include <QtTest>

#include "Form2Testing.h"
#include "support/WindowTest.h"

using namespace Qt::Literals::StringLiterals;
using kl::CheckBox;
using kl::ComboBox;
using kl::Form2;
using kl::TextBox;
using namespace kl::testing;

namespace {

const QColor kGrey(190, 190, 190);

// The four controls a same-as-front box governs, by box.
QStringList governedBy(const QString& check) {
    return check == u"Check1" ? QStringList{u"Combo16"_s, u"Combo17"_s, u"Combo2"_s, u"Text18"_s}
                              : QStringList{u"Combo26"_s, u"Combo27"_s, u"Combo4"_s, u"Text28"_s};
}

QString governedText(Form2& f, const QString& name) {
    if (auto* box = qobject_cast<TextBox*>(&f.control<QWidget>(name))) {
        return box->Text();
    }
    return f.control<ComboBox>(name).Text();
}

} // namespace

class Form2ReactionsTest : public WindowTest {
    Q_OBJECT

private:
    Form2& window() { return m_test->ctx->forms().get<Form2>(); }
    QString helpText() { return window().control<kl::Label>(u"Label_Kaisetsu"_s).Caption(); }

    // The governed controls of a box: enabled, coloured and empty as expected.
    void verifyGoverned(const QString& check, bool enabled, const QColor& back) {
        Form2& f = window();
        for (const QString& name : governedBy(check)) {
            const QWidget& w = f.control<QWidget>(name);
            QVERIFY2(w.isEnabled() == enabled, qPrintable(name));
            QCOMPARE(backOf(w), back);
            if (qobject_cast<const ComboBox*>(&w) != nullptr) {
                QCOMPARE(w.palette().color(QPalette::Button), back);
            }
            // Only a colour that differs from the window's makes a palette of its own.
            QVERIFY2(w.testAttribute(Qt::WA_SetPalette) == (back != windowColour()), qPrintable(name));
            QVERIFY2(governedText(f, name).isEmpty(), qPrintable(name));
        }
    }

    // A rear wheel and tyre with every field filled: sizes, "＋", the offset and the tyre.
    void fillOldRear(Form2& f) {
        f.control<ComboBox>(u"Combo16"_s).setListIndex(4);
        f.control<ComboBox>(u"Combo17"_s).setListIndex(5);
        f.control<ComboBox>(u"Combo2"_s).setListIndex(0);
        f.control<TextBox>(u"Text18"_s).setText(u"45"_s);
        f.control<ComboBox>(u"Combo19"_s).setListIndex(6);
        f.control<ComboBox>(u"Combo20"_s).setListIndex(7);
        f.control<TextBox>(u"F2_FC_RL_Hikikomi_Old_TXT"_s).setText(u"12"_s);
    }

private Q_SLOTS:
    // 25 typed, then "±": the box shows 0, is locked and the list keeps the focus. "＋" unlocks it with its
    // 0 selected, so typing replaces it; "－" keeps the text, selected, with the focus in the box.
    void directionLocksAndOpensTheOffset() {
        Form2& f = window();
        QVERIFY(showActive(f));
        auto& list = f.control<ComboBox>(u"Combo1"_s);
        auto& box = f.control<TextBox>(u"Text13"_s);
        box.setFocus();
        QTest::keyClicks(&box, u"25"_s);
        list.setFocus();
        list.setListIndex(2);
        QCOMPARE(box.Text(), u"0"_s);
        QVERIFY(box.Locked());
        QCOMPARE(focusedName(), u"Combo1"_s);

        list.setListIndex(0);
        QVERIFY(!box.Locked());
        QCOMPARE(focusedName(), u"Text13"_s);
        QCOMPARE(box.selectedText(), u"0"_s);
        QVERIFY(helpText().startsWith(u"【ホイールオフセット(mm)】\r\n変更前の前輪ホイールオフセット量を"_s));
        QTest::keyClicks(&box, u"12"_s);
        QCOMPARE(box.Text(), u"12"_s);

        list.setFocus();
        list.setListIndex(1);
        QCOMPARE(box.Text(), u"12"_s);
        QCOMPARE(box.selectedText(), u"12"_s);
        QCOMPARE(focusedName(), u"Text13"_s);
        QVERIFY(m_test->boxes.asked.empty());
    }

    // With the list closed, an arrow key that changes the choice moves the focus into the box at once.
    void arrowKeysChooseAndMoveOn() {
        Form2& f = window();
        QVERIFY(showActive(f));
        auto& list = f.control<ComboBox>(u"Combo3"_s);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.ListIndex(), 0);
        QCOMPARE(focusedName(), u"Text23"_s);
    }

    void rearListIsGatedByItsOwnBoxOnly_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("tick");
        QTest::addColumn<bool>("acts");
        QTest::newRow("Combo2, Check2 ticked") << u"Combo2"_s << u"Text18"_s << u"Check2"_s << true;
        QTest::newRow("Combo4, Check1 ticked") << u"Combo4"_s << u"Text28"_s << u"Check1"_s << true;
        QTest::newRow("Combo2, Check1 ticked") << u"Combo2"_s << u"Text18"_s << u"Check1"_s << false;
        QTest::newRow("Combo4, Check2 ticked") << u"Combo4"_s << u"Text28"_s << u"Check2"_s << false;
    }

    // Set by the program (as the input file does), a list whose own box is ticked does nothing.
    void rearListIsGatedByItsOwnBoxOnly() {
        QFETCH(QString, list);
        QFETCH(QString, box);
        QFETCH(QString, tick);
        QFETCH(bool, acts);
        Form2& f = window();
        f.control<CheckBox>(tick).setValue(1);
        f.control<ComboBox>(list).setListIndex(2);
        QCOMPARE(f.control<TextBox>(box).Text(), acts ? u"0"_s : QString());
        QCOMPARE(f.control<TextBox>(box).Locked(), acts);
    }

    // A cleared choice opens a front box, and leaves a rear box as it is.
    void clearedChoice() {
        Form2& f = window();
        f.control<ComboBox>(u"Combo3"_s).setListIndex(2);
        f.control<ComboBox>(u"Combo4"_s).setListIndex(2);
        f.control<ComboBox>(u"Combo3"_s).setListIndex(-1);
        f.control<ComboBox>(u"Combo4"_s).setListIndex(-1);
        QVERIFY(!f.control<TextBox>(u"Text23"_s).Locked());
        QVERIFY(f.control<TextBox>(u"Text28"_s).Locked());
    }

    // Ticking empties, disables and greys the rear wheel; unticking enables it again, still empty. The
    // rear tyre and the clearances are not the box's.
    void sameAsFrontEmptiesAndDisables_data() {
        QTest::addColumn<QString>("check");
        QTest::newRow("old rear") << u"Check1"_s;
        QTest::newRow("new rear") << u"Check2"_s;
    }

    void sameAsFrontEmptiesAndDisables() {
        QFETCH(QString, check);
        Form2& f = window();
        const QStringList governed = governedBy(check);
        // Sizes, "＋" and an offset in the governed controls; a tyre of its own beside them.
        f.control<ComboBox>(governed[0]).setListIndex(4);
        f.control<ComboBox>(governed[1]).setListIndex(5);
        f.control<ComboBox>(governed[2]).setListIndex(0);
        f.control<TextBox>(governed[3]).setText(u"45"_s);
        const QString tyre = check == u"Check1" ? u"Combo19"_s : u"Combo29"_s;
        f.control<ComboBox>(tyre).setListIndex(3);
        f.control<TextBox>(u"F2_FC_RR_Zengo_Old_TXT"_s).setText(u"8"_s);

        f.control<CheckBox>(check).click();
        verifyGoverned(check, false, kGrey);
        for (const QString& name : governed.mid(0, 3)) {
            QCOMPARE(f.control<ComboBox>(name).ListIndex(), -1);
        }
        QCOMPARE(f.control<ComboBox>(tyre).Text(), u"165"_s);
        QVERIFY(f.control<ComboBox>(tyre).isEnabled());
        QCOMPARE(f.control<TextBox>(u"F2_FC_RR_Zengo_Old_TXT"_s).Text(), u"8"_s);

        f.control<CheckBox>(check).click();
        verifyGoverned(check, true, windowColour());
        QVERIFY(m_test->boxes.asked.empty());
    }

    // "±" locks the rear box; ticking and unticking empty it but leave it locked.
    void sameAsFrontKeepsTheLock() {
        Form2& f = window();
        f.control<ComboBox>(u"Combo2"_s).setListIndex(2);
        QVERIFY(f.control<TextBox>(u"Text18"_s).Locked());
        f.control<CheckBox>(u"Check1"_s).setValue(1);
        f.control<CheckBox>(u"Check1"_s).setValue(0);
        const TextBox& box = f.control<TextBox>(u"Text18"_s);
        QCOMPARE(box.Text(), QString());
        QVERIFY(box.isEnabled());
        QVERIFY(box.Locked());
        f.control<ComboBox>(u"Combo2"_s).setListIndex(1);
        QVERIFY(!box.Locked());
    }

    // The mark changes only by its own item, and follows the box when it does.
    void menuMarkFollowsTheBoxOnlyWhenChosen() {
        Form2& f = window();
        auto& check2 = f.control<CheckBox>(u"Check2"_s);
        auto& item = f.control<QAction>(u"mnuAfterSameFront"_s);
        check2.click();
        QCOMPARE(check2.Value(), 1);
        QVERIFY(!item.isChecked());
        item.trigger();
        QCOMPARE(check2.Value(), 0);
        QVERIFY(!item.isChecked());
        item.trigger();
        QCOMPARE(check2.Value(), 1);
        QVERIFY(item.isChecked());
        verifyGoverned(u"Check2"_s, false, kGrey);
    }

    // The full clear unticks the box but leaves the menu mark; the next choice of the item ticks again.
    void fullClearLeavesTheMenuMark() {
        Form2& f = window();
        QVERIFY(showActive(f));
        auto& item = f.control<QAction>(u"mnuBeforeSameFront"_s);
        item.trigger();
        QCOMPARE(f.control<CheckBox>(u"Check1"_s).Value(), 1);
        QVERIFY(item.isChecked());
        f.control<kl::CommandButton>(u"Command2"_s).click();
        QCOMPARE(f.control<CheckBox>(u"Check1"_s).Value(), 0);
        verifyGoverned(u"Check1"_s, true, windowColour());
        QVERIFY(item.isChecked());
        item.trigger();
        QCOMPARE(f.control<CheckBox>(u"Check1"_s).Value(), 1);
        QVERIFY(item.isChecked());
    }

    // Both clears from a window with ticked boxes, a front box locked by "±" and a rear box locked by "±".
    void clears_data() {
        QTest::addColumn<bool>("full");
        QTest::newRow("button: full clear") << true;
        QTest::newRow("menu: values only") << false;
    }

    void clears() {
        QFETCH(bool, full);
        Form2& f = window();
        QVERIFY(showActive(f));
        fillOldRear(f);
        f.control<ComboBox>(u"Combo11"_s).setListIndex(3);
        f.control<ComboBox>(u"Combo1"_s).setListIndex(2);
        f.control<ComboBox>(u"Combo2"_s).setListIndex(2);
        f.control<ComboBox>(u"Combo26"_s).setListIndex(1);
        f.control<CheckBox>(u"Check2"_s).setValue(1);
        for (const QString& name : form2ClearanceBoxes()) {
            f.control<TextBox>(name).setText(u"10"_s);
        }
        f.control<QWidget>(u"Combo25"_s).setFocus();

        if (full) {
            f.control<kl::CommandButton>(u"Command2"_s).click();
        } else {
            f.control<QAction>(u"mnuDataClear"_s).trigger();
        }

        for (const QString& name : form2SizeLists() + form2DirectionLists()) {
            QVERIFY2(f.control<ComboBox>(name).ListIndex() == -1, qPrintable(name));
        }
        for (const QString& name : form2TypedBoxes()) {
            QVERIFY2(f.control<TextBox>(name).Text().isEmpty(), qPrintable(name));
        }
        // The front box opens as its direction is cleared; the rear box keeps its lock until a choice.
        QVERIFY(!f.control<TextBox>(u"Text13"_s).Locked());
        QVERIFY(f.control<TextBox>(u"Text18"_s).Locked());
        QCOMPARE(f.control<CheckBox>(u"Check1"_s).Value(), 0);
        QCOMPARE(f.control<CheckBox>(u"Check2"_s).Value(), full ? 0 : 1);
        verifyGoverned(u"Check1"_s, true, windowColour());
        if (full) {
            verifyGoverned(u"Check2"_s, true, windowColour());
        } else {
            verifyGoverned(u"Check2"_s, false, kGrey);
        }
        QCOMPARE(focusedName(), u"Combo11"_s);
        QVERIFY(helpText().startsWith(u"【ホイールリム径(inch)】\r\n変更前の前輪"_s));
        QVERIFY(m_test->boxes.asked.empty());
    }

    // On a fresh window either clear changes nothing but the focus.
    void clearOfAFreshWindow_data() { clears_data(); }

    void clearOfAFreshWindow() {
        QFETCH(bool, full);
        Form2& f = window();
        QVERIFY(showActive(f));
        f.control<QWidget>(u"F2_FC_FR_Joubu_Old_TXT"_s).setFocus();
        if (full) {
            f.Command2_Click();
        } else {
            f.mnuDataClear_Click();
        }
        QCOMPARE(focusedName(), u"Combo11"_s);
        for (const QString& name : form2TypedBoxes()) {
            QVERIFY2(!f.control<TextBox>(name).Locked(), qPrintable(name));
        }
        verifyGoverned(u"Check1"_s, true, windowColour());
        verifyGoverned(u"Check2"_s, true, windowColour());
        for (QAction* item : f.findChildren<QAction*>()) {
            QVERIFY(!item->isChecked());
        }
    }
};

QTEST_MAIN(Form2ReactionsTest)
#include "Form2ReactionsTest.moc"
