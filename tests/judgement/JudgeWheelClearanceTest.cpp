#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

#include "input/gui/Form2.h"
#include "judgement/ClearanceRules.h"
#include "judgement/gui/JudgeWheelClearance.h"
#include "platform/AppContext.h"
#include "platform/Controls.h"
#include "results/gui/Form4.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"
#include "support/WriteRecorder.h"

using namespace Qt::StringLiterals;

using namespace kl;
using testing::need;

namespace {

TextBox& gradeBox(Form4& f, WheelPosition w, ClearanceKind k) {
    return need<TextBox>(f, u"F4_FC_%1_%2_JG_TXT"_s.arg(wheelCode(w), clearanceCode(k)));
}

Label& comment(Form4& f, WheelPosition w) {
    return need<Label>(f, u"F4_FC_%1_Total_JGCOM_LBL"_s.arg(wheelCode(w)));
}

struct WheelValues {
    float p, q, r;
    int cell;
};

} // namespace

class JudgeWheelClearanceTest : public testing::WindowTest {
    Q_OBJECT

    AppContext* m_ctx = nullptr;
    testing::ScriptedMessageBoxes* m_boxes = nullptr;

    void expectWheel(Form4& f, WheelPosition w, const WheelValues& v) {
        const CellJudgement j = judgeCell(ClearanceCell::fromNumber(v.cell));
        const BandGrade* grades[3] = {&j.hikikomi, &j.joubu, &j.zengo};
        for (std::size_t i = 0; i < 3; ++i) {
            TextBox& box = gradeBox(f, w, kAllClearanceKinds[i]);
            QCOMPARE(box.Text(), gradeText(grades[i]->grade));
            QCOMPARE(box.BackColor(), grades[i]->back);
            // Only an "NG" box gets a text colour; the others keep the window's own.
            QCOMPARE(box.ForeColor().has_value(), grades[i]->ngText);
            if (grades[i]->ngText) {
                QCOMPARE(*box.ForeColor(), ColourNgText);
            }
        }
        QCOMPARE(comment(f, w).Caption(), cellComment(v.cell));
        QCOMPARE(comment(f, w).ForeColor().has_value(), j.commentNgText);
    }

    void expectUntouched(Form4& f, WheelPosition w) {
        for (ClearanceKind k : kAllClearanceKinds) {
            QVERIFY(gradeBox(f, w, k).Text().isEmpty());
            QCOMPARE(gradeBox(f, w, k).BackColor(), ColourWhite);
            QVERIFY(!gradeBox(f, w, k).ForeColor().has_value());
        }
        QVERIFY(comment(f, w).Caption().isEmpty());
        QVERIFY(!comment(f, w).ForeColor().has_value());
    }

    // Enters the same wheel and tyre before and after on both axles, so the new clearances equal
    // the measured ones, runs the analysis and returns the result window it filled; null when the
    // analysis warned instead.
    Form4* runAnalysis(const QString (&measured)[4][3]) {
        Form2& in = m_ctx->forms().get<Form2>();
        in.show();
        const char* const fields[4][6] = {
            {"Combo11", "Combo12", "Combo1", "Text13", "Combo14", "Combo15"},
            {"Combo16", "Combo17", "Combo2", "Text18", "Combo19", "Combo20"},
            {"Combo21", "Combo22", "Combo3", "Text23", "Combo24", "Combo25"},
            {"Combo26", "Combo27", "Combo4", "Text28", "Combo29", "Combo30"},
        };
        const QString values[6] = {u"15"_s, u"6"_s, u"＋"_s, u"40"_s, u"195"_s, u"65"_s};
        for (const auto& block : fields) {
            for (int i = 0; i < 6; ++i) {
                const QString name = QLatin1String(block[i]);
                if (i == 3) {
                    need<TextBox>(in, name).setText(values[i]);
                } else {
                    auto& combo = need<ComboBox>(in, name);
                    combo.setCurrentIndex(combo.findText(values[i]));
                }
            }
        }
        for (std::size_t w = 0; w < 4; ++w) {
            for (std::size_t k = 0; k < 3; ++k) {
                need<TextBox>(in, u"F2_FC_%1_%2_Old_TXT"_s.arg(wheelCode(kAllWheels[w]),
                                                               clearanceCode(kAllClearanceKinds[k])))
                    .setText(measured[w][k]);
            }
        }
        need<CommandButton>(in, u"Command1"_s).click();
        testing::flushUnloads();
        return m_boxes->asked.empty() ? m_ctx->forms().loaded<Form4>() : nullptr;
    }

private Q_SLOTS:
    void init() {
        testing::WindowTest::init();
        m_ctx = m_test->ctx.get();
        m_boxes = &m_test->boxes;
    }

