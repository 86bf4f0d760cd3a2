#include "AnalyseFitment.h"

#include <array>
#include <optional>

#include "analysis/FitmentAnalysis.h"
#include "common/NumberText.h"
#include "common/WheelTypes.h"
#include "judgement/gui/JudgeWheelClearance.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "results/gui/Form4.h"
#include "results/gui/ResultBoxes.h"

namespace kl {

namespace {

// The result window's writes, in the order the shop's program has always made them.
void writeOutcome(const ResultBoxes& out, const FitmentOutcome& o) {
    for (std::size_t a = 0; a < 2; ++a) {
        out.axles[a].row.before.setText(formatOneDecimal(o.outerBefore[a]));
    }
    for (std::size_t w = 0; w < 4; ++w) {
        for (std::size_t k = 0; k < 3; ++k) {
            out.wheels[w].rows[k].before.setText(formatOneDecimal(o.measured[w * 3 + k]));
        }
    }
    for (std::size_t a = 0; a < 2; ++a) {
        out.axles[a].row.after.setText(formatOneDecimal(o.outerAfter[a]));
    }
    for (std::size_t w = 0; w < 4; ++w) {
        const NewClearances& n = o.next[w];
        const float values[3] = {n.hikikomi, n.joubu, n.zengo};
        for (std::size_t k = 0; k < 3; ++k) {
            out.wheels[w].rows[k].after.setText(formatOneDecimal(static_cast<double>(values[k])));
        }
    }
    for (std::size_t w = 0; w < 4; ++w) {
        out.wheels[w].shift.setText(innerSideShiftText(o.shift[w]));
    }
    for (std::size_t a = 0; a < 2; ++a) {
        const DiameterGrade& g = o.diameter[a];
        TextBox& box = out.axles[a].row.grade;
        Label& comment = out.axles[a].comment;
        box.setText(g.gradeText);
        if (g.ngText) {
            box.setForeColor(ColourNgText);
            comment.setForeColor(ColourNgText);
        }
        box.setBackColor(g.back);
        comment.setCaption(g.caption);
    }
    using Binding = void (*)(const WheelBoxSet&, const std::optional<CellJudgement>&);
    const Binding bindings[4] = {M_Form2FLJG, M_Form2FRJG, M_Form2RLJG, M_Form2RRJG};
    for (std::size_t w = 0; w < 4; ++w) {
        bindings[w](out.wheels, o.wheels[w]);
    }
    // Front before, front after, rear before, rear after.
    for (std::size_t i = 0; i < 4; ++i) {
        const CombinationBoxes& c = out.combinations[i / 2];
        (i % 2 == 0 ? c.before : c.after).setText(o.combinations[i]);
    }
    out.verdict.setText(o.verdict.text);
    out.verdict.setBackColor(o.verdict.back);
}

void showMissingInputWarning(AppContext& ctx, QWidget* owner) {
    ctx.platform().messageBoxes.show(
        platform::notice(QStringLiteral("項目に未選択または未入力の項目があります。　　"),
                         platform::MsgIcon::Exclamation),
        owner);
}

void showRunFailure(AppContext& ctx, QWidget* owner, const QString& detail) {
    ctx.platform().messageBoxes.show(
        platform::notice(QStringLiteral("解析を完了できませんでした。入力内容はそのまま残っています。　　") +
                             QStringLiteral("\r\n") + QStringLiteral("（") + detail + QStringLiteral("）"),
                         platform::MsgIcon::Critical),
        owner);
}

} // namespace

void AnalyseFitment(AppContext& ctx, FitmentInput& input) {
    Form& window = input.inputWindow();
    try {
        const std::optional<FitmentOutcome> outcome = analyseInput(input.inputRecord());
        if (!outcome) {
            showMissingInputWarning(ctx, &window);
            return;
        }
        for (std::size_t i = 0; i < outcome->measuredTexts.size(); ++i) {
            input.rewriteClearance(static_cast<WheelPosition>(i / 3), static_cast<ClearanceKind>(i % 3),
                                   outcome->measuredTexts[i]);
        }
        // The first touch loads the result window, after the rewrite.
        writeOutcome(ctx.forms().get<Form4>().boxes(), *outcome);
    } catch (const std::exception& e) {
        // No half-filled result is ever shown; the inputs stay where the user typed them.
        ctx.forms().unload<Form4>();
        showRunFailure(ctx, &window, QString::fromLocal8Bit(e.what()));
        return;
    }
    window.Unload();
    ctx.forms().get<Form4>().show();
}

} // namespace kl
