#include "judgement/ClearanceRules.h"

#include <cmath>

#include <QtGlobal>

using namespace Qt::StringLiterals;

namespace kl {

// Each band keeps its own explicit test, so a NaN fails them all instead of landing in a
// catch-all band such as H5 or Z4. An infinite value would pass the open-ended tests as if it were
// a measurement, so it falls in no band either.
std::optional<HikikomiBand> hikikomiBandOf(float hikikomi) {
    if (std::isinf(hikikomi)) {
        return std::nullopt;
    }
    if (hikikomi >= 15) {
        return HikikomiBand::H1;
    }
    if (hikikomi >= 10 && hikikomi < 15) {
        return HikikomiBand::H2;
    }
    if (hikikomi >= 5 && hikikomi < 10) {
        return HikikomiBand::H3;
    }
    if (hikikomi >= 0 && hikikomi < 5) {
        return HikikomiBand::H4;
    }
    if (hikikomi < 0) {
        return HikikomiBand::H5;
    }
    return std::nullopt;
}

std::optional<JoubuBand> joubuBandOf(float joubu) {
    if (std::isinf(joubu)) {
        return std::nullopt;
    }
    if (joubu >= 30) {
        return JoubuBand::J1;
    }
    if (joubu >= 15 && joubu < 30) {
        return JoubuBand::J2;
    }
    if (joubu > 0 && joubu < 15) {
        return JoubuBand::J3;
    }
    if (joubu == 0) {
        return JoubuBand::J4;
    }
    // -15 itself is already J6.
    if (joubu < 0 && joubu > -15) {
        return JoubuBand::J5;
    }
    if (joubu <= -15) {
        return JoubuBand::J6;
    }
    return std::nullopt;
}

std::optional<ZengoBand> zengoBandOf(float zengo) {
    if (std::isinf(zengo)) {
        return std::nullopt;
    }
    if (zengo >= 20) {
        return ZengoBand::Z1;
    }
    // Exactly 5 counts as too close (Z3), exactly 0 as touching (Z4).
    if (zengo > 5 && zengo < 20) {
        return ZengoBand::Z2;
    }
    if (zengo > 0 && zengo <= 5) {
        return ZengoBand::Z3;
    }
    if (zengo <= 0) {
        return ZengoBand::Z4;
    }
    return std::nullopt;
}

int ClearanceCell::number() const {
    return 24 * (static_cast<int>(h) - 1) + 4 * (static_cast<int>(j) - 1) + static_cast<int>(z);
}

ClearanceCell ClearanceCell::fromNumber(int cell) {
    Q_ASSERT(cell >= 1 && cell <= 120);
    const int index = cell - 1;
    return ClearanceCell{static_cast<HikikomiBand>(index / 24 + 1),
                         static_cast<JoubuBand>(index % 24 / 4 + 1), static_cast<ZengoBand>(index % 4 + 1)};
}

std::optional<ClearanceCell> findClearanceCell(float hikikomi, float joubu, float zengo) {
    const auto h = hikikomiBandOf(hikikomi);
    const auto j = joubuBandOf(joubu);
    const auto z = zengoBandOf(zengo);
    if (!h || !j || !z) {
        return std::nullopt;
    }
    return ClearanceCell{*h, *j, *z};
}

namespace {

BandGrade ok(Rgb back) {
    return BandGrade{ClearanceGrade::OK, back, false};
}
BandGrade check() {
    return BandGrade{ClearanceGrade::CHECK, ColourCaution, false};
}
BandGrade ng() {
    return BandGrade{ClearanceGrade::NG, ColourNgBack, true};
}

} // namespace

BandGrade bandGrade(HikikomiBand b) {
    switch (b) {
    case HikikomiBand::H1:
        return ok(ColourAmple);
    case HikikomiBand::H2:
        return ok(ColourAdequate);
    // The pull-in box never says "CHECK": a small margin is still "OK", only coloured as a caution.
    case HikikomiBand::H3:
    case HikikomiBand::H4:
        return ok(ColourCaution);
    case HikikomiBand::H5:
        return ng();
    }
    return ng();
}

BandGrade bandGrade(JoubuBand b) {
    switch (b) {
    case JoubuBand::J1:
        return ok(ColourAmple);
    case JoubuBand::J2:
        return ok(ColourAdequate);
    case JoubuBand::J3:
    case JoubuBand::J4:
    case JoubuBand::J5:
        return check();
    case JoubuBand::J6:
        return ng();
    }
    return ng();
}

BandGrade bandGrade(ZengoBand b) {
    switch (b) {
    case ZengoBand::Z1:
        return ok(ColourAmple);
    case ZengoBand::Z2:
        return ok(ColourAdequate);
    case ZengoBand::Z3:
        return check();
    case ZengoBand::Z4:
        return ng();
    }
    return ng();
}

CellJudgement judgeCell(const ClearanceCell& cell) {
    const BandGrade hikikomi = bandGrade(cell.h);
    const BandGrade joubu = bandGrade(cell.j);
    const BandGrade zengo = bandGrade(cell.z);
    return CellJudgement{hikikomi, joubu, zengo, cellComment(cell.number()),
                         hikikomi.ngText || joubu.ngText || zengo.ngText};
}

std::optional<CellJudgement> judgeClearances(float hikikomi, float joubu, float zengo) {
    const std::optional<ClearanceCell> cell = findClearanceCell(hikikomi, joubu, zengo);
    if (!cell) {
        return std::nullopt;
    }
    return judgeCell(*cell);
}

QString reviewTagAllOk() {
    return u"【要確認】"_s;
}
QString reviewTagCheck() {
    return u"【要詳細検討】"_s;
}
QString reviewTagNg() {
    return u"【要再検討】"_s;
}

} // namespace kl
