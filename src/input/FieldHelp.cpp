#include "FieldHelp.h"

#include <array>

#include "common/Concat.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

QString breaks(int n) {
    QString s;
    for (int i = 0; i < n; ++i) {
        s += u"\r\n"_s;
    }
    return s;
}

// "変更前" / "変更後" and "前輪" / "後輪" of a wheel field.
struct WheelWords {
    QStringView state;
    QStringView axle;
};

QString rimText(bool width, WheelWords w) {
    const QStringView what = width ? u"リム幅" : u"リム径";
    return cat({u"【ホイール",
                what,
                u"(inch)】",
                breaks(1),
                w.state,
                u"の",
                w.axle,
                u"ホイール",
                what,
                u"をドロップダウンリストから選択して下さい。",
                breaks(2),
                u"下図はホイールサイズ表記の代表的な例を示していて、下図②および図A「W」寸法に該当します。",
                breaks(4),
                u"【補足事項】",
                breaks(1),
                u"本ｿﾌﾄｳｪｱでは入力欄はありませんが、ﾎｲｰﾙ変更に際しては③ﾌﾗﾝｼﾞ形状、⑤ﾎﾞﾙﾄ穴数、⑥P.C.D（「Pitch "
                u"Circle Dia",
                breaks(1),
                u"meter」の略で、図Aの寸法",
                breaks(1),
                u"「P.C.D」箇所）を必ず整合させる必要があります。",
                breaks(13),
                u"  【図A-ホイール寸法について】"});
}

QString offsetText(bool amount, WheelWords w) {
    return cat({u"【ホイールオフセット(mm)】",
                breaks(1),
                w.state,
                u"の",
                w.axle,
                u"ホイールオフセット",
                amount ? u"量" : u"方向",
                u"をドロップダウンリストから選択して下さい。",
                breaks(2),
                u"下図はホイールサイズ表記の代表的な例を示していて、下図④および図A「Wa」",
                amount ? u"寸法" : u"方向",
                u"に該当します。（図Aの場合は取付座面が中心より外側にあることから＋ｵﾌｾｯﾄとなります）",
                breaks(4),
                u"【重要事項】",
                breaks(1),
                u"本項目は変更後におけるﾀｲﾔ",
                breaks(1),
                u"と車体との干渉を算出する上で非常に重要です。 "
                u"不明な場合はﾎｲｰﾙ販売店等に問い合わせて確認して下さい。",
                breaks(13),
                u"  【図A-ホイール寸法について】"});
}

QString tyreWidthText() {
    return cat({u"【タイヤ断面幅サイズ(mm)】", breaks(1),
                u"タイヤ断面幅サイズをドロップダウンリストから選択して下さい。", breaks(2),
                u"下図は代表的なタイヤサイズ表記の例を示していて、図中①の表記部分に該当します。", breaks(2),
                u"【補足事項】", breaks(1),
                u"断面幅とは、サイドウォールの文字や模様を含まないタイヤ幅のことです。"});
}

QString aspectText() {
    return cat(
        {u"【タイヤ扁平率(%)】", breaks(1), u"タイヤ扁平率をドロップダウンリストから選択して下さい。",
         breaks(2), u"下図は代表的なタイヤサイズ表記の例を示していて、図中②の表記部分に該当します。",
         breaks(2), u"【補足事項】", breaks(1),
         u"扁平率とは、タイヤ断面幅に対するタイヤの高さ（タイヤ断面の一番高い部分）比率のことです。",
         breaks(1),
         u"単位はパーセント(%)であることから、実際のタイヤ断面高さ(mm)を知るには下記の計算が必要となります。",
         breaks(2), u"タイヤ断面高さ(mm)＝", breaks(1), u"タイヤ断面幅(mm)×扁平率(%) / 100"});
}

enum class Clearance { PullIn, Upper, ForeAft };

// "前輪" / "後輪" and "左側" / "右側" of a clearance box; every one of them was measured before the change.
struct ClearanceWords {
    QStringView axle;
    QStringView side;
};

QString clearanceText(Clearance kind, ClearanceWords w) {
    const QString head = cat({u"【", w.axle, u"フェンダークリアランス】", breaks(1), u"変更前の", w.axle,
                              w.side, u"のﾌｪﾝﾀﾞｰ", breaks(1)});
    const QString measure =
        cat({u"計測にあたっては、車両を水平な場所に駐車した上でできるだけ正確に計測して下さい。", breaks(1),
             u"なお、ホイールの取付具合や車両個体差などがあるため、前後輪の左右4箇所各毎に計測する必要があり"
             u"ます。",
             breaks(1), u"（入力欄も各毎に入力するようになっています）"});
    if (kind == Clearance::ForeAft) {
        return cat({head, u"ｸﾘｱﾗﾝｽ前後量(mm)を直接入力して下さい。", breaks(2),
                    u"図C「L3」寸法に該当します。", breaks(1),
                    u"本寸法は車両を実際に計測した値を入力して下さい。", breaks(1),
                    u"（図C「L3」に示す2箇所を計測し、数値の小さかった方を入力して下さい）", breaks(2),
                    u"【補足事項】", breaks(1), measure, breaks(11), u" 【図C-ｸﾘｱﾗﾝｽ寸法について】"});
    }
    const bool pullIn = kind == Clearance::PullIn;
    return cat({head, u"ｸﾘｱﾗﾝｽ", pullIn ? u"引込" : u"上部", u"量(mm)を直接入力して下さい。", breaks(2),
                u"図B「", pullIn ? u"L1" : u"L2", u"」寸法に該当します。", breaks(1),
                u"本寸法は車両を実際に計測した値を入力して下さい。", breaks(2), u"【補足事項】", breaks(1),
                measure, breaks(14), u" 【図B-ｸﾘｱﾗﾝｽ寸法について】"});
}

