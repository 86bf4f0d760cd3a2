#include <memory>

#include <QTest>

#include "judgement/ClearanceRules.h"
#include "judgement/gui/ReJudgeWheelClearance.h"
#include "platform/Controls.h"
#include "results/gui/Form7.h"
#include "results/gui/ResultBoxes.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"
#include "support/WriteRecorder.h"

using namespace Qt::StringLiterals;
using namespace kl;

namespace {

constexpr Rgb Black{0, 0, 0};

using Binding = void (*)(const WheelBoxSet&, const std::optional<ViewerWheelJudgement>&);

const std::pair<WheelPosition, Binding> Bindings[] = {
    {WheelPosition::FL, &M_Form7FLJG},
    {WheelPosition::FR, &M_Form7FRJG},
    {WheelPosition::RL, &M_Form7RLJG},
    {WheelPosition::RR, &M_Form7RRJG},
};

TextBox& box(Form7& f, WheelPosition w, ClearanceKind k, const QString& state) {
    return f.control<TextBox>(u"F7_FC_%1_%2_%3_TXT"_s.arg(wheelCode(w), clearanceCode(k), state));
}

Label& comment(Form7& f, WheelPosition w) {
    return f.control<Label>(u"F7_FC_%1_Total_JGCOM_LBL"_s.arg(wheelCode(w)));
}

// Puts texts into a wheel's three new-clearance boxes, judges them and writes the judgement through the
// wheel's binding; false when the texts could not be judged.
bool judge(Form7& f, std::size_t wheel, const QString& p, const QString& q, const QString& r) {
    const WheelPosition w = Bindings[wheel].first;
    box(f, w, ClearanceKind::Hikikomi, u"New"_s).setText(p);
    box(f, w, ClearanceKind::Joubu, u"New"_s).setText(q);
    box(f, w, ClearanceKind::Zengo, u"New"_s).setText(r);
    const std::optional<ViewerWheelJudgement> j = judgeWheelTexts(p, q, r);
    Bindings[wheel].second(f.boxes().wheels, j);
    return j.has_value();
}

} // namespace

class ViewerReJudgeWheelClearanceTest : public testing::WindowTest {
    Q_OBJECT

    AppContext* m_ctx = nullptr;

    Form7& viewer() { return m_ctx->forms().get<Form7>(); }

private Q_SLOTS:
    void init() {
        testing::WindowTest::init();
        m_ctx = m_test->ctx.get();
    }

    void eachBindingWritesItsOwnWheel_data() {
        QTest::addColumn<int>("wheel");
        for (int w = 0; w < 4; ++w) {
            QTest::newRow(qPrintable(wheelCode(Bindings[w].first))) << w;
        }
    }

    // One routine, four bindings: each reads its own wheel's boxes and writes its own wheel's controls,
    // all eleven, and nothing of another wheel.
    void eachBindingWritesItsOwnWheel() {
        QFETCH(int, wheel);
        Form7& f = viewer();
        const WheelPosition w = Bindings[wheel].first;
        QVERIFY(judge(f, std::size_t(wheel), u"-1.0"_s, u"20.0"_s, u"3.0"_s)); // H5, J2, Z3

        const QString texts[] = {u"NG"_s, u"OK"_s, u"CHECK"_s};
        const Rgb fores[] = {ColourNgText, Black, Black};
        const Rgb backs[] = {ColourNgBack, ColourAdequate, ColourCaution};
        for (std::size_t k = 0; k < 3; ++k) {
            TextBox& g = box(f, w, kAllClearanceKinds[k], u"JG"_s);
            QCOMPARE(g.Text(), texts[k]);
            QVERIFY(g.ForeColor() == fores[k]);
            QVERIFY(g.BackColor() == backs[k]);
        }
        QCOMPARE(comment(f, w).Caption(), cellComment(24 * 4 + 4 + 3));
        QVERIFY(comment(f, w).ForeColor() == ColourNgText);

        for (const auto& [other, binding] : Bindings) {
            if (other == w) {
                continue;
            }
            for (const ClearanceKind k : kAllClearanceKinds) {
                QVERIFY(box(f, other, k, u"JG"_s).Text().isEmpty());
                QVERIFY(!box(f, other, k, u"JG"_s).ForeColor().has_value());
            }
            QVERIFY(comment(f, other).Caption().isEmpty());
        }
        // The input boxes are only read.
        QCOMPARE(box(f, w, ClearanceKind::Hikikomi, u"New"_s).Text(), u"-1.0"_s);
    }

