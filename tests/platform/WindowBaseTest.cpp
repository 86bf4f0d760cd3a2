#include <QtTest>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "platform/AppContext.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "platform/Layout.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace kl;
using namespace Qt::StringLiterals;

namespace {

// A small window described the way every window of the program is: a control table and a window row.
class SampleForm : public Form {
    Q_OBJECT
public:
    explicit SampleForm(AppContext& ctx) : Form(ctx) {
        WindowSpec w;
        w.clientWidth = 6000;
        w.clientHeight = 3000;
        w.caption = u"Sample"_s;
        w.menus = {{u"mnuFile"_s,
                    u"ﾌｧｲﾙ(&F)"_s,
                    {{u"mnuFileSave"_s, u"保存(&S)..."_s, QKeySequence(u"Ctrl+S"_s)},
                     {u"mnuFileBar0"_s, u"-"_s},
                     {u"mnuFileExit"_s, u"終了(&X)"_s}}}};
        w.statusBar = StatusBarSpec{u"Mode : Sample"_s, 3000, 1440, 1440};
        w.defaultButton = u"cmdOK"_s;
        w.cancelButton = u"cmdCancel"_s;
        w.tabOrder = {u"Text2"_s, u"Text1"_s, u"cmdOK"_s, u"cmdCancel"_s};
        setUpWindow(w, {
                           {.name = u"Frame1"_s,
                            .kind = ControlKind::Frame,
                            .left = 100,
                            .top = 100,
                            .width = 5000,
                            .height = 2000,
                            .font = gothic(12, true),
                            .text = u"   "_s},
                           {.name = u"Text1"_s,
                            .kind = ControlKind::TextBox,
                            .container = u"Frame1"_s,
                            .left = 307,
                            .top = 352,
                            .width = 800,
                            .height = 285,
                            .font = gothic(9, true),
                            .alignment = Qt::AlignRight | Qt::AlignVCenter,
                            .locked = true},
                           {.name = u"Text2"_s,
                            .kind = ControlKind::TextBox,
                            .container = u"Frame1"_s,
                            .left = 1500,
                            .top = 352,
                            .width = 800,
                            .height = 285,
                            .toolTip = u"入力して下さい"_s,
                            .maxLength = 4},
                           {.name = u"Label_mm_3"_s,
                            .kind = ControlKind::Label,
                            .container = u"Frame1"_s,
                            .left = 2400,
                            .top = 400,
                            .text = u"mm"_s},
                           {.name = u"Image1"_s,
                            .kind = ControlKind::Image,
                            .left = 150,
                            .top = 0,
                            .width = 930,
                            .height = 225,
                            .stretch = true},
                           {.name = u"cmdOK"_s,
                            .kind = ControlKind::CommandButton,
                            .left = 3000,
                            .top = 2300,
                            .width = 1200,
                            .height = 400,
                            .text = u"O K"_s},
                           {.name = u"cmdCancel"_s,
                            .kind = ControlKind::CommandButton,
                            .left = 4300,
                            .top = 2300,
                            .width = 1200,
                            .height = 400,
                            .text = u"ｷｬﾝｾﾙ"_s},
                       });
        connect(&control<CommandButton>(u"cmdOK"_s), &QPushButton::clicked, this, [this] { ++okClicks; });
        connect(&control<CommandButton>(u"cmdCancel"_s), &QPushButton::clicked, this, [this] {
            ++cancelClicks;
            Unload();
        });
    }
    int okClicks = 0;
    int cancelClicks = 0;
};

} // namespace

class WindowBaseTest : public testing::WindowTest {
    Q_OBJECT

