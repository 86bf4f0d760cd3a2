#include "ReJudgeWheelClearance.h"

#include "judgement/ViewerJudgement.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "results/gui/Form7.h"

namespace kl {

namespace {

// Every write finds the viewer afresh, loading it if it is not loaded.
TextBox& gradeBox(AppContext& ctx, WheelPosition w, ClearanceKind k) {
    return ctx.forms().get<Form7>().control<TextBox>(
        QStringLiteral("F7_FC_%1_%2_JG_TXT").arg(wheelCode(w), clearanceCode(k)));
}

Label& commentLabel(AppContext& ctx, WheelPosition w) {
    return ctx.forms().get<Form7>().control<Label>(
        QStringLiteral("F7_FC_%1_Total_JGCOM_LBL").arg(wheelCode(w)));
}

} // namespace

bool ReJudgeWheelClearance(AppContext& ctx, WheelPosition wheel, const TextBox& hikikomi,
                           const TextBox& joubu, const TextBox& zengo) {
    const std::optional<ViewerWheelJudgement> j =
        judgeWheelTexts(hikikomi.Text(), joubu.Text(), zengo.Text());
    if (!j) {
        for (const ClearanceKind kind : kAllClearanceKinds) {
            gradeBox(ctx, wheel, kind).setText(QString());
        }
        for (const ClearanceKind kind : kAllClearanceKinds) {
            gradeBox(ctx, wheel, kind).setBackColor(ColourWhite);
        }
        commentLabel(ctx, wheel).setCaption(QString());
        return false;
    }
    // Texts, fore colours, back colours, caption, caption colour: the order every judgement writes in.
    for (std::size_t k = 0; k < kAllClearanceKinds.size(); ++k) {
        gradeBox(ctx, wheel, kAllClearanceKinds[k]).setText(j->grades[k].text);
    }
    for (std::size_t k = 0; k < kAllClearanceKinds.size(); ++k) {
        gradeBox(ctx, wheel, kAllClearanceKinds[k]).setForeColor(j->grades[k].fore);
    }
    for (std::size_t k = 0; k < kAllClearanceKinds.size(); ++k) {
        gradeBox(ctx, wheel, kAllClearanceKinds[k]).setBackColor(j->grades[k].back);
    }
    commentLabel(ctx, wheel).setCaption(j->comment);
    commentLabel(ctx, wheel).setForeColor(j->commentFore);
    return true;
}

bool M_Form7FLJG(AppContext& ctx, const TextBox& hikikomi, const TextBox& joubu, const TextBox& zengo) {
    return ReJudgeWheelClearance(ctx, WheelPosition::FL, hikikomi, joubu, zengo);
}
bool M_Form7FRJG(AppContext& ctx, const TextBox& hikikomi, const TextBox& joubu, const TextBox& zengo) {
    return ReJudgeWheelClearance(ctx, WheelPosition::FR, hikikomi, joubu, zengo);
}
bool M_Form7RLJG(AppContext& ctx, const TextBox& hikikomi, const TextBox& joubu, const TextBox& zengo) {
    return ReJudgeWheelClearance(ctx, WheelPosition::RL, hikikomi, joubu, zengo);
}
bool M_Form7RRJG(AppContext& ctx, const TextBox& hikikomi, const TextBox& joubu, const TextBox& zengo) {
    return ReJudgeWheelClearance(ctx, WheelPosition::RR, hikikomi, joubu, zengo);
}

} // namespace kl
