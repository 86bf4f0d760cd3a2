#include <QtTest>

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/TestEnvironment.h"
#include "support/XDesktop.h"

using namespace kl::platform;
using namespace Qt::StringLiterals;

namespace {

enum class Dialog { Message, OpenFile, SaveFile, Print };

// Runs the dialog as the program does and, while it runs, notes the texts of its buttons that carry an
// icon; then cancels it. Empty when no button does; "(no buttons)" when it showed none at all.
QStringList buttonsWithIcons(Dialog kind, MsgButtons buttons) {
    QStringList withIcons;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        for (const QDialogButtonBox* box : dialog->findChildren<QDialogButtonBox*>()) {
            for (const QAbstractButton* b : box->buttons()) {
                seen = true;
                if (!b->icon().isNull()) {
                    withIcons.append(b->text());
                }
            }
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    // Should Esc not close it, the dialog is cancelled, so the test fails instead of waiting.
    QTimer::singleShot(2000, &kl::testing::cancelOpenDialogs);
    switch (kind) {
    case Dialog::Message:
        QtMessageBoxes().show({u"本当に終了しますか？"_s, u"Kavor Lintep 2005"_s, MsgIcon::Exclamation,
                               buttons, MsgAnswer::Cancel},
                              nullptr);
        break;
    case Dialog::OpenFile:
        QtFileDialogs().openFile({u"開く"_s, u"InputData(*.ipw)"_s, u"*.ipw"_s}, nullptr);
        break;
    case Dialog::SaveFile:
        QtFileDialogs().saveFile({u"保存"_s, u"ResultData(*.rdw)"_s, u"*.rdw"_s}, nullptr);
        break;
    case Dialog::Print: {
        // Qt's print dialog as the printer service opens it; the service needs a printer to get there.
        QPrinter printer;
        QPrintDialog(&printer).exec();
        break;
    }
    }
    return seen ? withIcons : QStringList{u"(no buttons)"_s};
}

} // namespace

Q_DECLARE_METATYPE(Dialog)
Q_DECLARE_METATYPE(kl::platform::MsgButtons)

// The program's buttons carry no icons, and neither do the buttons of the Qt dialogs it opens, whatever a
// desktop's theme would give them (on X11 a green arrow on OK, a red cross on Cancel).
class DialogButtonsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kl::testing::prepareWidgetTests(); }

    void buttonsCarryNoIcons_data() {
        QTest::addColumn<Dialog>("dialog");
        QTest::addColumn<MsgButtons>("buttons");
        QTest::newRow("message, OK") << Dialog::Message << MsgButtons::Ok;
        QTest::newRow("message, OK and Cancel") << Dialog::Message << MsgButtons::OkCancel;
        QTest::newRow("message, yes, no and Cancel") << Dialog::Message << MsgButtons::YesNoCancel;
        QTest::newRow("open file") << Dialog::OpenFile << MsgButtons::Ok;
        QTest::newRow("save file") << Dialog::SaveFile << MsgButtons::Ok;
        QTest::newRow("print") << Dialog::Print << MsgButtons::Ok;
    }

    void buttonsCarryNoIcons() {
        QFETCH(Dialog, dialog);
        QFETCH(MsgButtons, buttons);
        QCOMPARE(buttonsWithIcons(dialog, buttons), QStringList());
    }
};

KL_QTEST_MAIN_WITH_DESKTOP(DialogButtonsTest)
#include "DialogButtonsTest.moc"
