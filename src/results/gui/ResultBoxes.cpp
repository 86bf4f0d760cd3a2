#include "ResultBoxes.h"

#include "platform/AppContext.h"
#include "platform/ControlIndex.h"
#include "platform/Controls.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

QString axleCode(Axle a) {
    return a == Axle::Front ? u"FA"_s : u"RA"_s;
}

} // namespace

std::array<TextBox*, kResultRecordSize> ResultBoxes::recordBoxes() const {
    std::array<TextBox*, kResultRecordSize> boxes{};
    for (Axle a : kBothAxles) {
        boxes[combinationSlot(a, false)] = &combination(a).before;
        boxes[combinationSlot(a, true)] = &combination(a).after;
        boxes[diameterSlot(a, false)] = &axle(a).row.before;
        boxes[diameterSlot(a, true)] = &axle(a).row.after;
    }
    for (WheelPosition w : kAllWheels) {
        for (ClearanceKind k : kAllClearanceKinds) {
            boxes[clearanceSlot(w, k, false)] = &wheel(w).row(k).before;
            boxes[clearanceSlot(w, k, true)] = &wheel(w).row(k).after;
        }
        boxes[shiftSlot(w)] = &wheel(w).shift;
    }
    return boxes;
}

ResultRecord ResultBoxes::record() const {
    const std::array<TextBox*, kResultRecordSize> boxes = recordBoxes();
    ResultRecord record;
    for (std::size_t slot = 0; slot < boxes.size(); ++slot) {
        record[slot] = boxes[slot]->Text();
    }
    return record;
}

std::array<TextBox*, 14> ResultBoxes::gradeBoxes() const {
    std::array<TextBox*, 14> boxes{&axles[0].row.grade, &axles[1].row.grade};
    std::size_t i = 2;
    for (const WheelBoxes& w : wheels) {
        for (const ResultRowBoxes& r : w.rows) {
            boxes[i++] = &r.grade;
        }
    }
    return boxes;
}

std::array<Label*, 6> ResultBoxes::comments() const {
    return {&axles[0].comment,  &axles[1].comment,  &wheels[0].comment,
            &wheels[1].comment, &wheels[2].comment, &wheels[3].comment};
}

ResultBoxes resolveResultBoxes(const Form& window, QStringView prefixView) {
    const QString prefix = prefixView.toString();
    const ControlIndex controls(window);
    const auto box = [&controls, &prefix](const QString& rest) -> TextBox& {
        return controls.control<TextBox>(prefix + u'_' + rest);
    };
    const auto label = [&controls, &prefix](const QString& rest) -> Label& {
        return controls.control<Label>(prefix + u'_' + rest);
    };
    const auto row = [&box](const QString& stem) {
        return ResultRowBoxes{box(stem + u"_Old_TXT"_s), box(stem + u"_New_TXT"_s), box(stem + u"_JG_TXT"_s)};
    };
    const auto combination = [&box](const char16_t* axle) {
        const QString stem = QString::fromUtf16(axle) + u"_Kumiawase_"_s;
        return CombinationBoxes{box(stem + u"Old_TXT"_s), box(stem + u"New_TXT"_s)};
    };
    const auto axle = [&row, &label](Axle a) {
        const QString stem = u"TD_"_s + axleCode(a);
        return AxleBoxes{row(stem), label(stem + u"_JGCOM_LBL"_s)};
    };
    const auto wheel = [&row, &box, &label](WheelPosition w) {
        const QString stem = u"FC_"_s + wheelCode(w) + u'_';
        return WheelBoxes{{row(stem + clearanceCode(ClearanceKind::Hikikomi)),
                           row(stem + clearanceCode(ClearanceKind::Joubu)),
                           row(stem + clearanceCode(ClearanceKind::Zengo))},
                          box(stem + u"ZOUKA_New_TXT"_s),
                          label(stem + u"Total_JGCOM_LBL"_s)};
    };
    return ResultBoxes{{combination(u"WTF"), combination(u"WTR")},
                       {axle(Axle::Front), axle(Axle::Rear)},
                       {wheel(WheelPosition::FL), wheel(WheelPosition::FR), wheel(WheelPosition::RL),
                        wheel(WheelPosition::RR)},
                       box(u"RESULT_TXT"_s)};
}

} // namespace kl
