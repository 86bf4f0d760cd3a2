#include <functional>
#include <memory>

#include <QAction>
#include <QtTest>

#include "input/gui/Form2.h"
#include "platform/AppContext.h"
#include "results/gui/Form4.h"
#include "results/gui/Form7.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace Qt::Literals::StringLiterals;
using kl::platform::MsgButtons;
using kl::platform::MsgIcon;
using kl::platform::PrintChoice;
using kl::platform::PrinterState;
using kl::platform::PrintFailure;

namespace {

enum class Window { DataEntry, Result, Viewer };

// The notice for the scripted printer as it starts, an A4 portrait printer.
const QString NoticeForScriptedPrinter =
    u"\r\n"
    u"画面印刷を行う前に、用紙設定をA4横に設定して下さい。\u3000\u3000\u3000\u3000\r\n"
    u"\r\n"
    u"【現在のプリンタ設定】\r\n"
    u"  \u30FB プリンタ \uFF1A Scripted Printer\r\n"
    u"  \u30FB 用紙サイズ \uFF1A A4 (210mm x 297mm)\r\n"
    u"  \u30FB 用紙方向  \uFF1A 縦"_s;

const QString NoPrinter = u"プリンタが設定されていないため、印刷できません。\u3000\u3000\r\n"
                          u"プリンタを設定してから、もう一度印刷して下さい。"_s;

// Share of pixels that differ between two images of the same size (a blinking caret may differ).
double differingShare(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            differing += x.pixel(col, row) != y.pixel(col, row) ? 1 : 0;
        }
    }
    return double(differing) / (double(x.width()) * x.height());
}

} // namespace

Q_DECLARE_METATYPE(Window)

class ScreenPrintTest : public kl::testing::WindowTest {
    Q_OBJECT

private:
    kl::testing::ScriptedMessageBoxes& boxes() { return m_test->boxes; }
    kl::testing::ScriptedPrinters& printers() { return m_test->printers; }

    kl::Form& open(Window which) {
        kl::FormRegistry& forms = m_test->ctx->forms();
        kl::Form* f = nullptr;
        switch (which) {
        case Window::DataEntry:
            f = &forms.get<kl::Form2>();
            break;
        case Window::Result:
            f = &forms.get<kl::Form4>();
            break;
        case Window::Viewer:
            f = &forms.get<kl::Form7>();
            break;
        }
        f->show();
        return *f;
    }

    // The file menu's "印刷(&P)...", Ctrl+P, as the user chooses it.
    static void choosePrint(kl::Form& window) {
        auto* item = window.findChild<QAction*>(u"mnuFilePrint"_s);
        QVERIFY2(item != nullptr, "no mnuFilePrint");
        QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        item->trigger();
    }

    static void addWindows() {
        QTest::addColumn<Window>("which");
        QTest::newRow("data-entry window") << Window::DataEntry;
        QTest::newRow("result window") << Window::Result;
        QTest::newRow("viewer window") << Window::Viewer;
    }

private Q_SLOTS:
    void cleanup() {
        m_test->ctx->forms().unloadAll();
        kl::testing::flushUnloads();
        kl::testing::WindowTest::cleanup();
    }

    // The notice with the printer's settings comes first, then the dialog; Cancel there prints nothing
    // and says nothing more.
    void noticeThenDialogAndCancelIsSilent_data() { addWindows(); }
    void noticeThenDialogAndCancelIsSilent() {
        QFETCH(Window, which);
        kl::Form& window = open(which);
        qsizetype boxesWhenDialogOpened = -1;
        printers().onDialog = [&] { boxesWhenDialogOpened = boxes().asked.size(); };

        choosePrint(window);

        QCOMPARE(boxesWhenDialogOpened, 1);
        QCOMPARE(boxes().asked.size(), size_t(1));
        const kl::platform::MessageBoxRequest& notice = boxes().asked.front();
        QCOMPARE(notice.text, NoticeForScriptedPrinter);
        QCOMPARE(notice.title, u"印刷設定の確認"_s);
        QCOMPARE(notice.icon, MsgIcon::Information);
        QCOMPARE(notice.buttons, MsgButtons::Ok);
        QCOMPARE(boxes().owners.front(), &window);
        QCOMPARE(printers().dialogOwners.size(), size_t(1));
        QCOMPARE(printers().dialogOwners.front(), &window);
        QVERIFY(printers().attempts.empty());
        QVERIFY(window.isVisible());
    }

