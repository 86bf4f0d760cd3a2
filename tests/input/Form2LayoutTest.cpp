#include <memory>

#include <QApplication>
#include <QKeyEvent>
#include <QtTest>

#include "input/gui/Form2.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestEnvironment.h"

using namespace Qt::Literals::StringLiterals;
using kl::CheckBox;
using kl::ComboBox;
using kl::Form2;
using kl::TextBox;

namespace {

QStringList allLists() {
    return {QStringLiteral("Combo1"),  QStringLiteral("Combo2"),  QStringLiteral("Combo3"),
            QStringLiteral("Combo4"),  QStringLiteral("Combo11"), QStringLiteral("Combo12"),
            QStringLiteral("Combo14"), QStringLiteral("Combo15"), QStringLiteral("Combo16"),
            QStringLiteral("Combo17"), QStringLiteral("Combo19"), QStringLiteral("Combo20"),
            QStringLiteral("Combo21"), QStringLiteral("Combo22"), QStringLiteral("Combo24"),
            QStringLiteral("Combo25"), QStringLiteral("Combo26"), QStringLiteral("Combo27"),
            QStringLiteral("Combo29"), QStringLiteral("Combo30")};
}

QStringList clearanceBoxes() {
    QStringList names;
    for (const char* wheel : {"FL", "FR", "RL", "RR"}) {
        for (const char* kind : {"Hikikomi", "Joubu", "Zengo"}) {
            names.append(
                QStringLiteral("F2_FC_%1_%2_Old_TXT").arg(QLatin1StringView(wheel), QLatin1StringView(kind)));
        }
    }
    return names;
}

QStringList typedBoxes() {
    return QStringList{QStringLiteral("Text13"), QStringLiteral("Text18"), QStringLiteral("Text23"),
                       QStringLiteral("Text28")} +
           clearanceBoxes();
}

QStringList listItems(const ComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items.append(list.itemText(i));
    }
    return items;
}

} // namespace

class Form2LayoutTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<kl::testing::FormTestContext> m_test;
    kl::AppContext* m_ctx = nullptr;

    Form2& window() { return m_ctx->forms().get<Form2>(); }

