#include "JudgeWheelClearance.h"

#include "platform/Controls.h"
#include "windowbase/WheelBoxes.h"

namespace kl {

void JudgeWheelClearance(const WheelBoxSet& wheels, WheelPosition wheel,
                         const std::optional<CellJudgement>& j) {
    if (!j) {
        return;
    }
    const WheelBoxes& boxes = wheels[indexOf(wheel)];

    // The order of the writes is part of the behaviour: texts, NG text colours, back colours, comment.
    for (ClearanceKind k : kAllClearanceKinds) {
        boxes.row(k).grade.setText(gradeText(j->grade(k).grade));
    }
    for (ClearanceKind k : kAllClearanceKinds) {
        if (j->grade(k).ngText) {
            boxes.row(k).grade.setForeColor(ColourNgText);
        }
    }
    for (ClearanceKind k : kAllClearanceKinds) {
        boxes.row(k).grade.setBackColor(j->grade(k).back);
    }
    boxes.comment.setCaption(j->comment);
    if (j->commentNgText) {
        boxes.comment.setForeColor(ColourNgText);
    }
}

void M_Form2FLJG(const WheelBoxSet& wheels, const std::optional<CellJudgement>& judgement) {
    JudgeWheelClearance(wheels, WheelPosition::FL, judgement);
}
void M_Form2FRJG(const WheelBoxSet& wheels, const std::optional<CellJudgement>& judgement) {
    JudgeWheelClearance(wheels, WheelPosition::FR, judgement);
}
void M_Form2RLJG(const WheelBoxSet& wheels, const std::optional<CellJudgement>& judgement) {
    JudgeWheelClearance(wheels, WheelPosition::RL, judgement);
}
void M_Form2RRJG(const WheelBoxSet& wheels, const std::optional<CellJudgement>& judgement) {
    JudgeWheelClearance(wheels, WheelPosition::RR, judgement);
}

} // namespace kl
