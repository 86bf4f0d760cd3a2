#pragma once

#include <optional>

#include <QString>

#include "common/GradePalette.h"
#include "common/WheelTypes.h"

namespace kl {

enum class HikikomiBand { H1 = 1, H2, H3, H4, H5 };
enum class JoubuBand { J1 = 1, J2, J3, J4, J5, J6 };
enum class ZengoBand { Z1 = 1, Z2, Z3, Z4 };

// Each band test compares the value exactly with whole-number bounds. A value that is not a finite
// number falls in no band.
std::optional<HikikomiBand> hikikomiBandOf(float hikikomi);
std::optional<JoubuBand> joubuBandOf(float joubu);
std::optional<ZengoBand> zengoBandOf(float zengo);

struct ClearanceCell {
    HikikomiBand h;
    JoubuBand j;
    ZengoBand z;
    // 24(h-1) + 4(j-1) + z, from 1 to 120.
    int number() const;
    static ClearanceCell fromNumber(int cell); // 1..120
};

// The one cell whose three band tests hold, or none for a value that is not a finite number.
std::optional<ClearanceCell> findClearanceCell(float hikikomi, float joubu, float zengo);

// What a grade box shows for a band: its text, back colour and whether ColourNgText is written.
struct BandGrade {
    ClearanceGrade grade;
    Rgb back;
    bool ngText; // true only for "NG"
};
BandGrade bandGrade(HikikomiBand b);
BandGrade bandGrade(JoubuBand b);
BandGrade bandGrade(ZengoBand b);

// Everything a cell writes: three grades and the comment with its colour rule.
struct CellJudgement {
    BandGrade hikikomi;
    BandGrade joubu;
    BandGrade zengo;
    const QString& comment; // closed by its review tag; lines joined by CR LF
    bool commentNgText;     // any of the three grades is "NG"

    const BandGrade& grade(ClearanceKind k) const {
        return k == ClearanceKind::Hikikomi ? hikikomi : k == ClearanceKind::Joubu ? joubu : zengo;
    }
};
CellJudgement judgeCell(const ClearanceCell& cell);

// One wheel's judgement from its three new clearances: the cell that holds them, judged. None for a value
// that is not a finite number.
std::optional<CellJudgement> judgeClearances(float hikikomi, float joubu, float zengo);

// JudgementCommentTable: the comment id (1..81, in cell order of first use) and text of each cell.
int commentIdOfCell(int cell);
const QString& commentText(int commentId);
inline const QString& cellComment(int cell) {
    return commentText(commentIdOfCell(cell));
}

// ReviewTag texts.
QString reviewTagAllOk(); // "【要確認】"
QString reviewTagCheck(); // "【要詳細検討】"
QString reviewTagNg();    // "【要再検討】"

} // namespace kl
