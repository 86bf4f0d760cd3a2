#include <QtTest>

#include "app/gui/Form1.h"
#include "app/gui/StartUp.h"
#include "input/gui/Form2.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "results/gui/Form4.h"
#include "results/gui/Form7.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace kl;
using namespace kl::testing;
using namespace Qt::StringLiterals;

namespace {

const QString InputOption = u"Option1_1"_s;
const QString ViewerOption = u"Option1_2"_s;

// Fills the data-entry window with a complete upsizing, so that "O K" runs an analysis.
void enterUpsizing(Form2& f) {
    const char16_t* blocks[4][6] = {
        {u"Combo11", u"Combo12", u"Combo1", u"Text13", u"Combo14", u"Combo15"},
        {u"Combo16", u"Combo17", u"Combo2", u"Text18", u"Combo19", u"Combo20"},
        {u"Combo21", u"Combo22", u"Combo3", u"Text23", u"Combo24", u"Combo25"},
        {u"Combo26", u"Combo27", u"Combo4", u"Text28", u"Combo29", u"Combo30"},
    };
    const char16_t* before[6] = {u"16", u"6.5", u"＋", u"45", u"205", u"55"};
    const char16_t* after[6] = {u"17", u"7.5", u"＋", u"45", u"225", u"45"};
    for (int b = 0; b < 4; ++b) {
        for (int i = 0; i < 6; ++i) {
            const QString name = QString::fromUtf16(blocks[b][i]);
            const QString value = QString::fromUtf16(b < 2 ? before[i] : after[i]);
            if (i == 3) {
                need<TextBox>(f, name).setText(value);
            } else {
                auto& combo = need<ComboBox>(f, name);
                combo.setCurrentIndex(combo.findText(value));
            }
        }
    }
    for (const char16_t* wheel : {u"FL", u"FR", u"RL", u"RR"}) {
        for (const char16_t* kind : {u"Hikikomi", u"Joubu", u"Zengo"}) {
            need<TextBox>(f,
                          u"F2_FC_%1_%2_Old_TXT"_s.arg(QString::fromUtf16(wheel), QString::fromUtf16(kind)))
                .setText(u"30"_s);
        }
    }
}

// Marks a window object, so that a test can tell a freshly loaded window from one it has seen.
void mark(QObject& o) {
    o.setProperty("seenByTest", true);
}
bool marked(const QObject& o) {
    return o.property("seenByTest").toBool();
}

} // namespace

class TopMenuTest : public WindowTest {
    Q_OBJECT

    bool m_ended = false;

    Form1& menu() { return ctx().forms().get<Form1>(); }

    void press(const QString& button) {
        need<CommandButton>(menu(), button).click();
        flushUnloads();
    }
    // The program ends once the running command has finished with no window loaded.
    bool ended() {
        QCoreApplication::processEvents();
        return m_ended;
    }

private Q_SLOTS:
    void init() {
        WindowTest::init();
        m_ended = false;
        ctx().forms().setOnNoneLoaded([this] { m_ended = true; });
    }

