#include <QtTest>

#include <functional>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include "common/WholeFile.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/QtTranslations.h"
#include "support/TestEnvironment.h"

using namespace kl::platform;
using namespace Qt::StringLiterals;

namespace {

// Words of Qt's dialogs that were seen in English under an English or C locale, the system's date among
// them.
const QStringList kLeakedWords{u"Folder"_s, u"Drive"_s,   u"bytes"_s,    u"document"_s,     u"Look in"_s,
                               u"Pages"_s,  u"Dec"_s,     u"Advanced"_s, u"Double Sided"_s, u"binding"_s,
                               u"Off"_s,    u"Specify"_s, u"conflicts"_s};

// What a list shows: the column titles and every row under the view's root.
void addListTexts(const QAbstractItemView& view, QStringList& texts) {
    const QAbstractItemModel* model = view.model();
    if (model == nullptr) {
        return;
    }
    const QModelIndex root = view.rootIndex();
    for (int column = 0; column < model->columnCount(root); ++column) {
        texts << model->headerData(column, Qt::Horizontal).toString();
        for (int row = 0; row < model->rowCount(root); ++row) {
            texts << model->index(row, column, root).data().toString();
        }
    }
}

// Every text a person can read in `top`, on any of its pages: its title, and of each widget in it the
// caption, the entries, the tab titles, the tooltip and what its lists show.
QStringList textsOf(QWidget& top) {
    QStringList texts{top.windowTitle()};
    for (QWidget* w : top.findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            texts << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            texts << button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            texts << group->title();
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            texts << edit->text() << edit->placeholderText();
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                texts << list->itemText(i);
            }
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                texts << tabs->tabText(i);
            }
        } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            addListTexts(*view, texts);
        }
    }
    texts.removeAll(QString());
    return texts;
}

// The texts that hold one of the leaked words.
QStringList english(const QStringList& texts) {
    QStringList found;
    for (const QString& word : kLeakedWords) {
        const QRegularExpression whole(u"\\b"_s + QRegularExpression::escape(word) + u"\\b"_s);
        for (const QString& text : texts) {
            if (text.contains(whole)) {
                found << text;
            }
        }
    }
    found.removeDuplicates();
    return found;
}

// While it lives, waits for the modal dialog of type T and runs `inspect` on it once `ready` holds for it
// (or a few seconds have gone), then cancels it. Should a check leave any dialog open, it is cancelled
// after a while, so that the test fails instead of waiting.
template <class T> class DialogWatch {
public:
    DialogWatch(std::function<bool(T&)> ready, std::function<void(T&)> inspect)
        : m_ready(std::move(ready)), m_inspect(std::move(inspect)) {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
        m_poll.start(20);
        m_watchdog.setSingleShot(true);
        QObject::connect(&m_watchdog, &QTimer::timeout, &kl::testing::cancelOpenDialogs);
        m_watchdog.start(8000);
    }

private:
    void poll() {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr || (!m_ready(*dialog) && !m_deadline.hasExpired())) {
            return;
        }
        m_poll.stop();
        m_inspect(*dialog);
        dialog->reject();
    }

    std::function<bool(T&)> m_ready;
    std::function<void(T&)> m_inspect;
    QDeadlineTimer m_deadline{5000};
    QTimer m_poll;
    QTimer m_watchdog;
};

} // namespace

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

    // Everything the program sets up at its start, as main() does; false when a file is missing.
    static bool useJapanese() {
        useJapaneseLocale();
        return installQtTranslations() && installProgramTranslations(QStringLiteral(KL_PROGRAM_TRANSLATIONS));
    }

