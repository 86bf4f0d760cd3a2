#include <QtTest>

#include <memory>
#include <optional>

#include "analysis/gui/AnalyseFitment.h"
#include "input/gui/Form2.h"
#include "platform/AppContext.h"
#include "platform/Controls.h"
#include "results/gui/Form4.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace Qt::StringLiterals;

using namespace kl;
using testing::need;

Q_DECLARE_METATYPE(kl::Rgb)

namespace {

// One block of the data-entry window: rim diameter, rim width, direction, offset, tyre width, aspect.
struct Block {
    QString rim, width, direction, offset, tyre, aspect;
};

const QString kPlus = u"＋"_s;
const QString kMinus = u"－"_s;
const QString kPlusMinus = u"±"_s;

struct Entry {
    Block beforeFront, beforeRear, afterFront, afterRear;
    // FL, FR, RL, RR, each pull-in, upper, fore-aft.
    QStringList clearances;
    int check1 = 0;
    int check2 = 0;
};

Entry upsizing() {
    Entry e;
    e.beforeFront = {u"16"_s, u"6.5"_s, kPlus, u"45"_s, u"205"_s, u"55"_s};
    e.beforeRear = e.beforeFront;
    e.afterFront = {u"17"_s, u"7.5"_s, kPlus, u"45"_s, u"225"_s, u"45"_s};
    e.afterRear = e.afterFront;
    e.clearances = QStringList{u"25"_s, u"40"_s, u"30"_s, u"24.5"_s, u"39"_s, u"31"_s,
                               u"30"_s, u"45"_s, u"35"_s, u"2.34"_s, u"12"_s, u"6"_s};
    return e;
}

const char* const kBlockFields[4][6] = {
    {"Combo11", "Combo12", "Combo1", "Text13", "Combo14", "Combo15"},
    {"Combo16", "Combo17", "Combo2", "Text18", "Combo19", "Combo20"},
    {"Combo21", "Combo22", "Combo3", "Text23", "Combo24", "Combo25"},
    {"Combo26", "Combo27", "Combo4", "Text28", "Combo29", "Combo30"},
};

QStringList clearanceNames(const QString& form, const QString& state) {
    QStringList names;
    for (const char* w : {"FL", "FR", "RL", "RR"}) {
        for (const char* k : {"Hikikomi", "Joubu", "Zengo"}) {
            names << u"%1_FC_%2_%3_%4_TXT"_s.arg(form, QLatin1String(w), QLatin1String(k), state);
        }
    }
    return names;
}

void choose(Form2& f, const QString& name, const QString& item) {
    auto& combo = need<ComboBox>(f, name);
    if (item.isEmpty()) {
        combo.setCurrentIndex(-1);
        return;
    }
    const int index = combo.findText(item);
    QVERIFY2(index >= 0, qPrintable(name + u" has no item "_s + item));
    combo.setCurrentIndex(index);
}

void type(Form2& f, const QString& name, const QString& text) {
    need<TextBox>(f, name).setText(text);
}

void enter(Form2& f, const Entry& e) {
    const Block* blocks[4] = {&e.beforeFront, &e.beforeRear, &e.afterFront, &e.afterRear};
    for (int b = 0; b < 4; ++b) {
        const Block& blk = *blocks[b];
        const QString values[6] = {blk.rim, blk.width, blk.direction, blk.offset, blk.tyre, blk.aspect};
        for (int i = 0; i < 6; ++i) {
            const QString name = QLatin1String(kBlockFields[b][i]);
            if (i == 3) {
                type(f, name, values[i]);
            } else {
                choose(f, name, values[i]);
            }
        }
    }
    const QStringList names = clearanceNames(u"F2"_s, u"Old"_s);
    for (int i = 0; i < names.size(); ++i) {
        type(f, names[i], e.clearances.value(i));
    }
    need<CheckBox>(f, u"Check1"_s).setValue(e.check1);
    need<CheckBox>(f, u"Check2"_s).setValue(e.check2);
}

// Every text and check value of the data-entry window, by control name.
QStringList snapshot(Form2& f) {
    QStringList fields;
    for (const ComboBox* c : f.findChildren<ComboBox*>()) {
        fields << c->objectName() + u"="_s + c->Text();
    }
    for (const TextBox* t : f.findChildren<TextBox*>()) {
        fields << t->objectName() + u"="_s + t->Text();
    }
    for (const CheckBox* c : f.findChildren<CheckBox*>()) {
        fields << c->objectName() + u"="_s + QString::number(c->Value());
    }
    return fields;
}

QString text(Form4& f, const QString& name) {
    return need<TextBox>(f, name).Text();
}

} // namespace

