#include "JudgeWheelClearance.h"

#include <array>
#include <optional>
#include <utility>

#include "judgement/ClearanceRules.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "results/gui/Form4.h"

namespace kl {

namespace {

QString gradeBoxName(WheelPosition w, ClearanceKind k) {
    return QStringLiteral("F4_FC_%1_%2_JG_TXT").arg(wheelCode(w), clearanceCode(k));
}

TextBox& gradeBox(AppContext& ctx, WheelPosition w, ClearanceKind k) {
    return ctx.forms().get<Form4>().control<TextBox>(gradeBoxName(w, k));
}

Label& commentLabel(AppContext& ctx, WheelPosition w) {
    return ctx.forms().get<Form4>().control<Label>(
        QStringLiteral("F4_FC_%1_Total_JGCOM_LBL").arg(wheelCode(w)));
}

} // namespace

void JudgeWheelClearance(AppContext& ctx, WheelPosition wheel, const float& p, const float& q,
                         const float& r) {
    const std::optional<ClearanceCell> cell = findClearanceCell(p, q, r);
    if (!cell) {
        return;
    }
    const CellJudgement j = judgeCell(*cell);
    const std::array<std::pair<ClearanceKind, const BandGrade*>, 3> grades{
        {{ClearanceKind::Hikikomi, &j.hikikomi},
         {ClearanceKind::Joubu, &j.joubu},
         {ClearanceKind::Zengo, &j.zengo}}};

    // The order of the writes is part of the behaviour: texts, NG text colours, back colours, comment.
    for (const auto& [kind, grade] : grades) {
        gradeBox(ctx, wheel, kind).setText(gradeText(grade->grade));
    }
    for (const auto& [kind, grade] : grades) {
        if (grade->ngText) {
            gradeBox(ctx, wheel, kind).setForeColor(ColourNgText);
        }
    }
    for (const auto& [kind, grade] : grades) {
        gradeBox(ctx, wheel, kind).setBackColor(grade->back);
    }
    commentLabel(ctx, wheel).setCaption(j.comment);
    if (j.commentNgText) {
        commentLabel(ctx, wheel).setForeColor(ColourNgText);
    }
}

void M_Form2FLJG(AppContext& ctx, const float& p, const float& q, const float& r) {
    JudgeWheelClearance(ctx, WheelPosition::FL, p, q, r);
}
void M_Form2FRJG(AppContext& ctx, const float& p, const float& q, const float& r) {
    JudgeWheelClearance(ctx, WheelPosition::FR, p, q, r);
}
void M_Form2RLJG(AppContext& ctx, const float& p, const float& q, const float& r) {
    JudgeWheelClearance(ctx, WheelPosition::RL, p, q, r);
}
void M_Form2RRJG(AppContext& ctx, const float& p, const float& q, const float& r) {
    JudgeWheelClearance(ctx, WheelPosition::RR, p, q, r);
}

} // namespace kl
