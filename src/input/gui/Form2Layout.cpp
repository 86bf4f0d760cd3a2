#include "Form2Layout.h"

#include <array>

#include <QKeySequence>

#include "common/Concat.h"
#include "common/WheelTypes.h"
#include "platform/Controls.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

using K = ControlKind;

QString blanks(int n) {
    return QString(n, u' ');
}

// One wheel and tyre frame; the four share their inner layout.
struct WheelFrame {
    QStringView frame;
    QStringView container;
    int left;
    int top;
    int height;
    int captionSpaces;
    double captionPoints;
    QStringView heading; // the picture in the gap of the frame's top edge
    QStringView state;   // 変更前 / 変更後, as the tooltips start
    QStringView axle;    // 前輪 / 後輪
    std::array<QStringView, 6> inputs;
    std::array<QStringView, 5> labels;
    QStringView sameAsFront; // empty for the front frames
};

constexpr std::array<WheelFrame, 4> kWheelFrames{{
    {u"Frame1",
     u"Frame1_Main",
     300,
     350,
     2120,
     14,
     11.25,
     form2::kTyreHeadingImages[0],
     u"変更前",
     u"前輪",
     form2::kSizeInputs[0],
     {u"Label1", u"Label6", u"Label25", u"Label3", u"Label4"},
     {}},
    {u"Frame2",
     u"Frame1_Main",
     4550,
     350,
     2120,
     18,
     11.25,
     form2::kTyreHeadingImages[1],
     u"変更前",
     u"後輪",
     form2::kSizeInputs[1],
     {u"Label5", u"Label9", u"Label14", u"Label7", u"Label8"},
     form2::kSameAsFrontBoxes[0]},
    {u"Frame3",
     u"Frame2_Main",
     300,
     380,
     2150,
     14,
     12,
     form2::kTyreHeadingImages[2],
     u"変更後",
     u"前輪",
     form2::kSizeInputs[2],
     {u"Label11", u"Label19", u"Label20", u"Label12", u"Label15"},
     {}},
    {u"Frame4",
     u"Frame2_Main",
     4550,
     380,
     2150,
     18,
     11.25,
     form2::kTyreHeadingImages[3],
     u"変更後",
     u"後輪",
     form2::kSizeInputs[3],
     {u"Label2", u"Label16", u"Label17", u"Label10", u"LabelS8"},
     form2::kSameAsFrontBoxes[1]},
}};

struct WheelRow {
    int inputTop;
    int labelLeft;
    int labelTop;
    QStringView caption;
    QStringView tip; // after "変更前の前輪" and the like
};

constexpr std::array<WheelRow, 5> kWheelRows{{
    {350, 530, 405, u"ホイールリム径（inch）", u"ホイールリム径を選択して下さい"},
    {665, 530, 720, u"ホイールリム幅（inch）", u"ホイールリム幅を選択して下さい"},
    {980, 360, 1035, u"ホイールオフセット（mm）", u"ホイールオフセット方向を選択して下さい"},
    {1355, 200, 1410, u"タイヤ断面幅サイズ（mm）", u"タイヤ断面幅サイズを選択して下さい"},
    {1670, 810, 1725, u"タイヤ扁平率（%）", u"タイヤ扁平率を選択して下さい"},
}};

constexpr int kInputLeft = 2100;
constexpr int kInputHeight = 300;
constexpr int kListWidth = 1700;

const QString kSameAsFrontTip =
    u"後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 入力が省略でき便利です。"_s;

ControlSpec frame(QStringView name, QStringView container, int left, int top, int width, int height,
                  FontSpec font, const QString& caption) {
    return {.name = name.toString(),
            .kind = K::Frame,
            .container = container.toString(),
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .font = font,
            .text = caption};
}

ControlSpec image(QStringView name, QStringView container, int left, int top, int width, int height,
                  bool stretch = false) {
    return {.name = name.toString(),
            .kind = K::Image,
            .container = container.toString(),
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .stretch = stretch};
}

// A frame's heading picture, in the gap of the frame's top edge.
ControlSpec heading(QStringView name, QStringView frame, int left, int top, int width, int height) {
    ControlSpec row = image(name, frame, left, top, width, height);
    row.heading = true;
    return row;
}