class AnalyseFitmentTest : public testing::WindowTest {
    Q_OBJECT

    AppContext* m_ctx = nullptr;
    testing::ScriptedMessageBoxes* m_boxes = nullptr;

    Form2& input() { return m_ctx->forms().get<Form2>(); }

    void clickOk() {
        need<CommandButton>(input(), u"Command1"_s).click();
        testing::flushUnloads();
    }

    Form4& result() {
        Form4* f = m_ctx->forms().loaded<Form4>();
        if (f == nullptr) {
            qFatal("no result window");
        }
        return *f;
    }

private Q_SLOTS:
    void init() {
        testing::WindowTest::init();
        m_ctx = m_test->ctx.get();
        m_boxes = &m_test->boxes;
        input().show();
    }

    void completeRunFillsTheResultWindow() {
        enter(input(), upsizing());
        clickOk();

        QVERIFY(m_boxes->asked.empty());
        QVERIFY(m_ctx->forms().loaded<Form2>() == nullptr);
        Form4& r = result();
        QVERIFY(r.isVisible());
        int visibleForms = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            visibleForms += (qobject_cast<Form*>(w) != nullptr && w->isVisible()) ? 1 : 0;
        }
        QCOMPARE(visibleForms, 1);

        QCOMPARE(text(r, u"F4_TD_FA_Old_TXT"_s), u"631.9"_s);
        QCOMPARE(text(r, u"F4_TD_RA_Old_TXT"_s), u"631.9"_s);
        QCOMPARE(text(r, u"F4_TD_FA_New_TXT"_s), u"634.3"_s);
        QCOMPARE(text(r, u"F4_TD_RA_New_TXT"_s), u"634.3"_s);

