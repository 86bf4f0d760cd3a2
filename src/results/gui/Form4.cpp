#include "Form4.h"

#include <tuple>
#include <vector>

#include <QPalette>
#include <QPlainTextEdit>
#include <QStringList>

#include "platform/Controls.h"

namespace kl {
namespace {

struct BoxStyle {
    double pointSize;
    bool bold;
    Qt::Alignment alignment;
    bool locked;
    int width;
    int height;
};

constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignCenter;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;

constexpr BoxStyle BeforeBox{9, false, Right, true, 800, 285};
constexpr BoxStyle AfterBox{9, true, Right, true, 800, 285};
constexpr BoxStyle GradeBox{9, true, Centre, true, 850, 285};
constexpr BoxStyle ShiftBox{9, true, Right, true, 1000, 285};
constexpr BoxStyle SwatchBox{8.25, false, Left, true, 850, 285};
constexpr BoxStyle VerdictBox{14.25, true, Centre, false, 1200, 450};

constexpr Rgb Black{0, 0, 0};
constexpr Rgb NotesPink{255, 192, 192};

TextBox* makeBox(QWidget* parent, const QString& name, int left, int top, const BoxStyle& s) {
    auto* b = new TextBox(parent, name);
    b->setFont(uiGothic(s.pointSize, s.bold));
    b->setAlignment(s.alignment);
    b->setLocked(s.locked);
    placeTwips(b, left, top, s.width, s.height);
    return b;
}

// A static caption: transparent, black and as large as its text.
Label* makeCaption(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                   double pointSize = 9, bool bold = false) {
    auto* l = new Label(parent, name, caption);
    l->setFont(uiGothic(pointSize, bold));
    l->setForeColor(Black);
    l->adjustSize();
    moveTwips(l, left, top);
    return l;
}

// A comment label. Its colours are set through the palette only, so that ForeColor stays unwritten
// until a judgement writes it.
Label* makeComment(QWidget* parent, const QString& name, int left, int top, int height) {
    auto* l = new Label(parent, name);
    QFont font = uiGothic(9);
    // The comments break their lines for a narrower Gothic than the one we substitute; set 5 % narrower,
    // every comment keeps to the four lines its label has room for instead of losing its end.
    font.setStretch(95);
    l->setFont(font);
    l->setSingleBorder();
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Text starts right inside the border, as the comment texts expect; a framed QLabel would indent it.
    l->setIndent(0);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    p.setColor(QPalette::WindowText, p.color(QPalette::ButtonText));
    l->setPalette(p);
    l->setAutoFillBackground(true);
    placeTwips(l, left, top, 4650, height);
    return l;
}

QPlainTextEdit* makeMemo(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setFont(uiGothic(9));
    // Tab moves on through the window rather than typing a tab.
    m->setTabChangesFocus(true);
    placeTwips(m, left, top, width, height);
    return m;
}

QString mmName(int index) {
    return QStringLiteral("Label_mm_%1").arg(index);
}
QString arrowName(int index) {
    return QStringLiteral("Label_Arrow_%1").arg(index);
}

struct TableRow {
    int top;
    const char16_t* stem; // the row's box names without "_Old_TXT", "_New_TXT", "_JG_TXT"
    const char16_t* captionName;
    const char16_t* caption;
    int captionLeft;
    int arrow;
};

struct Wheel {
    const char16_t* code;
    const char16_t* shiftCaptionName;
    int shiftCaptionTop;
    int shiftMm;
    TableRow rows[3]; // pull-in, upper, fore-aft
};

constexpr TableRow DiameterRows[] = {
    {1360, u"F4_TD_FA", u"Label0", u"タイヤ外径：前輪", 1300, 10},
    {1660, u"F4_TD_RA", u"Label1", u"後輪", 2180, 11},
};

constexpr Wheel Wheels[] = {
    {u"FL",
     u"Label18",
     2445,
     29,
     {{2080, u"F4_FC_FL_Hikikomi", u"Label10", u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（左）：引込", 120, 12},
      {2380, u"F4_FC_FL_Joubu", u"Label11", u"（左）：上部", 1730, 13},
      {2680, u"F4_FC_FL_Zengo", u"Label4", u"（左）：前後", 1730, 3}}},
    {u"FR",
     u"Label19",
     3435,
     28,
     {{3080, u"F4_FC_FR_Hikikomi", u"Label2", u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（右）：引込", 130, 2},
      {3380, u"F4_FC_FR_Joubu", u"Label12", u"（右）：上部", 1730, 14},
      {3680, u"F4_FC_FR_Zengo", u"Label13", u"（右）：前後", 1730, 15}}},
    {u"RL",
     u"Label20",
     4440,
     30,
     {{4080, u"F4_FC_RL_Hikikomi", u"Label7", u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（左）：引込", 130, 5},
      {4380, u"F4_FC_RL_Joubu", u"Label5", u"（左）：上部", 1730, 4},
      {4680, u"F4_FC_RL_Zengo", u"Label14", u"（左）：前後", 1730, 16}}},
    {u"RR",
     u"Label21",
     5445,
     31,
     {{5080, u"F4_FC_RR_Hikikomi", u"Label15", u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（右）：引込", 130, 17},
      {5380, u"F4_FC_RR_Joubu", u"Label16", u"（右）：上部", 1730, 1},
      {5680, u"F4_FC_RR_Zengo", u"Label17", u"（右）：前後", 1730, 0}}},
};

constexpr int DiameterCaptionDrop = 80;
constexpr int ClearanceCaptionDrop = 60;

// One row of the result table; its unit labels take the next two free "mm" indexes.
void addTableRow(QWidget* frame, const TableRow& row, int captionDrop, int& nextMm,
                 std::vector<QWidget*>& tabOrder) {
    const QString stem = QString::fromUtf16(row.stem);
    makeCaption(frame, QString::fromUtf16(row.captionName), QString::fromUtf16(row.caption), row.captionLeft,
                row.top + captionDrop);
    tabOrder.push_back(makeBox(frame, stem + QStringLiteral("_Old_TXT"), 2590, row.top, BeforeBox));
    makeCaption(frame, mmName(nextMm++), QStringLiteral("mm"), 3445, row.top);
    makeCaption(frame, arrowName(row.arrow), QStringLiteral("≫"), 3780, row.top, 11.25);
    tabOrder.push_back(makeBox(frame, stem + QStringLiteral("_New_TXT"), 4050, row.top, AfterBox));
    makeCaption(frame, mmName(nextMm++), QStringLiteral("mm"), 4905, row.top);
    tabOrder.push_back(makeBox(frame, stem + QStringLiteral("_JG_TXT"), 5450, row.top, GradeBox));
}

} // namespace

Form4::Form4(AppContext& context) : Form(context) {
    setObjectName(QStringLiteral("Form4"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twips(11820), twips(7755));
    centreOnScreen();

    std::vector<QWidget*> tabOrder;

    // The blank captions keep room at the top of both frames for the heading pictures.
    auto* frame0 = new Frame(this, QStringLiteral("Frame0"), QString(13, u' '));
    frame0->setFont(uiGothic(12));
    placeTwips(frame0, 70, 10, 11750, 7500);
    auto* frame1 = new Frame(frame0, QStringLiteral("Frame1"), QString(12, u' '));
    frame1->setFont(uiGothic(11.25));
    placeTwips(frame1, 300, 350, 11150, 6050);

    auto* ok = new CommandButton(frame0, QStringLiteral("F4_Command1"), QStringLiteral("O K"));
    ok->setFont(uiGothic(11.25, true));
    ok->setDefault(true);
    placeTwips(ok, 9950, 6880, 1500, 450);
    tabOrder.push_back(ok);

    makeCaption(frame1, QStringLiteral("Label_WT_Kumiawase"),
                QStringLiteral("◆ 変更前と変更後のホイールおよびタイヤの組み合わせ"), 240, 300);

    const BoxStyle frontOld{8.25, false, Centre, false, 3900, 265};
    const BoxStyle frontNew{8.25, true, Centre, false, 3900, 265};
    const BoxStyle rearOld{8.25, false, Centre, false, 3900, 245};
    const BoxStyle rearNew{8.25, true, Centre, false, 3900, 245};
    makeCaption(frame1, QStringLiteral("Label3"), QStringLiteral("前輪 ： 変更前"), 800, 585);
    tabOrder.push_back(makeBox(frame1, QStringLiteral("F4_WTF_Kumiawase_Old_TXT"), 1950, 550, frontOld));
    makeCaption(frame1, arrowName(19), QStringLiteral("≫"), 6000, 540);
    makeCaption(frame1, QStringLiteral("Label6"), QStringLiteral("変更後"), 6455, 592, 9, true);
    tabOrder.push_back(makeBox(frame1, QStringLiteral("F4_WTF_Kumiawase_New_TXT"), 7100, 550, frontNew));
    makeCaption(frame1, QStringLiteral("Label9"), QStringLiteral("後輪 ： 変更前"), 800, 885);
    tabOrder.push_back(makeBox(frame1, QStringLiteral("F4_WTR_Kumiawase_Old_TXT"), 1950, 860, rearOld));
    makeCaption(frame1, arrowName(6), QStringLiteral("≫"), 6000, 850);
    makeCaption(frame1, QStringLiteral("Label8"), QStringLiteral("変更後"), 6455, 892, 9, true);
    tabOrder.push_back(makeBox(frame1, QStringLiteral("F4_WTR_Kumiawase_New_TXT"), 7100, 860, rearNew));

    makeCaption(frame1, QStringLiteral("Label_Old"), QStringLiteral("【 変更前 】"), 2580, 1150);
    makeCaption(frame1, QStringLiteral("Label_New"), QStringLiteral("【 変更後 】"), 3990, 1150, 9, true);
    makeCaption(frame1, QStringLiteral("Label_JG"), QStringLiteral("【 判 定 】"), 5530, 1150);
    makeCaption(frame1, QStringLiteral("Label_JGCOM"), QStringLiteral("【 コメント 】"), 6450, 1150);

    int nextMm = 0;
    for (const TableRow& row : DiameterRows) {
        addTableRow(frame1, row, DiameterCaptionDrop, nextMm, tabOrder);
        makeComment(frame1, QString::fromUtf16(row.stem) + QStringLiteral("_JGCOM_LBL"), 6350, row.top, 285);
    }
    for (const Wheel& wheel : Wheels) {
        const QString code = QString::fromUtf16(wheel.code);
        const int shiftTop = wheel.rows[2].top;
        makeCaption(frame1, QString::fromUtf16(wheel.shiftCaptionName), QStringLiteral("ﾀｲﾔ内側移動量"), 230,
                    wheel.shiftCaptionTop);
        tabOrder.push_back(
            makeBox(frame1, QStringLiteral("F4_FC_%1_ZOUKA_New_TXT").arg(code), 300, shiftTop, ShiftBox));
        makeCaption(frame1, mmName(wheel.shiftMm), QStringLiteral("mm"), 1350, shiftTop);
        for (const TableRow& row : wheel.rows) {
            addTableRow(frame1, row, ClearanceCaptionDrop, nextMm, tabOrder);
        }
        makeComment(frame1, QStringLiteral("F4_FC_%1_Total_JGCOM_LBL").arg(code), 6350, wheel.rows[0].top,
                    885);
    }

    // Lies below the frame's bottom edge, so it is never seen; nothing writes it.
    auto* minHeight = new Label(frame1, QStringLiteral("F5_MinH_JGCOM_LBL"));
    QFont pGothic(QStringLiteral("ＭＳ Ｐゴシック"));
    pGothic.setPointSizeF(8.25);
    minHeight->setFont(pGothic);
    minHeight->setSingleBorder();
    placeTwips(minHeight, 7395, 8340, 3255, 285);

    auto* back = new CommandButton(frame0, QStringLiteral("F4_Command2"), QStringLiteral("入力モードに戻る"));
    back->setFont(uiGothic(9.75));
    // Enter on this button runs it, not "O K".
    back->setAutoDefault(true);
    placeTwips(back, 5650, 6950, 1500, 350);
    makeCaption(frame0, QStringLiteral("Label54"), QStringLiteral("総合判定"), 7400, 6960, 12.75, true);
    auto* verdict = makeBox(frame0, QStringLiteral("F4_RESULT_TXT"), 8550, 6880, VerdictBox);
    tabOrder.push_back(verdict);
    tabOrder.push_back(back);

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
        TextBox* box = makeBox(frame0, QString::fromUtf16(s.name), s.left, 6480, SwatchBox);
        box->setBackColor(s.colour);
        tabOrder.push_back(box);
        makeCaption(frame0, QStringLiteral("Label_Vemp_%1").arg(s.captionIndex), s.caption, s.left + 900,
                    6525);
    }

    // Beyond Frame0's right edge, so neither the frame nor its boxes can be seen.
    auto* frame2 = new Frame(frame0, QStringLiteral("Frame2"), QStringLiteral("その他コメント"));
    frame2->setFont(uiGothic(9.75));
    placeTwips(frame2, 12120, 360, 3360, 6330);
    QPlainTextEdit* notes = makeMemo(frame2, QStringLiteral("Text1"), 240, 360, 3015, 855);
    notes->setPlainText(QStringList{
        QStringLiteral(
            "1）上記の他に、ホイールの取付ボルト本数、P.C.D、リム形状等の条件を合致させる必要があります。"),
        QStringLiteral(
            "2) インチアップ（またはインチダウン）を行った結果、条件によっては車高が下がる場合があります。"
            "最低地上高に注意して下さい。"),
        QStringLiteral(
            "3）車検を通過するには、メーター誤差が＋15%以下で－10%以上の範囲内にあることが求められます。")}
                            .join(QStringLiteral("\r\n")));
    tabOrder.push_back(notes);
    for (const auto& [name, top, height] :
         {std::tuple{u"Text2", 1755, 660}, std::tuple{u"Text3", 2520, 900}}) {
        QPlainTextEdit* memo = makeMemo(frame2, QString::fromUtf16(name), 240, top, 3000, height);
        memo->setFrameShape(QFrame::NoFrame);
        QPalette p = memo->palette();
        p.setColor(QPalette::Base, NotesPink.toColor());
        memo->setPalette(p);
        tabOrder.push_back(memo);
    }

    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    // The window is no dialog, so its default button has to be pressed by hand from the boxes.
    for (TextBox* box : findChildren<TextBox*>()) {
        connect(box, &QLineEdit::returnPressed, ok, &QAbstractButton::click);
    }
}

void Form4::Form_Load() {
    setWindowTitle(QStringLiteral("Kavor Lintep 2005 Zelmarovinth - 解析結果モード"));
    HelpFilePath = context().helpFilePath();
}

} // namespace kl