    void eachBindingWritesOnlyItsOwnWheel() {
        const WheelValues values[4] = {
            {7, 40, 25, 49},    // H3 J1 Z1: all OK, pull-in on the caution colour
            {12, 0, 25, 37},    // H2 J4 Z1: upper CHECK
            {20, 40, 0, 4},     // H1 J1 Z4: fore-aft NG
            {-1, -20, -1, 120}, // H5 J6 Z4: all NG
        };
        using Binding = void (*)(const WheelBoxSet&, const std::optional<CellJudgement>&);
        const Binding bindings[4] = {M_Form2FLJG, M_Form2FRJG, M_Form2RLJG, M_Form2RRJG};
        Form4& f = m_ctx->forms().get<Form4>();
        for (std::size_t i = 0; i < 4; ++i) {
            bindings[i](f.boxes().wheels, judgeClearances(values[i].p, values[i].q, values[i].r));
            for (std::size_t w = 0; w < 4; ++w) {
                if (w <= i) {
                    expectWheel(f, kAllWheels[w], values[w]);
                } else {
                    expectUntouched(f, kAllWheels[w]);
                }
            }
        }
        QVERIFY(!m_ctx->forms().loaded<Form4>()->isVisible());
    }

    void gradesTheUnroundedValue() {
        const float p = 14.96f; // shown as 15.0, graded below 15
        Form4& f = m_ctx->forms().get<Form4>();
        M_Form2FLJG(f.boxes().wheels, judgeClearances(p, 40.0f, 25.0f));
        QCOMPARE(gradeBox(f, WheelPosition::FL, ClearanceKind::Hikikomi).BackColor(), ColourAdequate);
    }

    void aValueThatIsNotANumberWritesNothing_data() {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QTest::addColumn<float>("p");
        QTest::addColumn<float>("q");
        QTest::addColumn<float>("r");
        QTest::newRow("upper NaN") << 20.0f << nan << 25.0f;
        // Infinite values would otherwise pass the open-ended bands as ample or hopeless room.
        QTest::newRow("pull-in +inf") << inf << 40.0f << 25.0f;
        QTest::newRow("fore-aft -inf") << 20.0f << 40.0f << -inf;
    }

    void aValueThatIsNotANumberWritesNothing() {
        QFETCH(float, p);
        QFETCH(float, q);
        QFETCH(float, r);
        const std::optional<CellJudgement> none = judgeClearances(p, q, r);
        QVERIFY(!none.has_value());
        Form4& f = m_ctx->forms().get<Form4>();
        M_Form2RRJG(f.boxes().wheels, none);
        expectUntouched(f, WheelPosition::RR);
    }

