#include "AnalyseFitment.h"

#include <array>
#include <optional>

#include "analysis/FitmentAnalysis.h"
#include "common/NumberText.h"
#include "common/WheelTypes.h"
#include "input/gui/Form2.h"
#include "input/gui/Form2Fields.h"
#include "judgement/gui/JudgeWheelClearance.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "results/gui/Form4.h"

namespace kl {

namespace {

const QString kTitle = QStringLiteral("Kavor Lintep 2005");

QString axleCode(std::size_t axle) {
    return axle == 0 ? QStringLiteral("FA") : QStringLiteral("RA");
}

TextBox& resultBox(AppContext& ctx, const QString& name) {
    return ctx.forms().get<Form4>().control<TextBox>(name);
}

QString clearanceBox(WheelPosition w, ClearanceKind k, const char* state) {
    return QStringLiteral("F4_FC_%1_%2_%3_TXT").arg(wheelCode(w), clearanceCode(k), QLatin1String(state));
}

// The result window's writes, in the order the shop's program has always made them.
void writeOutcome(AppContext& ctx, const FitmentOutcome& o) {
    for (std::size_t a = 0; a < 2; ++a) {
        resultBox(ctx, QStringLiteral("F4_TD_%1_Old_TXT").arg(axleCode(a)))
            .setText(formatOneDecimal(o.outerBefore[a]));
    }
    for (WheelPosition w : kAllWheels) {
        for (std::size_t k = 0; k < 3; ++k) {
            resultBox(ctx, clearanceBox(w, kAllClearanceKinds[k], "Old"))
                .setText(formatOneDecimal(o.measured[static_cast<std::size_t>(w) * 3 + k]));
        }
    }
    for (std::size_t a = 0; a < 2; ++a) {
        resultBox(ctx, QStringLiteral("F4_TD_%1_New_TXT").arg(axleCode(a)))
            .setText(formatOneDecimal(o.outerAfter[a]));
    }
    for (WheelPosition w : kAllWheels) {
        const NewClearances& n = o.next[static_cast<std::size_t>(w)];
        const float values[3] = {n.hikikomi, n.joubu, n.zengo};
        for (std::size_t k = 0; k < 3; ++k) {
            resultBox(ctx, clearanceBox(w, kAllClearanceKinds[k], "New"))
                .setText(formatOneDecimal(static_cast<double>(values[k])));
        }
    }
    for (WheelPosition w : kAllWheels) {
        resultBox(ctx, QStringLiteral("F4_FC_%1_ZOUKA_New_TXT").arg(wheelCode(w)))
            .setText(innerSideShiftText(o.shift[static_cast<std::size_t>(w)]));
    }
    for (std::size_t a = 0; a < 2; ++a) {
        const DiameterGrade& g = o.diameter[a];
        Form4& out = ctx.forms().get<Form4>();
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
    using Binding = void (*)(AppContext&, const float&, const float&, const float&);
    const Binding bindings[4] = {M_Form2FLJG, M_Form2FRJG, M_Form2RLJG, M_Form2RRJG};
    for (std::size_t w = 0; w < 4; ++w) {
        bindings[w](ctx, o.next[w].hikikomi, o.next[w].joubu, o.next[w].zengo);
    }
    const char* const combinationBoxes[4] = {"F4_WTF_Kumiawase_Old_TXT", "F4_WTF_Kumiawase_New_TXT",
                                             "F4_WTR_Kumiawase_Old_TXT", "F4_WTR_Kumiawase_New_TXT"};
    for (std::size_t i = 0; i < 4; ++i) {
        resultBox(ctx, QLatin1String(combinationBoxes[i])).setText(o.combinations[i]);
    }
    TextBox& verdict = resultBox(ctx, QStringLiteral("F4_RESULT_TXT"));
    verdict.setText(o.verdict.text);
    verdict.setBackColor(o.verdict.back);
}

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
    try {
        const Form2Fields& fields = input->fields();
        const std::optional<FitmentOutcome> outcome = analyseInput(fields.record());
        if (!outcome) {
            showMissingInputWarning(ctx, input);
            return;
        }
        for (std::size_t i = 0; i < outcome->measuredTexts.size(); ++i) {
            fields.clearance(static_cast<WheelPosition>(i / 3), static_cast<ClearanceKind>(i % 3))
                .setText(outcome->measuredTexts[i]);
        }
        writeOutcome(ctx, *outcome);
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
