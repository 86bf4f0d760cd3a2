#include "AnalyseFitment.h"

#include <cmath>
#include <stdexcept>

#include "analysis/FitmentGeometry.h"
#include "analysis/InputCases.h"
#include "common/NumberText.h"
#include "common/WheelTypes.h"
#include "input/gui/Form2.h"
#include "judgement/gui/JudgeWheelClearance.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "results/gui/Form4.h"

namespace kl {

namespace {

const QString kTitle = QStringLiteral("Kavor Lintep 2005");

class FloatingPointFault : public std::runtime_error {
public:
    explicit FloatingPointFault(const char* what) : std::runtime_error(what) {}
};

float checked(float v, const char* what) {
    if (!std::isfinite(v)) {
        throw FloatingPointFault(what);
    }
    return v;
}

// One run of the analysis over the controls of the data-entry window and a fresh result window.
class FitmentRun {
public:
    FitmentRun(AppContext& ctx, Form2& input) : m_ctx(ctx), m_input(input) {}

    // False when a needed field is empty; nothing has been changed then.
    bool selectCase() {
        const int check1 = m_input.control<CheckBox>(QStringLiteral("Check1")).Value();
        const int check2 = m_input.control<CheckBox>(QStringLiteral("Check2")).Value();
        m_case = selectInputCase(check1, check2,
                                 [this](const QString& name) { return !fieldText(name).isEmpty(); });
        return m_case.has_value();
    }

    void run() {
        readSizes();
        rewriteClearances();
        computeAndShowGeometry();
        gradeDiameters();
        judgeWheels();
        writeCombinations();
        writeVerdict();
    }

private:
    QString fieldText(const QString& name) const {
        if (auto* combo = m_input.findChild<ComboBox*>(name)) {
            return combo->Text();
        }
        return m_input.control<TextBox>(name).Text();
    }

    float listValue(const QString& name) const {
        return static_cast<float>(leadingNumberValue(m_input.control<ComboBox>(name).Text()));
    }

    WheelTyreSize readSize(const SizeFields& f) const {
        WheelTyreSize s;
        s.rimDiameter = listValue(f.rimDiameter);
        s.rimWidth = listValue(f.rimWidth);
        s.sectionWidth = listValue(f.sectionWidth);
        s.aspectRatio = listValue(f.aspectRatio);
        return s;
    }

    float readOffset(const SizeFields& f) const {
        const double amount = leadingNumberValue(m_input.control<TextBox>(f.offset).Text());
        const bool minus = m_input.control<ComboBox>(f.direction).ListIndex() == 1;
        return static_cast<float>(minus ? amount * -1.0 : amount);
    }

    void readSizes() {
        // The sixteen list values first, then the four offsets, block by block.
        for (std::size_t b = 0; b < 4; ++b) {
            m_sizes[b] = readSize(m_case->sourceOf(static_cast<SizeBlock>(b)));
        }
        for (std::size_t b = 0; b < 4; ++b) {
            m_sizes[b].offset = readOffset(m_case->sourceOf(static_cast<SizeBlock>(b)));
        }
    }

    void rewriteClearances() {
        for (const QString& name : clearanceFieldNames()) {
            TextBox& box = m_input.control<TextBox>(name);
            box.setText(PlainDoubleText(leadingNumberValue(box.Text())));
        }
    }

    double measured(WheelPosition w, ClearanceKind k) const {
        return leadingNumberValue(
            m_input
                .control<TextBox>(QStringLiteral("F2_FC_%1_%2_Old_TXT").arg(wheelCode(w), clearanceCode(k)))
                .Text());
    }

    TextBox& resultBox(const QString& name) { return m_ctx.forms().get<Form4>().control<TextBox>(name); }

    const WheelTyreSize& size(Axle axle, bool after) const {
        return m_sizes[(after ? 2U : 0U) + (axle == Axle::Rear ? 1U : 0U)];
    }

    static QString axleCode(Axle a) { return a == Axle::Front ? QStringLiteral("FA") : QStringLiteral("RA"); }

    void computeAndShowGeometry() {
        for (Axle a : {Axle::Front, Axle::Rear}) {
            outerBefore(a) = checked(TyreOuterDiameter(size(a, false)), "outer diameter");
            resultBox(QStringLiteral("F4_TD_%1_Old_TXT").arg(axleCode(a)))
                .setText(formatOneDecimal(outerBefore(a)));
        }
        for (WheelPosition w : kAllWheels) {
            for (ClearanceKind k : kAllClearanceKinds) {
                resultBox(QStringLiteral("F4_FC_%1_%2_Old_TXT").arg(wheelCode(w), clearanceCode(k)))
                    .setText(formatOneDecimal(measured(w, k)));
            }
        }
        for (Axle a : {Axle::Front, Axle::Rear}) {
            outerAfter(a) = checked(TyreOuterDiameter(size(a, true)), "outer diameter");
            resultBox(QStringLiteral("F4_TD_%1_New_TXT").arg(axleCode(a)))
                .setText(formatOneDecimal(outerAfter(a)));
        }
        for (WheelPosition w : kAllWheels) {
            const Axle a = axleOf(w);
            NewClearances& n = m_new[static_cast<std::size_t>(w)];
            n = computeNewClearances(measured(w, ClearanceKind::Hikikomi), measured(w, ClearanceKind::Joubu),
                                     measured(w, ClearanceKind::Zengo), size(a, false), size(a, true),
                                     outerBefore(a), outerAfter(a));
            const float values[3] = {checked(n.hikikomi, "pull-in"), checked(n.joubu, "upper clearance"),
                                     checked(n.zengo, "fore-aft clearance")};
            for (std::size_t i = 0; i < 3; ++i) {
                resultBox(QStringLiteral("F4_FC_%1_%2_New_TXT")
                              .arg(wheelCode(w), clearanceCode(kAllClearanceKinds[i])))
                    .setText(formatOneDecimal(static_cast<double>(values[i])));
            }
        }
        for (WheelPosition w : kAllWheels) {
            const Axle a = axleOf(w);
            const float shift = checked(
                InnerSideShift(measured(w, ClearanceKind::Hikikomi), size(a, false), size(a, true)), "shift");
            resultBox(QStringLiteral("F4_FC_%1_ZOUKA_New_TXT").arg(wheelCode(w)))
                .setText(innerSideShiftText(shift));
        }
    }