    // Texts, then the text colours of the "NG" grades, then the back colours, then the comment and its
    // colour on an "NG".
    void writesInOrder_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QStringList>("writes");
        const QString box = u"F4_FC_FL_%1_JG_TXT"_s;
        const QString h = box.arg(u"Hikikomi"_s);
        const QString j = box.arg(u"Joubu"_s);
        const QString z = box.arg(u"Zengo"_s);
        const QString c = u"F4_FC_FL_Total_JGCOM_LBL"_s;
        const auto w = [](const char* what, const QString& name) {
            return QLatin1String(what) + u' ' + name;
        };
        QTest::newRow("every grade NG")
            << 120 << QStringList{w("text", h), w("text", j),    w("text", z), w("fore", h),
                                  w("fore", j), w("fore", z),    w("back", h), w("back", j),
                                  w("back", z), w("caption", c), w("fore", c)};
        QTest::newRow("upper CHECK") << 37
                                     << QStringList{w("text", h), w("text", j), w("text", z),   w("back", h),
                                                    w("back", j), w("back", z), w("caption", c)};
    }

    void writesInOrder() {
        QFETCH(int, cell);
        QFETCH(QStringList, writes);
        Form4& f = m_ctx->forms().get<Form4>();
        const WheelBoxes& fl = f.boxes().wheel(WheelPosition::FL);
        testing::WriteRecorder recorder({&fl.rows[0].grade, &fl.rows[1].grade, &fl.rows[2].grade},
                                        {&fl.comment});
        M_Form2FLJG(f.boxes().wheels, judgeCell(ClearanceCell::fromNumber(cell)));
        QCOMPARE(recorder.writes(), writes);
        expectUntouched(f, WheelPosition::FR);
    }

    void commentKeepsItsLineBreaks() {
        Form4& f = m_ctx->forms().get<Form4>();
        M_Form2FRJG(f.boxes().wheels, judgeClearances(20.0f, 40.0f, 25.0f));
        Label& c = comment(f, WheelPosition::FR);
        QVERIFY(c.Caption().startsWith(u"\r\n"_s));
        QVERIFY(c.Caption().endsWith(u"\r\n【要確認】"_s));
        // Shown with real line breaks, wrapped to the label's width.
        QVERIFY(c.text().startsWith(u'\n'));
        QVERIFY(c.wordWrap());
    }

    void analysisGradesEachWheelFromItsOwnClearances() {
        const WheelValues values[4] = {
            {20, 40, 25, 1}, // all OK
            {12, 0, 25, 37}, // upper CHECK
            {7, 40, 3, 51},  // fore-aft CHECK, pull-in on the caution colour
            {20, 40, 0, 4},  // fore-aft NG
        };
        QString measured[4][3];
        for (std::size_t w = 0; w < 4; ++w) {
            measured[w][0] = QString::number(double(values[w].p));
            measured[w][1] = QString::number(double(values[w].q));
            measured[w][2] = QString::number(double(values[w].r));
        }
        Form4* f = runAnalysis(measured);
        QVERIFY(f != nullptr);
        for (std::size_t w = 0; w < 4; ++w) {
            expectWheel(*f, kAllWheels[w], values[w]);
        }
    }

    void verdictThroughTheAnalysis_data() {
        QTest::addColumn<QString>("rrZengo");
        QTest::addColumn<QString>("rrZengoGrade");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("every grade OK") << u"25"_s << u"OK"_s << u"O K"_s;
        QTest::newRow("one CHECK") << u"4"_s << u"CHECK"_s << u"N G"_s;
        QTest::newRow("one NG") << u"0"_s << u"NG"_s << u"N G"_s;
    }

    void verdictThroughTheAnalysis() {
        QFETCH(QString, rrZengo);
        QFETCH(QString, rrZengoGrade);
        QFETCH(QString, verdict);
        QString measured[4][3];
        for (auto& wheel : measured) {
            wheel[0] = u"20"_s;
            wheel[1] = u"40"_s;
            wheel[2] = u"25"_s;
        }
        measured[3][2] = rrZengo;
        Form4* run = runAnalysis(measured);
        QVERIFY(run != nullptr);
        Form4& f = *run;
        QCOMPARE(gradeBox(f, WheelPosition::RR, ClearanceKind::Zengo).Text(), rrZengoGrade);
        TextBox& result = need<TextBox>(f, u"F4_RESULT_TXT"_s);
        QCOMPARE(result.Text(), verdict);
        QCOMPARE(result.BackColor(), verdict == u"O K"_s ? ColourAmple : ColourNgBack);
        QVERIFY(!result.ForeColor().has_value());
        // A box graded "OK" or "CHECK", and a comment without "NG", keep the window's own text colour.
        for (WheelPosition w : kAllWheels) {
            bool anyNg = false;
            for (ClearanceKind k : kAllClearanceKinds) {
                TextBox& box = gradeBox(f, w, k);
                const bool ng = box.Text() == u"NG"_s;
                QCOMPARE(box.ForeColor().has_value(), ng);
                anyNg = anyNg || ng;
            }
            QCOMPARE(comment(f, w).ForeColor().has_value(), anyNg);
        }
    }
};

QTEST_MAIN(JudgeWheelClearanceTest)
#include "JudgeWheelClearanceTest.moc"
