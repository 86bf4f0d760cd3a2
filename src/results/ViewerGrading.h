#pragma once

#include <array>
#include <optional>

#include <QString>

#include "analysis/FitmentGeometry.h"
#include "common/GradePalette.h"
#include "common/WheelTypes.h"
#include "judgement/ViewerJudgement.h"
#include "results/ResultFile.h"

namespace kl {

// The deviation text of one axle from its outer-diameter texts: (new / old - 1) * 100 in the "0.0" form,
// halves away from zero, a deviation that rounds to zero as "0.0". Empty when either text is no number
// (see paddedPlainDecimalNumber), the old diameter is 0 or the deviation is beyond a double.
std::optional<QString> deviationText(const QString& newDiameter, const QString& oldDiameter);

// What the viewer writes for one axle's diameter.
struct ViewerDiameterGrade {
    int band = 0;      // 1..5
    QString gradeText; // "OK" or "NG"
    Rgb gradeFore;
    Rgb gradeBack;
    Rgb labelFore;
    QString caption; // message, the deviation text as given, closing text
};

// The viewer's band of a deviation text in the "0.0" form. Its colours and closing text differ from the
// input mode's: black on bands 1 to 3, ColourNgText on the grade boxes and the front label of bands 4
// and 5 but pure red on the rear label, and " %）" only on the rear axle's band 5.
ViewerDiameterGrade gradeDeviationText(Axle axle, const QString& deviation);

// The 14 grade texts the verdict reads: front and rear diameter, then pull-in, upper and fore-aft of
// FL, FR, RL, RR.
using VerdictGrades = std::array<QString, 14>;

// "O K" when all 14 read "OK"; also "O K" for result data of the basic edition whose diameters and
// pull-ins read "OK" and whose eight upper and fore-aft grades read "－"; otherwise "N G". Exact
// comparisons, nothing trimmed.
Verdict viewerOverallVerdict(const VerdictGrades& grades);

// Everything the viewer grades in a result record.
struct ViewerGrades {
    // Front and rear; none where the diameter texts cannot be graded (see deviationText).
    std::array<std::optional<ViewerDiameterGrade>, 2> diameters;
    // FL, FR, RL, RR from their three new clearances; none where they cannot be graded (see judgeWheelTexts).
    std::array<std::optional<ViewerWheelJudgement>, 4> wheels;
    // From the 14 grade texts these give, an empty text for each grade not given.
    Verdict verdict;
};

// The viewer's grading of a whole record: both diameters, the four wheels, the verdict.
ViewerGrades gradeViewerRecord(const ResultRecord& record);

} // namespace kl
