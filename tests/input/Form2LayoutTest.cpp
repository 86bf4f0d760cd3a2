#include <memory>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "Form2Testing.h"
#include "platform/ImageBox.h"
#include "support/FrameChecks.h"
#include "support/WindowTest.h"

using namespace Qt::Literals::StringLiterals;
using kl::CheckBox;
using kl::ComboBox;
using kl::Form2;
using kl::TextBox;
using namespace kl::testing;

namespace {

QStringList listItems(const ComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items.append(list.itemText(i));
    }
    return items;
}

// Adds one row of the window's control table. A width or height of -1 is the control's own (a caption's or
// a picture's); `mayMoveLeft` marks a wheel frame's caption, which moves left rather than run under its
// input.
void row(const QString& name, const QString& kind, const QString& container, QRect twipRect, double points,
         bool bold, const QString& text, const QString& toolTip, bool mayMoveLeft) {
    QTest::newRow(qPrintable(name)) << name << kind << container << twipRect << points << bold << text
                                    << toolTip << mayMoveLeft;
}

QStringList tempPictureFiles() {
    return QDir(QDir::tempPath()).entryList({u"~rs*"_s}, QDir::Files);
}

} // namespace

class Form2LayoutTest : public LayoutTest {
    Q_OBJECT

private:
    kl::AppContext* m_ctx = nullptr;

    Form2& window() { return m_ctx->forms().get<Form2>(); }

private Q_SLOTS:
    void init() {
        WindowTest::init();
        m_ctx = m_test->ctx.get();
    }

    void cleanup() {
        WindowTest::cleanup();
        m_ctx = nullptr;
    }

