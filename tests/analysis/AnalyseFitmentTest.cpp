#include <QtTest>

#include <memory>
#include <optional>

#include "analysis/gui/AnalyseFitment.h"
#include "input/gui/Form2.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "results/gui/Form4.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace kl;
using testing::need;

Q_DECLARE_METATYPE(kl::Rgb)

namespace {

// One block of the data-entry window: rim diameter, rim width, direction, offset, tyre width, aspect.
struct Block {
    QString rim, width, direction, offset, tyre, aspect;
};

const QString kPlus = QStringLiteral("＋");
const QString kMinus = QStringLiteral("－");
const QString kPlusMinus = QStringLiteral("±");

struct Entry {
    Block beforeFront, beforeRear, afterFront, afterRear;
    // FL, FR, RL, RR, each pull-in, upper, fore-aft.
    QStringList clearances;
    int check1 = 0;
    int check2 = 0;
};

Entry upsizing() {
    Entry e;
    e.beforeFront = {QStringLiteral("16"), QStringLiteral("6.5"), kPlus,
                     QStringLiteral("45"), QStringLiteral("205"), QStringLiteral("55")};
    e.beforeRear = e.beforeFront;
    e.afterFront = {QStringLiteral("17"), QStringLiteral("7.5"), kPlus,
                    QStringLiteral("45"), QStringLiteral("225"), QStringLiteral("45")};
    e.afterRear = e.afterFront;
    e.clearances = QStringList{QStringLiteral("25"),   QStringLiteral("40"), QStringLiteral("30"),
                               QStringLiteral("24.5"), QStringLiteral("39"), QStringLiteral("31"),
                               QStringLiteral("30"),   QStringLiteral("45"), QStringLiteral("35"),
                               QStringLiteral("2.34"), QStringLiteral("12"), QStringLiteral("6")};
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
            names
                << QStringLiteral("%1_FC_%2_%3_%4_TXT").arg(form, QLatin1String(w), QLatin1String(k), state);
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
    QVERIFY2(index >= 0, qPrintable(name + QStringLiteral(" has no item ") + item));
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
    const QStringList names = clearanceNames(QStringLiteral("F2"), QStringLiteral("Old"));
    for (int i = 0; i < names.size(); ++i) {
        type(f, names[i], e.clearances.value(i));
    }
    need<CheckBox>(f, QStringLiteral("Check1")).setValue(e.check1);
    need<CheckBox>(f, QStringLiteral("Check2")).setValue(e.check2);
}

// Every text and check value of the data-entry window, by control name.
QStringList snapshot(Form2& f) {
    QStringList fields;
    for (const ComboBox* c : f.findChildren<ComboBox*>()) {
        fields << c->objectName() + QStringLiteral("=") + c->Text();
    }
    for (const TextBox* t : f.findChildren<TextBox*>()) {
        fields << t->objectName() + QStringLiteral("=") + t->Text();
    }
    for (const CheckBox* c : f.findChildren<CheckBox*>()) {
        fields << c->objectName() + QStringLiteral("=") + QString::number(c->Value());
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
        need<CommandButton>(input(), QStringLiteral("Command1")).click();
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

        QCOMPARE(text(r, QStringLiteral("F4_TD_FA_Old_TXT")), QStringLiteral("631.9"));
        QCOMPARE(text(r, QStringLiteral("F4_TD_RA_Old_TXT")), QStringLiteral("631.9"));
        QCOMPARE(text(r, QStringLiteral("F4_TD_FA_New_TXT")), QStringLiteral("634.3"));
        QCOMPARE(text(r, QStringLiteral("F4_TD_RA_New_TXT")), QStringLiteral("634.3"));

        const QStringList oldShown{QStringLiteral("25.0"), QStringLiteral("40.0"), QStringLiteral("30.0"),
                                   QStringLiteral("24.5"), QStringLiteral("39.0"), QStringLiteral("31.0"),
                                   QStringLiteral("30.0"), QStringLiteral("45.0"), QStringLiteral("35.0"),
                                   QStringLiteral("2.3"),  QStringLiteral("12.0"), QStringLiteral("6.0")};
        // Pull-in 10 less, upper and fore-aft 1.2 less.
        const QStringList newShown{QStringLiteral("15.0"), QStringLiteral("38.8"), QStringLiteral("28.8"),
                                   QStringLiteral("14.5"), QStringLiteral("37.8"), QStringLiteral("29.8"),
                                   QStringLiteral("20.0"), QStringLiteral("43.8"), QStringLiteral("33.8"),
                                   QStringLiteral("-7.7"), QStringLiteral("10.8"), QStringLiteral("4.8")};
        const QStringList oldNames = clearanceNames(QStringLiteral("F4"), QStringLiteral("Old"));
        const QStringList newNames = clearanceNames(QStringLiteral("F4"), QStringLiteral("New"));
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(text(r, oldNames[i]), oldShown[i]);
            QCOMPARE(text(r, newNames[i]), newShown[i]);
        }
        for (const char* w : {"FL", "FR", "RL", "RR"}) {
            QCOMPARE(text(r, QStringLiteral("F4_FC_%1_ZOUKA_New_TXT").arg(QLatin1String(w))),
                     QStringLiteral("+10.0"));
        }

        // 634.3 / 631.9 is 0.4 % more.
        for (const char* a : {"FA", "RA"}) {
            auto& grade = need<TextBox>(r, QStringLiteral("F4_TD_%1_JG_TXT").arg(QLatin1String(a)));
            QCOMPARE(grade.Text(), QStringLiteral("OK"));
            QCOMPARE(grade.BackColor(), ColourAmple);
            QVERIFY(!grade.ForeColor().has_value());
            auto& comment = need<Label>(r, QStringLiteral("F4_TD_%1_JGCOM_LBL").arg(QLatin1String(a)));
            QCOMPARE(comment.Caption(), QStringLiteral("推奨値の±3%以内です。（誤差：0.4 %）"));
            QVERIFY(!comment.ForeColor().has_value());
        }

        QCOMPARE(text(r, QStringLiteral("F4_WTF_Kumiawase_Old_TXT")),
                 QStringLiteral("ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16"));
        QCOMPARE(text(r, QStringLiteral("F4_WTF_Kumiawase_New_TXT")),
                 QStringLiteral("ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：225/45-17"));
        QCOMPARE(text(r, QStringLiteral("F4_WTR_Kumiawase_Old_TXT")),
                 QStringLiteral("ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16"));
        QCOMPARE(text(r, QStringLiteral("F4_WTR_Kumiawase_New_TXT")),
                 QStringLiteral("ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：225/45-17"));

        // The wheel judgements graded the unrounded new clearances; only RR has an "NG".
        const QStringList grades{QStringLiteral("OK"), QStringLiteral("OK"),    QStringLiteral("OK"),
                                 QStringLiteral("OK"), QStringLiteral("OK"),    QStringLiteral("OK"),
                                 QStringLiteral("OK"), QStringLiteral("OK"),    QStringLiteral("OK"),
                                 QStringLiteral("NG"), QStringLiteral("CHECK"), QStringLiteral("CHECK")};
        const QStringList gradeNames = clearanceNames(QStringLiteral("F4"), QStringLiteral("JG"));
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(text(r, gradeNames[i]), grades[i]);
        }
        for (const char* w : {"FL", "FR", "RL", "RR"}) {
            auto& comment = need<Label>(r, QStringLiteral("F4_FC_%1_Total_JGCOM_LBL").arg(QLatin1String(w)));
            QVERIFY(!comment.Caption().isEmpty());
            QCOMPARE(comment.ForeColor().has_value(), QLatin1String(w) == QLatin1String("RR"));
        }

