#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "input/FieldHelp.h"

using namespace kl;
using namespace Qt::Literals::StringLiterals;

namespace {

// The ten texts, word for word, each for the old front wheel or the FL box where words go in.
const QString kRimDiameter =
    u"【ホイールリム径(inch)】\r\n"
    u"変更前の前輪ホイールリム径をドロップダウンリストから選択して下さい。\r\n\r\n"
    u"下図はホイールサイズ表記の代表的な例を示していて、下図②および図A「W」寸法に該当します。\r\n\r\n\r\n\r\n"
    u"【補足事項】\r\n"
    u"本ｿﾌﾄｳｪｱでは入力欄はありませんが、ﾎｲｰﾙ変更に際しては③ﾌﾗﾝｼﾞ形状、⑤ﾎﾞﾙﾄ穴数、⑥P.C.D（「Pitch Circle "
    u"Dia\r\n"
    u"meter」の略で、図Aの寸法\r\n"
    u"「P.C.D」箇所）を必ず整合させる必要があります。\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    u"  【図A-ホイール寸法について】"_s;

const QString kRimWidth =
    u"【ホイールリム幅(inch)】\r\n"
    u"変更前の前輪ホイールリム幅をドロップダウンリストから選択して下さい。\r\n\r\n"
    u"下図はホイールサイズ表記の代表的な例を示していて、下図②および図A「W」寸法に該当します。\r\n\r\n\r\n\r\n"
    u"【補足事項】\r\n"
    u"本ｿﾌﾄｳｪｱでは入力欄はありませんが、ﾎｲｰﾙ変更に際しては③ﾌﾗﾝｼﾞ形状、⑤ﾎﾞﾙﾄ穴数、⑥P.C.D（「Pitch Circle "
    u"Dia\r\n"
    u"meter」の略で、図Aの寸法\r\n"
    u"「P.C.D」箇所）を必ず整合させる必要があります。\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    u"  【図A-ホイール寸法について】"_s;

const QString kDirection =
    u"【ホイールオフセット(mm)】\r\n"
    u"変更前の前輪ホイールオフセット方向をドロップダウンリストから選択して下さい。\r\n\r\n"
    u"下図はホイールサイズ表記の代表的な例を示していて、下図④および図A「Wa」方向に該当します。（図Aの場合は取"
    u"付座面が"
    u"中心より外側にあることから＋ｵﾌｾｯﾄとなります）\r\n\r\n\r\n\r\n"
    u"【重要事項】\r\n"
    u"本項目は変更後におけるﾀｲﾔ\r\n"
    u"と車体との干渉を算出する上で非常に重要です。 不明な場合はﾎｲｰﾙ販売店等に問い合わせて確認して下さい。"
    u"\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    u"  【図A-ホイール寸法について】"_s;

const QString kOffset =
    u"【ホイールオフセット(mm)】\r\n"
    u"変更前の前輪ホイールオフセット量をドロップダウンリストから選択して下さい。\r\n\r\n"
    u"下図はホイールサイズ表記の代表的な例を示していて、下図④および図A「Wa」寸法に該当します。（図Aの場合は取"
    u"付座面が"
    u"中心より外側にあることから＋ｵﾌｾｯﾄとなります）\r\n\r\n\r\n\r\n"
    u"【重要事項】\r\n"
    u"本項目は変更後におけるﾀｲﾔ\r\n"
    u"と車体との干渉を算出する上で非常に重要です。 不明な場合はﾎｲｰﾙ販売店等に問い合わせて確認して下さい。"
    u"\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    u"  【図A-ホイール寸法について】"_s;

const QString kTyreWidth =
    u"【タイヤ断面幅サイズ(mm)】\r\n"
    u"タイヤ断面幅サイズをドロップダウンリストから選択して下さい。\r\n\r\n"
    u"下図は代表的なタイヤサイズ表記の例を示していて、図中①の表記部分に該当します。\r\n\r\n"
    u"【補足事項】\r\n"
    u"断面幅とは、サイドウォールの文字や模様を含まないタイヤ幅のことです。"_s;

const QString kAspect =
    u"【タイヤ扁平率(%)】\r\n"
    u"タイヤ扁平率をドロップダウンリストから選択して下さい。\r\n\r\n"
    u"下図は代表的なタイヤサイズ表記の例を示していて、図中②の表記部分に該当します。\r\n\r\n"
    u"【補足事項】\r\n"
    u"扁平率とは、タイヤ断面幅に対するタイヤの高さ（タイヤ断面の一番高い部分）比率のことです。\r\n"
    u"単位はパーセント(%)であることから、実際のタイヤ断面高さ(mm)"
    u"を知るには下記の計算が必要となります。\r\n\r\n"
    u"タイヤ断面高さ(mm)＝\r\n"
    u"タイヤ断面幅(mm)×扁平率(%) / 100"_s;

const QString kPullIn =
    u"【前輪フェンダークリアランス】\r\n"
    u"変更前の前輪左側のﾌｪﾝﾀﾞｰ\r\n"
    u"ｸﾘｱﾗﾝｽ引込量(mm)を直接入力して下さい。\r\n\r\n"
    u"図B「L1」寸法に該当します。\r\n"
    u"本寸法は車両を実際に計測した値を入力して下さい。\r\n\r\n"
    u"【補足事項】\r\n"
    u"計測にあたっては、車両を水平な場所に駐車した上でできるだけ正確に計測して下さい。\r\n"
    u"なお、ホイールの取付具合や車両個体差などがあるため、前後輪の左右4箇所各毎に計測する必要があります。\r\n"
    u"（入力欄も各毎に入力するようになっています）\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    u" 【図B-ｸﾘｱﾗﾝｽ寸法について】"_s;

const QString kUpper =
    u"【前輪フェンダークリアランス】\r\n"
    u"変更前の前輪左側のﾌｪﾝﾀﾞｰ\r\n"
    u"ｸﾘｱﾗﾝｽ上部量(mm)を直接入力して下さい。\r\n\r\n"
    u"図B「L2」寸法に該当します。\r\n"
    u"本寸法は車両を実際に計測した値を入力して下さい。\r\n\r\n"
    u"【補足事項】\r\n"
    u"計測にあたっては、車両を水平な場所に駐車した上でできるだけ正確に計測して下さい。\r\n"
    u"なお、ホイールの取付具合や車両個体差などがあるため、前後輪の左右4箇所各毎に計測する必要があります。\r\n"
    u"（入力欄も各毎に入力するようになっています）\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    u" 【図B-ｸﾘｱﾗﾝｽ寸法について】"_s;

const QString kForeAft =
    u"【前輪フェンダークリアランス】\r\n"
    u"変更前の前輪左側のﾌｪﾝﾀﾞｰ\r\n"
    u"ｸﾘｱﾗﾝｽ前後量(mm)を直接入力して下さい。\r\n\r\n"
    u"図C「L3」寸法に該当します。\r\n"
    u"本寸法は車両を実際に計測した値を入力して下さい。\r\n"
    u"（図C「L3」に示す2箇所を計測し、数値の小さかった方を入力して下さい）\r\n\r\n"
    u"【補足事項】\r\n"
    u"計測にあたっては、車両を水平な場所に駐車した上でできるだけ正確に計測して下さい。\r\n"
    u"なお、ホイールの取付具合や車両個体差などがあるため、前後輪の左右4箇所各毎に計測する必要があります。\r\n"
    u"（入力欄も各毎に入力するようになっています）\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    u" 【図C-ｸﾘｱﾗﾝｽ寸法について】"_s;

const QString kSameAsFront =
    u"【前輪ホイールと同じ】\r\n"
    u"後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 入力が省略でき便利です。"_s;

struct Field {
    const char* name;
    std::optional<InputField> field; // none: a same-as-front box
    const QString* text;
    // Replaces the words of the old front wheel (変更前の前輪) or of the FL box (前輪 ... 前輪左側).
    const char16_t* state;
    const char16_t* axle;
    const char16_t* side;
    PictureSet pictures;
};

QString expectedText(const Field& f) {
    QString text = *f.text;
    if (f.side != nullptr) {
        const QString axle = QString::fromUtf16(f.axle);
        text.replace(u"【前輪"_s, u"【"_s + axle);
        text.replace(u"変更前の前輪左側"_s, u"変更前の"_s + axle + QString::fromUtf16(f.side));
    } else if (f.state != nullptr) {
        text.replace(u"変更前の前輪"_s, QString::fromUtf16(f.state) + u"の"_s + QString::fromUtf16(f.axle));
    }
    return text;
}

using PS = PictureSet;

const std::vector<Field> kFields{
    {"BeforeFrontRimDiameter", InputField::BeforeFrontRimDiameter, &kRimDiameter, u"変更前", u"前輪", nullptr,
     PS::Rim},
    {"BeforeRearRimDiameter", InputField::BeforeRearRimDiameter, &kRimDiameter, u"変更前", u"後輪", nullptr,
     PS::Rim},
    {"AfterFrontRimDiameter", InputField::AfterFrontRimDiameter, &kRimDiameter, u"変更後", u"前輪", nullptr,
     PS::Rim},
    {"AfterRearRimDiameter", InputField::AfterRearRimDiameter, &kRimDiameter, u"変更後", u"後輪", nullptr,
     PS::Rim},
    {"BeforeFrontRimWidth", InputField::BeforeFrontRimWidth, &kRimWidth, u"変更前", u"前輪", nullptr,
     PS::Rim},
    {"BeforeRearRimWidth", InputField::BeforeRearRimWidth, &kRimWidth, u"変更前", u"後輪", nullptr, PS::Rim},
    {"AfterFrontRimWidth", InputField::AfterFrontRimWidth, &kRimWidth, u"変更後", u"前輪", nullptr, PS::Rim},
    {"AfterRearRimWidth", InputField::AfterRearRimWidth, &kRimWidth, u"変更後", u"後輪", nullptr, PS::Rim},
    {"BeforeFrontDirection", InputField::BeforeFrontDirection, &kDirection, u"変更前", u"前輪", nullptr,
     PS::Offset},
    {"BeforeRearDirection", InputField::BeforeRearDirection, &kDirection, u"変更前", u"後輪", nullptr,
     PS::Offset},
    {"AfterFrontDirection", InputField::AfterFrontDirection, &kDirection, u"変更後", u"前輪", nullptr,
     PS::Offset},
    {"AfterRearDirection", InputField::AfterRearDirection, &kDirection, u"変更後", u"後輪", nullptr,
     PS::Offset},
    {"BeforeFrontOffset", InputField::BeforeFrontOffset, &kOffset, u"変更前", u"前輪", nullptr, PS::Offset},
    {"BeforeRearOffset", InputField::BeforeRearOffset, &kOffset, u"変更前", u"後輪", nullptr, PS::Offset},
    {"AfterFrontOffset", InputField::AfterFrontOffset, &kOffset, u"変更後", u"前輪", nullptr, PS::Offset},
    {"AfterRearOffset", InputField::AfterRearOffset, &kOffset, u"変更後", u"後輪", nullptr, PS::Offset},
    {"BeforeFrontSectionWidth", InputField::BeforeFrontSectionWidth, &kTyreWidth, nullptr, nullptr, nullptr,
     PS::TyreWidth},
    {"BeforeRearSectionWidth", InputField::BeforeRearSectionWidth, &kTyreWidth, nullptr, nullptr, nullptr,
     PS::TyreWidth},
    {"AfterFrontSectionWidth", InputField::AfterFrontSectionWidth, &kTyreWidth, nullptr, nullptr, nullptr,
     PS::TyreWidth},
    {"AfterRearSectionWidth", InputField::AfterRearSectionWidth, &kTyreWidth, nullptr, nullptr, nullptr,
     PS::TyreWidth},
    {"BeforeFrontAspectRatio", InputField::BeforeFrontAspectRatio, &kAspect, nullptr, nullptr, nullptr,
     PS::Aspect},
    {"BeforeRearAspectRatio", InputField::BeforeRearAspectRatio, &kAspect, nullptr, nullptr, nullptr,
     PS::Aspect},
    {"AfterFrontAspectRatio", InputField::AfterFrontAspectRatio, &kAspect, nullptr, nullptr, nullptr,
     PS::Aspect},
    {"AfterRearAspectRatio", InputField::AfterRearAspectRatio, &kAspect, nullptr, nullptr, nullptr,
     PS::Aspect},
    {"FLHikikomi", InputField::FLHikikomi, &kPullIn, nullptr, u"前輪", u"左側", PS::FigureB},
    {"FRHikikomi", InputField::FRHikikomi, &kPullIn, nullptr, u"前輪", u"右側", PS::FigureB},
    {"RLHikikomi", InputField::RLHikikomi, &kPullIn, nullptr, u"後輪", u"左側", PS::FigureB},
    {"RRHikikomi", InputField::RRHikikomi, &kPullIn, nullptr, u"後輪", u"右側", PS::FigureB},
    {"FLJoubu", InputField::FLJoubu, &kUpper, nullptr, u"前輪", u"左側", PS::FigureB},
    {"FRJoubu", InputField::FRJoubu, &kUpper, nullptr, u"前輪", u"右側", PS::FigureB},
    {"RLJoubu", InputField::RLJoubu, &kUpper, nullptr, u"後輪", u"左側", PS::FigureB},
    {"RRJoubu", InputField::RRJoubu, &kUpper, nullptr, u"後輪", u"右側", PS::FigureB},
    {"FLZengo", InputField::FLZengo, &kForeAft, nullptr, u"前輪", u"左側", PS::FigureC},
    {"FRZengo", InputField::FRZengo, &kForeAft, nullptr, u"前輪", u"右側", PS::FigureC},
    {"RLZengo", InputField::RLZengo, &kForeAft, nullptr, u"後輪", u"左側", PS::FigureC},
    {"RRZengo", InputField::RRZengo, &kForeAft, nullptr, u"後輪", u"右側", PS::FigureC},
    {"BeforeRearSameAsFront", std::nullopt, &kSameAsFront, nullptr, nullptr, nullptr, PS::None},
    {"AfterRearSameAsFront", std::nullopt, &kSameAsFront, nullptr, nullptr, nullptr, PS::None},
};

class EveryField : public ::testing::TestWithParam<Field> {};

TEST_P(EveryField, HasItsTextAndPictureSet) {
    const Field& f = GetParam();
    const FieldHelp& help = f.field ? fieldHelp(*f.field) : sameAsFrontHelp();
    EXPECT_EQ(help.text.toStdString(), expectedText(f).toStdString());
    EXPECT_EQ(help.pictures, f.pictures);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryField, ::testing::ValuesIn(kFields),
                         [](const ::testing::TestParamInfo<Field>& info) {
                             return std::string(info.param.name);
                         });

TEST(FieldHelp, TheTableHoldsEveryField) {
    std::set<InputField> fields;
    for (const Field& f : kFields) {
        if (f.field) {
            fields.insert(*f.field);
        }
    }
    EXPECT_EQ(fields.size(), kInputFieldCount);
}

// The words of a field replace those of the old front wheel, and nothing else.
TEST(FieldHelp, WordsGoInWhereTheTextNamesTheField) {
    EXPECT_TRUE(fieldHelp(InputField::AfterRearRimDiameter).text.contains(u"変更後の後輪ホイールリム径を"_s));
    EXPECT_TRUE(fieldHelp(InputField::RRZengo)
                    .text.startsWith(u"【後輪フェンダークリアランス】\r\n変更前の後輪右側のﾌｪﾝﾀﾞｰ"_s));
    // The offset text still says "変更後における" for an old wheel: that is part of the text.
    EXPECT_TRUE(fieldHelp(InputField::BeforeFrontOffset).text.contains(u"本項目は変更後におけるﾀｲﾔ"_s));
    for (SizeBlock block : kAllSizeBlocks) {
        for (SizePart tyre : {SizePart::SectionWidth, SizePart::AspectRatio}) {
            const QString& text = fieldHelp(sizeField(block, tyre)).text;
            for (const QString& word : {u"変更前"_s, u"変更後"_s, u"前輪"_s, u"後輪"_s}) {
                EXPECT_FALSE(text.contains(word)) << static_cast<int>(sizeField(block, tyre));
            }
        }
    }
}

struct SetSteps {
    PictureSet set;
    std::vector<HelpStep> steps;
};

using Op = HelpStep::Op;
using I = HelpImage;
using P = HelpPicture;

class PictureSetSteps : public ::testing::TestWithParam<SetSteps> {};

TEST_P(PictureSetSteps, RunInTheirOrder) {
    EXPECT_EQ(pictureSetSteps(GetParam().set), GetParam().steps);
}

// Positions in twips inside the help panel, placed for the substitute font so that no figure covers text.
INSTANTIATE_TEST_SUITE_P(
    Sets, PictureSetSteps,
    ::testing::Values(
        SetSteps{PS::Rim,
                 {{Op::Clear, I::TyreMarking},
                  {Op::Show, I::WheelMarking, P::WheelNotation},
                  {Op::Show, I::Figure, P::FigureA},
                  {Op::Move, I::WheelMarking, P::TyreNotation, 107, 2170},
                  {Op::Move, I::Figure, P::TyreNotation, 130, 4380},
                  {Op::SetHeight, I::Figure, P::TyreNotation, 0, 0, 2130}}},
        SetSteps{PS::Offset,
                 {{Op::Clear, I::TyreMarking},
                  {Op::Show, I::WheelMarking, P::WheelNotation},
                  {Op::Show, I::Figure, P::FigureA},
                  {Op::Move, I::WheelMarking, P::TyreNotation, 107, 2570},
                  {Op::Move, I::Figure, P::TyreNotation, 130, 4380},
                  {Op::SetHeight, I::Figure, P::TyreNotation, 0, 0, 2130}}},
        SetSteps{PS::TyreWidth,
                 {{Op::Clear, I::WheelMarking},
                  {Op::Clear, I::Figure},
                  {Op::Show, I::TyreMarking, P::TyreNotation},
                  {Op::Move, I::TyreMarking, P::TyreNotation, 130, 2900}}},
        SetSteps{PS::Aspect,
                 {{Op::Clear, I::WheelMarking},
                  {Op::Clear, I::Figure},
                  {Op::Show, I::TyreMarking, P::TyreNotation},
                  {Op::Move, I::TyreMarking, P::TyreNotation, 130, 4650}}},
        SetSteps{PS::FigureB,
                 {{Op::Clear, I::TyreMarking},
                  {Op::Clear, I::WheelMarking},
                  {Op::Show, I::Figure, P::FigureB},
                  {Op::SetHeight, I::Figure, P::TyreNotation, 0, 0, 2310},
                  {Op::Move, I::Figure, P::TyreNotation, 130, 4150}}},
        SetSteps{PS::FigureC,
                 {{Op::Clear, I::TyreMarking},
                  {Op::Clear, I::WheelMarking},
                  {Op::Show, I::Figure, P::FigureC},
                  {Op::SetHeight, I::Figure, P::TyreNotation, 0, 0, 1890},
                  {Op::Move, I::Figure, P::TyreNotation, 130, 4690}}},
        SetSteps{PS::None,
                 {{Op::Clear, I::TyreMarking}, {Op::Clear, I::WheelMarking}, {Op::Clear, I::Figure}}}));

} // namespace
