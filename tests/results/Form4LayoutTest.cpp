#include <string_view>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "judgement/ClearanceRules.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "results/gui/Form4.h"
#include "support/FrameChecks.h"
#include "support/MenuChecks.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace Qt::StringLiterals;
using kl::Label;
using kl::TextBox;

namespace {

const QStringList WheelCodes{u"FL"_s, u"FR"_s, u"RL"_s, u"RR"_s};
const QStringList Kinds{u"Hikikomi"_s, u"Joubu"_s, u"Zengo"_s};

QRect twipRect(int left, int top, int width, int height) {
    return QRect(kl::twips(left), kl::twips(top), kl::twips(width), kl::twips(height));
}

QStringList focusableNames(const QWidget* start) {
    QStringList names;
    for (const QWidget* w = start;;) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
            names << w->objectName();
        }
        w = w->nextInFocusChain();
        if (w == start) {
            return names;
        }
    }
}

// One control of the window as the layout gives it. A width of 0 means sized to its caption; a point
// size of 0 means no text of its own (pictures).
struct Expected {
    QString name;
    QString container;
    const char* kind;
    QRect twips;
    double points;
    bool bold;
    QString text;
};

// The whole window, control by control.
std::vector<Expected> wholeLayout() {
    std::vector<Expected> rows;
    const auto label = [&rows](const QString& name, const char* container, int left, int top,
                               const QString& text, double points = 9, bool bold = false) {
        rows.push_back(
            {name, QString::fromLatin1(container), "kl::Label", QRect(left, top, 0, 0), points, bold, text});
    };
    const auto sized = [&rows](const QString& name, const char* container, const char* kind, QRect r,
                               double points, bool bold, const QString& text = {}) {
        rows.push_back({name, QString::fromLatin1(container), kind, r, points, bold, text});
    };

    sized(u"Frame0"_s, "client", "kl::Frame", {70, 10, 11750, 7500}, 12, false, QString(13, u' '));
    sized(u"Frame1"_s, "Frame0", "kl::Frame", {300, 350, 11150, 6050}, 11.25, false, QString(12, u' '));
    sized(u"Frame2"_s, "Frame0", "kl::Frame", {12120, 360, 3360, 6330}, 9.75, false, u"その他コメント"_s);

    sized(u"Image5"_s, "Frame1", "kl::ImageBox", {150, 20, 825, 195}, 0, false);
    sized(u"Image1"_s, "Frame1", "kl::ImageBox", {9520, 180, 1425, 255}, 0, false);
    sized(u"Image9"_s, "Frame0", "kl::ImageBox", {150, 0, 930, 225}, 0, false);
    sized(u"Image4"_s, "Frame0", "kl::ImageBox", {300, 6870, 4680, 540}, 0, false);

    label(u"Label_WT_Kumiawase"_s, "Frame1", 240, 300,
          u"◆ 変更前と変更後のホイールおよびタイヤの組み合わせ"_s);
    label(u"Label3"_s, "Frame1", 800, 585, u"前輪 ： 変更前"_s);
    sized(u"F4_WTF_Kumiawase_Old_TXT"_s, "Frame1", "kl::TextBox", {1950, 550, 3900, 265}, 8.25, false);
    label(u"Label_Arrow_19"_s, "Frame1", 6000, 540, u"≫"_s);
    label(u"Label6"_s, "Frame1", 6455, 592, u"変更後"_s, 9, true);
    sized(u"F4_WTF_Kumiawase_New_TXT"_s, "Frame1", "kl::TextBox", {7100, 550, 3900, 265}, 8.25, true);
    label(u"Label9"_s, "Frame1", 800, 885, u"後輪 ： 変更前"_s);
    sized(u"F4_WTR_Kumiawase_Old_TXT"_s, "Frame1", "kl::TextBox", {1950, 860, 3900, 245}, 8.25, false);
    label(u"Label_Arrow_6"_s, "Frame1", 6000, 850, u"≫"_s);
    label(u"Label8"_s, "Frame1", 6455, 892, u"変更後"_s, 9, true);
    sized(u"F4_WTR_Kumiawase_New_TXT"_s, "Frame1", "kl::TextBox", {7100, 860, 3900, 245}, 8.25, true);

    label(u"Label_Old"_s, "Frame1", 2580, 1150, u"【 変更前 】"_s);
    label(u"Label_New"_s, "Frame1", 3990, 1150, u"【 変更後 】"_s, 9, true);
    label(u"Label_JG"_s, "Frame1", 5530, 1150, u"【 判 定 】"_s);
    label(u"Label_JGCOM"_s, "Frame1", 6450, 1150, u"【 コメント 】"_s);

    struct Row {
        int top;
        QString stem;
        QString captionName;
        QString caption;
        int captionLeft;
        int captionDrop;
        int arrow;
        int mmBefore;
    };
    const Row table[] = {
        {1360, u"F4_TD_FA"_s, u"Label0"_s, u"タイヤ外径：前輪"_s, 1300, 80, 10, 0},
        {1660, u"F4_TD_RA"_s, u"Label1"_s, u"後輪"_s, 2180, 80, 11, 2},
        {2080, u"F4_FC_FL_Hikikomi"_s, u"Label10"_s, u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（左）：引込"_s, 120, 60, 12, 4},
        {2380, u"F4_FC_FL_Joubu"_s, u"Label11"_s, u"（左）：上部"_s, 1730, 60, 13, 6},
        {2680, u"F4_FC_FL_Zengo"_s, u"Label4"_s, u"（左）：前後"_s, 1730, 60, 3, 8},
        {3080, u"F4_FC_FR_Hikikomi"_s, u"Label2"_s, u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（右）：引込"_s, 130, 60, 2, 10},
        {3380, u"F4_FC_FR_Joubu"_s, u"Label12"_s, u"（右）：上部"_s, 1730, 60, 14, 12},
        {3680, u"F4_FC_FR_Zengo"_s, u"Label13"_s, u"（右）：前後"_s, 1730, 60, 15, 14},
        {4080, u"F4_FC_RL_Hikikomi"_s, u"Label7"_s, u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（左）：引込"_s, 130, 60, 5, 16},
        {4380, u"F4_FC_RL_Joubu"_s, u"Label5"_s, u"（左）：上部"_s, 1730, 60, 4, 18},
        {4680, u"F4_FC_RL_Zengo"_s, u"Label14"_s, u"（左）：前後"_s, 1730, 60, 16, 20},
        {5080, u"F4_FC_RR_Hikikomi"_s, u"Label15"_s, u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（右）：引込"_s, 130, 60, 17, 22},
        {5380, u"F4_FC_RR_Joubu"_s, u"Label16"_s, u"（右）：上部"_s, 1730, 60, 1, 24},
        {5680, u"F4_FC_RR_Zengo"_s, u"Label17"_s, u"（右）：前後"_s, 1730, 60, 0, 26},
    };
    for (const Row& r : table) {
        label(r.captionName, "Frame1", r.captionLeft, r.top + r.captionDrop, r.caption);
        sized(r.stem + u"_Old_TXT"_s, "Frame1", "kl::TextBox", {2590, r.top, 800, 285}, 9, false);
        label(u"Label_mm_%1"_s.arg(r.mmBefore), "Frame1", 3445, r.top, u"mm"_s);
        label(u"Label_Arrow_%1"_s.arg(r.arrow), "Frame1", 3780, r.top, u"≫"_s, 11.25);
        sized(r.stem + u"_New_TXT"_s, "Frame1", "kl::TextBox", {4050, r.top, 800, 285}, 9, true);
        label(u"Label_mm_%1"_s.arg(r.mmBefore + 1), "Frame1", 4905, r.top, u"mm"_s);
        sized(r.stem + u"_JG_TXT"_s, "Frame1", "kl::TextBox", {5450, r.top, 850, 285}, 9, true);
    }
    sized(u"F4_TD_FA_JGCOM_LBL"_s, "Frame1", "kl::Label", {6350, 1360, 4650, 285}, 9, false);
    sized(u"F4_TD_RA_JGCOM_LBL"_s, "Frame1", "kl::Label", {6350, 1660, 4650, 285}, 9, false);

    struct Shift {
        QString wheel;
        QString captionName;
        int captionTop;
        int boxTop;
        int mm;
    };
    for (const Shift& s :
         {Shift{u"FL"_s, u"Label18"_s, 2445, 2680, 29}, Shift{u"FR"_s, u"Label19"_s, 3435, 3680, 28},
          Shift{u"RL"_s, u"Label20"_s, 4440, 4680, 30}, Shift{u"RR"_s, u"Label21"_s, 5445, 5680, 31}}) {
        label(s.captionName, "Frame1", 230, s.captionTop, u"ﾀｲﾔ内側移動量"_s);
        sized(u"F4_FC_%1_ZOUKA_New_TXT"_s.arg(s.wheel), "Frame1", "kl::TextBox", {300, s.boxTop, 1000, 285},
              9, true);
        label(u"Label_mm_%1"_s.arg(s.mm), "Frame1", 1350, s.boxTop, u"mm"_s);
        sized(u"F4_FC_%1_Total_JGCOM_LBL"_s.arg(s.wheel), "Frame1", "kl::Label",
              {6350, s.boxTop - 600, 4650, 885}, 9, false);
    }
    sized(u"F5_MinH_JGCOM_LBL"_s, "Frame1", "kl::Label", {7395, 8340, 3255, 285}, 8.25, false);

    sized(u"Notice_Blue_TXT"_s, "Frame0", "kl::TextBox", {300, 6480, 850, 285}, 8.25, false);
    label(u"Label_Vemp_8"_s, "Frame0", 1200, 6525, u"全く問題なし"_s);
    sized(u"Notice_Yellow_TXT"_s, "Frame0", "kl::TextBox", {3300, 6480, 850, 285}, 8.25, false);
    label(u"Label_Vemp_10"_s, "Frame0", 4200, 6525, u"問題なし(変更点留意)"_s);
    sized(u"Text4"_s, "Frame0", "kl::TextBox", {6300, 6480, 850, 285}, 8.25, false);
    label(u"Label_Vemp_9"_s, "Frame0", 7200, 6525, u"チェックが必要"_s);
    sized(u"Notice_Red_TXT"_s, "Frame0", "kl::TextBox", {9300, 6480, 850, 285}, 8.25, false);
    label(u"Label_Vemp_11"_s, "Frame0", 10200, 6525, u"再検討が必要"_s);

    sized(u"F4_Command2"_s, "Frame0", "kl::CommandButton", {5650, 6950, 1500, 350}, 9.75, false,
          u"入力モードに戻る"_s);
    label(u"Label54"_s, "Frame0", 7400, 6960, u"総合判定"_s, 12.75, true);
    sized(u"F4_RESULT_TXT"_s, "Frame0", "kl::TextBox", {8550, 6880, 1200, 450}, 14.25, true);
    sized(u"F4_Command1"_s, "Frame0", "kl::CommandButton", {9950, 6880, 1500, 450}, 11.25, true, u"O K"_s);

    sized(u"Text1"_s, "Frame2", "kl::MemoBox", {240, 360, 3015, 855}, 9, false,
          u"1）上記の他に、ホイールの取付ボルト本数、P.C.D、リム形状等の条件を合致させる必要があります。\r\n"
          u"2) インチアップ（またはインチダウン）を行った結果、条件によっては車高が下がる場合があります。"
          u"最低地上高に注意して下さい。\r\n"
          u"3）車検を通過するには、メーター誤差が＋15%以下で－10%以上の範囲内にあることが求められます。"_s);
    sized(u"Text2"_s, "Frame2", "kl::MemoBox", {240, 1755, 3000, 660}, 9, false);
    sized(u"Text3"_s, "Frame2", "kl::MemoBox", {240, 2520, 3000, 900}, 9, false);
    return rows;
}

QString textOf(QWidget* w) {
    if (auto* l = qobject_cast<Label*>(w)) {
        return l->Caption();
    }
    if (auto* t = qobject_cast<TextBox*>(w)) {
        return t->Text();
    }
    if (auto* m = qobject_cast<kl::MemoBox*>(w)) {
        return m->Text();
    }
    if (auto* f = qobject_cast<kl::Frame*>(w)) {
        return f->title();
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        return b->text();
    }
    return {};
}

// What differs between a control and its row, or nothing.
QString mismatch(QWidget& window, const Expected& e) {
    auto* w = window.findChild<QWidget*>(e.name);
    if (w == nullptr) {
        return u"missing"_s;
    }
    if (w->parentWidget()->objectName() != e.container) {
        return u"in "_s + w->parentWidget()->objectName();
    }
    if (!w->inherits(e.kind)) {
        return u"is a "_s + QString::fromLatin1(w->metaObject()->className());
    }
    if (e.twips.width() == 0) {
        if (w->pos() != QPoint(kl::twips(e.twips.left()), kl::twips(e.twips.top())) ||
            w->size() != w->sizeHint()) {
            return u"not at its place or not sized to its caption"_s;
        }
    } else if (w->geometry() != twipRect(e.twips.left(), e.twips.top(), e.twips.width(), e.twips.height())) {
        return u"geometry %1,%2 %3x%4"_s.arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
    }
    if (e.points > 0) {
        const QString family = e.name == u"F5_MinH_JGCOM_LBL" ? u"ＭＳ Ｐゴシック"_s : u"MS UI Gothic"_s;
        if (w->font().family() != family || w->font().pointSizeF() != e.points ||
            w->font().bold() != e.bold) {
            return u"font "_s + w->font().toString();
        }
    }
    if (textOf(w) != e.text) {
        return u"text \""_s + textOf(w) + u'"';
    }
    return {};
}

} // namespace

class Form4LayoutTest : public kl::testing::LayoutTest {
    Q_OBJECT

    kl::Form4& window() { return ctx().forms().get<kl::Form4>(); }

private Q_SLOTS:
    // Every control in its container, place, size, font and text, and no control the layout lacks.
    void wholeLayout() {
        kl::Form4& w = window();
        QStringList listed;
        for (const Expected& e : ::wholeLayout()) {
            const QString wrong = mismatch(w, e);
            QVERIFY2(wrong.isEmpty(), qPrintable(e.name + u": "_s + wrong));
            listed << e.name;
        }
        QCOMPARE(listed.size(), 154);
        for (const QWidget* c : w.client().findChildren<QWidget*>()) {
            const QString name = c->objectName();
            if (!name.isEmpty() && !name.startsWith(u"qt_"_s) && !name.startsWith(u"sbStatusBar"_s)) {
                QVERIFY2(listed.contains(name), qPrintable(u"not in the layout: "_s + name));
            }
        }
    }

    // Each heading picture lies wholly in the gap that its frame's blank caption leaves in the top edge.
    void headingsLieInTheGapOfTheirFrame_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("heading");
        QTest::newRow("outer frame") << u"Frame0"_s << u"Image9"_s;
        QTest::newRow("comparison") << u"Frame1"_s << u"Image5"_s;
    }
    void headingsLieInTheGapOfTheirFrame() {
        QFETCH(QString, frame);
        QFETCH(QString, heading);
        kl::Form4& w = window();
        const auto& picture = w.control<kl::ImageBox>(heading);
        QVERIFY(picture.hasPicture());
        const QString across = kl::testing::topEdgeAcross(w.control<kl::Frame>(frame), picture);
        QVERIFY2(across.isEmpty(), qPrintable(across));
    }

    void boxStartsFresh_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("locked");

        const auto row = [](const QString& name, Qt::Alignment a, bool locked) {
            QTest::newRow(qPrintable(name)) << name << int(a) << locked;
        };
        for (const QString& axle : {u"FA"_s, u"RA"_s}) {
            row(u"F4_TD_%1_Old_TXT"_s.arg(axle), Qt::AlignRight, true);
            row(u"F4_TD_%1_New_TXT"_s.arg(axle), Qt::AlignRight, true);
            row(u"F4_TD_%1_JG_TXT"_s.arg(axle), Qt::AlignHCenter, true);
        }
        for (const QString& wheel : WheelCodes) {
            for (const QString& kind : Kinds) {
                row(u"F4_FC_%1_%2_Old_TXT"_s.arg(wheel, kind), Qt::AlignRight, true);
                row(u"F4_FC_%1_%2_New_TXT"_s.arg(wheel, kind), Qt::AlignRight, true);
                row(u"F4_FC_%1_%2_JG_TXT"_s.arg(wheel, kind), Qt::AlignHCenter, true);
            }
            row(u"F4_FC_%1_ZOUKA_New_TXT"_s.arg(wheel), Qt::AlignRight, true);
        }
        for (const QString& axle : {u"WTF"_s, u"WTR"_s}) {
            row(u"F4_%1_Kumiawase_Old_TXT"_s.arg(axle), Qt::AlignHCenter, false);
            row(u"F4_%1_Kumiawase_New_TXT"_s.arg(axle), Qt::AlignHCenter, false);
        }
        row(u"F4_RESULT_TXT"_s, Qt::AlignHCenter, false);
    }

    // Every box the analysis writes starts empty, white and with the platform's text colour: a
    // writer only ever sets a colour, so anything stored here would survive into the result.
    void boxStartsFresh() {
        QFETCH(QString, name);
        QFETCH(int, alignment);
        QFETCH(bool, locked);

        auto& box = kl::testing::need<TextBox>(window(), name);
        QCOMPARE(box.Text(), QString());
        QVERIFY(box.BackColor() == kl::ColourWhite);
        QCOMPARE(box.palette().color(QPalette::Base), QColor(255, 255, 255));
        QVERIFY2(!box.ForeColor().has_value(), qPrintable(name));
        QCOMPARE(int(box.alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(box.Locked(), locked);
        QVERIFY(box.hasFrame());
    }

    // Locked boxes can still be selected and copied.
    void lockedBoxIsSelectable() {
        auto& box = kl::testing::need<TextBox>(window(), u"F4_FC_RL_Joubu_New_TXT"_s);
        box.setText(u"12.5"_s);
        box.selectAll();
        QCOMPARE(box.selectedText(), u"12.5"_s);
        QTest::keyClicks(&box, u"9"_s);
        QCOMPARE(box.Text(), u"12.5"_s);
    }

    void commentStartsFresh_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("FA") << u"F4_TD_FA_JGCOM_LBL"_s;
        QTest::newRow("RA") << u"F4_TD_RA_JGCOM_LBL"_s;
        for (const QString& wheel : WheelCodes) {
            QTest::newRow(qPrintable(wheel)) << u"F4_FC_%1_Total_JGCOM_LBL"_s.arg(wheel);
        }
    }

    // Comments start empty in the system's button colours, text wrapped from the top left.
    void commentStartsFresh() {
        QFETCH(QString, name);

        auto& label = kl::testing::need<Label>(window(), name);
        QCOMPARE(label.Caption(), QString());
        QVERIFY2(!label.ForeColor().has_value(), qPrintable(name));
        QVERIFY(label.wordWrap());
        QCOMPARE(label.alignment(), Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(label.autoFillBackground());
        QCOMPARE(label.palette().color(QPalette::Window), label.palette().color(QPalette::Button));
        QCOMPARE(label.palette().color(QPalette::WindowText), label.palette().color(QPalette::ButtonText));
    }

    // A red comment keeps the standard border: only its text turns red.
    void redCommentKeepsItsBorder_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("wheel") << u"F4_FC_RR_Total_JGCOM_LBL"_s;
        QTest::newRow("diameter") << u"F4_TD_FA_JGCOM_LBL"_s;
    }

    void redCommentKeepsItsBorder() {
        QFETCH(QString, name);

        auto& label = kl::testing::need<Label>(window(), name);
        const QColor border = label.palette().color(QPalette::ButtonText);
        label.setCaption(u"■■■■■■■■"_s);
        label.setForeColor(kl::ColourNgText);
        const QImage image = label.grab().toImage();

        const int midY = image.height() / 2;
        const int midX = image.width() / 2;
        for (const QPoint edge : {QPoint(0, midY), QPoint(image.width() - 1, midY), QPoint(midX, 0),
                                  QPoint(midX, image.height() - 1)}) {
            QCOMPARE(image.pixelColor(edge), border);
        }
        bool redText = false;
        for (int x = 0; x < image.width() && !redText; ++x) {
            for (int y = 1; y < image.height() - 1 && !redText; ++y) {
                redText = image.pixelColor(x, y) == QColor(250, 0, 0);
            }
        }
        QVERIFY(redText);
    }

    // A comment that needs more lines than its label has loses its end, review tag and all.
    void everyCommentFitsItsLabel() {
        for (const QString& wheel : WheelCodes) {
            auto& label = kl::testing::need<Label>(window(), u"F4_FC_%1_Total_JGCOM_LBL"_s.arg(wheel));
            for (int id = 1; id <= 81; ++id) {
                label.setCaption(kl::commentText(id));
                QVERIFY2(label.heightForWidth(label.width()) <= label.height(),
                         qPrintable(u"%1: C%2"_s.arg(wheel).arg(id, 2, 10, QLatin1Char('0'))));
            }
        }
    }

    // Captions are black on the frame's own colour.
    void captionsAreBlackAndTransparent() {
        for (const Expected& e : ::wholeLayout()) {
            if (e.kind != std::string_view("kl::Label") || e.twips.width() != 0) {
                continue;
            }
            auto& label = kl::testing::need<Label>(window(), e.name);
            QVERIFY2(label.palette().color(QPalette::WindowText) == QColor(0, 0, 0), qPrintable(e.name));
            QVERIFY2(!label.autoFillBackground(), qPrintable(e.name));
        }
    }

    // The unit labels sit right of every before, after and shift box, one per box.
    void unitLabelsBesideEveryBox() {
        QSet<QString> boxesWithUnit;
        for (int i = 0; i < 32; ++i) {
            auto& unit = kl::testing::need<Label>(window(), u"Label_mm_%1"_s.arg(i));
            for (TextBox* box : unit.parentWidget()->findChildren<TextBox*>(Qt::FindDirectChildrenOnly)) {
                const QRect g = box->geometry();
                if (g.y() == unit.y() && unit.x() > g.right() && unit.x() - g.right() <= kl::twips(100)) {
                    boxesWithUnit << box->objectName();
                }
            }
        }
        QCOMPARE(boxesWithUnit.size(), 32);
    }

    // In each frame no caption overlaps another control, with the fonts this machine substitutes.
    void captionsOverlapNothing() {
        for (const QString& frameName : {u"Frame0"_s, u"Frame1"_s}) {
            auto& frame = kl::testing::need<QWidget>(window(), frameName);
            const QList<QWidget*> children = frame.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* a : children) {
                if (qobject_cast<Label*>(a) == nullptr || qobject_cast<kl::ImageBox*>(a) != nullptr) {
                    continue;
                }
                for (QWidget* b : children) {
                    if (a != b && a->geometry().intersects(b->geometry())) {
                        QFAIL(qPrintable(a->objectName() + u" overlaps "_s + b->objectName()));
                    }
                }
            }
        }
    }

    void legendSwatch_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("ample") << u"Notice_Blue_TXT"_s << QColor(145, 175, 250);
        QTest::newRow("adequate") << u"Notice_Yellow_TXT"_s << QColor(155, 255, 155);
        QTest::newRow("caution") << u"Text4"_s << QColor(250, 250, 145);
        QTest::newRow("ng") << u"Notice_Red_TXT"_s << QColor(250, 145, 175);
    }

    void legendSwatch() {
        QFETCH(QString, name);
        QFETCH(QColor, colour);

        auto& swatch = kl::testing::need<TextBox>(window(), name);
        QCOMPARE(swatch.BackColor().toColor(), colour);
        QCOMPARE(swatch.palette().color(QPalette::Base), colour);
        QCOMPARE(swatch.Text(), QString());
        QVERIFY(swatch.Locked());
    }

    void notesAreOutOfSight() {
        kl::Form4& w = window();
        auto& frame0 = kl::testing::need<QWidget>(w, u"Frame0"_s);
        auto& frame2 = kl::testing::need<QWidget>(w, u"Frame2"_s);
        QVERIFY(frame2.x() >= frame0.width());
        auto& text1 = kl::testing::need<kl::MemoBox>(w, u"Text1"_s);
        QCOMPARE(text1.document()->blockCount(), 3);
        QVERIFY(text1.document()->findBlockByNumber(1).text().startsWith(u"2) インチアップ（または"_s));
        for (const QString& name : {u"Text2"_s, u"Text3"_s}) {
            auto& memo = kl::testing::need<kl::MemoBox>(w, name);
            QCOMPARE(memo.palette().color(QPalette::Base), QColor(255, 192, 192));
            QCOMPARE(memo.frameShape(), QFrame::NoFrame);
            QVERIFY(!memo.isReadOnly());
        }
        QVERIFY(!text1.isReadOnly());
    }

    // The load step shows the four pictures, each from a temporary file that is gone again, then sets the
    // caption and the help file path.
    void loadStep() {
        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        const QByteArray savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        ctx().programFolder = u"/opt/kavor"_s;
        kl::Form4& w = window();
        qputenv("TMPDIR", savedTmp);

        const std::pair<QString, QSize> pictures[] = {{u"Image4"_s, {312, 36}},
                                                      {u"Image1"_s, {95, 17}},
                                                      {u"Image9"_s, {62, 15}},
                                                      {u"Image5"_s, {55, 13}}};
        for (const auto& [name, size] : pictures) {
            auto& image = kl::testing::need<kl::ImageBox>(w, name);
            QVERIFY2(image.hasPicture(), qPrintable(name));
            QCOMPARE(image.Picture().size(), size);
            QCOMPARE(image.size(), size);
        }
        QCOMPARE(QDir(temp.path()).entryList({u"~rs*"_s}, QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(w.windowTitle(), u"Kavor Lintep 2005 Zelmarovinth - 解析結果モード"_s);
        QCOMPARE(w.HelpFilePath, u"/opt/kavor/Kavor Lintep 2005 HELP.chm"_s);
        QVERIFY(!w.isVisible());
    }

    // Without a temporary folder no picture can be shown; the window loads all the same.
    void loadStepGoesOnWithoutPictures() {
        const QByteArray savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", "/nonexistent/kavor-lintep");
        kl::Form4& w = window();
        qputenv("TMPDIR", savedTmp);

        for (const QString& name : {u"Image4"_s, u"Image1"_s, u"Image9"_s, u"Image5"_s}) {
            QVERIFY2(!kl::testing::need<kl::ImageBox>(w, name).hasPicture(), qPrintable(name));
        }
        QCOMPARE(w.windowTitle(), u"Kavor Lintep 2005 Zelmarovinth - 解析結果モード"_s);
        QVERIFY(w.HelpFilePath.endsWith(u"/Kavor Lintep 2005 HELP.chm"_s));
    }

    // Fixed size, no minimise or maximise button, the program's icon, centred with the focus on "O K".
    void windowWhenShown() {
        kl::Form4& w = window();
        QCOMPARE(w.client().size(), QSize(kl::twips(11820), kl::twips(7755)));
        QVERIFY(w.menuBar() != nullptr);
        QCOMPARE(w.client().y(), w.menuBar()->geometry().bottom() + 1);
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(w.windowIcon().availableSizes().contains(QSize(32, 32)));

        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // Within the width of the window's frame.
        QVERIFY(qAbs(w.frameGeometry().center().x() - screen.center().x()) <= 3);
        QVERIFY(qAbs(w.frameGeometry().center().y() - screen.center().y()) <= 3);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"F4_Command1"_s);
    }

    // Mode text, then the date and time in Japanese short formats, kept current while the window is open.
    void statusBar() {
        test().clock.time = QDateTime(QDate(2005, 11, 23), QTime(14, 5, 0));
        kl::Form4& w = window();
        kl::StatusBar* bar = w.statusBar();
        QVERIFY(bar != nullptr);
        QCOMPARE(bar->objectName(), u"sbStatusBar"_s);
        QCOMPARE(bar->geometry(), QRect(0, kl::twips(7755 - 270), kl::twips(11820), kl::twips(270)));
        QCOMPARE(bar->panelText(1), u"Mode : Kavor Lintep 2005 Analytical Result Mode"_s);
        QCOMPARE(bar->panelText(2), u"2005/11/23"_s);
        QCOMPARE(bar->panelText(3), u"14:05"_s);
        QVERIFY(kl::testing::need<QWidget>(w, u"sbStatusBar_Panel_1"_s).width() >= kl::twips(8610));
        for (const QString& panel : {u"sbStatusBar_Panel_2"_s, u"sbStatusBar_Panel_3"_s}) {
            QVERIFY(kl::testing::need<QWidget>(w, panel).width() >= kl::twips(1440));
        }

        test().clock.time = QDateTime(QDate(2005, 11, 24), QTime(0, 1, 0));
        QTRY_COMPARE_WITH_TIMEOUT(bar->panelText(3), u"0:01"_s, 3000);
        QCOMPARE(bar->panelText(2), u"2005/11/24"_s);
    }

    void menus() {
        const QString bar = u"-"_s;
        const std::vector<kl::testing::MenuEntry> expected{
            {u"mnuFile"_s, u"mnuFileSave"_s, u"解析結果の保存(&S)..."_s, QKeySequence(u"Ctrl+S"_s)},
            {u"mnuFile"_s, u"mnuFileBar0"_s, bar, {}},
            {u"mnuFile"_s, u"mnuInputMode"_s, u"入力モードに戻る(&B)"_s, {}},
            {u"mnuFile"_s, u"mnuFileClose"_s, u"トップメニューへ戻る(&C)"_s, {}},
            {u"mnuFile"_s, u"mnuFileBar1"_s, bar, {}},
            {u"mnuFile"_s, u"mnuFilePrint"_s, u"印刷(&P)..."_s, QKeySequence(u"Ctrl+P"_s)},
            {u"mnuFile"_s, u"mnuFileBar2"_s, bar, {}},
            {u"mnuFile"_s, u"mnuFileExit"_s, u"終了(&X)"_s, {}},
            {u"mnuHelp"_s, u"mnuHelpContents"_s, u"Kavor Lintep 2005 ヘルプ(&H)"_s, QKeySequence(u"F1"_s)},
            {u"mnuHelp"_s, u"mnuCustomizing"_s, u"ショップにてご利用のユーザー様へ(&U)"_s, {}},
            {u"mnuHelp"_s, u"mnuHelpBar3"_s, bar, {}},
            {u"mnuHelp"_s, u"mnuInformation"_s, u"Tolvane製品のご案内(&I)"_s, {}},
            {u"mnuHelp"_s, u"mnuUserRegistration"_s, u"ユーザー登録について(&R)"_s, {}},
            {u"mnuHelp"_s, u"mnuFileBar5"_s, bar, {}},
            {u"mnuHelp"_s, u"mnuHelpAbout"_s, u"ﾊﾞｰｼﾞｮﾝ情報(&A)"_s, {}},
        };

        kl::Form4& w = window();
        kl::testing::compareMenus(w, QStringList({u"mnuFile=ﾌｧｲﾙ(&F)"_s, u"mnuHelp=ﾍﾙﾌﾟ(&H)"_s}), expected);
    }

    void enterKey_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("okClicks");
        QTest::addColumn<int>("backClicks");
        QTest::newRow("locked grade box") << u"F4_FC_FL_Hikikomi_JG_TXT"_s << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("keypad enter") << u"F4_TD_RA_Old_TXT"_s << int(Qt::Key_Enter) << 1 << 0;
        QTest::newRow("combination box") << u"F4_WTR_Kumiawase_New_TXT"_s << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("verdict box") << u"F4_RESULT_TXT"_s << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("swatch") << u"Notice_Red_TXT"_s << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("ok itself") << u"F4_Command1"_s << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("back button") << u"F4_Command2"_s << int(Qt::Key_Return) << 0 << 1;
        QTest::newRow("multi-line notes") << u"Text1"_s << int(Qt::Key_Return) << 0 << 0;
        QTest::newRow("escape in a box") << u"F4_FC_RR_Zengo_New_TXT"_s << int(Qt::Key_Escape) << 0 << 0;
        QTest::newRow("escape on ok") << u"F4_Command1"_s << int(Qt::Key_Escape) << 0 << 0;
    }

    void enterKey() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, okClicks);
        QFETCH(int, backClicks);

        kl::Form4& w = window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy ok(&kl::testing::need<QPushButton>(w, u"F4_Command1"_s), &QAbstractButton::clicked);
        QSignalSpy back(&kl::testing::need<QPushButton>(w, u"F4_Command2"_s), &QAbstractButton::clicked);
        auto& target = kl::testing::need<QWidget>(w, focus);
        target.setFocus();
        QTest::keyClick(&target, Qt::Key(key));
        QCOMPARE(ok.count(), okClicks);
        QCOMPARE(back.count(), backClicks);
    }

    void tabOrderRunsFromOkThroughTheNotes() {
        QStringList expected{u"F4_Command1"_s, u"F4_WTF_Kumiawase_Old_TXT"_s, u"F4_WTF_Kumiawase_New_TXT"_s,
                             u"F4_WTR_Kumiawase_Old_TXT"_s, u"F4_WTR_Kumiawase_New_TXT"_s};
        for (const QString& axle : {u"FA"_s, u"RA"_s}) {
            for (const QString& part : {u"Old"_s, u"New"_s, u"JG"_s}) {
                expected << u"F4_TD_%1_%2_TXT"_s.arg(axle, part);
            }
        }
        for (const QString& wheel : WheelCodes) {
            expected << u"F4_FC_%1_ZOUKA_New_TXT"_s.arg(wheel);
            for (const QString& kind : Kinds) {
                for (const QString& part : {u"Old"_s, u"New"_s, u"JG"_s}) {
                    expected << u"F4_FC_%1_%2_%3_TXT"_s.arg(wheel, kind, part);
                }
            }
        }
        expected << u"F4_RESULT_TXT"_s << u"F4_Command2"_s << u"Notice_Blue_TXT"_s << u"Notice_Yellow_TXT"_s
                 << u"Text4"_s << u"Notice_Red_TXT"_s << u"Text1"_s << u"Text2"_s << u"Text3"_s;

        kl::Form4& w = window();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.focusWidget()->objectName(), u"F4_Command1"_s);
        QCOMPARE(focusableNames(w.focusWidget()), expected);

        // Pressing Tab follows the same order, also through the boxes nobody can see, and wraps.
        QStringList visited;
        for (qsizetype i = 0; i <= expected.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected + QStringList{u"F4_Command1"_s});
    }

    void unloadThenGetGivesFreshWindow() {
        QPointer<kl::Form4> first = &window();
        first->control<TextBox>(u"F4_RESULT_TXT"_s).setText(u"N G"_s);
        first->control<TextBox>(u"F4_FC_FL_Zengo_JG_TXT"_s).setForeColor(kl::ColourNgText);
        first->control<Label>(u"F4_FC_RR_Total_JGCOM_LBL"_s).setCaption(u"要再検討"_s);
        first->setWindowTitle(u"changed"_s);

        ctx().forms().unload<kl::Form4>();
        kl::testing::flushUnloads();
        QVERIFY(first.isNull());
        QVERIFY(ctx().forms().loaded<kl::Form4>() == nullptr);

        kl::Form4& second = window();
        QCOMPARE(second.control<TextBox>(u"F4_RESULT_TXT"_s).Text(), QString());
        QVERIFY(!second.control<TextBox>(u"F4_FC_FL_Zengo_JG_TXT"_s).ForeColor().has_value());
        QCOMPARE(second.control<Label>(u"F4_FC_RR_Total_JGCOM_LBL"_s).Caption(), QString());
        QCOMPARE(second.windowTitle(), u"Kavor Lintep 2005 Zelmarovinth - 解析結果モード"_s);
    }
};

QTEST_MAIN(Form4LayoutTest)
#include "Form4LayoutTest.moc"