    // The notice reports what the printer reads, whatever it is.
    void noticeShowsThePrintersSettings() {
        kl::Form& window = open(Window::Result);
        printers().printer = PrinterState{u"Shop Laser"_s, 13, 2};

        choosePrint(window);

        QCOMPARE(boxes().asked.size(), size_t(1));
        QVERIFY(boxes().asked.front().text.endsWith(u"  \u30FB プリンタ \uFF1A Shop Laser\r\n"
                                                    u"  \u30FB 用紙サイズ \uFF1A B5 (182mm x 257mm)\r\n"
                                                    u"  \u30FB 用紙方向  \uFF1A 横"_s));
    }

    // What the dialog chose goes to the printer with the window's own image, and nothing more is said.
    void printsTheWindowWithTheDialogsChoice_data() { addWindows(); }
    void printsTheWindowWithTheDialogsChoice() {
        QFETCH(Window, which);
        kl::Form& window = open(which);
        printers().dialogAnswers.push_back(PrintChoice{3, 2});

        choosePrint(window);

        QCOMPARE(boxes().asked.size(), size_t(1)); // the notice only
        QCOMPARE(printers().attempts.size(), size_t(1));
        const kl::testing::ScriptedPrinters::Printed& printed = printers().attempts.front();
        QCOMPARE(printed.settings.copies, 3);
        QCOMPARE(printed.settings.orientationCode, 2);
        QCOMPARE(printed.documentName, window.windowTitle());
        const QImage shown = window.client().grab().toImage();
        QCOMPARE(printed.image.size(), shown.size());
        QCOMPARE(printed.image.size(), window.client().size());
        QVERIFY2(differingShare(printed.image, shown) < 0.01, "the printed image is not the window's");
    }

    void noPrinterSaysSoAndShowsNothingElse_data() { addWindows(); }
    void noPrinterSaysSoAndShowsNothingElse() {
        QFETCH(Window, which);
        kl::Form& window = open(which);
        printers().printer = std::nullopt;

        choosePrint(window);

        QCOMPARE(boxes().asked.size(), size_t(1));
        QCOMPARE(boxes().asked.front().text, NoPrinter);
        QCOMPARE(boxes().asked.front().title, u"Kavor Lintep 2005"_s);
        QCOMPARE(boxes().asked.front().icon, MsgIcon::Exclamation);
        QCOMPARE(boxes().owners.front(), &window);
        QVERIFY(printers().dialogOwners.empty());
        QVERIFY(printers().attempts.empty());
    }

    void failedPrintSaysWhy_data() { addWindows(); }
    void failedPrintSaysWhy() {
        QFETCH(Window, which);
        kl::Form& window = open(which);
        printers().dialogAnswers.push_back(PrintChoice{1, 1});
        printers().failure = PrintFailure{u"プリンタ「Shop Laser」が見つかりません。"_s};

        choosePrint(window);

        QCOMPARE(printers().attempts.size(), size_t(1));
        QCOMPARE(boxes().asked.size(), size_t(2));
        const kl::platform::MessageBoxRequest& failure = boxes().asked.back();
        QCOMPARE(failure.text,
                 u"印刷できませんでした。\u3000\u3000\r\n\r\nプリンタ「Shop Laser」が見つかりません。"_s);
        QCOMPARE(failure.title, u"Kavor Lintep 2005"_s);
        QCOMPARE(failure.icon, MsgIcon::Exclamation);
        QCOMPARE(failure.buttons, MsgButtons::Ok);
        QCOMPARE(boxes().owners.back(), &window);
    }

    // Each run reads the printer afresh: a second print shows the settings as they are then.
    void everyRunReadsThePrinterAgain() {
        kl::Form& window = open(Window::Result);
        printers().dialogAnswers.push_back(PrintChoice{1, 2});
        choosePrint(window);
        printers().printer = PrinterState{u"Other"_s, 8, 2};
        choosePrint(window);

        QCOMPARE(printers().stateReads, 2);
        QCOMPARE(boxes().asked.size(), size_t(2));
        QVERIFY(boxes().asked.back().text.contains(u"\uFF1A Other\r\n"_s));
        QVERIFY(boxes().asked.back().text.contains(u"A3 (297mm x 420mm)"_s));
        QCOMPARE(printers().attempts.size(), size_t(1)); // the second dialog was cancelled
    }
};

QTEST_MAIN(ScreenPrintTest)
#include "ScreenPrintTest.moc"
