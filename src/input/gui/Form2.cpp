#include "Form2.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStringList>
#include <QStringView>

#include "analysis/gui/AnalyseFitment.h"
#include "common/NumberText.h"
#include "common/WheelTypes.h"

namespace kl {

namespace {

// Names of one wheel and tyre frame, in row order; the offset box shares row 3 with the direction.
struct WheelFrameLayout {
    QStringView frame;
    int left;
    int top;
    int height;
    int captionSpaces;
    double fontPoints;
    QStringView state; // 変更前 / 変更後, as the tooltips start
    QStringView axle;  // 前輪 / 後輪
    std::array<QStringView, 6> inputs;
    std::array<QStringView, 5> labels;
    QStringView sameAsFront; // empty for the front frames
};

// Old front, old rear, new front, new rear: the order of m_wheels.
constexpr std::array<WheelFrameLayout, 4> kWheelFrames{{
    {u"Frame1",
     300,
     350,
     2120,
     14,
     11.25,
     u"変更前",
     u"前輪",
     {u"Combo11", u"Combo12", u"Combo1", u"Text13", u"Combo14", u"Combo15"},
     {u"Label1", u"Label6", u"Label25", u"Label3", u"Label4"},
     {}},
    {u"Frame2",
     4550,
     350,
     2120,
     18,
     11.25,
     u"変更前",
     u"後輪",
     {u"Combo16", u"Combo17", u"Combo2", u"Text18", u"Combo19", u"Combo20"},
     {u"Label5", u"Label9", u"Label14", u"Label7", u"Label8"},
     u"Check1"},
    {u"Frame3",
     300,
     380,
     2150,
     14,
     12.0,
     u"変更後",
     u"前輪",
     {u"Combo21", u"Combo22", u"Combo3", u"Text23", u"Combo24", u"Combo25"},
     {u"Label11", u"Label19", u"Label20", u"Label12", u"Label15"},
     {}},
    {u"Frame4",
     4550,
     380,
     2150,
     18,
     11.25,
     u"変更後",
     u"後輪",
     {u"Combo26", u"Combo27", u"Combo4", u"Text28", u"Combo29", u"Combo30"},
     {u"Label2", u"Label16", u"Label17", u"Label10", u"LabelS8"},
     u"Check2"},
}};

struct WheelRow {
    int inputTop;
    int labelLeft;
    int labelTop;
    QStringView caption;
};

constexpr std::array<WheelRow, 5> kWheelRows{{
    {350, 530, 405, u"ホイールリム径（inch）"},
    {665, 530, 720, u"ホイールリム幅（inch）"},
    {980, 360, 1035, u"ホイールオフセット（mm）"},
    {1355, 200, 1410, u"タイヤ断面幅サイズ（mm）"},
    {1670, 810, 1725, u"タイヤ扁平率（%）"},
}};

// What each input of a wheel frame asks for, after "変更前の前輪" and the like.
constexpr std::array<QStringView, 6> kWheelTips{
    u"ホイールリム径を選択して下さい",         u"ホイールリム幅を選択して下さい",
    u"ホイールオフセット方向を選択して下さい", u"ホイールオフセット量を直接入力して下さい",
    u"タイヤ断面幅サイズを選択して下さい",     u"タイヤ扁平率を選択して下さい",
};

constexpr int kInputLeft = 2100;
constexpr int kInputHeight = 300;
constexpr int kListWidth = 1700;
constexpr int kLabelGapPixels = 2;

// Clearance frames: left wheel column, then right; rows pull-in, upper, fore-aft.
constexpr std::array<int, 2> kClearanceBoxLeft{1135, 3000};
constexpr std::array<int, 3> kClearanceBoxTop{260, 575, 890};
constexpr std::array<int, 3> kClearanceLabelTop{320, 635, 950};
constexpr std::array<QStringView, 3> kClearanceTipKind{u"引込", u"上部", u"前後"};

QString spaces(int n) {
    return QString(n, u' ');
}

QString cat(std::initializer_list<QStringView> parts) {
    QString s;
    for (QStringView p : parts) {
        s += p;
    }
    return s;
}

Frame* makeFrame(QWidget* parent, QStringView name, int left, int top, int width, int height,
                 const QString& caption, const QFont& font) {
    auto* f = new Frame(parent, name.toString(), caption);
    f->setFont(font);
    placeTwips(f, left, top, width, height);
    return f;
}

Label* makeLabel(QWidget* parent, QStringView name, QStringView caption, int left, int top) {
    auto* l = new Label(parent, name.toString(), caption.toString());
    l->setFont(uiGothic(9));
    l->adjustSize();
    moveTwips(l, left, top);
    return l;
}

ComboBox* makeList(QWidget* parent, QStringView name, int left, int top, int width, const QString& tip) {
    auto* c = new ComboBox(parent, name.toString());
    c->setFont(uiGothic(9, true));
    c->setBackColor(systemWindowColour());
    c->setToolTip(tip);
    placeTwips(c, left, top, width, kInputHeight);
    return c;
}

TextBox* makeTypedBox(QWidget* parent, const QString& name, int left, int top, int width,
                      const QString& tip) {
    auto* t = new TextBox(parent, name);
    t->setFont(uiGothic(9, true));
    t->setAlignment(Qt::AlignCenter);
    t->setMaxLength(4);
    t->setInputMethodDisabled(true);
    t->setBackColor(systemWindowColour());
    t->setToolTip(tip);
    placeTwips(t, left, top, width, kInputHeight);
    return t;
}

CommandButton* makeButton(QWidget* parent, QStringView name, QStringView caption, int left, int top,
                          int width, int height, const QFont& font) {
    auto* b = new CommandButton(parent, name.toString(), caption.toString());
    b->setFont(font);
    // Enter on a focused button presses that button, not "O K".
    b->setAutoDefault(true);
    placeTwips(b, left, top, width, height);
    return b;
}

QString numberItem(double value) {
    return PlainNumberText(static_cast<float>(value));
}

QStringList steppedItems(double first, double last, double step) {
    QStringList items;
    const int count = static_cast<int>((last - first) / step + 0.5) + 1;
    for (int i = 0; i < count; ++i) {
        items.append(numberItem(first + i * step));
    }
    return items;
}

QStringList directionItems() {
    return {QStringLiteral("＋"), QStringLiteral("－"), QStringLiteral("±")};
}

QStringList rimDiameterItems() {
    // There are no 11-inch rims to choose.
    return QStringList{numberItem(10)} + steppedItems(12, 20, 1);
}

void fill(ComboBox* list, const QStringList& items) {
    for (const QString& item : items) {
        list->AddItem(item);
    }
}

} // namespace

Form2::Form2(AppContext& context) : Form(context) {
    setObjectName(QStringLiteral("Form2"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(uiGothic(9));
    setFixedSize(twips(11820), twips(7785));

    buildBefore();
    buildAfter();
    buildHelpPanel();
    orderTabs();

    centreOnScreen();
    // The first field of the tab order holds the focus once the window is shown.
    m_wheels[0].rimDiameter->setFocus();
}

void Form2::buildBefore() {
    auto* main = makeFrame(this, u"Frame1_Main", 100, 10, 8950, 3930, spaces(21), uiGothic(11.25, true));

    buildWheelFrame(main, 0);
    buildWheelFrame(main, 1);

    // Front clearances, then rear; each frame holds its axle's left and right wheel.
    struct ClearanceFrameLayout {
        QStringView name;
        int left;
        QStringView caption;
        QStringView axle;
        std::array<QStringView, 6> labels;
    };
    const std::array<ClearanceFrameLayout, 2> frames{{
        {u"Frame7",
         300,
         u"前輪フェンダークリアランス（mm）",
         u"前輪",
         {u"Label21", u"Label31", u"Label30", u"Label26", u"Label29", u"Label28"}},
        {u"Frame6",
         4550,
         u"後輪フェンダークリアランス（mm）",
         u"後輪",
         {u"Label27", u"Label13", u"Label18", u"Label24", u"Label22", u"Label23"}},
    }};
    for (std::size_t f = 0; f < frames.size(); ++f) {
        const ClearanceFrameLayout& layout = frames[f];
        // These two take the window's font, not the heading font of their container.
        auto* frame =
            makeFrame(main, layout.name, layout.left, 2540, 4100, 1280, layout.caption.toString(), font());
        for (std::size_t side = 0; side < 2; ++side) {
            const WheelPosition wheel = kAllWheels[f * 2 + side];
            const QStringView sideText = side == 0 ? QStringView(u"左") : QStringView(u"右");
            for (std::size_t k = 0; k < kAllClearanceKinds.size(); ++k) {
                const ClearanceKind kind = kAllClearanceKinds[k];
                const QString name =
                    cat({u"F2_FC_", wheelCode(wheel), u"_", clearanceCode(kind), u"_Old_TXT"});
                const QString tip = cat({u"変更前の", layout.axle, sideText, u"フェンダークリアランス",
                                         kClearanceTipKind[k], u"量を直接入力して下さい"});
                m_clearances[f * 6 + side * 3 + k] =
                    makeTypedBox(frame, name, kClearanceBoxLeft[side], kClearanceBoxTop[k], 800, tip);

                const QString caption =
                    k == 0 ? cat({sideText, u" ： 引込"}) : kClearanceTipKind[k].toString();
                const int labelLeft = k == 0 ? (side == 0 ? 340 : 2205) : (side == 0 ? 745 : 2610);
                makeLabel(frame, layout.labels[side * 3 + k], caption, labelLeft, kClearanceLabelTop[k]);
            }
        }
    }
}

void Form2::buildAfter() {
    auto* main = makeFrame(this, u"Frame2_Main", 100, 4020, 8950, 3500, spaces(21), uiGothic(11.25, true));
    buildWheelFrame(main, 2);
    buildWheelFrame(main, 3);

    m_ok = makeButton(main, u"Command1", u"O K", 7150, 2790, 1500, 450, uiGothic(11.25, true));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] { AnalyseFitment(context()); });
    m_clear = makeButton(main, u"Command2", u"データクリア", 5400, 2700, 1500, 250, uiGothic(9.75));
    m_topMenu = makeButton(main, u"Command3", u"トップメニュー", 5400, 3050, 1500, 250, uiGothic(9.75));
}

void Form2::buildWheelFrame(QWidget* container, std::size_t block) {
    const WheelFrameLayout& layout = kWheelFrames[block];
    auto* frame = makeFrame(container, layout.frame, layout.left, layout.top, 4100, layout.height,
                            spaces(layout.captionSpaces), uiGothic(layout.fontPoints));
    const auto tip = [&](std::size_t input) {
        return cat({layout.state, u"の", layout.axle, kWheelTips[input]});
    };

    WheelFields& w = m_wheels[block];
    w.rimDiameter = makeList(frame, layout.inputs[0], kInputLeft, kWheelRows[0].inputTop, kListWidth, tip(0));
    w.rimWidth = makeList(frame, layout.inputs[1], kInputLeft, kWheelRows[1].inputTop, kListWidth, tip(1));
    w.direction = makeList(frame, layout.inputs[2], kInputLeft, kWheelRows[2].inputTop, 550, tip(2));
    w.offset = makeTypedBox(frame, layout.inputs[3].toString(), 2730, kWheelRows[2].inputTop, 1070, tip(3));
    w.tyreWidth = makeList(frame, layout.inputs[4], kInputLeft, kWheelRows[3].inputTop, kListWidth, tip(4));
    w.aspectRatio = makeList(frame, layout.inputs[5], kInputLeft, kWheelRows[4].inputTop, kListWidth, tip(5));

    for (std::size_t r = 0; r < kWheelRows.size(); ++r) {
        // The first label of the old front frame stands 5 twips further left than its peers.
        const int left = (block == 0 && r == 0) ? 525 : kWheelRows[r].labelLeft;
        Label* label =
            makeLabel(frame, layout.labels[r], kWheelRows[r].caption, left, kWheelRows[r].labelTop);
        // The substitute font runs wider than the original: keep the caption's end clear of the inputs.
        const int end = twips(kInputLeft) - kLabelGapPixels;
        if (label->geometry().right() >= end) {
            label->move(end - label->width(), label->y());
        }
    }

    if (!layout.sameAsFront.isEmpty()) {
        w.sameAsFront =
            new CheckBox(frame, layout.sameAsFront.toString(), QStringLiteral("前輪ホイールと同じ"));
        w.sameAsFront->setFont(uiGothic(9));
        // Opaque, so the frame's top edge does not run through the caption.
        w.sameAsFront->setAutoFillBackground(true);
        w.sameAsFront->setToolTip(QStringLiteral(
            "後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 入力が省略でき便利です。"));
        placeTwips(w.sameAsFront, 1300, 0, 1700, 255);
        // Wider if the substitute font needs it, so the caption is not cut off.
        w.sameAsFront->resize(std::max(w.sameAsFront->width(), w.sameAsFront->sizeHint().width()),
                              w.sameAsFront->height());
    }
}

void Form2::buildHelpPanel() {
    auto* panel = makeFrame(this, u"Frame5", 9240, 10, 2540, 7500, spaces(6), uiGothic(11.25, true));
    auto* help = new Label(
        panel, QStringLiteral("Label_Kaisetsu"),
        QStringLiteral("項目の選択またはクリックすることによって、ここに解説が自動的に表示されます。"));
    help->setFont(uiGothic(9.75));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(help, 105, 360, 2340, 6675);
}

void Form2::orderTabs() {
    const auto& oldFront = m_wheels[0];
    const auto& oldRear = m_wheels[1];
    const auto& newFront = m_wheels[2];
    const auto& newRear = m_wheels[3];
    std::vector<QWidget*> chain{oldFront.rimDiameter, oldFront.rimWidth,  oldFront.direction,
                                oldFront.offset,      oldFront.tyreWidth, oldFront.aspectRatio};
    chain.insert(chain.end(), m_clearances.begin(), m_clearances.begin() + 6);
    chain.insert(chain.end(), {oldRear.sameAsFront, oldRear.rimDiameter, oldRear.rimWidth, oldRear.direction,
                               oldRear.offset, oldRear.tyreWidth, oldRear.aspectRatio});
    chain.insert(chain.end(), m_clearances.begin() + 6, m_clearances.end());
    chain.insert(chain.end(), {newFront.rimDiameter, newFront.rimWidth, newFront.direction, newFront.offset,
                               newFront.tyreWidth, newFront.aspectRatio});
    chain.insert(chain.end(),
                 {newRear.sameAsFront, newRear.rimDiameter, newRear.rimWidth, newRear.direction,
                  newRear.offset, newRear.tyreWidth, newRear.aspectRatio, m_ok, m_clear, m_topMenu});
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

void Form2::Form_Load() {
    for (const WheelFields& w : m_wheels) {
        fill(w.direction, directionItems());
    }
    const QStringList rimDiameters = rimDiameterItems();
    const QStringList rimWidths = steppedItems(3, 11.5, 0.5);
    const QStringList tyreWidths = steppedItems(135, 295, 10);
    const QStringList aspectRatios = steppedItems(30, 80, 5);
    for (const WheelFields& w : m_wheels) {
        fill(w.rimDiameter, rimDiameters);
        fill(w.rimWidth, rimWidths);
        fill(w.tyreWidth, tyreWidths);
        fill(w.aspectRatio, aspectRatios);
    }

    for (const WheelFields& w : m_wheels) {
        w.offset->setInputMethodDisabled(true);
    }
    for (TextBox* box : m_clearances) {
        box->setInputMethodDisabled(true);
    }

    setWindowTitle(QStringLiteral("Kavor Lintep 2005 Zelmarovinth - 入力モード"));
    HelpFilePath = context().helpFilePath();
}

void Form2::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_ok->isEnabled()) {
        event->accept();
        m_ok->click();
        return;
    }
    Form::keyPressEvent(event);
}

} // namespace kl