    void loadStepShowsPicturesAndCaption() {
        Form1& m = menu();
        QCOMPARE(m.windowTitle(), u"Kavor Lintep 2005 Zelmarovinth"_s);
        for (const char16_t* name : {u"Image2", u"Image3", u"Image4", u"Image5", u"Image7", u"Image9"}) {
            QVERIFY2(m.control<ImageBox>(QString::fromUtf16(name)).hasPicture(),
                     qPrintable(QString::fromUtf16(name)));
        }
        QVERIFY(!m.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!m.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(m.client().size(), QSize(twips(5655), twips(6390)));
    }

    void optionsAndButtons() {
        Form1& m = menu();
        for (const QString& name : {InputOption, ViewerOption}) {
            auto& option = need<OptionButton>(m, name);
            QVERIFY2(option.text().isEmpty(), qPrintable(name));
            QVERIFY2(!option.Value(), "the code chooses no option");
            QCOMPARE(option.parentWidget()->objectName(), u"Frame2"_s);
        }
        QVERIFY2(m.findChild<OptionButton*>(u"Option1_0"_s) == nullptr, "the array has no index 0");
        QCOMPARE(need<CommandButton>(m, u"Command1"_s).text(), u"O K"_s);
        QCOMPARE(need<CommandButton>(m, u"Command2"_s).text(), u"終  了"_s);
        QCOMPARE(m.windowSpec().defaultButton, u"Command1"_s);
        QVERIFY2(m.windowSpec().cancelButton.isEmpty(), "Esc has nothing to press");
        QCOMPARE(m.windowSpec().tabOrder,
                 (QStringList{InputOption, ViewerOption, u"Command1"_s, u"Command2"_s}));

        // One group: choosing one clears the other.
        need<OptionButton>(m, ViewerOption).click();
        need<OptionButton>(m, InputOption).click();
        QVERIFY(!need<OptionButton>(m, ViewerOption).Value());
    }

    void inputOptionOpensAnEmptyDataEntryWindow() {
        need<OptionButton>(menu(), InputOption).setValue(true);
        press(u"Command1"_s);
        QVERIFY(ctx().forms().loaded<Form1>() == nullptr);
        Form2* input = ctx().forms().loaded<Form2>();
        QVERIFY(input != nullptr);
        QVERIFY(input->isVisible());
        QCOMPARE(need<ComboBox>(*input, u"Combo11"_s).ListIndex(), -1);
        QVERIFY(need<ComboBox>(*input, u"Combo11"_s).count() > 0);
        QVERIFY(!ended());
        QVERIFY(m_test->boxes.asked.empty());
    }

    void viewerOptionOpensAnEmptyViewer() {
        need<OptionButton>(menu(), ViewerOption).setValue(true);
        press(u"Command1"_s);
        QVERIFY(ctx().forms().loaded<Form1>() == nullptr);
        QVERIFY(ctx().forms().loaded<Form2>() == nullptr);
        Form7* viewer = ctx().forms().loaded<Form7>();
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        QCOMPARE(need<TextBox>(*viewer, u"F7_FC_RL_Hikikomi_New_TXT"_s).Text(), QString());
        QCOMPARE(need<TextBox>(*viewer, u"F7_FC_RL_Hikikomi_JG_TXT"_s).Text(), QString());
        QCOMPARE(need<TextBox>(*viewer, u"F7_FC_RL_Hikikomi_JG_TXT"_s).BackColor(), (Rgb{255, 255, 255}));
        QVERIFY(!ended());
        QVERIFY(m_test->boxes.asked.empty());
    }

    void neitherOptionEndsTheProgram() {
        press(u"Command1"_s);
        QVERIFY(ctx().forms().loadedForms().empty());
        QVERIFY(ended());
        QVERIFY(m_test->boxes.asked.empty());
    }

    void exitButtonUnloadsEveryWindow() {
        menu();
        ctx().forms().get<Form2>();
        press(u"Command2"_s);
        QVERIFY(ctx().forms().loadedForms().empty());
        QVERIFY(ended());
        QVERIFY(m_test->boxes.asked.empty());
    }

    void closeButtonEndsTheProgram() {
        menu().show();
        QVERIFY(menu().close());
        flushUnloads();
        QVERIFY(ctx().forms().loadedForms().empty());
        QVERIFY(ended());
        QVERIFY(m_test->boxes.asked.empty());
    }

    // The focus chooses the option it lands on, so the menu comes up with the input mode chosen.
    void shownMenuHasTheInputModeChosenAndFocused() {
        Form1& m = menu();
        m.show();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QCOMPARE(QApplication::focusWidget(), &need<OptionButton>(m, InputOption));
        QVERIFY(need<OptionButton>(m, InputOption).Value());
        QVERIFY(!need<OptionButton>(m, ViewerOption).Value());
    }

    void escapeChangesNothingAndEnterOpensTheInputMode() {
        Form1& m = menu();
        m.show();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        flushUnloads();
        QCOMPARE(ctx().forms().loaded<Form1>(), &m);
        QVERIFY(m.isVisible());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        flushUnloads();
        QVERIFY(ctx().forms().loaded<Form1>() == nullptr);
        QVERIFY(ctx().forms().loaded<Form2>() != nullptr);
    }

    void enterOnTheExitButtonEnds() {
        Form1& m = menu();
        m.show();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        need<CommandButton>(m, u"Command2"_s).setFocus();
        QTest::keyClick(&need<CommandButton>(m, u"Command2"_s), Qt::Key_Return);
        flushUnloads();
        QVERIFY(ended());
    }

    // Start-up, input window, result window, top menu, viewer, top menu, input window, top menu: each return
    // shows the single top menu, freshly loaded, never the start-up's own.
    void roundTripShowsAFreshMenuEachTime() {
        StartUp(ctx());
        std::vector<Form1*> menus;
        for (Form* f : ctx().forms().loadedForms()) {
            menus.push_back(qobject_cast<Form1*>(f));
        }
        QCOMPARE(menus.size(), std::size_t{1});
        QVERIFY(menus[0] != nullptr);
        mark(*menus[0]);
        need<OptionButton>(*menus[0], InputOption).setValue(true);
        need<CommandButton>(*menus[0], u"Command1"_s).click();
        flushUnloads();

        Form2* input = ctx().forms().loaded<Form2>();
        QVERIFY(input != nullptr);
        enterUpsizing(*input);
        need<CommandButton>(*input, u"Command1"_s).click();
        flushUnloads();
        QVERIFY2(m_test->boxes.asked.empty(), "the analysis ran without a warning");
        Form4* result = ctx().forms().loaded<Form4>();
        QVERIFY(result != nullptr);
        QVERIFY(result->isVisible());
        QVERIFY(ctx().forms().loaded<Form2>() == nullptr);

        need<CommandButton>(*result, u"F4_Command1"_s).click();
        flushUnloads();
        Form1* single = ctx().forms().loaded<Form1>();
        QVERIFY(single != nullptr);
        QVERIFY(!marked(*single));
        QVERIFY(single->isVisible());
        QCOMPARE(ctx().forms().loadedForms().size(), std::size_t{1});
        QCOMPARE(single->windowTitle(), u"Kavor Lintep 2005 Zelmarovinth"_s);
        mark(*single);

        need<OptionButton>(*single, ViewerOption).setValue(true);
        need<CommandButton>(*single, u"Command1"_s).click();
        flushUnloads();
        Form7* viewer = ctx().forms().loaded<Form7>();
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        need<CommandButton>(*viewer, u"F7_Command1"_s).click();
        flushUnloads();
        single = ctx().forms().loaded<Form1>();
        QVERIFY(single != nullptr);
        QVERIFY2(!marked(*single), "loaded afresh");
        QVERIFY(single->isVisible());
        QCOMPARE(ctx().forms().loadedForms().size(), std::size_t{1});
        mark(*single);

        need<OptionButton>(*single, InputOption).setValue(true);
        need<CommandButton>(*single, u"Command1"_s).click();
        flushUnloads();
        input = ctx().forms().loaded<Form2>();
        QVERIFY(input != nullptr);
        QCOMPARE(need<TextBox>(*input, u"Text13"_s).Text(), QString());
        need<CommandButton>(*input, u"Command3"_s).click();
        flushUnloads();
        single = ctx().forms().loaded<Form1>();
        QVERIFY(single != nullptr);
        QVERIFY2(!marked(*single), "loaded afresh");
        QVERIFY(!need<OptionButton>(*single, InputOption).Value());
        QVERIFY(!ended());
    }

    void eachLoadIsFresh() {
        Form1* first = &menu();
        need<OptionButton>(*first, ViewerOption).setValue(true);
        first->Unload();
        flushUnloads();
        Form1& second = menu();
        QVERIFY(!need<OptionButton>(second, ViewerOption).Value());
        QVERIFY(!need<OptionButton>(second, InputOption).Value());
        QCOMPARE(second.windowTitle(), u"Kavor Lintep 2005 Zelmarovinth"_s);
    }
};

QTEST_MAIN(TopMenuTest)
#include "TopMenuTest.moc"