// A caption sized to its text, transparent and black.
ControlSpec label(QStringView name, QStringView container, int left, int top, const QString& caption) {
    return {.name = name.toString(),
            .kind = K::Label,
            .container = container.toString(),
            .left = left,
            .top = top,
            .font = gothic(9),
            .text = caption};
}

ControlSpec list(QStringView name, QStringView container, int left, int top, int width, const QString& tip) {
    return {.name = name.toString(),
            .kind = K::ComboBox,
            .container = container.toString(),
            .left = left,
            .top = top,
            .width = width,
            .height = kInputHeight,
            .font = gothic(9, true),
            .back = systemWindowColour(),
            .toolTip = tip};
}

ControlSpec typedBox(QStringView name, QStringView container, int left, int top, int width,
                     const QString& tip) {
    return {.name = name.toString(),
            .kind = K::TextBox,
            .container = container.toString(),
            .left = left,
            .top = top,
            .width = width,
            .height = kInputHeight,
            .font = gothic(9, true),
            .alignment = Qt::AlignCenter,
            .back = systemWindowColour(),
            .toolTip = tip,
            .maxLength = 4};
}

ControlSpec button(QStringView name, QStringView caption, int left, int top, int width, int height,
                   FontSpec font) {
    return {.name = name.toString(),
            .kind = K::CommandButton,
            .container = u"Frame2_Main"_s,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .font = font,
            .text = caption.toString()};
}

void addWheelFrame(std::vector<ControlSpec>& rows, const WheelFrame& f) {
    rows.push_back(frame(f.frame, f.container, f.left, f.top, 4100, f.height, gothic(f.captionPoints),
                         blanks(f.captionSpaces)));
    rows.push_back(heading(f.heading, f.frame, 150, 20, 1020, 195));
    for (std::size_t r = 0; r < kWheelRows.size(); ++r) {
        const WheelRow& row = kWheelRows[r];
        // The first caption of the old front frame stands 5 twips left of its peers.
        const int left = (f.frame == u"Frame1" && r == 0) ? 525 : row.labelLeft;
        rows.push_back(label(f.labels[r], f.frame, left, row.labelTop, row.caption.toString()));
    }
    const auto tip = [&](QStringView what) { return cat({f.state, u"の", f.axle, what}); };
    rows.push_back(
        list(f.inputs[0], f.frame, kInputLeft, kWheelRows[0].inputTop, kListWidth, tip(kWheelRows[0].tip)));
    rows.push_back(
        list(f.inputs[1], f.frame, kInputLeft, kWheelRows[1].inputTop, kListWidth, tip(kWheelRows[1].tip)));
    rows.push_back(
        list(f.inputs[2], f.frame, kInputLeft, kWheelRows[2].inputTop, 550, tip(kWheelRows[2].tip)));
    rows.push_back(typedBox(f.inputs[3], f.frame, 2730, kWheelRows[2].inputTop, 1070,
                            tip(u"ホイールオフセット量を直接入力して下さい")));
    rows.push_back(
        list(f.inputs[4], f.frame, kInputLeft, kWheelRows[3].inputTop, kListWidth, tip(kWheelRows[3].tip)));
    rows.push_back(
        list(f.inputs[5], f.frame, kInputLeft, kWheelRows[4].inputTop, kListWidth, tip(kWheelRows[4].tip)));
    if (!f.sameAsFront.isEmpty()) {
        rows.push_back({.name = f.sameAsFront.toString(),
                        .kind = K::CheckBox,
                        .container = f.frame.toString(),
                        .left = 1300,
                        .top = 0,
                        .width = 1700,
                        .height = 255,
                        .font = gothic(9),
                        .text = u"前輪ホイールと同じ"_s,
                        .toolTip = kSameAsFrontTip});
    }
}

// The fender clearances of one axle: left wheel column, then right; rows pull-in, upper, fore-aft.
struct ClearanceFrame {
    QStringView frame;
    int left;
    QStringView caption;
    QStringView axle;
    std::array<WheelPosition, 2> wheels; // left, right
    std::array<QStringView, 6> labels;
};