        const QStringList oldShown{u"25.0"_s, u"40.0"_s, u"30.0"_s, u"24.5"_s, u"39.0"_s, u"31.0"_s,
                                   u"30.0"_s, u"45.0"_s, u"35.0"_s, u"2.3"_s,  u"12.0"_s, u"6.0"_s};
        // Pull-in 10 less, upper and fore-aft 1.2 less.
        const QStringList newShown{u"15.0"_s, u"38.8"_s, u"28.8"_s, u"14.5"_s, u"37.8"_s, u"29.8"_s,
                                   u"20.0"_s, u"43.8"_s, u"33.8"_s, u"-7.7"_s, u"10.8"_s, u"4.8"_s};
        const QStringList oldNames = clearanceNames(u"F4"_s, u"Old"_s);
        const QStringList newNames = clearanceNames(u"F4"_s, u"New"_s);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(text(r, oldNames[i]), oldShown[i]);
            QCOMPARE(text(r, newNames[i]), newShown[i]);
        }
        for (const char* w : {"FL", "FR", "RL", "RR"}) {
            QCOMPARE(text(r, u"F4_FC_%1_ZOUKA_New_TXT"_s.arg(QLatin1String(w))), u"+10.0"_s);
        }

        // 634.3 / 631.9 is 0.4 % more.
        for (const char* a : {"FA", "RA"}) {
            auto& grade = need<TextBox>(r, u"F4_TD_%1_JG_TXT"_s.arg(QLatin1String(a)));
            QCOMPARE(grade.Text(), u"OK"_s);
            QCOMPARE(grade.BackColor(), ColourAmple);
            QVERIFY(!grade.ForeColor().has_value());
            auto& comment = need<Label>(r, u"F4_TD_%1_JGCOM_LBL"_s.arg(QLatin1String(a)));
            QCOMPARE(comment.Caption(), u"推奨値の±3%以内です。（誤差：0.4 %）"_s);
            QVERIFY(!comment.ForeColor().has_value());
        }

        QCOMPARE(text(r, u"F4_WTF_Kumiawase_Old_TXT"_s), u"ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16"_s);
        QCOMPARE(text(r, u"F4_WTF_Kumiawase_New_TXT"_s), u"ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：225/45-17"_s);
        QCOMPARE(text(r, u"F4_WTR_Kumiawase_Old_TXT"_s), u"ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16"_s);
        QCOMPARE(text(r, u"F4_WTR_Kumiawase_New_TXT"_s), u"ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：225/45-17"_s);

        // The wheel judgements graded the unrounded new clearances; only RR has an "NG".
        const QStringList grades{u"OK"_s, u"OK"_s, u"OK"_s, u"OK"_s, u"OK"_s,    u"OK"_s,
                                 u"OK"_s, u"OK"_s, u"OK"_s, u"NG"_s, u"CHECK"_s, u"CHECK"_s};
        const QStringList gradeNames = clearanceNames(u"F4"_s, u"JG"_s);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(text(r, gradeNames[i]), grades[i]);
        }
        for (const char* w : {"FL", "FR", "RL", "RR"}) {
            auto& comment = need<Label>(r, u"F4_FC_%1_Total_JGCOM_LBL"_s.arg(QLatin1String(w)));
            QVERIFY(!comment.Caption().isEmpty());
            QCOMPARE(comment.ForeColor().has_value(), QLatin1String(w) == QLatin1String("RR"));
        }

        // RR's pull-in is below zero: the verdict cannot be "O K".
        QCOMPARE(text(r, u"F4_RESULT_TXT"_s), u"N G"_s);
        QCOMPARE(need<TextBox>(r, u"F4_RESULT_TXT"_s).BackColor(), ColourNgBack);
        QVERIFY(!need<TextBox>(r, u"F4_RESULT_TXT"_s).ForeColor().has_value());
    }

    void inputCases_data() {
        QTest::addColumn<int>("check1");
        QTest::addColumn<int>("check2");
        QTest::addColumn<QString>("rearBefore");
        QTest::addColumn<QString>("rearAfter");
        QTest::newRow("case 1: rear from its own fields")
            << 0 << 0 << u"ﾎｲｰﾙ：6×15 -10  ﾀｲﾔ：225/50-15"_s << u"ﾎｲｰﾙ：8×18 ±0  ﾀｲﾔ：245/40-18"_s;
        QTest::newRow("case 2: rear before from the front")
            << 1 << 0 << u"ﾎｲｰﾙ：7×15 +45  ﾀｲﾔ：225/50-15"_s << u"ﾎｲｰﾙ：8×18 ±0  ﾀｲﾔ：245/40-18"_s;
        QTest::newRow("case 3: rear after from the front")
            << 0 << 1 << u"ﾎｲｰﾙ：6×15 -10  ﾀｲﾔ：225/50-15"_s << u"ﾎｲｰﾙ：7.5×17 -35  ﾀｲﾔ：245/40-17"_s;
        QTest::newRow("case 4: both from the front")
            << 1 << 1 << u"ﾎｲｰﾙ：7×15 +45  ﾀｲﾔ：225/50-15"_s << u"ﾎｲｰﾙ：7.5×17 -35  ﾀｲﾔ：245/40-17"_s;
    }

    void inputCases() {
        QFETCH(int, check1);
        QFETCH(int, check2);
        QFETCH(QString, rearBefore);
        QFETCH(QString, rearAfter);
        Entry e = upsizing();
        e.beforeFront = {u"15"_s, u"7"_s, kPlus, u"45"_s, u"205"_s, u"55"_s};
        e.afterFront = {u"17"_s, u"7.5"_s, kMinus, u"35"_s, u"215"_s, u"45"_s};
        e.beforeRear = {u"15"_s, u"6"_s, kMinus, u"10"_s, u"225"_s, u"50"_s};
        e.afterRear = {u"18"_s, u"8"_s, kPlusMinus, u"0"_s, u"245"_s, u"40"_s};
        // A ticked box leaves the rear wheel's own fields empty, as the window does.
        if (check1 == 1) {
            e.beforeRear.rim = e.beforeRear.width = e.beforeRear.direction = e.beforeRear.offset = QString();
        }
        if (check2 == 1) {
            e.afterRear.rim = e.afterRear.width = e.afterRear.direction = e.afterRear.offset = QString();
        }
        e.check1 = check1;
        e.check2 = check2;
        enter(input(), e);
        clickOk();
        QVERIFY(m_boxes->asked.empty());
        Form4& r = result();
        QCOMPARE(text(r, u"F4_WTF_Kumiawase_Old_TXT"_s), u"ﾎｲｰﾙ：7×15 +45  ﾀｲﾔ：205/55-15"_s);
        QCOMPARE(text(r, u"F4_WTF_Kumiawase_New_TXT"_s), u"ﾎｲｰﾙ：7.5×17 -35  ﾀｲﾔ：215/45-17"_s);
        QCOMPARE(text(r, u"F4_WTR_Kumiawase_Old_TXT"_s), rearBefore);
        QCOMPARE(text(r, u"F4_WTR_Kumiawase_New_TXT"_s), rearAfter);
    }

    void missingInputWarns_data() {
        QTest::addColumn<int>("check1");
        QTest::addColumn<QString>("emptied");
        QTest::newRow("rear rim unchosen, box unticked") << 0 << u"Combo16"_s;
        QTest::newRow("rear tyre unchosen, box ticked") << 1 << u"Combo19"_s;
        QTest::newRow("offset empty") << 0 << u"Text23"_s;
        QTest::newRow("clearance empty") << 0 << u"F2_FC_RR_Zengo_Old_TXT"_s;
    }

    void missingInputWarns() {
        QFETCH(int, check1);
        QFETCH(QString, emptied);
        Entry e = upsizing();
        e.check1 = check1;
        e.clearances[0] = u".5"_s;
        enter(input(), e);
        if (emptied.startsWith(u"Combo"_s)) {
            choose(input(), emptied, QString());
        } else {
            type(input(), emptied, QString());
        }
        const QStringList before = snapshot(input());
        clickOk();

        QCOMPARE(m_boxes->asked.size(), std::size_t{1});
        const platform::MessageBoxRequest& box = m_boxes->asked.front();
        QCOMPARE(box.text, u"項目に未選択または未入力の項目があります。　　"_s);
        QCOMPARE(box.title, u"Kavor Lintep 2005"_s);
        QVERIFY(box.icon == platform::MsgIcon::Exclamation);
        QVERIFY(box.buttons == platform::MsgButtons::Ok);
        // Nothing changed: no result window, the typed text not rewritten.
        QVERIFY(m_ctx->forms().loaded<Form4>() == nullptr);
        QVERIFY(m_ctx->forms().loaded<Form2>() != nullptr);
        QCOMPARE(need<TextBox>(input(), u"F2_FC_FL_Hikikomi_Old_TXT"_s).Text(), u".5"_s);
        QCOMPARE(snapshot(input()), before);
    }

    void secondClickAfterTheWarningRuns() {
        Entry e = upsizing();
        enter(input(), e);
        choose(input(), u"Combo30"_s, QString());
        clickOk();
        QCOMPARE(m_boxes->asked.size(), std::size_t{1});
        choose(input(), u"Combo30"_s, u"45"_s);
        clickOk();
        QCOMPARE(m_boxes->asked.size(), std::size_t{1});
        QVERIFY(result().isVisible());
    }

    void clearancesAreRewrittenAndReadBack() {
        Entry e = upsizing();
        e.clearances[0] = u".5"_s;
        e.clearances[1] = u"1,5"_s;
        e.clearances[2] = u"007"_s;
        e.clearances[3] = u"2.50"_s;
        e.clearances[4] = u"."_s;
        Form2& f = input();
        enter(f, e);
        // Keep a handle on the boxes: the run unloads the window afterwards.
        QStringList rewritten;
        QObject::connect(&need<TextBox>(f, u"F2_FC_FR_Hikikomi_Old_TXT"_s), &QLineEdit::textChanged,
                         [&rewritten](const QString& t) { rewritten << t; });
        clickOk();
        QCOMPARE(rewritten, QStringList{u"2.5"_s});
        Form4& r = result();
        QCOMPARE(text(r, u"F4_FC_FL_Hikikomi_Old_TXT"_s), u"0.5"_s);
        QCOMPARE(text(r, u"F4_FC_FL_Joubu_Old_TXT"_s), u"1.0"_s);
        QCOMPARE(text(r, u"F4_FC_FL_Zengo_Old_TXT"_s), u"7.0"_s);
        QCOMPARE(text(r, u"F4_FC_FR_Joubu_Old_TXT"_s), u"0.0"_s);
        // The new pull-in is computed from 0.5.
        QCOMPARE(text(r, u"F4_FC_FL_Hikikomi_New_TXT"_s), u"-9.5"_s);
    }

    void offsetDirections_data() {
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plus") << kPlus << u"45"_s << u"+45"_s;
        QTest::newRow("minus") << kMinus << u"45"_s << u"-45"_s;
        QTest::newRow("plus-minus") << kPlusMinus << u"0"_s << u"±0"_s;
        QTest::newRow("plus with zero") << kPlus << u"0"_s << u"±0"_s;
        QTest::newRow("minus with zero") << kMinus << u"0"_s << u"±0"_s;
        QTest::newRow("half") << kPlus << u"12.5"_s << u"+12.5"_s;
    }

    void offsetDirections() {
        QFETCH(QString, direction);
        QFETCH(QString, offset);
        QFETCH(QString, shown);
        Entry e = upsizing();
        e.beforeFront.direction = direction;
        e.beforeFront.offset = offset;
        enter(input(), e);
        clickOk();
        QCOMPARE(text(result(), u"F4_WTF_Kumiawase_Old_TXT"_s),
                 u"ﾎｲｰﾙ：6.5×16 "_s + shown + u"  ﾀｲﾔ：205/55-16"_s);
    }

    // The result window is loaded by the run's first write, after the clearance rewrite; it stays hidden
    // while it is filled, and every box is written once, in the order of the run.
    void resultIsWrittenInRunOrderIntoAHiddenWindow() {
        QStringList events;
        m_ctx->forms().setFactory<Form4>([this, &events](AppContext& ctx) -> std::unique_ptr<Form> {
            events << u"load after rewrite to "_s +
                          need<TextBox>(input(), u"F2_FC_FL_Hikikomi_Old_TXT"_s).Text();
            auto f = std::make_unique<Form4>(ctx);
            for (TextBox* box : f->findChildren<TextBox*>()) {
                QObject::connect(box, &QLineEdit::textChanged, box, [&events, box] {
                    events << (box->window()->isVisible() ? u"shown "_s : QString()) + box->objectName();
                });
            }
            return f;
        });
        Entry e = upsizing();
        e.clearances[0] = u".5"_s;
        enter(input(), e);
        clickOk();

        QStringList expected{u"load after rewrite to 0.5"_s, u"F4_TD_FA_Old_TXT"_s, u"F4_TD_RA_Old_TXT"_s};
        expected << clearanceNames(u"F4"_s, u"Old"_s) << u"F4_TD_FA_New_TXT"_s << u"F4_TD_RA_New_TXT"_s
                 << clearanceNames(u"F4"_s, u"New"_s);
        for (const char* w : {"FL", "FR", "RL", "RR"}) {
            expected << u"F4_FC_%1_ZOUKA_New_TXT"_s.arg(QLatin1String(w));
        }
        expected << u"F4_TD_FA_JG_TXT"_s << u"F4_TD_RA_JG_TXT"_s << clearanceNames(u"F4"_s, u"JG"_s)
                 << u"F4_WTF_Kumiawase_Old_TXT"_s << u"F4_WTF_Kumiawase_New_TXT"_s
                 << u"F4_WTR_Kumiawase_Old_TXT"_s << u"F4_WTR_Kumiawase_New_TXT"_s << u"F4_RESULT_TXT"_s;
        QCOMPARE(events, expected);
        QVERIFY(result().isVisible());
    }

    void diameterGradesReachTheWindow_data() {
        QTest::addColumn<QString>("rearTyre");
        QTest::addColumn<QString>("rearAspect");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<Rgb>("back");
        QTest::addColumn<bool>("red");
        QTest::addColumn<QString>("caption");
        QTest::newRow("rear in band 4") << u"295"_s << u"35"_s << u"NG"_s << ColourCaution << false
                                        << u"車検範囲内も推奨できません。（誤差：12.6 %）"_s;
        QTest::newRow("rear in band 5") << u"285"_s << u"40"_s << u"NG"_s << ColourNgBack << true
                                        << u"誤差大につき、要再検討。（誤差：16 %）"_s;
    }

    // Each axle is graded on its own; only band 5 writes a text colour, on both the grade and the comment.
    void diameterGradesReachTheWindow() {
        QFETCH(QString, rearTyre);
        QFETCH(QString, rearAspect);
        QFETCH(QString, grade);
        QFETCH(Rgb, back);
        QFETCH(bool, red);
        QFETCH(QString, caption);
        Entry e = upsizing();
        e.beforeRear = {u"15"_s, u"6"_s, kPlus, u"45"_s, u"195"_s, u"65"_s};
        e.afterRear = {u"20"_s, u"8.5"_s, kPlus, u"45"_s, rearTyre, rearAspect};
        enter(input(), e);
        clickOk();
        Form4& r = result();

        auto& frontGrade = need<TextBox>(r, u"F4_TD_FA_JG_TXT"_s);
        auto& frontComment = need<Label>(r, u"F4_TD_FA_JGCOM_LBL"_s);
        QCOMPARE(frontGrade.Text(), u"OK"_s);
        QCOMPARE(frontGrade.BackColor(), ColourAmple);
        QVERIFY(!frontGrade.ForeColor().has_value());
        QVERIFY(!frontComment.ForeColor().has_value());

        auto& rearGrade = need<TextBox>(r, u"F4_TD_RA_JG_TXT"_s);
        auto& rearComment = need<Label>(r, u"F4_TD_RA_JGCOM_LBL"_s);
        QCOMPARE(rearGrade.Text(), grade);
        QCOMPARE(rearGrade.BackColor(), back);
        QCOMPARE(rearComment.Caption(), caption);
        const std::optional<Rgb> textColour = red ? std::optional<Rgb>(ColourNgText) : std::nullopt;
        QVERIFY(rearGrade.ForeColor() == textColour);
        QVERIFY(rearComment.ForeColor() == textColour);
        QCOMPARE(rearGrade.palette().color(QPalette::Text) == ColourNgText.toColor(), red);
    }

    void aFailingRunShowsAMessageAndKeepsTheInputs() {
        m_ctx->forms().setFactory<Form4>([](AppContext&) -> std::unique_ptr<Form> {
            throw std::runtime_error("cannot create the result window");
        });
        enter(input(), upsizing());
        clickOk();
        QCOMPARE(m_boxes->asked.size(), std::size_t{1});
        QVERIFY(m_boxes->asked.front().icon == platform::MsgIcon::Critical);
        QCOMPARE(m_boxes->asked.front().title, u"Kavor Lintep 2005"_s);
        QVERIFY(m_ctx->forms().loaded<Form4>() == nullptr);
        QVERIFY(m_ctx->forms().loaded<Form2>() != nullptr);
        QVERIFY(input().isVisible());
        QCOMPARE(need<ComboBox>(input(), u"Combo11"_s).Text(), u"16"_s);
    }

    void aResultWindowBrokenHalfwayIsNotShown() {
        // A result window without a box the run writes: it cannot load, and the run names the box.
        m_ctx->forms().setFactory<Form4>([](AppContext& ctx) -> std::unique_ptr<Form> {
            auto f = std::make_unique<Form4>(ctx);
            delete f->findChild<TextBox*>(u"F4_RESULT_TXT"_s);
            return f;
        });
        enter(input(), upsizing());
        clickOk();
        QCOMPARE(m_boxes->asked.size(), std::size_t{1});
        QVERIFY(m_boxes->asked.front().text.contains(u"F4_RESULT_TXT"_s));
        QVERIFY(m_ctx->forms().loaded<Form4>() == nullptr);
        QVERIFY(input().isVisible());
    }
};

QTEST_MAIN(AnalyseFitmentTest)
#include "AnalyseFitmentTest.moc"
