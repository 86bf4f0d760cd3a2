#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include "judgement/ClearanceRules.h"
#include "platform/Controls.h"
#include "results/gui/Form4.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestEnvironment.h"

using kl::Label;
using kl::TextBox;

namespace {

struct Session {
    kl::testing::FormTestContext test;
    kl::AppContext& ctx = *test.ctx;
    kl::Form4& window() { return ctx.forms().get<kl::Form4>(); }
};

const QStringList WheelCodes{QStringLiteral("FL"), QStringLiteral("FR"), QStringLiteral("RL"),
                             QStringLiteral("RR")};
const QStringList Kinds{QStringLiteral("Hikikomi"), QStringLiteral("Joubu"), QStringLiteral("Zengo")};

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

} // namespace

class Form4LayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kl::testing::prepareWidgetTests(); }

    void cleanup() {
        kl::testing::flushUnloads();
        const QString left = kl::testing::leftoverForm();
        QVERIFY2(left.isEmpty(), qPrintable(left));
    }

    void boxStartsFresh_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<QSize>("sizeTwips");

        const auto row = [](const QString& name, Qt::Alignment a, bool locked, bool bold, double pt,
                            QSize size) {
            QTest::newRow(qPrintable(name)) << name << int(a) << locked << bold << pt << size;
        };
        for (const QString& axle : {QStringLiteral("FA"), QStringLiteral("RA")}) {
            const QString stem = QStringLiteral("F4_TD_%1_").arg(axle);
            row(stem + QStringLiteral("Old_TXT"), Qt::AlignRight, true, false, 9, QSize(800, 285));
            row(stem + QStringLiteral("New_TXT"), Qt::AlignRight, true, true, 9, QSize(800, 285));
            row(stem + QStringLiteral("JG_TXT"), Qt::AlignHCenter, true, true, 9, QSize(850, 285));
        }
        for (const QString& wheel : WheelCodes) {
            for (const QString& kind : Kinds) {
                const QString stem = QStringLiteral("F4_FC_%1_%2_").arg(wheel, kind);
                row(stem + QStringLiteral("Old_TXT"), Qt::AlignRight, true, false, 9, QSize(800, 285));
                row(stem + QStringLiteral("New_TXT"), Qt::AlignRight, true, true, 9, QSize(800, 285));
                row(stem + QStringLiteral("JG_TXT"), Qt::AlignHCenter, true, true, 9, QSize(850, 285));
            }
            row(QStringLiteral("F4_FC_%1_ZOUKA_New_TXT").arg(wheel), Qt::AlignRight, true, true, 9,
                QSize(1000, 285));
        }
        row(QStringLiteral("F4_WTF_Kumiawase_Old_TXT"), Qt::AlignHCenter, false, false, 8.25,
            QSize(3900, 265));
        row(QStringLiteral("F4_WTF_Kumiawase_New_TXT"), Qt::AlignHCenter, false, true, 8.25,
            QSize(3900, 265));
        row(QStringLiteral("F4_WTR_Kumiawase_Old_TXT"), Qt::AlignHCenter, false, false, 8.25,
            QSize(3900, 245));
        row(QStringLiteral("F4_WTR_Kumiawase_New_TXT"), Qt::AlignHCenter, false, true, 8.25,
            QSize(3900, 245));
        row(QStringLiteral("F4_RESULT_TXT"), Qt::AlignHCenter, false, true, 14.25, QSize(1200, 450));
    }

    // Every box the analysis writes starts empty, white and with the platform's text colour: a
    // writer only ever sets a colour, so anything stored here would survive into the result.
    void boxStartsFresh() {
        QFETCH(QString, name);
        QFETCH(int, alignment);
        QFETCH(bool, locked);
        QFETCH(bool, bold);
        QFETCH(double, pointSize);
        QFETCH(QSize, sizeTwips);

        Session s;
        auto* box = s.window().findChild<TextBox*>(name);
        QVERIFY2(box != nullptr, qPrintable(name));
        QCOMPARE(box->Text(), QString());
        QVERIFY(box->BackColor() == kl::ColourWhite);
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 255));
        QVERIFY2(!box->ForeColor().has_value(), qPrintable(name));
        QCOMPARE(int(box->alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(box->Locked(), locked);
        QCOMPARE(box->font().family(), QStringLiteral("MS UI Gothic"));
        QCOMPARE(box->font().bold(), bold);
        QCOMPARE(box->font().pointSizeF(), pointSize);
        QCOMPARE(box->size(), QSize(kl::twips(sizeTwips.width()), kl::twips(sizeTwips.height())));
    }

    void commentStartsFresh_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("heightTwips");
        QTest::newRow("FA") << QStringLiteral("F4_TD_FA_JGCOM_LBL") << 285;
        QTest::newRow("RA") << QStringLiteral("F4_TD_RA_JGCOM_LBL") << 285;
        for (const QString& wheel : WheelCodes) {
            QTest::newRow(qPrintable(wheel)) << QStringLiteral("F4_FC_%1_Total_JGCOM_LBL").arg(wheel) << 885;
        }
    }

    void commentStartsFresh() {
        QFETCH(QString, name);
        QFETCH(int, heightTwips);

        Session s;
        auto* label = s.window().findChild<Label*>(name);
        QVERIFY2(label != nullptr, qPrintable(name));
        QCOMPARE(label->Caption(), QString());
        QCOMPARE(label->text(), QString());
        QVERIFY2(!label->ForeColor().has_value(), qPrintable(name));
        QCOMPARE(label->frameShape(), QFrame::Box);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), label->palette().color(QPalette::Button));
        QCOMPARE(label->font().pointSizeF(), 9.0);
        QVERIFY(!label->font().bold());
        QCOMPARE(label->size(), QSize(kl::twips(4650), kl::twips(heightTwips)));
    }

    // A comment that needs more lines than its label has loses its end, review tag and all.
    void everyCommentFitsItsLabel() {
        Session s;
        for (const QString& wheel : WheelCodes) {
            auto& label =
                kl::testing::need<Label>(s.window(), QStringLiteral("F4_FC_%1_Total_JGCOM_LBL").arg(wheel));
            for (int id = 1; id <= 81; ++id) {
                label.setCaption(kl::commentText(id));
                QVERIFY2(label.heightForWidth(label.width()) <= label.height(),
                         qPrintable(QStringLiteral("%1: C%2").arg(wheel).arg(id, 2, 10, QLatin1Char('0'))));
            }
        }
    }

    void placement_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("rectTwips");
        const auto row = [](const char* name, const char* container, QRect r) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(container) << r;
        };
        row("Frame0", "Form4", twipRect(70, 10, 11750, 7500));
        row("Frame1", "Frame0", twipRect(300, 350, 11150, 6050));
        row("Frame2", "Frame0", twipRect(12120, 360, 3360, 6330));
        row("F4_FC_RR_Total_JGCOM_LBL", "Frame1", twipRect(6350, 5080, 4650, 885));
        row("F4_TD_RA_JGCOM_LBL", "Frame1", twipRect(6350, 1660, 4650, 285));
        row("F4_TD_FA_Old_TXT", "Frame1", twipRect(2590, 1360, 800, 285));
        row("F4_FC_FR_Joubu_JG_TXT", "Frame1", twipRect(5450, 3380, 850, 285));
        row("F4_FC_RL_Zengo_New_TXT", "Frame1", twipRect(4050, 4680, 800, 285));
        row("F4_FC_RL_ZOUKA_New_TXT", "Frame1", twipRect(300, 4680, 1000, 285));
        row("F4_WTR_Kumiawase_New_TXT", "Frame1", twipRect(7100, 860, 3900, 245));
        row("F4_RESULT_TXT", "Frame0", twipRect(8550, 6880, 1200, 450));
        row("F4_Command1", "Frame0", twipRect(9950, 6880, 1500, 450));
        row("F4_Command2", "Frame0", twipRect(5650, 6950, 1500, 350));
        row("Text4", "Frame0", twipRect(6300, 6480, 850, 285));
        row("Text1", "Frame2", twipRect(240, 360, 3015, 855));
        row("Text3", "Frame2", twipRect(240, 2520, 3000, 900));
        row("F5_MinH_JGCOM_LBL", "Frame1", twipRect(7395, 8340, 3255, 285));
    }

    void placement() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, rectTwips);

        Session s;
        auto* w = s.window().findChild<QWidget*>(name);
        QVERIFY2(w != nullptr, qPrintable(name));
        QCOMPARE(w->parentWidget()->objectName(), container);
        QCOMPARE(w->geometry(), rectTwips);
    }

    void staticLabel_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QPoint>("atTwips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<bool>("bold");
        const auto row = [](const QString& name, const char* container, QPoint at, const QString& caption,
                            double pt = 9, bool bold = false) {
            QTest::newRow(qPrintable(name))
                << name << QString::fromUtf8(container) << at << caption << pt << bold;
        };
        row(QStringLiteral("Label_WT_Kumiawase"), "Frame1", {240, 300},
            QStringLiteral("◆ 変更前と変更後のホイールおよびタイヤの組み合わせ"));
        row(QStringLiteral("Label3"), "Frame1", {800, 585}, QStringLiteral("前輪 ： 変更前"));
        row(QStringLiteral("Label6"), "Frame1", {6455, 592}, QStringLiteral("変更後"), 9, true);
        row(QStringLiteral("Label9"), "Frame1", {800, 885}, QStringLiteral("後輪 ： 変更前"));
        row(QStringLiteral("Label8"), "Frame1", {6455, 892}, QStringLiteral("変更後"), 9, true);
        row(QStringLiteral("Label_Old"), "Frame1", {2580, 1150}, QStringLiteral("【 変更前 】"));
        row(QStringLiteral("Label_New"), "Frame1", {3990, 1150}, QStringLiteral("【 変更後 】"), 9, true);
        row(QStringLiteral("Label_JG"), "Frame1", {5530, 1150}, QStringLiteral("【 判 定 】"));
        row(QStringLiteral("Label_JGCOM"), "Frame1", {6450, 1150}, QStringLiteral("【 コメント 】"));
        row(QStringLiteral("Label0"), "Frame1", {1300, 1440}, QStringLiteral("タイヤ外径：前輪"));
        row(QStringLiteral("Label1"), "Frame1", {2180, 1740}, QStringLiteral("後輪"));
        row(QStringLiteral("Label10"), "Frame1", {120, 2140},
            QStringLiteral("ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（左）：引込"));
        row(QStringLiteral("Label11"), "Frame1", {1730, 2440}, QStringLiteral("（左）：上部"));
        row(QStringLiteral("Label4"), "Frame1", {1730, 2740}, QStringLiteral("（左）：前後"));
        row(QStringLiteral("Label2"), "Frame1", {130, 3140}, QStringLiteral("ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（右）：引込"));
        row(QStringLiteral("Label12"), "Frame1", {1730, 3440}, QStringLiteral("（右）：上部"));
        row(QStringLiteral("Label13"), "Frame1", {1730, 3740}, QStringLiteral("（右）：前後"));
        row(QStringLiteral("Label7"), "Frame1", {130, 4140}, QStringLiteral("ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（左）：引込"));
        row(QStringLiteral("Label5"), "Frame1", {1730, 4440}, QStringLiteral("（左）：上部"));
        row(QStringLiteral("Label14"), "Frame1", {1730, 4740}, QStringLiteral("（左）：前後"));
        row(QStringLiteral("Label15"), "Frame1", {130, 5140},
            QStringLiteral("ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（右）：引込"));
        row(QStringLiteral("Label16"), "Frame1", {1730, 5440}, QStringLiteral("（右）：上部"));
        row(QStringLiteral("Label17"), "Frame1", {1730, 5740}, QStringLiteral("（右）：前後"));
        row(QStringLiteral("Label18"), "Frame1", {230, 2445}, QStringLiteral("ﾀｲﾔ内側移動量"));
        row(QStringLiteral("Label19"), "Frame1", {230, 3435}, QStringLiteral("ﾀｲﾔ内側移動量"));
        row(QStringLiteral("Label20"), "Frame1", {230, 4440}, QStringLiteral("ﾀｲﾔ内側移動量"));
        row(QStringLiteral("Label21"), "Frame1", {230, 5445}, QStringLiteral("ﾀｲﾔ内側移動量"));
        row(QStringLiteral("Label_mm_29"), "Frame1", {1350, 2680}, QStringLiteral("mm"));
        row(QStringLiteral("Label_mm_28"), "Frame1", {1350, 3680}, QStringLiteral("mm"));
        row(QStringLiteral("Label_mm_30"), "Frame1", {1350, 4680}, QStringLiteral("mm"));
        row(QStringLiteral("Label_mm_31"), "Frame1", {1350, 5680}, QStringLiteral("mm"));
        row(QStringLiteral("Label_Vemp_8"), "Frame0", {1200, 6525}, QStringLiteral("全く問題なし"));
        row(QStringLiteral("Label_Vemp_10"), "Frame0", {4200, 6525}, QStringLiteral("問題なし(変更点留意)"));
        row(QStringLiteral("Label_Vemp_9"), "Frame0", {7200, 6525}, QStringLiteral("チェックが必要"));
        row(QStringLiteral("Label_Vemp_11"), "Frame0", {10200, 6525}, QStringLiteral("再検討が必要"));
        row(QStringLiteral("Label54"), "Frame0", {7400, 6960}, QStringLiteral("総合判定"), 12.75, true);
        row(QStringLiteral("Label_Arrow_19"), "Frame1", {6000, 540}, QStringLiteral("≫"));
        row(QStringLiteral("Label_Arrow_6"), "Frame1", {6000, 850}, QStringLiteral("≫"));
        // Table rows by top, each with its arrow index.
        const std::pair<int, int> arrows[] = {{1360, 10}, {1660, 11}, {2080, 12}, {2380, 13}, {2680, 3},
                                              {3080, 2},  {3380, 14}, {3680, 15}, {4080, 5},  {4380, 4},
                                              {4680, 16}, {5080, 17}, {5380, 1},  {5680, 0}};
        for (const auto& [top, index] : arrows) {
            row(QStringLiteral("Label_Arrow_%1").arg(index), "Frame1", {3780, top}, QStringLiteral("≫"),
                11.25);
        }
    }

    // Captions are exact, in place, black, and never clipped.
    void staticLabel() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QPoint, atTwips);
        QFETCH(QString, caption);
        QFETCH(double, pointSize);
        QFETCH(bool, bold);

        Session s;
        auto* label = s.window().findChild<Label*>(name);
        QVERIFY2(label != nullptr, qPrintable(name));
        QCOMPARE(label->parentWidget()->objectName(), container);
        QCOMPARE(label->Caption(), caption);
        QCOMPARE(label->pos(), QPoint(kl::twips(atTwips.x()), kl::twips(atTwips.y())));
        QCOMPARE(label->size(), label->sizeHint());
        QCOMPARE(label->font().pointSizeF(), pointSize);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QVERIFY(!label->autoFillBackground());
    }

    // The unit labels sit right of every before, after and shift box, one per box.
    void unitLabelsBesideEveryBox() {
        Session s;
        QSet<QString> boxesWithUnit;
        for (int i = 0; i < 32; ++i) {
            const QString name = QStringLiteral("Label_mm_%1").arg(i);
            auto* unit = s.window().findChild<Label*>(name);
            QVERIFY2(unit != nullptr, qPrintable(name));
            QCOMPARE(unit->Caption(), QStringLiteral("mm"));
            for (TextBox* box : unit->parentWidget()->findChildren<TextBox*>(Qt::FindDirectChildrenOnly)) {
                const QRect g = box->geometry();
                if (g.y() == unit->y() && unit->x() > g.right() && unit->x() - g.right() <= kl::twips(100)) {
                    boxesWithUnit << box->objectName();
                }
            }
        }
        QCOMPARE(boxesWithUnit.size(), 32);
    }

    // In each frame no caption overlaps another control, with the fonts this machine substitutes.
    void captionsOverlapNothing() {
        Session s;
        for (const char* frameName : {"Frame0", "Frame1"}) {
            auto* frame = s.window().findChild<QWidget*>(QString::fromUtf8(frameName));
            const QList<QWidget*> children = frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* a : children) {
                if (qobject_cast<Label*>(a) == nullptr) {
                    continue;
                }
                for (QWidget* b : children) {
                    if (a != b && a->geometry().intersects(b->geometry())) {
                        QFAIL(qPrintable(a->objectName() + QStringLiteral(" overlaps ") + b->objectName()));
                    }
                }
            }
        }
    }

    void legendSwatch_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("ample") << QStringLiteral("Notice_Blue_TXT") << QColor(145, 175, 250);
        QTest::newRow("adequate") << QStringLiteral("Notice_Yellow_TXT") << QColor(155, 255, 155);
        QTest::newRow("caution") << QStringLiteral("Text4") << QColor(250, 250, 145);
        QTest::newRow("ng") << QStringLiteral("Notice_Red_TXT") << QColor(250, 145, 175);
    }

    void legendSwatch() {
        QFETCH(QString, name);
        QFETCH(QColor, colour);

        Session s;
        auto* swatch = s.window().findChild<TextBox*>(name);
        QVERIFY2(swatch != nullptr, qPrintable(name));
        QCOMPARE(swatch->BackColor().toColor(), colour);
        QCOMPARE(swatch->palette().color(QPalette::Base), colour);
        QCOMPARE(swatch->Text(), QString());
        QVERIFY(swatch->Locked());
        QCOMPARE(swatch->font().pointSizeF(), 8.25);
        QCOMPARE(swatch->size(), QSize(kl::twips(850), kl::twips(285)));
    }

    void loadStepSetsCaptionAndHelpPath() {
        Session s;
        s.ctx.programFolder = QStringLiteral("C:\\Tools\\KL");
        kl::Form4& w = s.window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Kavor Lintep 2005 Zelmarovinth - 解析結果モード"));
        QCOMPARE(w.HelpFilePath, QStringLiteral("C:\\Tools\\KL/Kavor Lintep 2005 HELP.chm"));
        QVERIFY(!w.isVisible());

        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.size(), QSize(kl::twips(11820), kl::twips(7755)));
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    }

    void notesFrameIsOutOfSight() {
        Session s;
        kl::Form4& w = s.window();
        auto* frame0 = w.findChild<QWidget*>(QStringLiteral("Frame0"));
        auto* frame2 = w.findChild<QWidget*>(QStringLiteral("Frame2"));
        QVERIFY(frame2->x() >= frame0->width());
        auto* text1 = w.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(text1 != nullptr);
        QCOMPARE(text1->document()->blockCount(), 3);
        QVERIFY(text1->toPlainText().startsWith(QStringLiteral("1）上記の他に、")));
        QVERIFY(text1->document()->findBlockByNumber(1).text().startsWith(QStringLiteral("2) インチアップ")));
        QVERIFY(text1->toPlainText().endsWith(QStringLiteral("求められます。")));
        for (const QString& name : {QStringLiteral("Text2"), QStringLiteral("Text3")}) {
            auto* memo = w.findChild<QPlainTextEdit*>(name);
            QVERIFY2(memo != nullptr, qPrintable(name));
            QCOMPARE(memo->toPlainText(), QString());
            QCOMPARE(memo->palette().color(QPalette::Base), QColor(255, 192, 192));
            QCOMPARE(memo->frameShape(), QFrame::NoFrame);
        }
    }

    void enterKey_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("okClicks");
        QTest::addColumn<int>("backClicks");
        QTest::newRow("locked grade box")
            << QStringLiteral("F4_FC_FL_Hikikomi_JG_TXT") << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("keypad enter") << QStringLiteral("F4_TD_RA_Old_TXT") << int(Qt::Key_Enter) << 1 << 0;
        QTest::newRow("combination box")
            << QStringLiteral("F4_WTR_Kumiawase_New_TXT") << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("verdict box") << QStringLiteral("F4_RESULT_TXT") << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("swatch") << QStringLiteral("Notice_Red_TXT") << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("ok itself") << QStringLiteral("F4_Command1") << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("back button") << QStringLiteral("F4_Command2") << int(Qt::Key_Return) << 0 << 1;
        QTest::newRow("multi-line notes") << QStringLiteral("Text1") << int(Qt::Key_Return) << 0 << 0;
        QTest::newRow("escape") << QStringLiteral("F4_FC_RR_Zengo_New_TXT") << int(Qt::Key_Escape) << 0 << 0;
    }

    void enterKey() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, okClicks);
        QFETCH(int, backClicks);

        Session s;
        kl::Form4& w = s.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy ok(w.findChild<QPushButton*>(QStringLiteral("F4_Command1")), &QAbstractButton::clicked);
        QSignalSpy back(w.findChild<QPushButton*>(QStringLiteral("F4_Command2")), &QAbstractButton::clicked);
        auto* target = w.findChild<QWidget*>(focus);
        QVERIFY2(target != nullptr, qPrintable(focus));
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(ok.count(), okClicks);
        QCOMPARE(back.count(), backClicks);
    }

    void tabOrderRunsFromOkThroughTheNotes() {
        QStringList expected{QStringLiteral("F4_Command1"), QStringLiteral("F4_WTF_Kumiawase_Old_TXT"),
                             QStringLiteral("F4_WTF_Kumiawase_New_TXT"),
                             QStringLiteral("F4_WTR_Kumiawase_Old_TXT"),
                             QStringLiteral("F4_WTR_Kumiawase_New_TXT")};
        for (const QString& axle : {QStringLiteral("FA"), QStringLiteral("RA")}) {
            for (const QString& part : {QStringLiteral("Old"), QStringLiteral("New"), QStringLiteral("JG")}) {
                expected << QStringLiteral("F4_TD_%1_%2_TXT").arg(axle, part);
            }
        }
        for (const QString& wheel : WheelCodes) {
            expected << QStringLiteral("F4_FC_%1_ZOUKA_New_TXT").arg(wheel);
            for (const QString& kind : Kinds) {
                for (const QString& part :
                     {QStringLiteral("Old"), QStringLiteral("New"), QStringLiteral("JG")}) {
                    expected << QStringLiteral("F4_FC_%1_%2_%3_TXT").arg(wheel, kind, part);
                }
            }
        }
        expected << QStringLiteral("F4_RESULT_TXT") << QStringLiteral("F4_Command2")
                 << QStringLiteral("Notice_Blue_TXT") << QStringLiteral("Notice_Yellow_TXT")
                 << QStringLiteral("Text4") << QStringLiteral("Notice_Red_TXT") << QStringLiteral("Text1")
                 << QStringLiteral("Text2") << QStringLiteral("Text3");

        Session s;
        kl::Form4& w = s.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.focusWidget()->objectName(), QStringLiteral("F4_Command1"));
        QCOMPARE(focusableNames(w.focusWidget()), expected);

        // Pressing Tab follows the same order, also through the boxes nobody can see, and wraps.
        QStringList visited;
        for (qsizetype i = 0; i <= expected.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected + QStringList{QStringLiteral("F4_Command1")});
    }

    void unloadThenGetGivesFreshWindow() {
        Session s;
        QPointer<kl::Form4> first = &s.window();
        first->control<TextBox>(QStringLiteral("F4_RESULT_TXT")).setText(QStringLiteral("N G"));
        first->control<TextBox>(QStringLiteral("F4_FC_FL_Zengo_JG_TXT")).setForeColor(kl::ColourNgText);
        first->control<Label>(QStringLiteral("F4_FC_RR_Total_JGCOM_LBL"))
            .setCaption(QStringLiteral("要再検討"));
        first->setWindowTitle(QStringLiteral("changed"));

        s.ctx.forms().unload<kl::Form4>();
        kl::testing::flushUnloads();
        QVERIFY(first.isNull());
        QVERIFY(s.ctx.forms().loaded<kl::Form4>() == nullptr);

        kl::Form4& second = s.window();
        QCOMPARE(second.control<TextBox>(QStringLiteral("F4_RESULT_TXT")).Text(), QString());
        QVERIFY(!second.control<TextBox>(QStringLiteral("F4_FC_FL_Zengo_JG_TXT")).ForeColor().has_value());
        QCOMPARE(second.control<Label>(QStringLiteral("F4_FC_RR_Total_JGCOM_LBL")).Caption(), QString());
        QCOMPARE(second.windowTitle(), QStringLiteral("Kavor Lintep 2005 Zelmarovinth - 解析結果モード"));
    }
};

QTEST_MAIN(Form4LayoutTest)
#include "Form4LayoutTest.moc"
