#include <memory>

#include <QTest>

#include "judgement/ClearanceRules.h"
#include "judgement/gui/ReJudgeWheelClearance.h"
#include "platform/Controls.h"
#include "results/gui/Form7.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace Qt::StringLiterals;
using namespace kl;

namespace {

constexpr Rgb Black{0, 0, 0};

using Binding = bool (*)(AppContext&, const TextBox&, const TextBox&, const TextBox&);

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

// Puts texts into a wheel's three new-clearance boxes and judges the wheel through its binding.
bool judge(AppContext& ctx, Form7& f, std::size_t wheel, const QString& p, const QString& q,
           const QString& r) {
    const WheelPosition w = Bindings[wheel].first;
    box(f, w, ClearanceKind::Hikikomi, u"New"_s).setText(p);
    box(f, w, ClearanceKind::Joubu, u"New"_s).setText(q);
    box(f, w, ClearanceKind::Zengo, u"New"_s).setText(r);
    return Bindings[wheel].second(ctx, box(f, w, ClearanceKind::Hikikomi, u"New"_s),
                                  box(f, w, ClearanceKind::Joubu, u"New"_s),
                                  box(f, w, ClearanceKind::Zengo, u"New"_s));
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
        QVERIFY(judge(*m_ctx, f, std::size_t(wheel), u"-1.0"_s, u"20.0"_s, u"3.0"_s)); // H5, J2, Z3

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
        QVERIFY(judge(*m_ctx, f, 2, u"-1.0"_s, u"-20.0"_s, u"0.0"_s));
        QVERIFY(judge(*m_ctx, f, 2, u"15.0"_s, u"30.0"_s, u"20.0"_s));
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
        QVERIFY(judge(*m_ctx, f, 1, u"-1.0"_s, u"-20.0"_s, u"0.0"_s));
        QVERIFY(!judge(*m_ctx, f, 1, u"15.0"_s, u"未解析"_s, u"20.0"_s));
        for (const ClearanceKind k : kAllClearanceKinds) {
            QCOMPARE(box(f, WheelPosition::FR, k, u"JG"_s).Text(), QString());
            QVERIFY(box(f, WheelPosition::FR, k, u"JG"_s).BackColor() == ColourWhite);
        }
        QCOMPARE(comment(f, WheelPosition::FR).Caption(), QString());
    }

    // A window that refuses a write stops the wheel there; which writes stay shows their order: the three
    // texts, then the three fore colours, then the three back colours, then the comment.
    void writeOrder_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<int>("textsWritten");
        QTest::addColumn<bool>("coloursWritten");
        QTest::newRow("fore-aft box") << u"F7_FC_FL_Zengo_JG_TXT"_s << 2 << false;
        QTest::newRow("comment label") << u"F7_FC_FL_Total_JGCOM_LBL"_s << 3 << true;
    }

    void writeOrder() {
        QFETCH(QString, missing);
        QFETCH(int, textsWritten);
        QFETCH(bool, coloursWritten);
        m_ctx->forms().setFactory<Form7>([missing](AppContext& ctx) -> std::unique_ptr<Form> {
            auto f = std::make_unique<Form7>(ctx);
            delete f->findChild<QWidget*>(missing);
            return f;
        });
        Form7& f = viewer();
        bool passedOn = false;
        try {
            judge(*m_ctx, f, 0, u"-1.0"_s, u"-20.0"_s, u"-1.0"_s); // every grade "NG"
        } catch (const MissingControl&) {
            passedOn = true;
        }
        QVERIFY(passedOn);
        for (std::size_t k = 0; k < 3; ++k) {
            auto* g =
                f.findChild<TextBox*>(u"F7_FC_FL_%1_JG_TXT"_s.arg(clearanceCode(kAllClearanceKinds[k])));
            if (g == nullptr) {
                continue;
            }
            QCOMPARE(g->Text(), int(k) < textsWritten ? u"NG"_s : QString());
            QCOMPARE(g->ForeColor().has_value(), coloursWritten);
            QCOMPARE(g->BackColor(), coloursWritten ? ColourNgBack : ColourWhite);
        }
    }
};

QTEST_MAIN(ViewerReJudgeWheelClearanceTest)
#include "ViewerReJudgeWheelClearanceTest.moc"
