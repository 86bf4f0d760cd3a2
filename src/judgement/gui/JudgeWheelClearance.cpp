#include "JudgeWheelClearance.h"

#include <array>

#include "platform/Controls.h"
#include "windowbase/WheelBoxes.h"

namespace kl {

void JudgeWheelClearance(const WheelBoxSet& wheels, WheelPosition wheel,
                         const std::optional<CellJudgement>& j) {
    if (!j) {
        return;
    }
    const WheelBoxes& boxes = wheels[static_cast<std::size_t>(wheel)];
    const std::array<const BandGrade*, 3> grades{&j->hikikomi, &j->joubu, &j->zengo};

    // The order of the writes is part of the behaviour: texts, NG text colours, back colours, comment.
    for (std::size_t k = 0; k < grades.size(); ++k) {
        boxes.rows[k].grade.setText(gradeText(grades[k]->grade));
    }
    for (std::size_t k = 0; k < grades.size(); ++k) {
        if (grades[k]->ngText) {
            boxes.rows[k].grade.setForeColor(ColourNgText);
        }
    }
    for (std::size_t k = 0; k < grades.size(); ++k) {
        boxes.rows[k].grade.setBackColor(grades[k]->back);
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
