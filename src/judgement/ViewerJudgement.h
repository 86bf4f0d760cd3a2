#pragma once

#include <array>
#include <optional>

#include <QString>

#include "common/GradePalette.h"

namespace kl {

// What result files of the basic edition hold where upper and fore-aft clearances would stand.
QString NotAnalysedMarker(); // "未解析"
// The grade of a clearance the basic edition did not evaluate: U+FF0D, not the ASCII minus.
QString notEvaluatedGrade(); // "－"

// One grade box as the viewer writes it.
struct ViewerGradeWrite {
    QString text; // "OK", "CHECK", "NG" or "－"
    Rgb fore;     // ColourNgText on "NG", black otherwise
    Rgb back;
};

// Everything one wheel's judgement writes, in the order of the writes.
struct ViewerWheelJudgement {
    int caseNumber = 0;                     // 1..5 the basic-edition cases, 6..125 the rule table
    std::array<ViewerGradeWrite, 3> grades; // pull-in, upper, fore-aft
    QString comment;
    Rgb commentFore;
};

// The viewer's judgement of one wheel from the texts of its three new-clearance boxes. The basic-edition
// cases come first (upper and fore-aft both exactly the marker), then the rule table's cells, each
// compared on the texts' values. Empty when a text that has to be compared as a number is none; nothing
// may then be written for the wheel.
std::optional<ViewerWheelJudgement> judgeWheelTexts(const QString& hikikomi, const QString& joubu,
                                                    const QString& zengo);

} // namespace kl
