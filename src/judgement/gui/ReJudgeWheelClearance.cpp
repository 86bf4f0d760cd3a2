#include "ReJudgeWheelClearance.h"

#include "platform/Controls.h"
#include "windowbase/WheelBoxes.h"

namespace kl {

void ReJudgeWheelClearance(const WheelBoxSet& wheels, WheelPosition wheel,
                           const std::optional<ViewerWheelJudgement>& j) {
    const WheelBoxes& boxes = wheels[indexOf(wheel)];
    if (!j) {
        for (const ResultRowBoxes& row : boxes.rows) {
            row.grade.setText(QString());
        }
        for (const ResultRowBoxes& row : boxes.rows) {
            row.grade.setBackColor(ColourWhite);
        }
        boxes.comment.setCaption(QString());
        return;
    }
    // Texts, fore colours, back colours, caption, caption colour: the order every judgement writes in.
    for (std::size_t k = 0; k < boxes.rows.size(); ++k) {
        boxes.rows[k].grade.setText(j->grades[k].text);
    }
    for (std::size_t k = 0; k < boxes.rows.size(); ++k) {
        boxes.rows[k].grade.setForeColor(j->grades[k].fore);
    }
    for (std::size_t k = 0; k < boxes.rows.size(); ++k) {
        boxes.rows[k].grade.setBackColor(j->grades[k].back);
    }
    boxes.comment.setCaption(j->comment);
    boxes.comment.setForeColor(j->commentFore);
}

void M_Form7FLJG(const WheelBoxSet& wheels, const std::optional<ViewerWheelJudgement>& judgement) {
    ReJudgeWheelClearance(wheels, WheelPosition::FL, judgement);
}
void M_Form7FRJG(const WheelBoxSet& wheels, const std::optional<ViewerWheelJudgement>& judgement) {
    ReJudgeWheelClearance(wheels, WheelPosition::FR, judgement);
}
void M_Form7RLJG(const WheelBoxSet& wheels, const std::optional<ViewerWheelJudgement>& judgement) {
    ReJudgeWheelClearance(wheels, WheelPosition::RL, judgement);
}
void M_Form7RRJG(const WheelBoxSet& wheels, const std::optional<ViewerWheelJudgement>& judgement) {
    ReJudgeWheelClearance(wheels, WheelPosition::RR, judgement);
}

} // namespace kl
