#include <QtTest>

#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/FileDialogs.h"
#include "support/TestEnvironment.h"

using namespace kl::platform;
using namespace Qt::StringLiterals;

// The real dialogs, looked at and answered from a timer while they run.
class FileDialogsTest : public QObject {
    Q_OBJECT

    struct Seen {
        bool found = false;
        QStringList filters;
        QString suffix;
        bool asksBeforeReplacing = false;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        bool modal = false;
    };

    // Runs `show` while a timer inspects the dialog and answers it with `name` (empty: Cancel).
    template <class Show> Seen answered(const QString& name, Show show) {
        Seen seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            seen.found = true;
            seen.filters = dialog->nameFilters();
            seen.suffix = dialog->defaultSuffix();
            seen.asksBeforeReplacing = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            seen.mode = dialog->acceptMode();
            seen.modal = dialog->isModal();
            if (name.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(name);
                // QDialog::accept is public; the file dialog's own runs through it.
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        // Should the answer not close the dialog, whatever is still open is cancelled, so the test fails
        // instead of waiting.
        QTimer::singleShot(500, &kl::testing::cancelOpenDialogs);
        show();
        return seen;
    }

private Q_SLOTS:
    void initTestCase() { kl::testing::prepareWidgetTests(); }

    void saveDialogAsksBeforeReplacingAndAddsNoSuffix() {
        QTemporaryDir dir;
        QtFileDialogs dialogs;
        std::optional<QString> chosen;
        const QString typed = dir.filePath(u"result"_s);
        const Seen seen = answered(typed, [&] {
            chosen = dialogs.saveFile({u"保存"_s, u"ResultData(*.rdw)"_s, u"*.rdw"_s}, nullptr);
        });
        QVERIFY(seen.found);
        QVERIFY(seen.modal);
        QCOMPARE(seen.mode, QFileDialog::AcceptSave);
        QCOMPARE(seen.filters, QStringList{u"ResultData(*.rdw)"_s});
        QCOMPARE(seen.suffix, QString());
        QVERIFY(seen.asksBeforeReplacing);
        QCOMPARE(chosen, std::optional<QString>(typed));
    }

    void openDialogTakesANameThatDoesNotExist() {
        QTemporaryDir dir;
        QtFileDialogs dialogs;
        std::optional<QString> chosen;
        const QString missing = dir.filePath(u"missing.ipw"_s);
        const Seen seen = answered(missing, [&] {
            chosen = dialogs.openFile({u"開く"_s, u"InputData(*.ipw)"_s, u"*.ipw"_s}, nullptr);
        });
        QVERIFY(seen.found);
        QCOMPARE(seen.mode, QFileDialog::AcceptOpen);
        QCOMPARE(seen.filters, QStringList{u"InputData(*.ipw)"_s});
        QCOMPARE(chosen, std::optional<QString>(missing));
    }

    void cancelChoosesNothing() {
        QtFileDialogs dialogs;
        std::optional<QString> chosen = u"not asked"_s;
        const Seen seen = answered(QString(), [&] {
            chosen = dialogs.openFile({u"開く"_s, u"InputData(*.ipw)"_s, {}}, nullptr);
        });
        QVERIFY(seen.found);
        QVERIFY(!chosen.has_value());
    }
};

QTEST_MAIN(FileDialogsTest)
#include "FileDialogsTest.moc"