    // The whole window, control by control, in twips inside each control's container.
    void controlTable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twipRect");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("mayMoveLeft");
        row(u"Frame1_Main"_s, u"Frame"_s, u"client"_s, QRect(100, 10, 8950, 3930), 11.25, true,
            QString(21, u' '), QString(), false);
        row(u"Frame2_Main"_s, u"Frame"_s, u"client"_s, QRect(100, 4020, 8950, 3500), 11.25, true,
            QString(21, u' '), QString(), false);
        row(u"Frame5"_s, u"Frame"_s, u"client"_s, QRect(9240, 10, 2540, 7500), 11.25, true, QString(6, u' '),
            QString(), false);
        row(u"Image9"_s, u"ImageBox"_s, u"Frame1_Main"_s, QRect(150, 0, -1, -1), 0, false, QString(),
            QString(), false);
        row(u"Image10"_s, u"ImageBox"_s, u"Frame2_Main"_s, QRect(150, 0, -1, -1), 0, false, QString(),
            QString(), false);
        row(u"Frame1"_s, u"Frame"_s, u"Frame1_Main"_s, QRect(300, 350, 4100, 2120), 11.25, false,
            QString(14, u' '), QString(), false);
        row(u"Frame2"_s, u"Frame"_s, u"Frame1_Main"_s, QRect(4550, 350, 4100, 2120), 11.25, false,
            QString(18, u' '), QString(), false);
        row(u"Frame3"_s, u"Frame"_s, u"Frame2_Main"_s, QRect(300, 380, 4100, 2150), 12, false,
            QString(14, u' '), QString(), false);
        row(u"Frame4"_s, u"Frame"_s, u"Frame2_Main"_s, QRect(4550, 380, 4100, 2150), 11.25, false,
            QString(18, u' '), QString(), false);
        row(u"Frame7"_s, u"Frame"_s, u"Frame1_Main"_s, QRect(300, 2540, 4100, 1280), 9, false,
            u"前輪フェンダークリアランス（mm）"_s, QString(), false);
        row(u"Frame6"_s, u"Frame"_s, u"Frame1_Main"_s, QRect(4550, 2540, 4100, 1280), 9, false,
            u"後輪フェンダークリアランス（mm）"_s, QString(), false);
        row(u"Image6"_s, u"ImageBox"_s, u"Frame1"_s, QRect(150, 20, -1, -1), 0, false, QString(), QString(),
            false);
        row(u"Label1"_s, u"Label"_s, u"Frame1"_s, QRect(525, 405, -1, -1), 9, false,
            u"ホイールリム径（inch）"_s, QString(), true);
        row(u"Label6"_s, u"Label"_s, u"Frame1"_s, QRect(530, 720, -1, -1), 9, false,
            u"ホイールリム幅（inch）"_s, QString(), true);
        row(u"Label25"_s, u"Label"_s, u"Frame1"_s, QRect(360, 1035, -1, -1), 9, false,
            u"ホイールオフセット（mm）"_s, QString(), true);
        row(u"Label3"_s, u"Label"_s, u"Frame1"_s, QRect(200, 1410, -1, -1), 9, false,
            u"タイヤ断面幅サイズ（mm）"_s, QString(), true);
        row(u"Label4"_s, u"Label"_s, u"Frame1"_s, QRect(810, 1725, -1, -1), 9, false, u"タイヤ扁平率（%）"_s,
            QString(), true);
        row(u"Combo11"_s, u"ComboBox"_s, u"Frame1"_s, QRect(2100, 350, 1700, 300), 9, true, QString(),
            u"変更前の前輪ホイールリム径を選択して下さい"_s, false);
        row(u"Combo12"_s, u"ComboBox"_s, u"Frame1"_s, QRect(2100, 665, 1700, 300), 9, true, QString(),
            u"変更前の前輪ホイールリム幅を選択して下さい"_s, false);
        row(u"Combo1"_s, u"ComboBox"_s, u"Frame1"_s, QRect(2100, 980, 550, 300), 9, true, QString(),
            u"変更前の前輪ホイールオフセット方向を選択して下さい"_s, false);
        row(u"Text13"_s, u"TextBox"_s, u"Frame1"_s, QRect(2730, 980, 1070, 300), 9, true, QString(),
            u"変更前の前輪ホイールオフセット量を直接入力して下さい"_s, false);
        row(u"Combo14"_s, u"ComboBox"_s, u"Frame1"_s, QRect(2100, 1355, 1700, 300), 9, true, QString(),
            u"変更前の前輪タイヤ断面幅サイズを選択して下さい"_s, false);
        row(u"Combo15"_s, u"ComboBox"_s, u"Frame1"_s, QRect(2100, 1670, 1700, 300), 9, true, QString(),
            u"変更前の前輪タイヤ扁平率を選択して下さい"_s, false);
        row(u"Image7"_s, u"ImageBox"_s, u"Frame2"_s, QRect(150, 20, -1, -1), 0, false, QString(), QString(),
            false);
        row(u"Label5"_s, u"Label"_s, u"Frame2"_s, QRect(530, 405, -1, -1), 9, false,
            u"ホイールリム径（inch）"_s, QString(), true);
        row(u"Label9"_s, u"Label"_s, u"Frame2"_s, QRect(530, 720, -1, -1), 9, false,
            u"ホイールリム幅（inch）"_s, QString(), true);
        row(u"Label14"_s, u"Label"_s, u"Frame2"_s, QRect(360, 1035, -1, -1), 9, false,
            u"ホイールオフセット（mm）"_s, QString(), true);
        row(u"Label7"_s, u"Label"_s, u"Frame2"_s, QRect(200, 1410, -1, -1), 9, false,
            u"タイヤ断面幅サイズ（mm）"_s, QString(), true);
        row(u"Label8"_s, u"Label"_s, u"Frame2"_s, QRect(810, 1725, -1, -1), 9, false, u"タイヤ扁平率（%）"_s,
            QString(), true);
        row(u"Combo16"_s, u"ComboBox"_s, u"Frame2"_s, QRect(2100, 350, 1700, 300), 9, true, QString(),
            u"変更前の後輪ホイールリム径を選択して下さい"_s, false);
        row(u"Combo17"_s, u"ComboBox"_s, u"Frame2"_s, QRect(2100, 665, 1700, 300), 9, true, QString(),
            u"変更前の後輪ホイールリム幅を選択して下さい"_s, false);
        row(u"Combo2"_s, u"ComboBox"_s, u"Frame2"_s, QRect(2100, 980, 550, 300), 9, true, QString(),
            u"変更前の後輪ホイールオフセット方向を選択して下さい"_s, false);
        row(u"Text18"_s, u"TextBox"_s, u"Frame2"_s, QRect(2730, 980, 1070, 300), 9, true, QString(),
            u"変更前の後輪ホイールオフセット量を直接入力して下さい"_s, false);
        row(u"Combo19"_s, u"ComboBox"_s, u"Frame2"_s, QRect(2100, 1355, 1700, 300), 9, true, QString(),
            u"変更前の後輪タイヤ断面幅サイズを選択して下さい"_s, false);
        row(u"Combo20"_s, u"ComboBox"_s, u"Frame2"_s, QRect(2100, 1670, 1700, 300), 9, true, QString(),
            u"変更前の後輪タイヤ扁平率を選択して下さい"_s, false);
        row(u"Check1"_s, u"CheckBox"_s, u"Frame2"_s, QRect(1300, 0, -1, 255), 9, false,
            u"前輪ホイールと同じ"_s,
            u"後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 入力が省略でき便利です。"_s,
            false);
        row(u"Image5"_s, u"ImageBox"_s, u"Frame3"_s, QRect(150, 20, -1, -1), 0, false, QString(), QString(),
            false);
        row(u"Label11"_s, u"Label"_s, u"Frame3"_s, QRect(530, 405, -1, -1), 9, false,
            u"ホイールリム径（inch）"_s, QString(), true);
        row(u"Label19"_s, u"Label"_s, u"Frame3"_s, QRect(530, 720, -1, -1), 9, false,
            u"ホイールリム幅（inch）"_s, QString(), true);
        row(u"Label20"_s, u"Label"_s, u"Frame3"_s, QRect(360, 1035, -1, -1), 9, false,
            u"ホイールオフセット（mm）"_s, QString(), true);
        row(u"Label12"_s, u"Label"_s, u"Frame3"_s, QRect(200, 1410, -1, -1), 9, false,
            u"タイヤ断面幅サイズ（mm）"_s, QString(), true);
        row(u"Label15"_s, u"Label"_s, u"Frame3"_s, QRect(810, 1725, -1, -1), 9, false, u"タイヤ扁平率（%）"_s,
            QString(), true);
        row(u"Combo21"_s, u"ComboBox"_s, u"Frame3"_s, QRect(2100, 350, 1700, 300), 9, true, QString(),
            u"変更後の前輪ホイールリム径を選択して下さい"_s, false);
        row(u"Combo22"_s, u"ComboBox"_s, u"Frame3"_s, QRect(2100, 665, 1700, 300), 9, true, QString(),
            u"変更後の前輪ホイールリム幅を選択して下さい"_s, false);
        row(u"Combo3"_s, u"ComboBox"_s, u"Frame3"_s, QRect(2100, 980, 550, 300), 9, true, QString(),
            u"変更後の前輪ホイールオフセット方向を選択して下さい"_s, false);
        row(u"Text23"_s, u"TextBox"_s, u"Frame3"_s, QRect(2730, 980, 1070, 300), 9, true, QString(),
            u"変更後の前輪ホイールオフセット量を直接入力して下さい"_s, false);
        row(u"Combo24"_s, u"ComboBox"_s, u"Frame3"_s, QRect(2100, 1355, 1700, 300), 9, true, QString(),
            u"変更後の前輪タイヤ断面幅サイズを選択して下さい"_s, false);
        row(u"Combo25"_s, u"ComboBox"_s, u"Frame3"_s, QRect(2100, 1670, 1700, 300), 9, true, QString(),
            u"変更後の前輪タイヤ扁平率を選択して下さい"_s, false);
        row(u"Image8"_s, u"ImageBox"_s, u"Frame4"_s, QRect(150, 20, -1, -1), 0, false, QString(), QString(),
            false);
        row(u"Label2"_s, u"Label"_s, u"Frame4"_s, QRect(530, 405, -1, -1), 9, false,
            u"ホイールリム径（inch）"_s, QString(), true);
        row(u"Label16"_s, u"Label"_s, u"Frame4"_s, QRect(530, 720, -1, -1), 9, false,
            u"ホイールリム幅（inch）"_s, QString(), true);
        row(u"Label17"_s, u"Label"_s, u"Frame4"_s, QRect(360, 1035, -1, -1), 9, false,
            u"ホイールオフセット（mm）"_s, QString(), true);
        row(u"Label10"_s, u"Label"_s, u"Frame4"_s, QRect(200, 1410, -1, -1), 9, false,
            u"タイヤ断面幅サイズ（mm）"_s, QString(), true);
        row(u"LabelS8"_s, u"Label"_s, u"Frame4"_s, QRect(810, 1725, -1, -1), 9, false, u"タイヤ扁平率（%）"_s,
            QString(), true);
        row(u"Combo26"_s, u"ComboBox"_s, u"Frame4"_s, QRect(2100, 350, 1700, 300), 9, true, QString(),
            u"変更後の後輪ホイールリム径を選択して下さい"_s, false);
        row(u"Combo27"_s, u"ComboBox"_s, u"Frame4"_s, QRect(2100, 665, 1700, 300), 9, true, QString(),
            u"変更後の後輪ホイールリム幅を選択して下さい"_s, false);
        row(u"Combo4"_s, u"ComboBox"_s, u"Frame4"_s, QRect(2100, 980, 550, 300), 9, true, QString(),
            u"変更後の後輪ホイールオフセット方向を選択して下さい"_s, false);
        row(u"Text28"_s, u"TextBox"_s, u"Frame4"_s, QRect(2730, 980, 1070, 300), 9, true, QString(),
            u"変更後の後輪ホイールオフセット量を直接入力して下さい"_s, false);
        row(u"Combo29"_s, u"ComboBox"_s, u"Frame4"_s, QRect(2100, 1355, 1700, 300), 9, true, QString(),
            u"変更後の後輪タイヤ断面幅サイズを選択して下さい"_s, false);
        row(u"Combo30"_s, u"ComboBox"_s, u"Frame4"_s, QRect(2100, 1670, 1700, 300), 9, true, QString(),
            u"変更後の後輪タイヤ扁平率を選択して下さい"_s, false);
        row(u"Check2"_s, u"CheckBox"_s, u"Frame4"_s, QRect(1300, 0, -1, 255), 9, false,
            u"前輪ホイールと同じ"_s,
            u"後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 入力が省略でき便利です。"_s,
            false);
        row(u"Label21"_s, u"Label"_s, u"Frame7"_s, QRect(340, 320, -1, -1), 9, false, u"左 ： 引込"_s,
            QString(), false);
        row(u"Label31"_s, u"Label"_s, u"Frame7"_s, QRect(745, 635, -1, -1), 9, false, u"上部"_s, QString(),
            false);
        row(u"Label30"_s, u"Label"_s, u"Frame7"_s, QRect(745, 950, -1, -1), 9, false, u"前後"_s, QString(),
            false);
        row(u"F2_FC_FL_Hikikomi_Old_TXT"_s, u"TextBox"_s, u"Frame7"_s, QRect(1135, 260, 800, 300), 9, true,
            QString(), u"変更前の前輪左フェンダークリアランス引込量を直接入力して下さい"_s, false);
        row(u"F2_FC_FL_Joubu_Old_TXT"_s, u"TextBox"_s, u"Frame7"_s, QRect(1135, 575, 800, 300), 9, true,
            QString(), u"変更前の前輪左フェンダークリアランス上部量を直接入力して下さい"_s, false);
        row(u"F2_FC_FL_Zengo_Old_TXT"_s, u"TextBox"_s, u"Frame7"_s, QRect(1135, 890, 800, 300), 9, true,
            QString(), u"変更前の前輪左フェンダークリアランス前後量を直接入力して下さい"_s, false);
        row(u"Label26"_s, u"Label"_s, u"Frame7"_s, QRect(2205, 320, -1, -1), 9, false, u"右 ： 引込"_s,
            QString(), false);
        row(u"Label29"_s, u"Label"_s, u"Frame7"_s, QRect(2610, 635, -1, -1), 9, false, u"上部"_s, QString(),
            false);
        row(u"Label28"_s, u"Label"_s, u"Frame7"_s, QRect(2610, 950, -1, -1), 9, false, u"前後"_s, QString(),
            false);
        row(u"F2_FC_FR_Hikikomi_Old_TXT"_s, u"TextBox"_s, u"Frame7"_s, QRect(3000, 260, 800, 300), 9, true,
            QString(), u"変更前の前輪右フェンダークリアランス引込量を直接入力して下さい"_s, false);
        row(u"F2_FC_FR_Joubu_Old_TXT"_s, u"TextBox"_s, u"Frame7"_s, QRect(3000, 575, 800, 300), 9, true,
            QString(), u"変更前の前輪右フェンダークリアランス上部量を直接入力して下さい"_s, false);
        row(u"F2_FC_FR_Zengo_Old_TXT"_s, u"TextBox"_s, u"Frame7"_s, QRect(3000, 890, 800, 300), 9, true,
            QString(), u"変更前の前輪右フェンダークリアランス前後量を直接入力して下さい"_s, false);
        row(u"Label27"_s, u"Label"_s, u"Frame6"_s, QRect(340, 320, -1, -1), 9, false, u"左 ： 引込"_s,
            QString(), false);
        row(u"Label13"_s, u"Label"_s, u"Frame6"_s, QRect(745, 635, -1, -1), 9, false, u"上部"_s, QString(),
            false);
        row(u"Label18"_s, u"Label"_s, u"Frame6"_s, QRect(745, 950, -1, -1), 9, false, u"前後"_s, QString(),
            false);
        row(u"F2_FC_RL_Hikikomi_Old_TXT"_s, u"TextBox"_s, u"Frame6"_s, QRect(1135, 260, 800, 300), 9, true,
            QString(), u"変更前の後輪左フェンダークリアランス引込量を直接入力して下さい"_s, false);
        row(u"F2_FC_RL_Joubu_Old_TXT"_s, u"TextBox"_s, u"Frame6"_s, QRect(1135, 575, 800, 300), 9, true,
            QString(), u"変更前の後輪左フェンダークリアランス上部量を直接入力して下さい"_s, false);
        row(u"F2_FC_RL_Zengo_Old_TXT"_s, u"TextBox"_s, u"Frame6"_s, QRect(1135, 890, 800, 300), 9, true,
            QString(), u"変更前の後輪左フェンダークリアランス前後量を直接入力して下さい"_s, false);
        row(u"Label24"_s, u"Label"_s, u"Frame6"_s, QRect(2205, 320, -1, -1), 9, false, u"右 ： 引込"_s,
            QString(), false);
        row(u"Label22"_s, u"Label"_s, u"Frame6"_s, QRect(2610, 635, -1, -1), 9, false, u"上部"_s, QString(),
            false);
        row(u"Label23"_s, u"Label"_s, u"Frame6"_s, QRect(2610, 950, -1, -1), 9, false, u"前後"_s, QString(),
            false);
        row(u"F2_FC_RR_Hikikomi_Old_TXT"_s, u"TextBox"_s, u"Frame6"_s, QRect(3000, 260, 800, 300), 9, true,
            QString(), u"変更前の後輪右フェンダークリアランス引込量を直接入力して下さい"_s, false);
        row(u"F2_FC_RR_Joubu_Old_TXT"_s, u"TextBox"_s, u"Frame6"_s, QRect(3000, 575, 800, 300), 9, true,
            QString(), u"変更前の後輪右フェンダークリアランス上部量を直接入力して下さい"_s, false);
        row(u"F2_FC_RR_Zengo_Old_TXT"_s, u"TextBox"_s, u"Frame6"_s, QRect(3000, 890, 800, 300), 9, true,
            QString(), u"変更前の後輪右フェンダークリアランス前後量を直接入力して下さい"_s, false);
        row(u"Command1"_s, u"CommandButton"_s, u"Frame2_Main"_s, QRect(7150, 2790, 1500, 450), 11.25, true,
            u"O K"_s, QString(), false);
        row(u"Command2"_s, u"CommandButton"_s, u"Frame2_Main"_s, QRect(5400, 2700, 1500, 250), 9.75, false,
            u"データクリア"_s, QString(), false);
        row(u"Command3"_s, u"CommandButton"_s, u"Frame2_Main"_s, QRect(5400, 3050, 1500, 250), 9.75, false,
            u"トップメニュー"_s, QString(), false);
        row(u"Image4"_s, u"ImageBox"_s, u"Frame2_Main"_s, QRect(270, 2800, -1, -1), 0, false, QString(),
            QString(), false);
        row(u"Image11"_s, u"ImageBox"_s, u"Frame5"_s, QRect(150, 0, -1, -1), 0, false, QString(), QString(),
            false);
        row(u"Label_Kaisetsu"_s, u"Label"_s, u"Frame5"_s, QRect(105, 360, 2340, 6675), 9, false,
            u"項目の選択またはクリックすることによって、ここに解説が自動的に表示されます。"_s, QString(),
            false);
        row(u"Image13"_s, u"ImageBox"_s, u"Frame5"_s, QRect(130, 2500, 2280, 2865), 0, false, QString(),
            QString(), false);
        row(u"Image12"_s, u"ImageBox"_s, u"Frame5"_s, QRect(107, 5400, 2325, 375), 0, false, QString(),
            QString(), false);
        row(u"Image3"_s, u"ImageBox"_s, u"Frame5"_s, QRect(130, 6200, 2250, 525), 0, false, QString(),
            QString(), false);
        row(u"Image2"_s, u"ImageBox"_s, u"Frame5"_s, QRect(210, 7050, 2085, 375), 0, false, QString(),
            QString(), false);
    }

    void controlTable() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, container);
        QFETCH(QRect, twipRect);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(bool, mayMoveLeft);
        Form2& f = window();
        QWidget& w = need<QWidget>(f, name);
        QCOMPARE(QString::fromLatin1(w.metaObject()->className()), u"kl::"_s + kind);
        QVERIFY(w.parentWidget() != nullptr);
        QCOMPARE(w.parentWidget()->objectName(), container);
        QCOMPARE(w.y(), kl::twips(twipRect.top()));
        if (mayMoveLeft) {
            QVERIFY(w.x() <= kl::twips(twipRect.left()));
            QVERIFY(w.x() >= 0);
            QVERIFY2(w.geometry().right() < kl::twips(2100),
                     qPrintable(QString::number(w.geometry().right())));
        } else {
            QCOMPARE(w.x(), kl::twips(twipRect.left()));
        }
        if (twipRect.width() >= 0) {
            QCOMPARE(w.width(), kl::twips(twipRect.width()));
        } else if (kind != u"ImageBox") {
            // Sized to its caption: nothing of it is cut off.
            QVERIFY(w.width() >= w.sizeHint().width());
        }
        if (twipRect.height() >= 0) {
            QCOMPARE(w.height(), kl::twips(twipRect.height()));
        }
        if (points > 0) {
            QCOMPARE(w.font().family(), u"MS UI Gothic"_s);
            QCOMPARE(w.font().pointSizeF(), points);
            QCOMPARE(w.font().bold(), bold);
        }
        QCOMPARE(w.toolTip(), toolTip);
        if (auto* label = qobject_cast<kl::Label*>(&w)) {
            QCOMPARE(label->Caption(), text);
            QCOMPARE(label->ForeColor(), std::optional<kl::Rgb>(kl::Rgb{0, 0, 0}));
            QVERIFY(!label->autoFillBackground());
        } else if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
            QCOMPARE(button->text(), text);
        } else if (auto* frame = qobject_cast<kl::Frame*>(&w)) {
            QCOMPARE(frame->title(), text);
        } else if (auto* box = qobject_cast<TextBox*>(&w)) {
            QCOMPARE(box->Text(), QString());
            QCOMPARE(box->MaxLength(), 4);
            QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QVERIFY(box->InputMethodDisabled());
            QVERIFY(!box->testAttribute(Qt::WA_InputMethodEnabled));
            QCOMPARE(backOf(*box), windowColour());
            // In the window's colours a control shares its window's palette: one of its own for every
            // field of every window opened would cost memory that Qt never gives back.
            QVERIFY(!box->testAttribute(Qt::WA_SetPalette));
        } else if (auto* list = qobject_cast<ComboBox*>(&w)) {
            QVERIFY(!list->isEditable());
            QCOMPARE(backOf(*list), windowColour());
            QCOMPARE(list->palette().color(QPalette::Button), windowColour());
            QVERIFY(!list->testAttribute(Qt::WA_SetPalette));
        }
    }

    void listsLookAsInTheirOwnColour_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QColor>("back");
        QTest::newRow("window colour") << u"Combo11"_s << false << windowColour();
        QTest::newRow("greyed, same as front") << u"Combo16"_s << true << QColor(190, 190, 190);
    }

    // A list is painted as one given its colour for field and face on its own, whether it keeps a palette
    // of its own or not.
    void listsLookAsInTheirOwnColour() {
        QFETCH(QString, list);
        QFETCH(bool, ticked);
        QFETCH(QColor, back);
        Form2& f = window();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.control<CheckBox>(u"Check1"_s).setValue(ticked ? 1 : 0);
        auto& shown = f.control<ComboBox>(list);
        QCOMPARE(shown.testAttribute(Qt::WA_SetPalette), ticked);

        // A list of the program's own kind, since the program's style gives those their flat face.
        ComboBox reference(shown.parentWidget(), u"reference"_s);
        reference.setFont(shown.font());
        reference.setGeometry(shown.geometry());
        reference.setEnabled(shown.isEnabled());
        reference.addItems(listItems(shown));
        reference.setCurrentIndex(-1);
        QPalette own = reference.palette();
        own.setColor(QPalette::Base, back);
        own.setColor(QPalette::Button, back);
        reference.setPalette(own);
        reference.show();
        const QImage expected = reference.grab().toImage();
        reference.hide();
        QCOMPARE(shown.grab().toImage(), expected);
    }

    void everyControlIsInTheTable() {
        QSet<QString> named;
        for (QWidget* w : window().client().findChildren<QWidget*>()) {
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"sbStatusBar"_s) &&
                !w->objectName().startsWith(u"qt_"_s)) {
                named.insert(w->objectName());
            }
        }
        // 9 frames, 12 pictures, 33 captions, 36 inputs, 2 check boxes, 3 buttons.
        QCOMPARE(named.size(), 95);
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

    // Loading, unloading and loading again: the second window is built afresh, each item once.
    void listsHoldTheirItems() {
        QFETCH(QStringList, lists);
        QFETCH(QStringList, items);
        for (int load = 1; load <= 2; ++load) {
            Form2& f = window();
            for (const QString& name : lists) {
                QCOMPARE(listItems(f.control<ComboBox>(name)), items);
            }
            f.Unload();
            flushUnloads();
        }
    }

    // A fresh window: nothing chosen, nothing typed, nothing ticked or marked, the help panel at its start.
    void freshWindowIsEmpty() {
        Form2& f = window();
        for (const QString& name : form2SizeLists() + form2DirectionLists()) {
            const ComboBox& list = f.control<ComboBox>(name);
            QCOMPARE(list.ListIndex(), -1);
            QVERIFY2(list.Text().isEmpty(), qPrintable(name));
            QVERIFY(list.isEnabled());
        }
        for (const QString& name : form2TypedBoxes()) {
            const TextBox& box = f.control<TextBox>(name);
            QVERIFY2(box.Text().isEmpty(), qPrintable(name));
            QVERIFY(!box.Locked());
            QVERIFY(box.isEnabled());
        }
        QCOMPARE(f.control<CheckBox>(u"Check1"_s).Value(), 0);
        QCOMPARE(f.control<CheckBox>(u"Check2"_s).Value(), 0);
        for (QAction* item : f.findChildren<QAction*>()) {
            QVERIFY2(!item->isChecked(), qPrintable(item->objectName()));
            QVERIFY2(item->isEnabled() && item->isVisible(), qPrintable(item->objectName()));
        }
        QCOMPARE(f.control<kl::Label>(u"Label_Kaisetsu"_s).Caption(),
                 u"項目の選択またはクリックすることによって、ここに解説が自動的に表示されます。"_s);
        for (const QString& place : {u"Image3"_s, u"Image12"_s, u"Image13"_s}) {
            QVERIFY2(!f.control<kl::ImageBox>(place).hasPicture(), qPrintable(place));
        }
    }

    // Shown, the first field holds the focus and its help replaces the initial caption.
    void shownWindowHelpsWithTheFirstField() {
        Form2& f = window();
        QVERIFY(showActive(f));
        QCOMPARE(focusedName(), u"Combo11"_s);
        QVERIFY(f.control<kl::Label>(u"Label_Kaisetsu"_s)
                    .Caption()
                    .startsWith(u"【ホイールリム径(inch)】\r\n変更前の前輪ホイールリム径を"_s));
        QVERIFY(f.control<kl::ImageBox>(u"Image12"_s).hasPicture());
        QVERIFY(f.control<kl::ImageBox>(u"Image13"_s).hasPicture());
        QVERIFY(!f.control<kl::ImageBox>(u"Image3"_s).hasPicture());
    }

    void loadStepShowsTheFixedPictures() {
        const QStringList before = tempPictureFiles();
        Form2& f = window();
        for (const QString& place : {u"Image4"_s, u"Image2"_s, u"Image5"_s, u"Image6"_s, u"Image7"_s,
                                     u"Image8"_s, u"Image9"_s, u"Image10"_s, u"Image11"_s}) {
            QVERIFY2(f.control<kl::ImageBox>(place).hasPicture(), qPrintable(place));
        }
        // The two front frames share one heading, the two rear frames another.
        QCOMPARE(f.control<kl::ImageBox>(u"Image5"_s).Picture().toImage(),
                 f.control<kl::ImageBox>(u"Image6"_s).Picture().toImage());
        QCOMPARE(f.control<kl::ImageBox>(u"Image7"_s).Picture().toImage(),
                 f.control<kl::ImageBox>(u"Image8"_s).Picture().toImage());
        QVERIFY(f.control<kl::ImageBox>(u"Image5"_s).Picture().toImage() !=
                f.control<kl::ImageBox>(u"Image7"_s).Picture().toImage());
        // The logo is stretched to its place.
        QVERIFY(f.control<kl::ImageBox>(u"Image2"_s).Stretch());
        QCOMPARE(tempPictureFiles(), before);
    }

    // Each heading picture lies wholly in the gap that its frame's blank caption leaves in the top edge.
    void headingsLieInTheGapOfTheirFrame_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("heading");
        QTest::newRow("before the change") << u"Frame1_Main"_s << u"Image9"_s;
        QTest::newRow("after the change") << u"Frame2_Main"_s << u"Image10"_s;
        QTest::newRow("old front") << u"Frame1"_s << u"Image6"_s;
        QTest::newRow("old rear") << u"Frame2"_s << u"Image7"_s;
        QTest::newRow("new front") << u"Frame3"_s << u"Image5"_s;
        QTest::newRow("new rear") << u"Frame4"_s << u"Image8"_s;
        QTest::newRow("help panel") << u"Frame5"_s << u"Image11"_s;
    }
    void headingsLieInTheGapOfTheirFrame() {
        QFETCH(QString, frame);
        QFETCH(QString, heading);
        Form2& f = window();
        const auto& picture = f.control<kl::ImageBox>(heading);
        QVERIFY(picture.hasPicture());
        const QString across = topEdgeAcross(f.control<kl::Frame>(frame), picture);
        QVERIFY2(across.isEmpty(), qPrintable(across));
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
        QVERIFY(m_test->boxes.asked.empty());
    }

    // Locking an offset box for "±" and unlocking it again must not switch the input method back on.
    void inputMethodStaysOffThroughLocking() {
        Form2& f = window();
        f.control<ComboBox>(u"Combo3"_s).setListIndex(2);
        QVERIFY(f.control<TextBox>(u"Text23"_s).Locked());
        f.control<ComboBox>(u"Combo3"_s).setListIndex(0);
        QVERIFY(!f.control<TextBox>(u"Text23"_s).Locked());
        QVERIFY(!f.control<TextBox>(u"Text23"_s).testAttribute(Qt::WA_InputMethodEnabled));
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
        QVERIFY(showActive(f));
        QCOMPARE(focusedName(), u"Combo11"_s);
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusedName(), expected[i]);
        }
        QCOMPARE(f.windowSpec().tabOrder.size(), 41);
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
        QVERIFY(showActive(f));
        QWidget& target = f.control<QWidget>(focused);
        target.setFocus();
        QTest::keyClick(&target, Qt::Key_Return);
        QCOMPARE(static_cast<int>(m_test->boxes.asked.size()), warnings);
        QCOMPARE(m_ctx->forms().loaded<Form2>(), &f);
    }

    void captionAndHelpFile() {
        m_ctx->programFolder = u"/opt/kl"_s;
        Form2& f = window();
        QCOMPARE(f.windowTitle(), u"Kavor Lintep 2005 Zelmarovinth - 入力モード"_s);
        QCOMPARE(f.HelpFilePath, u"/opt/kl/Kavor Lintep 2005 HELP.chm"_s);
    }

    void menus_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("items");    // names, separators included
        QTest::addColumn<QStringList>("captions"); // "-" for a separator
        QTest::addColumn<QStringList>("shortcuts");
        QTest::newRow("file") << u"mnuFile"_s << u"ﾌｧｲﾙ(&F)"_s
                              << QStringList{u"mnuFileOpen"_s,  u"mnuFileSave"_s,  u"mnuFileBar0"_s,
                                             u"mnuDataClear"_s, u"mnuFileClose"_s, u"mnuFileBar1"_s,
                                             u"mnuFilePrint"_s, u"mnuFileBar2"_s,  u"mnuFileExit"_s}
                              << QStringList{u"Input Data 読込み(&O)..."_s,
                                             u"現入力データ保存(&S)..."_s,
                                             u"-"_s,
                                             u"データクリア(&D)"_s,
                                             u"トップメニューへ戻る(&C)"_s,
                                             u"-"_s,
                                             u"印刷(&P)..."_s,
                                             u"-"_s,
                                             u"終了(&X)"_s}
                              << QStringList{u"Ctrl+O"_s, u"Ctrl+S"_s, {}, {}, {}, {}, u"Ctrl+P"_s, {}, {}};
        QTest::newRow("settings") << u"mnuSetting"_s << u"設定(&S)"_s
                                  << QStringList{u"mnuBeforeSameFront"_s, u"mnuAfterSameFront"_s}
                                  << QStringList{u"《変更前》 前輪ﾎｲｰﾙと同じ項目の有効/無効(&E)"_s,
                                                 u"【変更後】 前輪ﾎｲｰﾙと同じ項目の有効/無効(&F)"_s}
                                  << QStringList{{}, {}};
        QTest::newRow("help") << u"mnuHelp"_s << u"ﾍﾙﾌﾟ(&H)"_s
                              << QStringList{u"mnuHelpContents"_s, u"mnuCustomizing"_s,      u"mnuFileBar4"_s,
                                             u"mnuInformation"_s,  u"mnuUserRegistration"_s, u"mnuFileBar6"_s,
                                             u"mnuHelpAbout"_s}
                              << QStringList{u"Kavor Lintep 2005 ヘルプ(&H)"_s,
                                             u"ショップにてご利用のユーザー様へ(&U)"_s,
                                             u"-"_s,
                                             u"Tolvane製品のご案内(&I)"_s,
                                             u"ユーザー登録について(&R)"_s,
                                             u"-"_s,
                                             u"ﾊﾞｰｼﾞｮﾝ情報(&A)"_s}
                              << QStringList{u"F1"_s, {}, {}, {}, {}, {}, {}};
    }

    void menus() {
        QFETCH(QString, menu);
        QFETCH(QString, title);
        QFETCH(QStringList, items);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, shortcuts);
        Form2& f = window();
        auto* m = f.findChild<QMenu*>(menu);
        QVERIFY2(m != nullptr, qPrintable(menu));
        QCOMPARE(m->title(), title);
        const QList<QAction*> actions = m->actions();
        QCOMPARE(actions.size(), items.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            QCOMPARE(actions[i]->objectName(), items[i]);
            if (captions[i] == u"-") {
                QVERIFY(actions[i]->isSeparator());
            } else {
                QCOMPARE(actions[i]->text(), captions[i]);
                QCOMPARE(actions[i]->shortcut(), QKeySequence(shortcuts[i]));
            }
        }
        const QList<QAction*> barMenus = f.menuBar()->actions();
        QCOMPARE(barMenus.size(), 3);
    }

    // A Settings item shows nothing beside its caption when unmarked and a bare check mark when marked, as
    // the original menus do: no check box in either state.
    void settingsMenuShowsOnlyItsMarks_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("highlighted");
        QTest::newRow("unmarked") << u"mnuBeforeSameFront"_s << false << false;
        QTest::newRow("unmarked, highlighted") << u"mnuAfterSameFront"_s << false << true;
        QTest::newRow("marked") << u"mnuBeforeSameFront"_s << true << false;
        QTest::newRow("marked, highlighted") << u"mnuAfterSameFront"_s << true << true;
    }

    void settingsMenuShowsOnlyItsMarks() {
        QFETCH(QString, item);
        QFETCH(bool, marked);
        QFETCH(bool, highlighted);
        Form2& f = window();
        QVERIFY(showActive(f));
        auto& action = f.control<QAction>(item);
        if (marked) {
            action.trigger();
        }
        QCOMPARE(action.isChecked(), marked);
        auto& menu = need<QMenu>(f, u"mnuSetting"_s);
        menu.popup(f.mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        menu.setActiveAction(highlighted ? &action : nullptr);
        const QImage shot = menu.grab().toImage();
        const QRect itemRect = menu.actionGeometry(&action);
        menu.hide();

        // The mark's place: a square at the item's left end, before its caption, inside the item's edge.
        const QRect place =
            QRect(itemRect.topLeft(), QSize(itemRect.height(), itemRect.height())).adjusted(2, 2, -2, -2);
        const QColor back = shot.pixelColor(place.topLeft());
        const auto differs = [&back](QColor c) {
            return qAbs(c.red() - back.red()) + qAbs(c.green() - back.green()) +
                       qAbs(c.blue() - back.blue()) >
                   60;
        };
        QRect mark;
        for (int y = place.top(); y <= place.bottom(); ++y) {
            for (int x = place.left(); x <= place.right(); ++x) {
                if (differs(shot.pixelColor(x, y))) {
                    mark |= QRect(x, y, 1, 1);
                }
            }
        }
        if (!marked) {
            QVERIFY2(mark.isEmpty(), "nothing beside an unmarked item's caption");
            return;
        }
        QVERIFY2(!mark.isEmpty(), "a marked item shows its mark");
        // A check mark rises to its top at one end; a box's edge runs along the whole top.
        int topRow = 0;
        for (int x = mark.left(); x <= mark.right(); ++x) {
            topRow += differs(shot.pixelColor(x, mark.top())) ? 1 : 0;
        }
        QVERIFY2(topRow * 3 < mark.width(),
                 qPrintable(u"the mark's top row is %1 of %2 pixels: a box"_s.arg(topRow).arg(mark.width())));
    }

    void statusBarShowsModeDateAndTime() {
        m_test->clock.time = QDateTime(QDate(2026, 3, 14), QTime(9, 26));
        Form2& f = window();
        kl::StatusBar* bar = f.statusBar();
        QVERIFY(bar != nullptr);
        QCOMPARE(bar->panelText(1), u"Mode : Kavor Lintep 2005 Input Mode"_s);
        QCOMPARE(bar->panelText(2), u"2026/03/14"_s);
        QCOMPARE(bar->panelText(3), u"9:26"_s);
        QCOMPARE(bar->height(), kl::twips(270));
        QCOMPARE(bar->geometry().bottom(), f.client().height() - 1);
        QCOMPARE(bar->width(), f.client().width());
    }

    void windowIsFixedWithoutMinMax() {
        Form2& f = window();
        QCOMPARE(f.client().size(), QSize(kl::twips(11820), kl::twips(7785)));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!(f.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(f.windowSpec().defaultButton, u"Command1"_s);
        QVERIFY(!f.windowIcon().isNull());
    }
};

QTEST_MAIN(Form2LayoutTest)
#include "Form2LayoutTest.moc"
