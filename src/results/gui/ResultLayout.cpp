#include "ResultLayout.h"

#include <tuple>

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include "common/GradePalette.h"
#include "common/WheelTypes.h"
#include "platform/Controls.h"

using namespace Qt::StringLiterals;

namespace kl {
namespace {

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;

const QString Frame0 = u"Frame0"_s;
const QString Frame1 = u"Frame1"_s;
const QString Frame2 = u"Frame2"_s;

// A transparent, black caption as large as its text.
ControlSpec caption(const QString& name, const QString& container, int left, int top, const QString& text,
                    FontSpec font = gothic(9)) {
    ControlSpec row;
    row.name = name;
    row.kind = ControlKind::Label;
    row.container = container;
    row.left = left;
    row.top = top;
    row.font = font;
    row.text = text;
    return row;
}

ControlSpec box(const QString& name, const QString& container, int left, int top, int width, int height,
                FontSpec font, Qt::Alignment alignment, bool locked) {
    ControlSpec row;
    row.name = name;
    row.kind = ControlKind::TextBox;
    row.container = container;
    row.left = left;
    row.top = top;
    row.width = width;
    row.height = height;
    row.font = font;
    row.alignment = alignment;
    row.locked = locked;
    return row;
}

ControlSpec rect(const QString& name, ControlKind kind, const QString& container, int left, int top,
                 int width, int height) {
    ControlSpec row;
    row.name = name;
    row.kind = kind;
    row.container = container;
    row.left = left;
    row.top = top;
    row.width = width;
    row.height = height;
    return row;
}

// A frame's heading picture, in the gap of the frame's top edge.
ControlSpec heading(const QString& name, const QString& frame, int left, int top, int width, int height) {
    ControlSpec row = rect(name, ControlKind::Image, frame, left, top, width, height);
    row.heading = true;
    return row;
}

ControlSpec comment(const QString& name, int top, int height) {
    ControlSpec row = rect(name, ControlKind::Label, Frame1, 6350, top, 4650, height);
    row.font = gothic(9);
    // The comments break their lines for a narrower Gothic than the one we substitute; set 5 % narrower,
    // every comment keeps to the lines its label has room for instead of losing its end.
    row.font->stretch = 95;
    row.singleBorder = true;
    row.wordWrap = true;
    row.alignment = Qt::AlignLeft | Qt::AlignTop;
    return row;
}

struct TableRow {
    int top;
    const char16_t* stem; // the boxes' names after the prefix, without "_Old_TXT", "_New_TXT", "_JG_TXT"
    const char16_t* captionName;
    const char16_t* caption;
    int captionLeft;
    int arrow; // index in Label_Arrow
};

struct WheelBlock {
    WheelPosition wheel;
    const char16_t* shiftCaptionName;
    int shiftCaptionTop;
    int shiftMm;      // index in Label_mm of the shift box's unit
    TableRow rows[3]; // pull-in, upper, fore-aft
};

constexpr TableRow kDiameterRows[] = {
    {1360, u"TD_FA", u"Label0", u"タイヤ外径：前輪", 1300, 10},
    {1660, u"TD_RA", u"Label1", u"後輪", 2180, 11},
};

constexpr WheelBlock Wheels[] = {
    {WheelPosition::FL,
     u"Label18",
     2445,
     29,
     {{2080, u"FC_FL_Hikikomi", u"Label10", u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（左）：引込", 120, 12},
      {2380, u"FC_FL_Joubu", u"Label11", u"（左）：上部", 1730, 13},
      {2680, u"FC_FL_Zengo", u"Label4", u"（左）：前後", 1730, 3}}},
    {WheelPosition::FR,
     u"Label19",
     3435,
     28,
     {{3080, u"FC_FR_Hikikomi", u"Label2", u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（右）：引込", 130, 2},
      {3380, u"FC_FR_Joubu", u"Label12", u"（右）：上部", 1730, 14},
      {3680, u"FC_FR_Zengo", u"Label13", u"（右）：前後", 1730, 15}}},
    {WheelPosition::RL,
     u"Label20",
     4440,
     30,
     {{4080, u"FC_RL_Hikikomi", u"Label7", u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（左）：引込", 130, 5},
      {4380, u"FC_RL_Joubu", u"Label5", u"（左）：上部", 1730, 4},
      {4680, u"FC_RL_Zengo", u"Label14", u"（左）：前後", 1730, 16}}},
    {WheelPosition::RR,
     u"Label21",
     5445,
     31,
     {{5080, u"FC_RR_Hikikomi", u"Label15", u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（右）：引込", 130, 17},
      {5380, u"FC_RR_Joubu", u"Label16", u"（右）：上部", 1730, 1},
      {5680, u"FC_RR_Zengo", u"Label17", u"（右）：前後", 1730, 0}}},
};

constexpr int kDiameterCaptionDrop = 80;
constexpr int kClearanceCaptionDrop = 60;

QString str(const char16_t* s) {
    return QString::fromUtf16(s);
}

// One row of the result table: caption, before box, unit, arrow, after box, unit, grade box. The two units
// take the next free indexes of Label_mm.
void addTableRow(std::vector<ControlSpec>& rows, const QString& prefix, const TableRow& r, int captionDrop,
                 int& nextMm) {
    const QString stem = prefix + u'_' + str(r.stem);
    const QString mm = u"mm"_s;
    rows.push_back(caption(str(r.captionName), Frame1, r.captionLeft, r.top + captionDrop, str(r.caption)));
    rows.push_back(box(stem + u"_Old_TXT"_s, Frame1, 2590, r.top, 800, 285, gothic(9), kRight, true));
    rows.push_back(caption(arrayName(u"Label_mm"_s, nextMm++), Frame1, 3445, r.top, mm));
    rows.push_back(caption(arrayName(u"Label_Arrow"_s, r.arrow), Frame1, 3780, r.top, u"≫"_s, gothic(11.25)));
    rows.push_back(box(stem + u"_New_TXT"_s, Frame1, 4050, r.top, 800, 285, gothic(9, true), kRight, true));
    rows.push_back(caption(arrayName(u"Label_mm"_s, nextMm++), Frame1, 4905, r.top, mm));
    rows.push_back(box(stem + u"_JG_TXT"_s, Frame1, 5450, r.top, 850, 285, gothic(9, true), kCentre, true));
}

const QString kNotesText =
    u"1）上記の他に、ホイールの取付ボルト本数、P.C.D、リム形状等の条件を合致させる必要があります。\r\n"
    "2) インチアップ（またはインチダウン）を行った結果、条件によっては車高が下がる場合があります。"
    "最低地上高に注意して下さい。\r\n"
    "3）車検を通過するには、メーター誤差が＋15%以下で－10%以上の範囲内にあることが求められます。"_s;

} // namespace

QStringList commentLabelNames(QStringView prefix) {
    const QString p = prefix.toString();
    QStringList names{p + u"_TD_FA_JGCOM_LBL"_s, p + u"_TD_RA_JGCOM_LBL"_s};
    for (const WheelPosition wheel : kAllWheels) {
        names << u"%1_FC_%2_Total_JGCOM_LBL"_s.arg(p, wheelCode(wheel));
    }
    return names;
}

std::vector<ControlSpec> resultWindowControls(QStringView prefixView) {
    const QString prefix = prefixView.toString();
    const auto named = [&prefix](const char16_t* rest) { return prefix + u'_' + str(rest); };
    std::vector<ControlSpec> rows;

    // The blank captions leave gaps in the frames' top edges for the heading pictures.
    ControlSpec frame0 = rect(Frame0, ControlKind::Frame, QString(), 70, 10, 11750, 7500);
    frame0.font = gothic(12);
    frame0.text = QString(13, u' ');
    rows.push_back(frame0);
    ControlSpec frame1 = rect(Frame1, ControlKind::Frame, Frame0, 300, 350, 11150, 6050);
    frame1.font = gothic(11.25);
    frame1.text = QString(12, u' ');
    rows.push_back(frame1);

    // Head of the comparison table.
    rows.push_back(heading(u"Image5"_s, Frame1, 150, 20, 825, 195));
    ControlSpec logo = rect(u"Image1"_s, ControlKind::Image, Frame1, 9520, 180, 1425, 255);
    logo.stretch = true;
    rows.push_back(logo);
    rows.push_back(caption(u"Label_WT_Kumiawase"_s, Frame1, 240, 300,
                           u"◆ 変更前と変更後のホイールおよびタイヤの組み合わせ"_s));

    // The combination rows; their boxes are the only data boxes the user may edit.
    const QString arrow = u"≫"_s;
    const QString after = u"変更後"_s;
    rows.push_back(caption(u"Label3"_s, Frame1, 800, 585, u"前輪 ： 変更前"_s));
    rows.push_back(
        box(named(u"WTF_Kumiawase_Old_TXT"), Frame1, 1950, 550, 3900, 265, gothic(8.25), kCentre, false));
    rows.push_back(caption(arrayName(u"Label_Arrow"_s, 19), Frame1, 6000, 540, arrow));
    rows.push_back(caption(u"Label6"_s, Frame1, 6455, 592, after, gothic(9, true)));
    rows.push_back(box(named(u"WTF_Kumiawase_New_TXT"), Frame1, 7100, 550, 3900, 265, gothic(8.25, true),
                       kCentre, false));
    rows.push_back(caption(u"Label9"_s, Frame1, 800, 885, u"後輪 ： 変更前"_s));
    rows.push_back(
        box(named(u"WTR_Kumiawase_Old_TXT"), Frame1, 1950, 860, 3900, 245, gothic(8.25), kCentre, false));
    rows.push_back(caption(arrayName(u"Label_Arrow"_s, 6), Frame1, 6000, 850, arrow));
    rows.push_back(caption(u"Label8"_s, Frame1, 6455, 892, after, gothic(9, true)));
    rows.push_back(box(named(u"WTR_Kumiawase_New_TXT"), Frame1, 7100, 860, 3900, 245, gothic(8.25, true),
                       kCentre, false));

    rows.push_back(caption(u"Label_Old"_s, Frame1, 2580, 1150, u"【 変更前 】"_s));
    rows.push_back(caption(u"Label_New"_s, Frame1, 3990, 1150, u"【 変更後 】"_s, gothic(9, true)));
    rows.push_back(caption(u"Label_JG"_s, Frame1, 5530, 1150, u"【 判 定 】"_s));
    rows.push_back(caption(u"Label_JGCOM"_s, Frame1, 6450, 1150, u"【 コメント 】"_s));

    // The result table: two diameter rows, then three rows per wheel with the wheel's shift at their left.
    int nextMm = 0;
    for (const TableRow& r : kDiameterRows) {
        addTableRow(rows, prefix, r, kDiameterCaptionDrop, nextMm);
        rows.push_back(comment(named(r.stem) + u"_JGCOM_LBL"_s, r.top, 285));
    }
    for (const WheelBlock& w : Wheels) {
        const QString code = wheelCode(w.wheel);
        const int shiftTop = w.rows[2].top;
        rows.push_back(caption(str(w.shiftCaptionName), Frame1, 230, w.shiftCaptionTop, u"ﾀｲﾔ内側移動量"_s));
        rows.push_back(box(u"%1_FC_%2_ZOUKA_New_TXT"_s.arg(prefix, code), Frame1, 300, shiftTop, 1000, 285,
                           gothic(9, true), kRight, true));
        rows.push_back(caption(arrayName(u"Label_mm"_s, w.shiftMm), Frame1, 1350, shiftTop, u"mm"_s));
        for (const TableRow& r : w.rows) {
            addTableRow(rows, prefix, r, kClearanceCaptionDrop, nextMm);
        }
        rows.push_back(comment(u"%1_FC_%2_Total_JGCOM_LBL"_s.arg(prefix, code), w.rows[0].top, 885));
    }

    // Lies below the frame's bottom edge, so it is never seen; nothing writes it.
    ControlSpec minHeight = rect(u"F5_MinH_JGCOM_LBL"_s, ControlKind::Label, Frame1, 7395, 8340, 3255, 285);
    minHeight.font = FontSpec{8.25, false, u"ＭＳ Ｐゴシック"_s};
    minHeight.singleBorder = true;
    rows.push_back(minHeight);

    // The colour legend.
    struct Swatch {
        const char16_t* name;
        int left;
        Rgb colour;
        int captionIndex;
        QString caption;
    };
    const Swatch swatches[] = {
        {u"Notice_Blue_TXT", 300, ColourAmple, 8, paletteCaptionAmple()},
        {u"Notice_Yellow_TXT", 3300, ColourAdequate, 10, paletteCaptionAdequate()},
        {u"Text4", 6300, ColourCaution, 9, paletteCaptionCaution()},
        {u"Notice_Red_TXT", 9300, ColourNgBack, 11, paletteCaptionNgBack()},
    };
    for (const Swatch& s : swatches) {
        ControlSpec swatch = box(str(s.name), Frame0, s.left, 6480, 850, 285, gothic(8.25),
                                 Qt::AlignLeft | Qt::AlignVCenter, true);
        swatch.back = s.colour;
        rows.push_back(swatch);
        rows.push_back(
            caption(arrayName(u"Label_Vemp"_s, s.captionIndex), Frame0, s.left + 900, 6525, s.caption));
    }

    // The bottom strip.
    rows.push_back(rect(u"Image4"_s, ControlKind::Image, Frame0, 300, 6870, 4680, 540));
    ControlSpec back = rect(named(u"Command2"), ControlKind::CommandButton, Frame0, 5650, 6950, 1500, 350);
    back.font = gothic(9.75);
    back.text = u"入力モードに戻る"_s;
    rows.push_back(back);
    rows.push_back(caption(u"Label54"_s, Frame0, 7400, 6960, u"総合判定"_s, gothic(12.75, true)));
    rows.push_back(
        box(named(u"RESULT_TXT"), Frame0, 8550, 6880, 1200, 450, gothic(14.25, true), kCentre, false));
    ControlSpec ok = rect(named(u"Command1"), ControlKind::CommandButton, Frame0, 9950, 6880, 1500, 450);
    ok.font = gothic(11.25, true);
    ok.text = u"O K"_s;
    rows.push_back(ok);

    // The heading in the gap of Frame0's top edge.
    rows.push_back(heading(u"Image9"_s, Frame0, 150, 0, 930, 225));

    // The notes frame lies beyond Frame0's right edge: neither it nor its boxes can be seen.
    ControlSpec frame2 = rect(Frame2, ControlKind::Frame, Frame0, 12120, 360, 3360, 6330);
    frame2.font = gothic(9.75);
    frame2.text = u"その他コメント"_s;
    rows.push_back(frame2);
    ControlSpec text1 = rect(u"Text1"_s, ControlKind::MemoBox, Frame2, 240, 360, 3015, 855);
    text1.font = gothic(9);
    text1.text = kNotesText;
    rows.push_back(text1);
    for (const auto& [name, top, height] :
         {std::tuple{u"Text2", 1755, 660}, std::tuple{u"Text3", 2520, 900}}) {
        ControlSpec memo = rect(str(name), ControlKind::MemoBox, Frame2, 240, top, 3000, height);
        memo.font = gothic(9);
        memo.borderless = true;
        memo.back = Rgb{255, 192, 192};
        rows.push_back(memo);
    }
    return rows;
}

WindowSpec resultWindowSpec(QStringView prefixView) {
    const QString prefix = prefixView.toString();
    WindowSpec desc;
    desc.clientWidth = 11820;
    desc.clientHeight = 7755;
    desc.style = WindowStyle::Main;
    desc.statusBar = StatusBarSpec{u"Mode : Kavor Lintep 2005 Analytical Result Mode"_s, 8610};
    desc.defaultButton = prefix + u"_Command1"_s;

    const auto item = [](const char* name, const QString& caption, QKeySequence shortcut = {}) {
        return MenuItemSpec{QString::fromLatin1(name), caption, shortcut};
    };
    const QString separator = u"-"_s;
    desc.menus = {
        MenuSpec{u"mnuFile"_s,
                 u"ﾌｧｲﾙ(&F)"_s,
                 {item("mnuFileSave", u"解析結果の保存(&S)..."_s, QKeySequence(Qt::CTRL | Qt::Key_S)),
                  item("mnuFileBar0", separator), item("mnuInputMode", u"入力モードに戻る(&B)"_s),
                  item("mnuFileClose", u"トップメニューへ戻る(&C)"_s), item("mnuFileBar1", separator),
                  item("mnuFilePrint", u"印刷(&P)..."_s, QKeySequence(Qt::CTRL | Qt::Key_P)),
                  item("mnuFileBar2", separator), item("mnuFileExit", u"終了(&X)"_s)}},
        MenuSpec{u"mnuHelp"_s,
                 u"ﾍﾙﾌﾟ(&H)"_s,
                 {item("mnuHelpContents", u"Kavor Lintep 2005 ヘルプ(&H)"_s, QKeySequence(Qt::Key_F1)),
                  item("mnuCustomizing", u"ショップにてご利用のユーザー様へ(&U)"_s),
                  item("mnuHelpBar3", separator), item("mnuInformation", u"Tolvane製品のご案内(&I)"_s),
                  item("mnuUserRegistration", u"ユーザー登録について(&R)"_s), item("mnuFileBar5", separator),
                  item("mnuHelpAbout", u"ﾊﾞｰｼﾞｮﾝ情報(&A)"_s)}},
    };

    // "O K" first, so it holds the focus when the window is shown.
    QStringList& tab = desc.tabOrder;
    tab << prefix + u"_Command1"_s;
    for (const QString& stem :
         {u"WTF_Kumiawase_Old"_s, u"WTF_Kumiawase_New"_s, u"WTR_Kumiawase_Old"_s, u"WTR_Kumiawase_New"_s}) {
        tab << u"%1_%2_TXT"_s.arg(prefix, stem);
    }
    const QStringList states{u"Old"_s, u"New"_s, u"JG"_s};
    for (const TableRow& r : kDiameterRows) {
        for (const QString& state : states) {
            tab << u"%1_%2_%3_TXT"_s.arg(prefix, str(r.stem), state);
        }
    }
    for (const WheelBlock& w : Wheels) {
        tab << u"%1_FC_%2_ZOUKA_New_TXT"_s.arg(prefix, wheelCode(w.wheel));
        for (const TableRow& r : w.rows) {
            for (const QString& state : states) {
                tab << u"%1_%2_%3_TXT"_s.arg(prefix, str(r.stem), state);
            }
        }
    }
    tab << prefix + u"_RESULT_TXT"_s << prefix + u"_Command2"_s << u"Notice_Blue_TXT"_s
        << u"Notice_Yellow_TXT"_s << u"Text4"_s << u"Notice_Red_TXT"_s << u"Text1"_s << u"Text2"_s
        << u"Text3"_s;
    return desc;
}

} // namespace kl
