#include "judgement/ClearanceRules.h"

#include <cmath>

#include <QtGlobal>

namespace kl {

// Each band keeps its own explicit test, so a NaN fails them all instead of landing in a
// catch-all band such as H5 or Z4. An infinite value would pass the open-ended tests as if it were
// a measurement, so it falls in no band either.
std::optional<HikikomiBand> hikikomiBandOf(float p) {
    if (std::isinf(p)) {
        return std::nullopt;
    }
    if (p >= 15) {
        return HikikomiBand::H1;
    }
    if (p >= 10 && p < 15) {
        return HikikomiBand::H2;
    }
    if (p >= 5 && p < 10) {
        return HikikomiBand::H3;
    }
    if (p >= 0 && p < 5) {
        return HikikomiBand::H4;
    }
    if (p < 0) {
        return HikikomiBand::H5;
    }
    return std::nullopt;
}

std::optional<JoubuBand> joubuBandOf(float q) {
    if (std::isinf(q)) {
        return std::nullopt;
    }
    if (q >= 30) {
        return JoubuBand::J1;
    }
    if (q >= 15 && q < 30) {
        return JoubuBand::J2;
    }
    if (q > 0 && q < 15) {
        return JoubuBand::J3;
    }
    if (q == 0) {
        return JoubuBand::J4;
    }
    // -15 itself is already J6.
    if (q < 0 && q > -15) {
        return JoubuBand::J5;
    }
    if (q <= -15) {
        return JoubuBand::J6;
    }
    return std::nullopt;
}

std::optional<ZengoBand> zengoBandOf(float r) {
    if (std::isinf(r)) {
        return std::nullopt;
    }
    if (r >= 20) {
        return ZengoBand::Z1;
    }
    // Exactly 5 counts as too close (Z3), exactly 0 as touching (Z4).
    if (r > 5 && r < 20) {
        return ZengoBand::Z2;
    }
    if (r > 0 && r <= 5) {
        return ZengoBand::Z3;
    }
    if (r <= 0) {
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

std::optional<ClearanceCell> findClearanceCell(float p, float q, float r) {
    const auto h = hikikomiBandOf(p);
    const auto j = joubuBandOf(q);
    const auto z = zengoBandOf(r);
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

std::optional<CellJudgement> judgeClearances(float p, float q, float r) {
    const std::optional<ClearanceCell> cell = findClearanceCell(p, q, r);
    if (!cell) {
        return std::nullopt;
    }
    return judgeCell(*cell);
}

QString reviewTagAllOk() {
    return QStringLiteral(u"【要確認】");
}
QString reviewTagCheck() {
    return QStringLiteral(u"【要詳細検討】");
}
QString reviewTagNg() {
    return QStringLiteral(u"【要再検討】");
}

} // namespace kl