QString sameAsFrontText() {
    return cat(
        {u"【前輪ホイールと同じ】", breaks(1),
         u"後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 入力が省略でき便利です。"});
}

using Op = HelpStep::Op;
using I = HelpImage;
using P = HelpPicture;

HelpStep clear(I image) {
    return {Op::Clear, image};
}
HelpStep show(I image, P picture) {
    return {Op::Show, image, picture};
}
HelpStep move(I image, int left, int top) {
    return {Op::Move, image, P::TyreNotation, left, top};
}
HelpStep height(I image, int h) {
    return {Op::SetHeight, image, P::TyreNotation, 0, 0, h};
}

// The wheel figures under a rim or offset text; only the wheel size marking stands higher for the rim.
std::vector<HelpStep> wheelSet(int markingTop) {
    return {clear(I::TyreMarking),       show(I::WheelMarking, P::WheelNotation),
            show(I::Figure, P::FigureA), move(I::WheelMarking, 107, markingTop),
            move(I::Figure, 130, 4380),  height(I::Figure, 2130)};
}

std::vector<HelpStep> tyreSet(int markingTop) {
    return {clear(I::WheelMarking), clear(I::Figure), show(I::TyreMarking, P::TyreNotation),
            move(I::TyreMarking, 130, markingTop)};
}

// The clearance figures set their height before they move.
std::vector<HelpStep> clearanceSet(P figure, int h, int top) {
    return {clear(I::TyreMarking), clear(I::WheelMarking), show(I::Figure, figure), height(I::Figure, h),
            move(I::Figure, 130, top)};
}

} // namespace

const std::vector<HelpStep>& pictureSetSteps(PictureSet set) {
    static const std::array<std::vector<HelpStep>, 7> sets{
        wheelSet(2170),
        wheelSet(2570),
        tyreSet(2900),
        tyreSet(4650),
        clearanceSet(P::FigureB, 2310, 4150),
        clearanceSet(P::FigureC, 1890, 4690),
        std::vector<HelpStep>{clear(I::TyreMarking), clear(I::WheelMarking), clear(I::Figure)},
    };
    return sets[static_cast<std::size_t>(set)];
}

namespace {

// "変更前" / "変更後" and "前輪" / "後輪" of each block.
WheelWords wordsOf(SizeBlock block) {
    const bool after = block == SizeBlock::AfterFront || block == SizeBlock::AfterRear;
    return {after ? u"変更後" : u"変更前", isRearBlock(block) ? u"後輪" : u"前輪"};
}

// "前輪" / "後輪" and "左側" / "右側" of each wheel.
ClearanceWords wordsOf(WheelPosition wheel) {
    const bool left = wheel == WheelPosition::FL || wheel == WheelPosition::RL;
    return {axleOf(wheel) == Axle::Front ? u"前輪" : u"後輪", left ? u"左側" : u"右側"};
}

FieldHelp sizeHelp(SizeBlock block, SizePart part) {
    const WheelWords w = wordsOf(block);
    switch (part) {
    case SizePart::RimDiameter:
        return {PictureSet::Rim, rimText(false, w)};
    case SizePart::RimWidth:
        return {PictureSet::Rim, rimText(true, w)};
    case SizePart::Direction:
        return {PictureSet::Offset, offsetText(false, w)};
    case SizePart::Offset:
        return {PictureSet::Offset, offsetText(true, w)};
    case SizePart::SectionWidth:
        return {PictureSet::TyreWidth, tyreWidthText()};
    case SizePart::AspectRatio:
        break;
    }
    return {PictureSet::Aspect, aspectText()};
}

FieldHelp clearanceHelp(WheelPosition wheel, ClearanceKind kind) {
    switch (kind) {
    case ClearanceKind::Hikikomi:
        return {PictureSet::FigureB, clearanceText(Clearance::PullIn, wordsOf(wheel))};
    case ClearanceKind::Joubu:
        return {PictureSet::FigureB, clearanceText(Clearance::Upper, wordsOf(wheel))};
    case ClearanceKind::Zengo:
        break;
    }
    return {PictureSet::FigureC, clearanceText(Clearance::ForeAft, wordsOf(wheel))};
}

} // namespace

const FieldHelp& fieldHelp(InputField field) {
    static const std::array<FieldHelp, kInputFieldCount> helps = [] {
        std::array<FieldHelp, kInputFieldCount> h;
        for (std::size_t i = 0; i < h.size(); ++i) {
            const auto f = static_cast<InputField>(i);
            h[i] =
                isClearanceField(f) ? clearanceHelp(wheelOf(f), kindOf(f)) : sizeHelp(blockOf(f), partOf(f));
        }
        return h;
    }();
    return helps[static_cast<std::size_t>(field)];
}

const FieldHelp& sameAsFrontHelp() {
    static const FieldHelp help{PictureSet::None, sameAsFrontText()};
    return help;
}

} // namespace kl
