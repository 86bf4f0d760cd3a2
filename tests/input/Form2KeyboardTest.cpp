#include <memory>

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include "Form2Testing.h"
#include "results/gui/Form4.h"
#include "support/WindowTest.h"

using namespace Qt::Literals::StringLiterals;
using kl::ComboBox;
using kl::Form2;
using kl::TextBox;
using namespace kl::testing;

namespace {

// Presses a key where the focus is, as a person at the keyboard does.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused != nullptr);
    QTest::keyClick(focused, key, modifiers);
}

void type(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused != nullptr);
    QTest::keyClicks(focused, text);
}

// Chooses the item `index` of the focused, closed list with the arrow key.
void choose(int index) {
    for (int i = 0; i <= index; ++i) {
        press(Qt::Key_Down);
    }
}

// One wheel and tyre block by keyboard: rim diameter, rim width, "＋" (which moves on into the offset
// box by itself), the offset, tyre width and aspect ratio; the focus ends on the next field.
void wheelBlock(int rim, int width, const QString& offset, int tyre, int aspect) {
    choose(rim);
    press(Qt::Key_Tab);
    choose(width);
    press(Qt::Key_Tab);
    press(Qt::Key_Down); // "＋"
    type(offset);
    press(Qt::Key_Tab);
    choose(tyre);
    press(Qt::Key_Tab);
    choose(aspect);
    press(Qt::Key_Tab);
}

void clearances(const QStringList& values) {
    for (const QString& v : values) {
        type(v);
        press(Qt::Key_Tab);
    }
}

} // namespace

class Form2KeyboardTest : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    // Fill the window in tab order by keyboard alone, save, clear, load back and press Enter for a result.
    void fillSaveClearLoadAndAnalyse() {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"car.ipw"_s);
        Form2& f = m_test->ctx->forms().get<Form2>();
        QVERIFY(showActive(f));
        QCOMPARE(focusedName(), u"Combo11"_s);

        wheelBlock(5, 8, u"45"_s, 6, 7); // 16 inch, 7 J, +45, 195/65
        clearances({u"20"_s, u"30"_s, u"25"_s, u"20"_s, u"30"_s, u"25"_s});
        QCOMPARE(focusedName(), u"Check1"_s);
        press(Qt::Key_Tab);
        wheelBlock(5, 8, u"45"_s, 6, 7);
        clearances({u"22"_s, u"35"_s, u"25"_s, u"22"_s, u"35"_s, u"25"_s});
        wheelBlock(7, 10, u"48"_s, 8, 5); // 18 inch, 8 J, +48, 215/55
        QCOMPARE(focusedName(), u"Check2"_s);
        press(Qt::Key_Space); // the new rear wheel is the front one
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), u"Combo29"_s);
        choose(8);
        press(Qt::Key_Tab);
        choose(5);
        QVERIFY(m_test->boxes.asked.empty());

        const QStringList entered = [&] {
            QStringList texts;
            for (const QString& name : form2SizeLists() + form2DirectionLists()) {
                texts.append(f.control<ComboBox>(name).Text());
            }
            for (const QString& name : form2TypedBoxes()) {
                texts.append(f.control<TextBox>(name).Text());
            }
            return texts;
        }();
        QCOMPARE(f.control<ComboBox>(u"Combo21"_s).Text(), u"18"_s);
        QCOMPARE(f.control<TextBox>(u"Text23"_s).Text(), u"48"_s);
        QCOMPARE(f.control<ComboBox>(u"Combo25"_s).Text(), u"55"_s);

        m_test->fileDialogs.answers.push_back(file);
        press(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(file));

        f.control<QAction>(u"mnuDataClear"_s).trigger();
        QCOMPARE(f.control<ComboBox>(u"Combo21"_s).ListIndex(), -1);
        QCOMPARE(focusedName(), u"Combo11"_s);

        m_test->fileDialogs.answers.push_back(file);
        press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(focusedName(), u"Command1"_s);
        QStringList loaded;
        for (const QString& name : form2SizeLists() + form2DirectionLists()) {
            loaded.append(f.control<ComboBox>(name).Text());
        }
        for (const QString& name : form2TypedBoxes()) {
            loaded.append(f.control<TextBox>(name).Text());
        }
        // The new rear wheel was ticked the same as the front: its empty offset was saved as 0.
        QStringList expected = entered;
        expected[form2SizeLists().size() + form2DirectionLists().size() + 3] = u"0"_s; // Text28
        QCOMPARE(loaded, expected);

        press(Qt::Key_Return);
        QVERIFY(m_test->boxes.asked.empty());
        QCOMPARE(m_test->ctx->forms().loaded<Form2>(), nullptr);
        kl::Form4* result = m_test->ctx->forms().loaded<kl::Form4>();
        QVERIFY(result != nullptr);
        QVERIFY(result->isVisible());
    }
};

QTEST_MAIN(Form2KeyboardTest)
#include "Form2KeyboardTest.moc"