    // A wheel graded red and then graded without an "NG" turns black everywhere.
    void redFromAnEarlierFileTurnsBlack() {
        Form7& f = viewer();
        QVERIFY(judge(f, 2, u"-1.0"_s, u"-20.0"_s, u"0.0"_s));
        QVERIFY(judge(f, 2, u"15.0"_s, u"30.0"_s, u"20.0"_s));
        for (const ClearanceKind k : kAllClearanceKinds) {
            QVERIFY(box(f, WheelPosition::RL, k, u"JG"_s).ForeColor() == Black);
            QVERIFY(box(f, WheelPosition::RL, k, u"JG"_s).BackColor() == ColourAmple);
        }
        QVERIFY(comment(f, WheelPosition::RL).ForeColor() == Black);
        QCOMPARE(comment(f, WheelPosition::RL).Caption(), cellComment(1));
    }

    // Texts that cannot be graded leave no grade of an earlier file: the wheel's grades and comment are
    // emptied on white.
    void ungradableTextsEmptyTheWheel() {
        Form7& f = viewer();
        QVERIFY(judge(f, 1, u"-1.0"_s, u"-20.0"_s, u"0.0"_s));
        QVERIFY(!judge(f, 1, u"15.0"_s, u"未解析"_s, u"20.0"_s));
        for (const ClearanceKind k : kAllClearanceKinds) {
            QCOMPARE(box(f, WheelPosition::FR, k, u"JG"_s).Text(), QString());
            QVERIFY(box(f, WheelPosition::FR, k, u"JG"_s).BackColor() == ColourWhite);
        }
        QCOMPARE(comment(f, WheelPosition::FR).Caption(), QString());
    }

    // The three texts, then the three fore colours, then the three back colours, then the comment and its
    // colour; a wheel that cannot be graded empties its texts, whitens its boxes and empties its comment.
    void writeOrder_data() {
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QStringList>("writes");
        const QString box = u"F7_FC_FL_%1_JG_TXT"_s;
        const QString h = box.arg(u"Hikikomi"_s);
        const QString j = box.arg(u"Joubu"_s);
        const QString z = box.arg(u"Zengo"_s);
        const QString c = u"F7_FC_FL_Total_JGCOM_LBL"_s;
        const auto w = [](const char* what, const QString& name) {
            return QLatin1String(what) + u' ' + name;
        };
        QTest::newRow("graded") << u"30.0"_s
                                << QStringList{w("text", h), w("text", j),    w("text", z), w("fore", h),
                                               w("fore", j), w("fore", z),    w("back", h), w("back", j),
                                               w("back", z), w("caption", c), w("fore", c)};
        QTest::newRow("not graded") << u"未解析"_s
                                    << QStringList{w("text", h), w("text", j), w("text", z),   w("back", h),
                                                   w("back", j), w("back", z), w("caption", c)};
    }

    void writeOrder() {
        QFETCH(QString, upper);
        QFETCH(QStringList, writes);
        Form7& f = viewer();
        QVERIFY(judge(f, 0, u"-1.0"_s, u"-20.0"_s, u"-1.0"_s)); // every grade "NG", all red
        const WheelBoxes& fl = f.boxes().wheel(WheelPosition::FL);
        testing::WriteRecorder recorder({&fl.rows[0].grade, &fl.rows[1].grade, &fl.rows[2].grade},
                                        {&fl.comment});
        judge(f, 0, u"15.0"_s, upper, u"20.0"_s);
        QCOMPARE(recorder.writes(), writes);
    }
};

QTEST_MAIN(ViewerReJudgeWheelClearanceTest)
#include "ViewerReJudgeWheelClearanceTest.moc"