private Q_SLOTS:
    void initTestCase() { kl::testing::prepareWidgetTests(); }

    void init() {
        m_test = std::make_unique<kl::testing::FormTestContext>();
        m_ctx = m_test->ctx.get();
    }

    void cleanup() {
        m_ctx->forms().unloadAll();
        kl::testing::flushUnloads();
        m_test.reset();
        m_ctx = nullptr;
        kl::testing::flushUnloads();
        const QString left = kl::testing::leftoverForm();
        QVERIFY2(left.isEmpty(), qPrintable(left));
    }

    void listsHoldTheirItems_data() {
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QStringList>("items");

        QTest::newRow("offset direction") << QStringList{u"Combo1"_s, u"Combo2"_s, u"Combo3"_s, u"Combo4"_s}
                                          << QStringList{u"\uFF0B"_s, u"\uFF0D"_s, u"\u00B1"_s};
        QTest::newRow("rim diameter, no 11")
            << QStringList{u"Combo11"_s, u"Combo16"_s, u"Combo21"_s, u"Combo26"_s}
            << QStringList{u"10"_s, u"12"_s, u"13"_s, u"14"_s, u"15"_s,
                           u"16"_s, u"17"_s, u"18"_s, u"19"_s, u"20"_s};
        QTest::newRow("rim width, halves")
            << QStringList{u"Combo12"_s, u"Combo17"_s, u"Combo22"_s, u"Combo27"_s}
            << QStringList{u"3"_s, u"3.5"_s, u"4"_s,  u"4.5"_s,  u"5"_s,  u"5.5"_s,
                           u"6"_s, u"6.5"_s, u"7"_s,  u"7.5"_s,  u"8"_s,  u"8.5"_s,
                           u"9"_s, u"9.5"_s, u"10"_s, u"10.5"_s, u"11"_s, u"11.5"_s};
        QTest::newRow("tyre width") << QStringList{u"Combo14"_s, u"Combo19"_s, u"Combo24"_s, u"Combo29"_s}
                                    << QStringList{u"135"_s, u"145"_s, u"155"_s, u"165"_s, u"175"_s, u"185"_s,
                                                   u"195"_s, u"205"_s, u"215"_s, u"225"_s, u"235"_s, u"245"_s,
                                                   u"255"_s, u"265"_s, u"275"_s, u"285"_s, u"295"_s};
        QTest::newRow("aspect ratio") << QStringList{u"Combo15"_s, u"Combo20"_s, u"Combo25"_s, u"Combo30"_s}
                                      << QStringList{u"30"_s, u"35"_s, u"40"_s, u"45"_s, u"50"_s, u"55"_s,
                                                     u"60"_s, u"65"_s, u"70"_s, u"75"_s, u"80"_s};
    }

    // Loading twice must not add the items twice: the second window is built afresh.
    void listsHoldTheirItems() {
        QFETCH(QStringList, lists);
        QFETCH(QStringList, items);
        for (int load = 1; load <= 2; ++load) {
            Form2& f = window();
            for (const QString& name : lists) {
                QCOMPARE(listItems(f.control<ComboBox>(name)), items);
            }
            f.Unload();
            kl::testing::flushUnloads();
        }
    }

    void freshWindowIsEmpty() {
        Form2& f = window();
        for (const QString& name : allLists()) {
            const ComboBox& list = f.control<ComboBox>(name);
            QCOMPARE(list.ListIndex(), -1);
            QVERIFY2(list.Text().isEmpty(), qPrintable(name));
            QVERIFY(!list.isEditable());
            QVERIFY(list.isEnabled());
        }
        for (const QString& name : typedBoxes()) {
            const TextBox& box = f.control<TextBox>(name);
            QVERIFY2(box.Text().isEmpty(), qPrintable(name));
            QVERIFY(!box.Locked());
            QVERIFY(box.isEnabled());
            QCOMPARE(box.maxLength(), 4);
            QCOMPARE(box.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QVERIFY2(!box.testAttribute(Qt::WA_InputMethodEnabled), qPrintable(name));
        }
        QCOMPARE(f.control<CheckBox>(u"Check1"_s).Value(), 0);
        QCOMPARE(f.control<CheckBox>(u"Check2"_s).Value(), 0);
        QCOMPARE(f.control<kl::Label>(u"Label_Kaisetsu"_s).Caption(),
                 u"項目の選択またはクリックすることによって、ここに解説が自動的に表示されます。"_s);
    }

    // Locking an offset box for "±" and unlocking it again must not switch the input method back on.
    void inputMethodStaysOffThroughLocking() {
        TextBox& box = window().control<TextBox>(u"Text23"_s);
        box.setLocked(true);
        box.setLocked(false);
        QVERIFY(!box.testAttribute(Qt::WA_InputMethodEnabled));
    }

    void typedBoxRefusesAFifthCharacter_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("offset") << u"Text13"_s;
        QTest::newRow("rear offset") << u"Text28"_s;
        QTest::newRow("clearance") << u"F2_FC_RR_Zengo_Old_TXT"_s;
    }

    void typedBoxRefusesAFifthCharacter() {
        QFETCH(QString, box);
        TextBox& t = window().control<TextBox>(box);
        QTest::keyClicks(&t, u"12.34"_s);
        QCOMPARE(t.Text(), u"12.3"_s);
    }

    void tabOrderWalksTheFieldsAndWraps() {
        const QStringList expected{
            u"Combo11"_s,
            u"Combo12"_s,
            u"Combo1"_s,
            u"Text13"_s,
            u"Combo14"_s,
            u"Combo15"_s,
            u"F2_FC_FL_Hikikomi_Old_TXT"_s,
            u"F2_FC_FL_Joubu_Old_TXT"_s,
            u"F2_FC_FL_Zengo_Old_TXT"_s,
            u"F2_FC_FR_Hikikomi_Old_TXT"_s,
            u"F2_FC_FR_Joubu_Old_TXT"_s,
            u"F2_FC_FR_Zengo_Old_TXT"_s,
            u"Check1"_s,
            u"Combo16"_s,
            u"Combo17"_s,
            u"Combo2"_s,
            u"Text18"_s,
            u"Combo19"_s,
            u"Combo20"_s,
            u"F2_FC_RL_Hikikomi_Old_TXT"_s,
            u"F2_FC_RL_Joubu_Old_TXT"_s,
            u"F2_FC_RL_Zengo_Old_TXT"_s,
            u"F2_FC_RR_Hikikomi_Old_TXT"_s,
            u"F2_FC_RR_Joubu_Old_TXT"_s,
            u"F2_FC_RR_Zengo_Old_TXT"_s,
            u"Combo21"_s,
            u"Combo22"_s,
            u"Combo3"_s,
            u"Text23"_s,
            u"Combo24"_s,
            u"Combo25"_s,
            u"Check2"_s,
            u"Combo26"_s,
            u"Combo27"_s,
            u"Combo4"_s,
            u"Text28"_s,
            u"Combo29"_s,
            u"Combo30"_s,
            u"Command1"_s,
            u"Command2"_s,
            u"Command3"_s,
            u"Combo11"_s,
        };
        Form2& f = window();
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget(), &f.control<ComboBox>(u"Combo11"_s));
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != nullptr);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected[i]);
        }
    }

    // Enter runs the analysis from a field, as from a dialog's default button; on another button it
    // presses that button instead. The analysis of an empty window only warns.
    void enterPressesOk_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("warnings");
        QTest::newRow("list") << u"Combo11"_s << 1;
        QTest::newRow("typed box") << u"F2_FC_FL_Hikikomi_Old_TXT"_s << 1;
        QTest::newRow("check box") << u"Check2"_s << 1;
        QTest::newRow("O K itself") << u"Command1"_s << 1;
        QTest::newRow("data clear button") << u"Command2"_s << 0;
    }

    void enterPressesOk() {
        QFETCH(QString, focused);
        QFETCH(int, warnings);
        Form2& f = window();
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QWidget& target = f.control<QWidget>(focused);
        target.setFocus();
        QTest::keyClick(&target, Qt::Key_Return);
        QCOMPARE(static_cast<int>(m_test->boxes.asked.size()), warnings);
        QCOMPARE(m_ctx->forms().loaded<Form2>(), &f);
    }

    void captionAndHelpFile() {
        m_ctx->programFolder = u"D:\\Tools\\KL"_s;
        Form2& f = window();
        QCOMPARE(f.windowTitle(), u"Kavor Lintep 2005 Zelmarovinth - 入力モード"_s);
        QCOMPARE(f.HelpFilePath, u"D:\\Tools\\KL/Kavor Lintep 2005 HELP.chm"_s);
    }

    void texts_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("caption");
        QTest::newRow("old front rim")
            << u"Combo11"_s << u"変更前の前輪ホイールリム径を選択して下さい"_s << QString();
        QTest::newRow("old rear offset")
            << u"Text18"_s << u"変更前の後輪ホイールオフセット量を直接入力して下さい"_s << QString();
        QTest::newRow("new rear direction")
            << u"Combo4"_s << u"変更後の後輪ホイールオフセット方向を選択して下さい"_s << QString();
        QTest::newRow("new front aspect")
            << u"Combo25"_s << u"変更後の前輪タイヤ扁平率を選択して下さい"_s << QString();
        QTest::newRow("FL pull-in") << u"F2_FC_FL_Hikikomi_Old_TXT"_s
                                    << u"変更前の前輪左フェンダークリアランス引込量を直接入力して下さい"_s
                                    << QString();
        QTest::newRow("RR fore-aft") << u"F2_FC_RR_Zengo_Old_TXT"_s
                                     << u"変更前の後輪右フェンダークリアランス前後量を直接入力して下さい"_s
                                     << QString();
        QTest::newRow("same as front")
            << u"Check1"_s
            << u"後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 入力が省略でき便利です。"_s
            << u"前輪ホイールと同じ"_s;
        QTest::newRow("OK") << u"Command1"_s << QString() << u"O K"_s;
        QTest::newRow("clear") << u"Command2"_s << QString() << u"データクリア"_s;
        QTest::newRow("top menu") << u"Command3"_s << QString() << u"トップメニュー"_s;
        QTest::newRow("new rear aspect label") << u"LabelS8"_s << QString() << u"タイヤ扁平率（%）"_s;
        QTest::newRow("offset label") << u"Label20"_s << QString() << u"ホイールオフセット（mm）"_s;
        QTest::newRow("right pull-in label") << u"Label24"_s << QString() << u"右 ： 引込"_s;
        QTest::newRow("left upper label") << u"Label31"_s << QString() << u"上部"_s;
        QTest::newRow("rear clearances frame")
            << u"Frame6"_s << QString() << u"後輪フェンダークリアランス（mm）"_s;
        QTest::newRow("blank heading") << u"Frame2"_s << QString() << QString(18, u' ');
    }

    void texts() {
        QFETCH(QString, control);
        QFETCH(QString, toolTip);
        QFETCH(QString, caption);
        QWidget& w = window().control<QWidget>(control);
        QCOMPARE(w.toolTip(), toolTip);
        if (auto* label = qobject_cast<kl::Label*>(&w)) {
            QCOMPARE(label->Caption(), caption);
        } else if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
            QCOMPARE(button->text(), caption);
        } else if (auto* frame = qobject_cast<kl::Frame*>(&w)) {
            QCOMPARE(frame->title(), caption);
        }
    }

    // Positions in twips inside the named container; a size of -1 is not checked.
    void geometry_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twipRect");
        QTest::newRow("RR fore-aft") << u"F2_FC_RR_Zengo_Old_TXT"_s << u"Frame6"_s
                                     << QRect(3000, 890, 800, 300);
        QTest::newRow("FL pull-in") << u"F2_FC_FL_Hikikomi_Old_TXT"_s << u"Frame7"_s
                                    << QRect(1135, 260, 800, 300);
        QTest::newRow("rim list") << u"Combo11"_s << u"Frame1"_s << QRect(2100, 350, 1700, 300);
        QTest::newRow("direction") << u"Combo3"_s << u"Frame3"_s << QRect(2100, 980, 550, 300);
        QTest::newRow("offset") << u"Text28"_s << u"Frame4"_s << QRect(2730, 980, 1070, 300);
        QTest::newRow("aspect") << u"Combo20"_s << u"Frame2"_s << QRect(2100, 1670, 1700, 300);
        QTest::newRow("same as front") << u"Check2"_s << u"Frame4"_s << QRect(1300, 0, -1, 255);
        QTest::newRow("OK") << u"Command1"_s << u"Frame2_Main"_s << QRect(7150, 2790, 1500, 450);
        QTest::newRow("top menu") << u"Command3"_s << u"Frame2_Main"_s << QRect(5400, 3050, 1500, 250);
        QTest::newRow("new front frame") << u"Frame3"_s << u"Frame2_Main"_s << QRect(300, 380, 4100, 2150);
        QTest::newRow("rear clearances") << u"Frame6"_s << u"Frame1_Main"_s << QRect(4550, 2540, 4100, 1280);
        QTest::newRow("help panel") << u"Frame5"_s << u"Form2"_s << QRect(9240, 10, 2540, 7500);
        QTest::newRow("help text") << u"Label_Kaisetsu"_s << u"Frame5"_s << QRect(105, 360, 2340, 6675);
        QTest::newRow("right pull-in label") << u"Label26"_s << u"Frame7"_s << QRect(2205, 320, -1, -1);
    }

    void geometry() {
        QFETCH(QString, control);
        QFETCH(QString, container);
        QFETCH(QRect, twipRect);
        Form2& f = window();
        const QWidget& w = f.control<QWidget>(control);
        QVERIFY(w.parentWidget() != nullptr);
        QCOMPARE(w.parentWidget()->objectName(), container);
        QCOMPARE(w.pos(), QPoint(kl::twips(twipRect.left()), kl::twips(twipRect.top())));
        if (twipRect.width() >= 0) {
            QCOMPARE(w.width(), kl::twips(twipRect.width()));
        }
        if (twipRect.height() >= 0) {
            QCOMPARE(w.height(), kl::twips(twipRect.height()));
        }
    }

    // The substitute font runs wider than the original one: a wheel frame's caption moves left rather
    // than run under its input, and a check box grows rather than cut its caption off.
    void captionsStayReadable_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QPoint>("twipPos");
        QTest::newRow("old front rim diameter") << u"Label1"_s << QPoint(525, 405);
        QTest::newRow("old rear rim width") << u"Label9"_s << QPoint(530, 720);
        QTest::newRow("new front offset") << u"Label20"_s << QPoint(360, 1035);
        QTest::newRow("new rear tyre width") << u"Label10"_s << QPoint(200, 1410);
        QTest::newRow("new rear aspect ratio") << u"LabelS8"_s << QPoint(810, 1725);
    }

    void captionsStayReadable() {
        QFETCH(QString, label);
        QFETCH(QPoint, twipPos);
        Form2& f = window();
        const auto& l = f.control<kl::Label>(label);
        QCOMPARE(l.y(), kl::twips(twipPos.y()));
        QVERIFY(l.x() <= kl::twips(twipPos.x()));
        QVERIFY(l.x() >= 0);
        QVERIFY(l.width() >= l.sizeHint().width());
        QVERIFY2(l.geometry().right() < kl::twips(2100), qPrintable(QString::number(l.geometry().right())));
    }

    void sameAsFrontCaptionsFit() {
        Form2& f = window();
        for (const QString& check : {u"Check1"_s, u"Check2"_s}) {
            const auto& box = f.control<CheckBox>(check);
            QVERIFY(box.width() >= box.sizeHint().width());
            QVERIFY(box.geometry().right() < box.parentWidget()->width());
        }
    }

    void windowIsFixedWithoutMinMax() {
        Form2& f = window();
        const QSize client(kl::twips(11820), kl::twips(7785));
        QCOMPARE(f.minimumSize(), client);
        QCOMPARE(f.maximumSize(), client);
        QVERIFY(!(f.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.windowFlags() & Qt::WindowCloseButtonHint);
    }
};

QTEST_MAIN(Form2LayoutTest)
#include "Form2LayoutTest.moc"
