#include "OpenResultFile.h"

#include "common/ProgramTitle.h"
#include "common/WholeFile.h"
#include "judgement/gui/ReJudgeWheelClearance.h"
#include "platform/Controls.h"
#include "results/ResultFile.h"
#include "results/ViewerGrading.h"
#include "results/gui/Form7.h"
#include "results/gui/ResultFileDialog.h"
#include "results/gui/ResultLayout.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

void tellUnreadable(AppContext& context, Form7& viewer, const QString& path, const QString& reason) {
    context.platform().messageBoxes.show(
        platform::notice(fileReadFailureMessage(u"解析結果データを読み込めませんでした。"_s, path, reason),
                         platform::MsgIcon::Exclamation, viewerTitle()),
        &viewer);
}

// ReGradeDiameter for one axle.
void ReGradeDiameter(const AxleBoxes& a, const std::optional<ViewerDiameterGrade>& g) {
    TextBox& grade = a.row.grade;
    if (!g) {
        grade.setText(QString());
        grade.setBackColor(ColourWhite);
        a.comment.setCaption(QString());
        return;
    }
    grade.setText(g->gradeText);
    grade.setForeColor(g->gradeFore);
    grade.setBackColor(g->gradeBack);
    a.comment.setForeColor(g->labelFore);
    a.comment.setCaption(g->caption);
}

} // namespace

void reGradeViewer(Form7& viewer) {
    const ResultBoxes& boxes = viewer.boxes();
    const ViewerGrades grades = gradeViewerRecord(boxes.record());
    for (Axle a : kBothAxles) {
        ReGradeDiameter(boxes.axle(a), grades.diameters[indexOf(a)]);
    }
    for (WheelPosition w : kAllWheels) {
        ReJudgeWheelClearance(boxes.wheels, w, grades.wheels[indexOf(w)]);
    }
    boxes.verdict.setText(grades.verdict.text);
    boxes.verdict.setBackColor(grades.verdict.back);
}

void openResultFile(AppContext& context, Form7& viewer) {
    const std::optional<QString> path = context.platform().fileDialogs.openFile(resultFileDialog(), &viewer);
    if (!path || path->isEmpty()) {
        return;
    }
    const WholeFileRead file = readWholeFile(*path, kResultFileReadLimit);
    if (file.failure) {
        tellUnreadable(context, viewer, *path, *file.failure);
        return;
    }

    // Every field is read before the first box is written.
    const ResultFileSlots slots = decodeResultFile(file.bytes);
    const ResultBoxes& boxes = viewer.boxes();
    const std::array<TextBox*, kResultRecordSize> recordBoxes = boxes.recordBoxes();
    for (std::size_t slot = 0; slot < recordBoxes.size(); ++slot) {
        recordBoxes[slot]->setText(slots[slot]);
    }
    boxes.verdict.setText(slots[kResultRecordSize]);

    reGradeViewer(viewer);
}

} // namespace kl