constexpr std::array<ClearanceFrame, 2> kClearanceFrames{{
    {u"Frame7",
     300,
     u"前輪フェンダークリアランス（mm）",
     u"前輪",
     {WheelPosition::FL, WheelPosition::FR},
     {u"Label21", u"Label31", u"Label30", u"Label26", u"Label29", u"Label28"}},
    {u"Frame6",
     4550,
     u"後輪フェンダークリアランス（mm）",
     u"後輪",
     {WheelPosition::RL, WheelPosition::RR},
     {u"Label27", u"Label13", u"Label18", u"Label24", u"Label22", u"Label23"}},
}};

void addClearanceFrame(std::vector<ControlSpec>& rows, const ClearanceFrame& f) {
    // These two have the window's own font, not the heading font of their container.
    rows.push_back(frame(f.frame, u"Frame1_Main", f.left, 2540, 4100, 1280, gothic(9), f.caption.toString()));
    constexpr std::array<QStringView, 3> kindWords{u"引込", u"上部", u"前後"};
    constexpr std::array<int, 2> boxLeft{1135, 3000};
    constexpr std::array<int, 3> boxTop{260, 575, 890};
    constexpr std::array<int, 3> labelTop{320, 635, 950};
    for (std::size_t side = 0; side < 2; ++side) {
        const QStringView sideWord = side == 0 ? u"左" : u"右";
        for (std::size_t k = 0; k < 3; ++k) {
            const QString caption = k == 0 ? cat({sideWord, u" ： 引込"}) : kindWords[k].toString();
            const int labelLeft = k == 0 ? (side == 0 ? 340 : 2205) : (side == 0 ? 745 : 2610);
            rows.push_back(label(f.labels[side * 3 + k], f.frame, labelLeft, labelTop[k], caption));
        }
        for (std::size_t k = 0; k < 3; ++k) {
            rows.push_back(typedBox(form2::kClearanceInputs[indexOf(f.wheels[side])][k], f.frame,
                                    boxLeft[side], boxTop[k], 800,
                                    cat({u"変更前の", f.axle, sideWord, u"フェンダークリアランス",
                                         kindWords[k], u"量を直接入力して下さい"})));
        }
    }
}

MenuItemSpec item(QStringView name, QStringView caption, QKeySequence shortcut = {}) {
    return {name.toString(), caption.toString(), shortcut};
}

} // namespace

WindowSpec form2Window() {
    WindowSpec w;
    w.clientWidth = 11820;
    w.clientHeight = 7785;
    w.menus = {
        {u"mnuFile"_s,
         u"ﾌｧｲﾙ(&F)"_s,
         {item(form2::kFileOpenItem, u"Input Data 読込み(&O)...", QKeySequence(Qt::CTRL | Qt::Key_O)),
          item(form2::kFileSaveItem, u"現入力データ保存(&S)...", QKeySequence(Qt::CTRL | Qt::Key_S)),
          item(u"mnuFileBar0", u"-"), item(form2::kDataClearItem, u"データクリア(&D)"),
          item(u"mnuFileClose", u"トップメニューへ戻る(&C)"), item(u"mnuFileBar1", u"-"),
          item(u"mnuFilePrint", u"印刷(&P)...", QKeySequence(Qt::CTRL | Qt::Key_P)),
          item(u"mnuFileBar2", u"-"), item(u"mnuFileExit", u"終了(&X)")}},
        {u"mnuSetting"_s,
         u"設定(&S)"_s,
         {item(form2::kSameAsFrontItems[0], u"《変更前》 前輪ﾎｲｰﾙと同じ項目の有効/無効(&E)"),
          item(form2::kSameAsFrontItems[1], u"【変更後】 前輪ﾎｲｰﾙと同じ項目の有効/無効(&F)")}},
        {u"mnuHelp"_s,
         u"ﾍﾙﾌﾟ(&H)"_s,
         {item(u"mnuHelpContents", u"Kavor Lintep 2005 ヘルプ(&H)", QKeySequence(Qt::Key_F1)),
          item(u"mnuCustomizing", u"ショップにてご利用のユーザー様へ(&U)"), item(u"mnuFileBar4", u"-"),
          item(u"mnuInformation", u"Tolvane製品のご案内(&I)"),
          item(u"mnuUserRegistration", u"ユーザー登録について(&R)"), item(u"mnuFileBar6", u"-"),
          item(u"mnuHelpAbout", u"ﾊﾞｰｼﾞｮﾝ情報(&A)")}},
    };
    w.statusBar = StatusBarSpec{u"Mode : Kavor Lintep 2005 Input Mode"_s, 0, 2540, 2540};
    w.defaultButton = form2::kOkButton.toString();
    const auto names = [](const auto& views) {
        QStringList list;
        for (QStringView v : views) {
            list.append(v.toString());
        }
        return list;
    };
    const auto clearances = [&names](WheelPosition left, WheelPosition right) {
        return names(form2::kClearanceInputs[indexOf(left)]) + names(form2::kClearanceInputs[indexOf(right)]);
    };
    const auto& inputs = form2::kSizeInputs;
    const auto& same = form2::kSameAsFrontBoxes;
    // Old front, front clearances, old rear, rear clearances, new front, new rear, the buttons.
    w.tabOrder = names(inputs[0]) + clearances(WheelPosition::FL, WheelPosition::FR) +
                 QStringList{same[0].toString()} + names(inputs[1]) +
                 clearances(WheelPosition::RL, WheelPosition::RR) + names(inputs[2]) +
                 QStringList{same[1].toString()} + names(inputs[3]) +
                 names(std::array{form2::kOkButton, form2::kClearButton, form2::kTopMenuButton});
    return w;
}

