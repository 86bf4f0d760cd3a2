#include <QtTest>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "common/WholeFile.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/QtTranslations.h"
#include "support/TestEnvironment.h"

using namespace kl::platform;
using namespace Qt::StringLiterals;

// Qt's own texts in the real dialogs, looked at from a timer while they run and then answered.
class QtTranslationsTest : public QObject {
    Q_OBJECT

    // The button texts of a real question, which is answered with its Cancel button.
    QStringList questionButtons() {
        QStringList texts;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            for (QAbstractButton* b : box->buttons()) {
                texts << b->text();
            }
            box->button(QMessageBox::Cancel)->click();
        });
        QtMessageBoxes boxes;
        const MsgAnswer answer = boxes.show({u"本当に終了しますか？"_s, u"Kavor Lintep 2005"_s,
                                             MsgIcon::Exclamation, MsgButtons::OkCancel, MsgAnswer::Cancel},
                                            nullptr);
        if (answer != MsgAnswer::Cancel) {
            texts << u"(not cancelled)"_s;
        }
        return texts;
    }

private Q_SLOTS:
    void initTestCase() { kl::testing::prepareWidgetTests(); }

    // Runs first, before any translation is installed.
    void aMissingFileLeavesTheEnglishTexts() {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        QVERIFY(!installQtTranslations(empty.path()));
        QCOMPARE(questionButtons(), (QStringList{u"OK"_s, u"Cancel"_s}));
    }

    void aQuestionsCancelButtonIsJapanese() {
        QVERIFY2(installQtTranslations(), "Qt's Japanese texts (qt6-translations-l10n, scripts/setup.sh)");
        QCOMPARE(questionButtons(), (QStringList{u"OK"_s, u"キャンセル"_s}));
    }

    // The reason the program's own failure messages give, where Qt has the system's reason in Japanese.
    void theReasonsOfFailuresAreJapanese() {
        QVERIFY(installQtTranslations());
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const kl::WholeFileRead read = kl::readWholeFile(dir.filePath(u"missing.rdw"_s), 1024);
        QCOMPARE(read.failure, std::optional<QString>(u"そのようなファイルやディレクトリはありません"_s));
    }

    // As the open commands show it: no title of their own.
    void theOpenDialogIsJapanese() {
        QVERIFY(installQtTranslations());
        QString title;
        QStringList labels;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            title = dialog->windowTitle();
            for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
                auto* label = dialog->findChild<QLabel*>(QString::fromLatin1(name));
                labels << (label != nullptr ? label->text() : u"(no "_s + QString::fromLatin1(name) + u")"_s);
            }
            dialog->reject();
        });
        QtFileDialogs dialogs;
        const std::optional<QString> chosen =
            dialogs.openFile({QString(), u"ResultData(*.rdw)"_s, u"*.rdw"_s}, nullptr);
        QVERIFY(!chosen.has_value());
        QCOMPARE(title, u"開く"_s);
        QCOMPARE(labels, (QStringList{u"アドレス:"_s, u"ファイル名(&N):"_s, u"ファイルの種類:"_s}));
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"