    void gradeDiameters() {
        for (Axle a : {Axle::Front, Axle::Rear}) {
            const DiameterGrade g = GradeDiameterDeviation(outerBefore(a), outerAfter(a));
            checked(g.deviation, "deviation");
            Form4& out = m_ctx.forms().get<Form4>();
            TextBox& box = out.control<TextBox>(QStringLiteral("F4_TD_%1_JG_TXT").arg(axleCode(a)));
            Label& comment = out.control<Label>(QStringLiteral("F4_TD_%1_JGCOM_LBL").arg(axleCode(a)));
            box.setText(g.gradeText);
            if (g.ngText) {
                box.setForeColor(ColourNgText);
                comment.setForeColor(ColourNgText);
            }
            box.setBackColor(g.back);
            comment.setCaption(g.caption);
        }
    }

    void judgeWheels() {
        using Binding = void (*)(AppContext&, const float&, const float&, const float&);
        const Binding bindings[4] = {M_Form2FLJG, M_Form2FRJG, M_Form2RLJG, M_Form2RRJG};
        for (WheelPosition w : kAllWheels) {
            const NewClearances& n = m_new[static_cast<std::size_t>(w)];
            bindings[static_cast<std::size_t>(w)](m_ctx, n.hikikomi, n.joubu, n.zengo);
        }
    }

    void writeCombinations() {
        struct Target {
            std::size_t size;
            const char* box;
        };
        // Front before, front after, rear before, rear after.
        const Target targets[4] = {{0, "F4_WTF_Kumiawase_Old_TXT"},
                                   {2, "F4_WTF_Kumiawase_New_TXT"},
                                   {1, "F4_WTR_Kumiawase_Old_TXT"},
                                   {3, "F4_WTR_Kumiawase_New_TXT"}};
        for (const Target& t : targets) {
            resultBox(QLatin1String(t.box)).setText(CombinationText(m_sizes[t.size]));
        }
    }

    void writeVerdict() {
        QStringList grades;
        grades << resultBox(QStringLiteral("F4_TD_FA_JG_TXT")).Text()
               << resultBox(QStringLiteral("F4_TD_RA_JG_TXT")).Text();
        for (WheelPosition w : kAllWheels) {
            for (ClearanceKind k : kAllClearanceKinds) {
                grades << resultBox(QStringLiteral("F4_FC_%1_%2_JG_TXT").arg(wheelCode(w), clearanceCode(k)))
                              .Text();
            }
        }
        const Verdict v = OverallVerdict(grades);
        TextBox& box = resultBox(QStringLiteral("F4_RESULT_TXT"));
        box.setText(v.text);
        box.setBackColor(v.back);
    }

    float& outerBefore(Axle a) { return m_outerBefore[a == Axle::Front ? 0 : 1]; }
    float& outerAfter(Axle a) { return m_outerAfter[a == Axle::Front ? 0 : 1]; }

    AppContext& m_ctx;
    Form2& m_input;
    std::optional<InputCase> m_case;
    std::array<WheelTyreSize, 4> m_sizes{}; // before-front, before-rear, after-front, after-rear
    float m_outerBefore[2] = {0, 0};
    float m_outerAfter[2] = {0, 0};
    std::array<NewClearances, 4> m_new{};
};

void showMissingInputWarning(AppContext& ctx, QWidget* owner) {
    ctx.platform().messageBoxes.show({QStringLiteral("項目に未選択または未入力の項目があります。　　"),
                                       kTitle, platform::MsgIcon::Exclamation, platform::MsgButtons::Ok,
                                       platform::MsgAnswer::Ok},
                                      owner);
}

void showRunFailure(AppContext& ctx, QWidget* owner, const QString& detail) {
    ctx.platform().messageBoxes.show(
        {QStringLiteral("解析を完了できませんでした。入力内容はそのまま残っています。　　") +
             QStringLiteral("\r\n") + QStringLiteral("（") + detail + QStringLiteral("）"),
         kTitle, platform::MsgIcon::Critical, platform::MsgButtons::Ok, platform::MsgAnswer::Ok},
        owner);
}

} // namespace

void AnalyseFitment(AppContext& ctx) {
    Form2* input = ctx.forms().loaded<Form2>();
    if (input == nullptr) {
        return;
    }
    FitmentRun run(ctx, *input);
    try {
        if (!run.selectCase()) {
            showMissingInputWarning(ctx, input);
            return;
        }
        run.run();
    } catch (const std::exception& e) {
        // No half-filled result is ever shown; the inputs stay where the user typed them.
        ctx.forms().unload<Form4>();
        showRunFailure(ctx, input, QString::fromLocal8Bit(e.what()));
        return;
    }
    input->Unload();
    ctx.forms().get<Form4>().show();
}

} // namespace kl
