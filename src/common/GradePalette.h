#pragma once

#include <QColor>
#include <QString>

namespace kl {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
    QColor toColor() const { return QColor(r, g, b); }
};

inline constexpr Rgb ColourAmple{145, 175, 250};
inline constexpr Rgb ColourAdequate{155, 255, 155};
inline constexpr Rgb ColourCaution{250, 250, 145};
inline constexpr Rgb ColourNgBack{250, 145, 175};
inline constexpr Rgb ColourNgText{250, 0, 0};
inline constexpr Rgb ColourWhite{255, 255, 255};
inline constexpr Rgb ColourBlack{0, 0, 0};

// Captions of the colour legend, one per background tier.
inline QString paletteCaptionAmple() {
    using namespace Qt::StringLiterals;
    return u"全く問題なし"_s;
}
inline QString paletteCaptionAdequate() {
    using namespace Qt::StringLiterals;
    return u"問題なし(変更点留意)"_s;
}
inline QString paletteCaptionCaution() {
    using namespace Qt::StringLiterals;
    return u"チェックが必要"_s;
}
inline QString paletteCaptionNgBack() {
    using namespace Qt::StringLiterals;
    return u"再検討が必要"_s;
}

} // namespace kl