    SampleForm& window() { return m_test->ctx->forms().get<SampleForm>(); }

private Q_SLOTS:
    void controlsStandWhereTheirTableSays() {
        SampleForm& f = window();
        auto& frame = testing::need<Frame>(f, u"Frame1"_s);
        auto& text1 = testing::need<TextBox>(f, u"Text1"_s);
        QCOMPARE(text1.parentWidget(), &frame);
        // 307 and 352 twips do not divide by 15: each edge goes to the nearest pixel.
        QCOMPARE(text1.geometry(), QRect(20, 23, 53, 19));
        QCOMPARE(frame.geometry(), QRect(7, 7, 333, 133));
        QCOMPARE(text1.font().pointSizeF(), 9.0);
        QVERIFY(text1.font().bold());
        QVERIFY(text1.Locked());
        QCOMPARE(text1.alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(frame.font().pointSizeF(), 12.0);
        auto& text2 = testing::need<TextBox>(f, u"Text2"_s);
        QCOMPARE(text2.toolTip(), u"入力して下さい"_s);
        QCOMPARE(text2.MaxLength(), 4);
        auto& mm = testing::need<Label>(f, u"Label_mm_3"_s);
        QCOMPARE(mm.Caption(), u"mm"_s);
        QCOMPARE(mm.pos(), QPoint(160, 27));
        QCOMPARE(testing::need<ImageBox>(f, u"Image1"_s).geometry(), QRect(10, 0, 62, 15));
        QCOMPARE(f.client().size(), QSize(400, 200));
    }

    void twipsRoundToTheNearestPixel_data() {
        QTest::addColumn<int>("twipValue");
        QTest::addColumn<int>("pixels");
        QTest::newRow("whole") << 15 << 1;
        QTest::newRow("below half") << 22 << 1;
        QTest::newRow("half up") << 23 << 2;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("negative") << -23 << -2;
        QTest::newRow("large") << 11820 << 788;
    }
    void twipsRoundToTheNearestPixel() {
        QFETCH(int, twipValue);
        QFETCH(int, pixels);
        QCOMPARE(twips(twipValue), pixels);
    }

    // Labels without a size take their caption's, whatever the same caption measured in another font, with
    // a border or in an earlier window; a label anchored by its right edge keeps that edge.
    void labelsTakeTheSizeOfTheirCaption() {
        const std::vector<ControlSpec> rows = {
            {.name = u"Frame1"_s,
             .kind = ControlKind::Frame,
             .width = 6000,
             .height = 3000,
             .font = gothic(12)},
            {.name = u"mm9"_s,
             .kind = ControlKind::Label,
             .container = u"Frame1"_s,
             .font = gothic(9),
             .text = u"mm"_s},
            {.name = u"mm14"_s,
             .kind = ControlKind::Label,
             .container = u"Frame1"_s,
             .font = gothic(14, true),
             .text = u"mm"_s},
            {.name = u"mmFrame"_s, .kind = ControlKind::Label, .container = u"Frame1"_s, .text = u"mm"_s},
            {.name = u"mmWindow"_s, .kind = ControlKind::Label, .text = u"mm"_s},
            {.name = u"mmBorder"_s,
             .kind = ControlKind::Label,
             .font = gothic(9),
             .text = u"mm"_s,
             .singleBorder = true},
            {.name = u"longer"_s,
             .kind = ControlKind::Label,
             .font = gothic(9),
             .text = u"mm ≫ ﾀｲﾔ内側移動量"_s},
            {.name = u"anchored"_s,
             .kind = ControlKind::Label,
             .left = 1000,
             .width = 2000,
             .font = gothic(14, true),
             .text = u"mm"_s,
             .anchorRight = true},
        };
        QList<QSize> first;
        for (int build = 0; build < 2; ++build) {
            QWidget client;
            client.setFont(uiGothic(9));
            buildControls(client, rows);
            QList<QSize> sizes;
            for (const ControlSpec& row : rows) {
                if (row.kind != ControlKind::Label) {
                    continue;
                }
                auto& label = testing::need<Label>(client, row.name);
                QVERIFY2(label.size() == label.sizeHint(), qPrintable(row.name));
                sizes.append(label.size());
            }
            auto& anchored = testing::need<Label>(client, u"anchored"_s);
            QCOMPARE(anchored.geometry().right() + 1, twips(3000));
            const auto width = [&client](const char16_t* name) {
                return testing::need<Label>(client, QString::fromUtf16(name)).width();
            };
            QVERIFY(width(u"mm14") > width(u"mm9"));
            QVERIFY(width(u"mmFrame") > width(u"mm9"));
            QVERIFY(width(u"mmBorder") > width(u"mm9"));
            QVERIFY(width(u"longer") > width(u"mm9"));
            if (build == 0) {
                first = sizes;
            } else {
                QCOMPARE(sizes, first);
            }
        }
    }

    void aRowInAContainerNotYetBuiltIsAFault() {
        QWidget client;
        QVERIFY_THROWS_EXCEPTION(
            std::logic_error,
            buildControls(client,
                          {{.name = u"Text1"_s, .kind = ControlKind::TextBox, .container = u"Frame9"_s}}));
    }

    // The limit holds for typing and pasting, as far as it goes; the program's own writes are whole.
    void maxLengthLimitsTheUserNotTheProgram_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        QTest::newRow("typing stops at four") << u""_s << 0 << u"12.34"_s << u""_s << u"12.3"_s;
        QTest::newRow("paste keeps what fits") << u"1"_s << 1 << u""_s << u"2345"_s << u"1234"_s;
        QTest::newRow("paste into the middle") << u"19"_s << 1 << u""_s << u"2345"_s << u"1239"_s;
        QTest::newRow("a longer program text takes no more")
            << u"0.125"_s << 5 << u"7"_s << u""_s << u"0.125"_s;
        QTest::newRow("a longer program text can lose characters")
            << u"0.125"_s << 5 << u"backspace"_s << u""_s << u"0.12"_s;
    }
    void maxLengthLimitsTheUserNotTheProgram() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        SampleForm& f = window();
        auto& box = testing::need<TextBox>(f, u"Text2"_s);
        box.setText(before);
        QCOMPARE(box.Text(), before);
        box.setCursorPosition(cursor);
        if (typed == u"backspace") {
            QTest::keyClick(&box, Qt::Key_Backspace);
        } else if (!typed.isEmpty()) {
            QTest::keyClicks(&box, typed);
        }
        if (!pasted.isEmpty()) {
            box.insert(pasted);
        }
        QCOMPARE(box.Text(), after);
    }

    // A write through the box's QLineEdit side, as code that knows only a line edit makes it, is the
    // program's too: kept whole, and the user's typing after it is still limited.
    void aWriteThroughTheLineEditIsKeptWhole() {
        SampleForm& f = window();
        QLineEdit* edit = f.findChild<QLineEdit*>(u"Text2"_s);
        QVERIFY(edit != nullptr);
        edit->setText(u"0.125"_s);
        QCOMPARE(edit->text(), u"0.125"_s);
        QTest::keyClicks(edit, u"7"_s);
        QCOMPARE(edit->text(), u"0.125"_s);
    }

    void menusAreFoundByName() {
        SampleForm& f = window();
        auto* file = f.findChild<QMenu*>(u"mnuFile"_s);
        QVERIFY(file != nullptr);
        QCOMPARE(file->title(), u"ﾌｧｲﾙ(&F)"_s);
        auto* save = f.findChild<QAction*>(u"mnuFileSave"_s);
        QVERIFY(save != nullptr);
        QCOMPARE(save->text(), u"保存(&S)..."_s);
        QCOMPARE(save->shortcut(), QKeySequence(u"Ctrl+S"_s));
        auto* bar = f.findChild<QAction*>(u"mnuFileBar0"_s);
        QVERIFY(bar != nullptr && bar->isSeparator());
        QCOMPARE(file->actions().size(), 3);
    }

    void statusBarShowsTheClocksDateAndTime() {
        m_test->clock.time = QDateTime(QDate(2026, 12, 10), QTime(14, 5));
        SampleForm& f = window();
        StatusBar* bar = f.statusBar();
        QVERIFY(bar != nullptr);
        QCOMPARE(bar->objectName(), u"sbStatusBar"_s);
        QCOMPARE(bar->panelText(1), u"Mode : Sample"_s);
        QCOMPARE(bar->panelText(2), u"2026/12/10"_s);
        QCOMPARE(bar->panelText(3), u"14:05"_s);
        m_test->clock.time = QDateTime(QDate(2026, 12, 11), QTime(0, 1));
        bar->refresh();
        QCOMPARE(bar->panelText(2), u"2026/12/11"_s);
        // The bar lies inside the client area, along its bottom edge.
        QCOMPARE(bar->geometry().bottom(), f.client().height() - 1);
    }

    // Japanese short formats whatever the system's locale (the tests run under C): the year first with
    // zero-padded month and day, the hour without a leading zero.
    void statusBarWritesDatesAndTimesTheJapaneseWay_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("early morning")
            << QDateTime(QDate(2026, 12, 11), QTime(5, 22)) << u"2026/12/11"_s << u"5:22"_s;
        QTest::newRow("afternoon, early in the year")
            << QDateTime(QDate(2026, 1, 5), QTime(14, 5, 59)) << u"2026/01/05"_s << u"14:05"_s;
        QTest::newRow("just after midnight")
            << QDateTime(QDate(2005, 11, 24), QTime(0, 1)) << u"2005/11/24"_s << u"0:01"_s;
    }

    void statusBarWritesDatesAndTimesTheJapaneseWay() {
        QFETCH(QDateTime, now);
        QFETCH(QString, date);
        QFETCH(QString, time);
        m_test->clock.time = now;
        StatusBar* bar = window().statusBar();
        QVERIFY(bar != nullptr);
        QCOMPARE(bar->panelText(2), date);
        QCOMPARE(bar->panelText(3), time);
    }

    void enterAndEscPressTheDefaultAndCancelButtons() {
        SampleForm& f = window();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto& text2 = testing::need<TextBox>(f, u"Text2"_s);
        text2.setFocus();
        QTest::keyClick(&text2, Qt::Key_Return);
        QCOMPARE(f.okClicks, 1);
        QTest::keyClick(&text2, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(f.okClicks, 2);
        QTest::keyClick(&text2, Qt::Key_Escape);
        QCOMPARE(f.cancelClicks, 1);
        QVERIFY(m_test->ctx->forms().loaded<SampleForm>() == nullptr);
    }

    void enterOnAFocusedButtonPressesThatButton() {
        SampleForm& f = window();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto& cancel = testing::need<CommandButton>(f, u"cmdCancel"_s);
        cancel.setFocus();
        QTest::keyClick(&cancel, Qt::Key_Return);
        QCOMPARE(f.okClicks, 0);
        QCOMPARE(f.cancelClicks, 1);
    }

    // Fusion draws the default button with the selection's colour in its outline; the others in grey.
    void theDefaultButtonIsDrawnAsOne() {
        SampleForm& f = window();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto& ok = testing::need<CommandButton>(f, u"cmdOK"_s);
        auto& cancel = testing::need<CommandButton>(f, u"cmdCancel"_s);
        // How much bluer than red the middle of a button's top edge is.
        const auto edgeBlueness = [](QPushButton& b) {
            const QColor c = b.grab().toImage().pixelColor(b.width() / 2, 0);
            return c.blue() - c.red();
        };
        QVERIFY2(edgeBlueness(ok) > 40, "the default button's edge is in the selection's colour");
        QVERIFY2(qAbs(edgeBlueness(cancel)) < 10, "another button's edge is grey");
        cancel.setFocus();
        QVERIFY2(edgeBlueness(cancel) > 40, "a focused button looks like the one that Enter presses");
        QVERIFY2(qAbs(edgeBlueness(ok)) < 10, "and the default button then does not");
    }

    void tabFollowsTheListAndTheFirstHoldsTheFocus() {
        SampleForm& f = window();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"Text2"_s);
        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{u"Text1"_s, u"cmdOK"_s, u"cmdCancel"_s, u"Text2"_s}));
    }

    void modalShowReturnsOnlyOnceTheWindowIsUnloaded() {
        SampleForm& f = window();
        bool unloadedWhileWaiting = false;
        QTimer::singleShot(0, &f, [&] {
            QVERIFY(f.isVisible());
            QVERIFY(f.isModal());
            unloadedWhileWaiting = true;
            f.Unload();
        });
        f.showModal(nullptr);
        QVERIFY(unloadedWhileWaiting);
        QVERIFY(m_test->ctx->forms().loaded<SampleForm>() == nullptr);
    }

    void aSecondInstanceStandsBesideTheSingleOne() {
        FormRegistry& forms = m_test->ctx->forms();
        SampleForm& extra = forms.createInstance<SampleForm>();
        QVERIFY(forms.loaded<SampleForm>() == nullptr);
        SampleForm& single = forms.get<SampleForm>();
        QVERIFY(&extra != &single);
        testing::need<TextBox>(extra, u"Text2"_s).setText(u"12"_s);
        QCOMPARE(testing::need<TextBox>(single, u"Text2"_s).Text(), QString());
        QCOMPARE(forms.loadedForms().size(), std::size_t{2});
        extra.Unload();
        QVERIFY(forms.loaded<SampleForm>() == &single);
        QCOMPARE(forms.loadedForms().size(), std::size_t{1});
    }

    void theProgramEndsOnlyWhenTheSecondInstanceIsUnloadedToo() {
        FormRegistry& forms = m_test->ctx->forms();
        int ends = 0;
        forms.setOnNoneLoaded([&] { ++ends; });
        SampleForm& extra = forms.createInstance<SampleForm>();
        forms.get<SampleForm>().Unload();
        QCoreApplication::processEvents();
        QCOMPARE(ends, 0);
        extra.Unload();
        QCoreApplication::processEvents();
        QCOMPARE(ends, 1);
    }
};

QTEST_MAIN(WindowBaseTest)
#include "WindowBaseTest.moc"