        // RR's pull-in is below zero: the verdict cannot be "O K".
        QCOMPARE(text(r, QStringLiteral("F4_RESULT_TXT")), QStringLiteral("N G"));
        QCOMPARE(need<TextBox>(r, QStringLiteral("F4_RESULT_TXT")).BackColor(), ColourNgBack);
        QVERIFY(!need<TextBox>(r, QStringLiteral("F4_RESULT_TXT")).ForeColor().has_value());
    }

    void inputCases_data() {
        QTest::addColumn<int>("check1");
        QTest::addColumn<int>("check2");
        QTest::addColumn<QString>("rearBefore");
        QTest::addColumn<QString>("rearAfter");
        QTest::newRow("case 1: rear from its own fields")
            << 0 << 0 << QStringLiteral("ﾎｲｰﾙ：6×15 -10  ﾀｲﾔ：225/50-15")
            << QStringLiteral("ﾎｲｰﾙ：8×18 ±0  ﾀｲﾔ：245/40-18");
        QTest::newRow("case 2: rear before from the front")
            << 1 << 0 << QStringLiteral("ﾎｲｰﾙ：7×15 +45  ﾀｲﾔ：225/50-15")
            << QStringLiteral("ﾎｲｰﾙ：8×18 ±0  ﾀｲﾔ：245/40-18");
        QTest::newRow("case 3: rear after from the front")
            << 0 << 1 << QStringLiteral("ﾎｲｰﾙ：6×15 -10  ﾀｲﾔ：225/50-15")
            << QStringLiteral("ﾎｲｰﾙ：7.5×17 -35  ﾀｲﾔ：245/40-17");
        QTest::newRow("case 4: both from the front")
            << 1 << 1 << QStringLiteral("ﾎｲｰﾙ：7×15 +45  ﾀｲﾔ：225/50-15")
            << QStringLiteral("ﾎｲｰﾙ：7.5×17 -35  ﾀｲﾔ：245/40-17");
    }

    void inputCases() {
        QFETCH(int, check1);
        QFETCH(int, check2);
        QFETCH(QString, rearBefore);
        QFETCH(QString, rearAfter);
        Entry e = upsizing();
        e.beforeFront = {QStringLiteral("15"), QStringLiteral("7"),   kPlus,
                         QStringLiteral("45"), QStringLiteral("205"), QStringLiteral("55")};
        e.afterFront = {QStringLiteral("17"), QStringLiteral("7.5"), kMinus,
                        QStringLiteral("35"), QStringLiteral("215"), QStringLiteral("45")};
        e.beforeRear = {QStringLiteral("15"), QStringLiteral("6"),   kMinus,
                        QStringLiteral("10"), QStringLiteral("225"), QStringLiteral("50")};
        e.afterRear = {QStringLiteral("18"), QStringLiteral("8"),   kPlusMinus,
                       QStringLiteral("0"),  QStringLiteral("245"), QStringLiteral("40")};
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
        QCOMPARE(text(r, QStringLiteral("F4_WTF_Kumiawase_Old_TXT")),
                 QStringLiteral("ﾎｲｰﾙ：7×15 +45  ﾀｲﾔ：205/55-15"));
        QCOMPARE(text(r, QStringLiteral("F4_WTF_Kumiawase_New_TXT")),
                 QStringLiteral("ﾎｲｰﾙ：7.5×17 -35  ﾀｲﾔ：215/45-17"));
        QCOMPARE(text(r, QStringLiteral("F4_WTR_Kumiawase_Old_TXT")), rearBefore);
        QCOMPARE(text(r, QStringLiteral("F4_WTR_Kumiawase_New_TXT")), rearAfter);
    }

    void missingInputWarns_data() {
        QTest::addColumn<int>("check1");
        QTest::addColumn<QString>("emptied");
        QTest::newRow("rear rim unchosen, box unticked") << 0 << QStringLiteral("Combo16");
        QTest::newRow("rear tyre unchosen, box ticked") << 1 << QStringLiteral("Combo19");
        QTest::newRow("offset empty") << 0 << QStringLiteral("Text23");
        QTest::newRow("clearance empty") << 0 << QStringLiteral("F2_FC_RR_Zengo_Old_TXT");
    }

    void missingInputWarns() {
        QFETCH(int, check1);
        QFETCH(QString, emptied);
        Entry e = upsizing();
        e.check1 = check1;
        e.clearances[0] = QStringLiteral(".5");
        enter(input(), e);
        if (emptied.startsWith(QStringLiteral("Combo"))) {
            choose(input(), emptied, QString());
        } else {
            type(input(), emptied, QString());
        }
        const QStringList before = snapshot(input());
        clickOk();

        QCOMPARE(m_boxes->asked.size(), std::size_t{1});
        const platform::MessageBoxRequest& box = m_boxes->asked.front();
        QCOMPARE(box.text, QStringLiteral("項目に未選択または未入力の項目があります。　　"));
        QCOMPARE(box.title, QStringLiteral("Kavor Lintep 2005"));
        QVERIFY(box.icon == platform::MsgIcon::Exclamation);
        QVERIFY(box.buttons == platform::MsgButtons::Ok);
        // Nothing changed: no result window, the typed text not rewritten.
        QVERIFY(m_ctx->forms().loaded<Form4>() == nullptr);
        QVERIFY(m_ctx->forms().loaded<Form2>() != nullptr);
        QCOMPARE(need<TextBox>(input(), QStringLiteral("F2_FC_FL_Hikikomi_Old_TXT")).Text(),
                 QStringLiteral(".5"));
        QCOMPARE(snapshot(input()), before);
    }

    void secondClickAfterTheWarningRuns() {
        Entry e = upsizing();
        enter(input(), e);
        choose(input(), QStringLiteral("Combo30"), QString());
        clickOk();
        QCOMPARE(m_boxes->asked.size(), std::size_t{1});
        choose(input(), QStringLiteral("Combo30"), QStringLiteral("45"));
        clickOk();
        QCOMPARE(m_boxes->asked.size(), std::size_t{1});
        QVERIFY(result().isVisible());
    }

    void clearancesAreRewrittenAndReadBack() {
        Entry e = upsizing();
        e.clearances[0] = QStringLiteral(".5");
        e.clearances[1] = QStringLiteral("1,5");
        e.clearances[2] = QStringLiteral("007");
        e.clearances[3] = QStringLiteral("2.50");
        e.clearances[4] = QStringLiteral(".");
        Form2& f = input();
        enter(f, e);
        // Keep a handle on the boxes: the run unloads the window afterwards.
        QStringList rewritten;
        QObject::connect(&need<TextBox>(f, QStringLiteral("F2_FC_FR_Hikikomi_Old_TXT")),
                         &QLineEdit::textChanged, [&rewritten](const QString& t) { rewritten << t; });
        clickOk();
        QCOMPARE(rewritten, QStringList{QStringLiteral("2.5")});
        Form4& r = result();
        QCOMPARE(text(r, QStringLiteral("F4_FC_FL_Hikikomi_Old_TXT")), QStringLiteral("0.5"));
        QCOMPARE(text(r, QStringLiteral("F4_FC_FL_Joubu_Old_TXT")), QStringLiteral("1.0"));
        QCOMPARE(text(r, QStringLiteral("F4_FC_FL_Zengo_Old_TXT")), QStringLiteral("7.0"));
        QCOMPARE(text(r, QStringLiteral("F4_FC_FR_Joubu_Old_TXT")), QStringLiteral("0.0"));
        // The new pull-in is computed from 0.5.
        QCOMPARE(text(r, QStringLiteral("F4_FC_FL_Hikikomi_New_TXT")), QStringLiteral("-9.5"));
    }

    void offsetDirections_data() {
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plus") << kPlus << QStringLiteral("45") << QStringLiteral("+45");
        QTest::newRow("minus") << kMinus << QStringLiteral("45") << QStringLiteral("-45");
        QTest::newRow("plus-minus") << kPlusMinus << QStringLiteral("0") << QStringLiteral("±0");
        QTest::newRow("plus with zero") << kPlus << QStringLiteral("0") << QStringLiteral("±0");
        QTest::newRow("minus with zero") << kMinus << QStringLiteral("0") << QStringLiteral("±0");
        QTest::newRow("half") << kPlus << QStringLiteral("12.5") << QStringLiteral("+12.5");
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
        QCOMPARE(text(result(), QStringLiteral("F4_WTF_Kumiawase_Old_TXT")),
                 QStringLiteral("ﾎｲｰﾙ：6.5×16 ") + shown + QStringLiteral("  ﾀｲﾔ：205/55-16"));
    }

    // The result window is loaded by the run's first write, after the clearance rewrite; it stays hidden
    // while it is filled, and every box is written once, in the order of the run.
    void resultIsWrittenInRunOrderIntoAHiddenWindow() {
        QStringList events;
        m_ctx->forms().setFactory<Form4>([this, &events](AppContext& ctx) -> std::unique_ptr<Form> {
            events << QStringLiteral("load after rewrite to ") +
                          need<TextBox>(input(), QStringLiteral("F2_FC_FL_Hikikomi_Old_TXT")).Text();
            auto f = std::make_unique<Form4>(ctx);
            for (TextBox* box : f->findChildren<TextBox*>()) {
                QObject::connect(box, &QLineEdit::textChanged, box, [&events, box] {
                    events << (box->window()->isVisible() ? QStringLiteral("shown ") : QString()) +
                                  box->objectName();
                });
            }
            return f;
        });
        Entry e = upsizing();
        e.clearances[0] = QStringLiteral(".5");
        enter(input(), e);
        clickOk();

        QStringList expected{QStringLiteral("load after rewrite to 0.5"), QStringLiteral("F4_TD_FA_Old_TXT"),
                             QStringLiteral("F4_TD_RA_Old_TXT")};
        expected << clearanceNames(QStringLiteral("F4"), QStringLiteral("Old"))
                 << QStringLiteral("F4_TD_FA_New_TXT") << QStringLiteral("F4_TD_RA_New_TXT")
                 << clearanceNames(QStringLiteral("F4"), QStringLiteral("New"));
        for (const char* w : {"FL", "FR", "RL", "RR"}) {
            expected << QStringLiteral("F4_FC_%1_ZOUKA_New_TXT").arg(QLatin1String(w));
        }
        expected << QStringLiteral("F4_TD_FA_JG_TXT") << QStringLiteral("F4_TD_RA_JG_TXT")
                 << clearanceNames(QStringLiteral("F4"), QStringLiteral("JG"))
                 << QStringLiteral("F4_WTF_Kumiawase_Old_TXT") << QStringLiteral("F4_WTF_Kumiawase_New_TXT")
                 << QStringLiteral("F4_WTR_Kumiawase_Old_TXT") << QStringLiteral("F4_WTR_Kumiawase_New_TXT")
                 << QStringLiteral("F4_RESULT_TXT");
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
        QTest::newRow("rear in band 4")
            << QStringLiteral("295") << QStringLiteral("35") << QStringLiteral("NG") << ColourCaution << false
            << QStringLiteral("車検範囲内も推奨できません。（誤差：12.6 %）");
        QTest::newRow("rear in band 5")
            << QStringLiteral("285") << QStringLiteral("40") << QStringLiteral("NG") << ColourNgBack << true
            << QStringLiteral("誤差大につき、要再検討。（誤差：16 %）");
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
        e.beforeRear = {QStringLiteral("15"), QStringLiteral("6"),   kPlus,
                        QStringLiteral("45"), QStringLiteral("195"), QStringLiteral("65")};
        e.afterRear = {
            QStringLiteral("20"), QStringLiteral("8.5"), kPlus, QStringLiteral("45"), rearTyre, rearAspect};
        enter(input(), e);
        clickOk();
        Form4& r = result();

        auto& frontGrade = need<TextBox>(r, QStringLiteral("F4_TD_FA_JG_TXT"));
        auto& frontComment = need<Label>(r, QStringLiteral("F4_TD_FA_JGCOM_LBL"));
        QCOMPARE(frontGrade.Text(), QStringLiteral("OK"));
        QCOMPARE(frontGrade.BackColor(), ColourAmple);
        QVERIFY(!frontGrade.ForeColor().has_value());
        QVERIFY(!frontComment.ForeColor().has_value());

        auto& rearGrade = need<TextBox>(r, QStringLiteral("F4_TD_RA_JG_TXT"));
        auto& rearComment = need<Label>(r, QStringLiteral("F4_TD_RA_JGCOM_LBL"));
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
        QCOMPARE(m_boxes->asked.front().title, QStringLiteral("Kavor Lintep 2005"));
        QVERIFY(m_ctx->forms().loaded<Form4>() == nullptr);
        QVERIFY(m_ctx->forms().loaded<Form2>() != nullptr);
        QVERIFY(input().isVisible());
        QCOMPARE(need<ComboBox>(input(), QStringLiteral("Combo11")).Text(), QStringLiteral("16"));
    }

    void aResultWindowBrokenHalfwayIsNotShown() {
        // A result window without a box the run writes: it cannot load, and the run names the box.
        m_ctx->forms().setFactory<Form4>([](AppContext& ctx) -> std::unique_ptr<Form> {
            auto f = std::make_unique<Form4>(ctx);
            delete f->findChild<TextBox*>(QStringLiteral("F4_RESULT_TXT"));
            return f;
        });
        enter(input(), upsizing());
        clickOk();
        QCOMPARE(m_boxes->asked.size(), std::size_t{1});
        QVERIFY(m_boxes->asked.front().text.contains(QStringLiteral("F4_RESULT_TXT")));
        QVERIFY(m_ctx->forms().loaded<Form4>() == nullptr);
        QVERIFY(input().isVisible());
    }
};

QTEST_MAIN(AnalyseFitmentTest)
#include "AnalyseFitmentTest.moc"
