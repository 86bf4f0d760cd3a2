#include "OpenResultFile.h"

#include "common/WholeFile.h"
#include "judgement/gui/ReJudgeWheelClearance.h"
#include "platform/Controls.h"
#include "results/ResultFile.h"
#include "results/ViewerGrading.h"
#include "results/gui/Form7.h"
#include "results/gui/ResultLayout.h"

namespace kl {

namespace {

void tellUnreadable(AppContext& context, Form7& viewer, const QString& path, const QString& reason) {
    const platform::MessageBoxRequest message{
        fileReadFailureMessage(QStringLiteral("解析結果データを読み込めませんでした。"), path, reason),
        QStringLiteral("Kavor Lintep 2005 Viewer"), platform::MsgIcon::Exclamation, platform::MsgButtons::Ok,
        platform::MsgAnswer::Ok};
    context.platform().messageBoxes.show(message, &viewer);
}

struct AxleControls {
    Axle axle;
    const char16_t* newBox;
    const char16_t* oldBox;
    const char16_t* gradeBox;
    const char16_t* commentLabel;
};

const AxleControls Axles[] = {
    {Axle::Front, u"F7_TD_FA_New_TXT", u"F7_TD_FA_Old_TXT", u"F7_TD_FA_JG_TXT", u"F7_TD_FA_JGCOM_LBL"},
    {Axle::Rear, u"F7_TD_RA_New_TXT", u"F7_TD_RA_Old_TXT", u"F7_TD_RA_JG_TXT", u"F7_TD_RA_JGCOM_LBL"},
};

// ReGradeDiameter for one axle.
void reGradeDiameter(Form7& viewer, const AxleControls& a) {
    const std::optional<QString> deviation =
        deviationText(viewer.control<TextBox>(QString::fromUtf16(a.newBox)).Text(),
                      viewer.control<TextBox>(QString::fromUtf16(a.oldBox)).Text());
    TextBox& grade = viewer.control<TextBox>(QString::fromUtf16(a.gradeBox));
    Label& comment = viewer.control<Label>(QString::fromUtf16(a.commentLabel));
    if (!deviation) {
        grade.setText(QString());
        grade.setBackColor(ColourWhite);
        comment.setCaption(QString());
        return;
    }
    const ViewerDiameterGrade g = gradeDeviationText(a.axle, *deviation);
    grade.setText(g.gradeText);
    grade.setForeColor(g.gradeFore);
    grade.setBackColor(g.gradeBack);
    comment.setForeColor(g.labelFore);
    comment.setCaption(g.caption);
}

using WheelBinding = bool (*)(AppContext&, const TextBox&, const TextBox&, const TextBox&);

const std::pair<WheelPosition, WheelBinding> WheelBindings[] = {
    {WheelPosition::FL, &M_Form7FLJG},
    {WheelPosition::FR, &M_Form7FRJG},
    {WheelPosition::RL, &M_Form7RLJG},
    {WheelPosition::RR, &M_Form7RRJG},
};

} // namespace

QStringList viewerGradeBoxNames() {
    QStringList names{QStringLiteral("F7_TD_FA_JG_TXT"), QStringLiteral("F7_TD_RA_JG_TXT")};
    for (const WheelPosition wheel : kAllWheels) {
        for (const ClearanceKind kind : kAllClearanceKinds) {
            names << QStringLiteral("F7_FC_%1_%2_JG_TXT").arg(wheelCode(wheel), clearanceCode(kind));
        }
    }
    return names;
}

void ReGradeViewer(AppContext& context, Form7& viewer) {
    for (const AxleControls& a : Axles) {
        reGradeDiameter(viewer, a);
    }
    for (const auto& [wheel, judge] : WheelBindings) {
        const auto box = [&viewer, wheel](ClearanceKind kind) -> const TextBox& {
            return viewer.control<TextBox>(
                QStringLiteral("F7_FC_%1_%2_New_TXT").arg(wheelCode(wheel), clearanceCode(kind)));
        };
        judge(context, box(ClearanceKind::Hikikomi), box(ClearanceKind::Joubu), box(ClearanceKind::Zengo));
    }
    VerdictGrades grades;
    const QStringList names = viewerGradeBoxNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        grades[static_cast<std::size_t>(i)] = viewer.control<TextBox>(names[i]).Text();
    }
    const Verdict verdict = ViewerOverallVerdict(grades);
    TextBox& box = viewer.control<TextBox>(QStringLiteral("F7_RESULT_TXT"));
    box.setText(verdict.text);
    box.setBackColor(verdict.back);
}

void OpenResultFile(AppContext& context, Form7& viewer) {
    const platform::FileDialogRequest request{QString(), QStringLiteral("ResultData(*.rdw)"),
                                              QStringLiteral("*.rdw")};
    const std::optional<QString> path = context.platform().fileDialogs.openFile(request, &viewer);
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
    const QStringList boxes = resultRecordBoxNames(u"F7");
    for (int k = 0; k < ResultRecordSize; ++k) {
        viewer.control<TextBox>(boxes[k]).setText(slots[static_cast<std::size_t>(k)]);
    }
    viewer.control<TextBox>(QStringLiteral("F7_RESULT_TXT")).setText(slots[ResultRecordSize]);

    ReGradeViewer(context, viewer);
}

} // namespace kl