private Q_SLOTS:
    void initTestCase() { kl::testing::prepareWidgetTests(); }

    // Runs first, before any translation is installed.
    void aMissingFileLeavesTheEnglishTexts() {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        QVERIFY(!installQtTranslations(empty.path()));
        QVERIFY(!installProgramTranslations(empty.path()));
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

    // The file list of both dialogs in a folder with a subfolder and a result file: under the test's C
    // locale its sizes, dates and type names are Japanese, the columns wide enough for them, and no
    // English word is left anywhere in the dialog.
    void theFileDialogsListIsJapanese_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << false;
        QTest::newRow("save") << true;
    }

    void theFileDialogsListIsJapanese() {
        QFETCH(bool, save);
        QVERIFY2(useJapanese(), "Qt's translation (qt6-translations-l10n) or the program's own is missing");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(u"data"_s));
        {
            QFile file(dir.filePath(u"car.rdw"_s));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write("\"16\"\r\n"), 6);
            QVERIFY(file.flush());
            QVERIFY(file.setFileTime(QDateTime(QDate(2026, 12, 11), QTime(5, 22)),
                                     QFileDevice::FileModificationTime));
        }
        struct Row {
            QString size, type, date;
        };
        QMap<QString, Row> rows;
        QStringList unfit;
        QStringList texts;
        auto listed = [](QFileDialog& dialog) -> QTreeView* {
            auto* details = dialog.findChild<QTreeView*>(u"treeView"_s);
            return details != nullptr && details->model() != nullptr &&
                           details->model()->rowCount(details->rootIndex()) == 2
                       ? details
                       : nullptr;
        };
        // Columns that would cut their texts short; none once the folder has been read.
        auto cutShort = [](QTreeView& details) {
            QStringList cut;
            const QAbstractItemModel& model = *details.model();
            for (int column = 1; column < 4; ++column) {
                int needed = details.header()->sectionSizeHint(column);
                for (int row = 0; row < model.rowCount(details.rootIndex()); ++row) {
                    needed =
                        qMax(needed,
                             details.sizeHintForIndex(model.index(row, column, details.rootIndex())).width());
                }
                if (details.header()->sectionSize(column) < needed) {
                    cut << u"column %1: %2 of %3 px"_s.arg(column)
                               .arg(details.header()->sectionSize(column))
                               .arg(needed);
                }
            }
            return cut;
        };
        const DialogWatch<QFileDialog> watch(
            [&](QFileDialog& dialog) {
                // The dialog opens where the last one was left, its columns as Qt or the last dialog left
                // them: here narrow, as Qt makes them for short English texts. The user goes to the folder.
                if (dialog.directory() != QDir(dir.path())) {
                    if (auto* details = dialog.findChild<QTreeView*>(u"treeView"_s)) {
                        for (int column = 1; column < 4; ++column) {
                            details->header()->resizeSection(column, 20);
                        }
                    }
                    dialog.setDirectory(dir.path());
                    return false;
                }
                QTreeView* details = listed(dialog);
                return details != nullptr && cutShort(*details).isEmpty();
            },
            [&](QFileDialog& dialog) {
                texts = textsOf(dialog);
                QTreeView* details = listed(dialog);
                if (details == nullptr) {
                    unfit << u"the folder was not listed"_s;
                    return;
                }
                unfit = cutShort(*details);
                const QAbstractItemModel& model = *details->model();
                for (int row = 0; row < 2; ++row) {
                    auto text = [&](int column) {
                        return model.index(row, column, details->rootIndex()).data().toString();
                    };
                    rows.insert(text(0), Row{text(1), text(2), text(3)});
                }
            });
        QtFileDialogs dialogs;
        const FileDialogRequest request{QString(), u"ResultData(*.rdw)"_s, u"*.rdw"_s};
        const std::optional<QString> chosen =
            save ? dialogs.saveFile(request, nullptr) : dialogs.openFile(request, nullptr);

        QVERIFY(!chosen.has_value());
        QVERIFY2(unfit.isEmpty(), qPrintable(unfit.join(u"; "_s)));
        QCOMPARE(rows.keys(), (QStringList{u"car.rdw"_s, u"data"_s}));
        QCOMPARE(rows[u"data"_s].type, u"フォルダ"_s);
        QCOMPARE(rows[u"data"_s].size, QString());
        QCOMPARE(rows[u"car.rdw"_s].size, u"6 バイト"_s);
        QCOMPARE(rows[u"car.rdw"_s].type, u"平文テキストドキュメント"_s);
        QCOMPARE(rows[u"car.rdw"_s].date, u"2026/12/11 5:22"_s);
        QCOMPARE(english(texts), QStringList());
    }

    // Qt's print dialog and its printer properties, every page of them.
    void thePrintDialogIsJapanese() {
        QVERIFY2(useJapanese(), "Qt's translation (qt6-translations-l10n) or the program's own is missing");
        QStringList dialogTexts;
        QStringList propertiesTexts;
        QPrinter printer;
        QPrintDialog dialog(&printer);
        const DialogWatch<QPrintDialog> watch(
            [](QPrintDialog&) { return true; },
            [&](QPrintDialog& shown) {
                dialogTexts = textsOf(shown);
                auto* properties = shown.findChild<QPushButton*>(u"properties"_s);
                if (properties == nullptr) {
                    return;
                }
                QTimer::singleShot(0, [&] {
                    auto* page = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                    if (page != nullptr && page != &shown) {
                        propertiesTexts = textsOf(*page);
                        page->reject();
                    }
                });
                properties->click();
            });
        dialog.exec();

        QVERIFY(dialogTexts.contains(u"印刷範囲"_s));
        QVERIFY(propertiesTexts.contains(u"印刷の向き"_s));
        QCOMPARE(english(dialogTexts), QStringList());
        QCOMPARE(english(propertiesTexts), QStringList());
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"