std::vector<ControlSpec> form2Controls() {
    std::vector<ControlSpec> rows;

    rows.push_back(frame(u"Frame1_Main", u"", 100, 10, 8950, 3930, gothic(11.25, true), blanks(21)));
    rows.push_back(heading(form2::kBeforeHeadingImage, u"Frame1_Main", 150, 0, 1875, 225));
    addWheelFrame(rows, kWheelFrames[0]);
    addWheelFrame(rows, kWheelFrames[1]);
    addClearanceFrame(rows, kClearanceFrames[0]);
    addClearanceFrame(rows, kClearanceFrames[1]);

    rows.push_back(frame(u"Frame2_Main", u"", 100, 4020, 8950, 3500, gothic(11.25, true), blanks(21)));
    rows.push_back(heading(form2::kAfterHeadingImage, u"Frame2_Main", 150, 0, 1875, 225));
    addWheelFrame(rows, kWheelFrames[2]);
    addWheelFrame(rows, kWheelFrames[3]);
    rows.push_back(button(form2::kOkButton, u"O K", 7150, 2790, 1500, 450, gothic(11.25, true)));
    rows.push_back(button(form2::kClearButton, u"データクリア", 5400, 2700, 1500, 250, gothic(9.75)));
    rows.push_back(button(form2::kTopMenuButton, u"トップメニュー", 5400, 3050, 1500, 250, gothic(9.75)));
    rows.push_back(image(form2::kBannerImage, u"Frame2_Main", 270, 2800, 4680, 540));

    // The help panel. Its figures lie under the text, which has no background of its own.
    rows.push_back(frame(u"Frame5", u"", 9240, 10, 2540, 7500, gothic(11.25, true), blanks(6)));
    rows.push_back(heading(form2::kHelpHeadingImage, u"Frame5", 150, 0, 540, 210));
    rows.push_back(image(form2::kFigureImage, u"Frame5", 130, 2500, 2280, 2865));
    rows.push_back(image(form2::kWheelMarkingImage, u"Frame5", 107, 5400, 2325, 375));
    rows.push_back(image(form2::kTyreMarkingImage, u"Frame5", 130, 6200, 2250, 525));
    rows.push_back(image(form2::kLogoImage, u"Frame5", 210, 7050, 2085, 375, true));
    // The help texts leave blank lines where the figures go, counted for the original Gothic's 13-pixel
    // line pitch at 9.75 pt. The substitute Gothic takes 14 pixels a line at that size and would push the
    // figure captions out of the panel; at 9 pt its pitch is 13 pixels again, and every text keeps its
    // lines where the figures leave room.
    rows.push_back({.name = form2::kHelpText.toString(),
                    .kind = K::Label,
                    .container = u"Frame5"_s,
                    .left = 105,
                    .top = 360,
                    .width = 2340,
                    .height = 6675,
                    .font = gothic(9),
                    .text = u"項目の選択またはクリックすることによって、ここに解説が自動的に表示されます。"_s,
                    .wordWrap = true});
    return rows;
}

} // namespace kl
