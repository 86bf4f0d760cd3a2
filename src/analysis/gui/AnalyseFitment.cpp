#include "AnalyseFitment.h"

#include <optional>

#include "analysis/FitmentAnalysis.h"
#include "common/NumberText.h"
#include "common/WheelTypes.h"
#include "judgement/gui/JudgeWheelClearance.h"
#include "platform/AppContext.h"
#include "platform/Controls.h"
#include "results/gui/Form4.h"
#include "results/gui/ResultBoxes.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

// The result window's writes, in the order the shop's program has always made them.
void writeOutcome(const ResultBoxes& out, const FitmentOutcome& o) {
    for (Axle a : kBothAxles) {
        out.axle(a).row.before.setText(formatOneDecimal(o.axle(a).outerBefore));
    }
    for (WheelPosition w : kAllWheels) {
        for (ClearanceKind k : kAllClearanceKinds) {
            out.wheel(w).row(k).before.setText(formatOneDecimal(o.wheel(w).measured[k]));
        }
    }
    for (Axle a : kBothAxles) {
        out.axle(a).row.after.setText(formatOneDecimal(o.axle(a).outerAfter));
    }
    for (WheelPosition w : kAllWheels) {
        for (ClearanceKind k : kAllClearanceKinds) {
            out.wheel(w).row(k).after.setText(formatOneDecimal(static_cast<double>(o.wheel(w).next[k])));
        }
    }
    for (WheelPosition w : kAllWheels) {
        out.wheel(w).shift.setText(innerSideShiftText(o.wheel(w).shift));
    }
    for (Axle a : kBothAxles) {
        const DiameterGrade& g = o.axle(a).diameter;
        TextBox& box = out.axle(a).row.grade;
        Label& comment = out.axle(a).comment;
        box.setText(g.gradeText);
        if (g.ngText) {
            box.setForeColor(ColourNgText);
            comment.setForeColor(ColourNgText);
        }
        box.setBackColor(g.back);
        comment.setCaption(g.caption);
    }
    for (WheelPosition w : kAllWheels) {
        JudgeWheelClearance(out.wheels, w, o.wheel(w).judgement);
    }
    for (Axle a : kBothAxles) {
        out.combination(a).before.setText(o.axle(a).combinationBefore);
        out.combination(a).after.setText(o.axle(a).combinationAfter);
    }
    out.verdict.setText(o.verdict.text);
    out.verdict.setBackColor(o.verdict.back);
}

void showMissingInputWarning(AppContext& ctx, QWidget* owner) {
    ctx.platform().messageBoxes.show(
        platform::notice(u"項目に未選択または未入力の項目があります。　　"_s, platform::MsgIcon::Exclamation),
        owner);
}

void showRunFailure(AppContext& ctx, QWidget* owner, const QString& detail) {
    ctx.platform().messageBoxes.show(
        platform::notice(u"解析を完了できませんでした。入力内容はそのまま残っています。　　"_s + u"\r\n"_s +
                             u"（"_s + detail + u"）"_s,
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
        for (WheelPosition w : kAllWheels) {
            for (ClearanceKind k : kAllClearanceKinds) {
                input.rewriteClearance(w, k, outcome->wheel(w).measuredTexts[k]);
            }
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
