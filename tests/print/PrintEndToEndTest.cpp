// The screen print on a real print system: the test's own CUPS scheduler with PDF queues, the program's
// real printer service and Qt's real print dialog, answered from a timer. What reaches the queue is read
// back with the PDF tools of poppler.

#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "CupsScheduler.h"
#include "app/gui/ShellRoutes.h"
#include "input/gui/Form2.h"
#include "platform/AppContext.h"
#include "platform/Controls.h"
#include "platform/Printers.h"
#include "results/gui/Form4.h"
#include "support/TestEnvironment.h"
#include "windowbase/ScreenPrint.h"

using namespace Qt::Literals::StringLiterals;
using kl::testing::need;

namespace {

const QString MainQueue = u"KL_PDF"_s;
const QString SecondQueue = u"KL_PDF_2"_s;

// A4 in PostScript points.
constexpr double A4Short = 595;
constexpr double A4Long = 842;

// ---- the PDF tools ----

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

struct PdfFacts {
    int pages = 0;
    QSizeF pageSize; // points, as the page lies
    QString paperName;
    QList<QSize> images; // pixel sizes of the images on the pages
};

PdfFacts readPdf(const QString& file) {
    PdfFacts facts;
    const QString info = runTool(u"pdfinfo"_s, {file});
    const QRegularExpressionMatch pages =
        QRegularExpression(u"^Pages:\\s+(\\d+)"_s, QRegularExpression::MultilineOption).match(info);
    facts.pages = pages.hasMatch() ? pages.captured(1).toInt() : 0;
    const QRegularExpressionMatch size =
        QRegularExpression(u"^Page size:\\s+([\\d.]+) x ([\\d.]+) pts(?: \\(([^)]+)\\))?"_s,
                           QRegularExpression::MultilineOption)
            .match(info);
    if (size.hasMatch()) {
        facts.pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
        facts.paperName = size.captured(3);
    }
    // page num type width height ...; two heading lines first
    const QStringList lines = runTool(u"pdfimages"_s, {u"-list"_s, file}).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.simplified().split(u' ');
        if (f.size() > 4) {
            facts.images.append(QSize(f[3].toInt(), f[4].toInt()));
        }
    }
    return facts;
}

// The first image of the PDF, as stored.
QImage firstImage(const QString& file, const QString& workFolder) {
    const QString prefix = workFolder + u"/image"_s;
    runTool(u"pdfimages"_s, {u"-png"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, file, prefix});
    return QImage(prefix + u"-000.png"_s);
}

// The first page drawn at 50 dpi, and the box around everything that is not paper white, as a share of the
// page.
QRectF inkBox(const QString& file, const QString& workFolder) {
    const QString prefix = workFolder + u"/page"_s;
    runTool(u"pdftoppm"_s, {u"-r"_s, u"50"_s, u"-gray"_s, u"-png"_s, u"-singlefile"_s, file, prefix});
    const QImage page = QImage(prefix + u".png"_s).convertToFormat(QImage::Format_Grayscale8);
    if (page.isNull()) {
        return {};
    }
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* row = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            if (row[x] < 245) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {};
    }
    return QRectF(double(left) / page.width(), double(top) / page.height(),
                  double(right - left + 1) / page.width(), double(bottom - top + 1) / page.height());
}

// Mean difference of the colour channels, 0 to 255; nothing when the sizes differ.
std::optional<double> meanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) {
        return std::nullopt;
    }
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

// ---- the data-entry window ----

void choose(kl::Form& f, const QString& name, const QString& item) {
    auto& list = need<kl::ComboBox>(f, name);
    list.setCurrentIndex(list.findText(item));
}

void type(kl::Form& f, const QString& name, const QString& text) {
    need<kl::TextBox>(f, name).setText(text);
}

// An upsizing from 16 to 17 inches with all twelve clearances measured.
void enterUpsizing(kl::Form& f) {
    const char* const blocks[4][6] = {
        {"Combo11", "Combo12", "Combo1", "Text13", "Combo14", "Combo15"},
        {"Combo16", "Combo17", "Combo2", "Text18", "Combo19", "Combo20"},
        {"Combo21", "Combo22", "Combo3", "Text23", "Combo24", "Combo25"},
        {"Combo26", "Combo27", "Combo4", "Text28", "Combo29", "Combo30"},
    };
    const QStringList before{u"16"_s, u"6.5"_s, u"＋"_s, u"45"_s, u"205"_s, u"55"_s};
    const QStringList after{u"17"_s, u"7.5"_s, u"＋"_s, u"45"_s, u"225"_s, u"45"_s};
    for (int b = 0; b < 4; ++b) {
        const QStringList& values = b < 2 ? before : after;
        for (int i = 0; i < 6; ++i) {
            const QString name = QLatin1String(blocks[b][i]);
            if (i == 3) {
                type(f, name, values[i]);
            } else {
                choose(f, name, values[i]);
            }
        }
    }
    const QStringList clearances{u"25"_s, u"40"_s, u"30"_s, u"24.5"_s, u"39"_s, u"31"_s,
                                 u"30"_s, u"45"_s, u"35"_s, u"2.34"_s, u"12"_s, u"6"_s};
    int i = 0;
    for (const char* wheel : {"FL", "FR", "RL", "RR"}) {
        for (const char* kind : {"Hikikomi", "Joubu", "Zengo"}) {
            type(f, u"F2_FC_%1_%2_Old_TXT"_s.arg(QLatin1String(wheel), QLatin1String(kind)), clearances[i++]);
        }
    }
}

// How the user answers Qt's print dialog.
struct DialogAnswer {
    QString printer;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    bool cancel = false;
    std::function<void()> beforePrint; // runs just before "Print" is pressed
};

} // namespace

class PrintEndToEndTest : public QObject {
    Q_OBJECT

private:
    kl::testing::CupsScheduler m_cups;
    bool m_queues = false;
    QStringList m_ownQueues; // a test's own queues, removed after it

    std::unique_ptr<kl::testing::TestPlatform> m_services;
    std::unique_ptr<kl::platform::QtPrinters> m_printers;
    std::unique_ptr<kl::AppContext> m_ctx;

    QTimer m_dialogWatch;
    std::optional<DialogAnswer> m_answer;
    int m_dialogsAnswered = 0;
    QStringList m_dialogProblems;
    QStringList m_printerChoices; // what the last dialog offered
    std::unique_ptr<QTemporaryDir> m_work;

    kl::testing::ScriptedMessageBoxes& boxes() { return m_services->boxes; }

    void useQueues(bool wanted) {
        if (wanted == m_queues) {
            return;
        }
        if (wanted) {
            QCOMPARE(m_cups.addPdfQueue(MainQueue), QString());
            QCOMPARE(m_cups.addPdfQueue(SecondQueue), QString());
            QCOMPARE(m_cups.setDefaultQueue(MainQueue), QString());
        } else {
            QCOMPARE(m_cups.removeQueue(MainQueue), QString());
            QCOMPARE(m_cups.removeQueue(SecondQueue), QString());
        }
        m_queues = wanted;
    }

    // A queue for one test, the scheduler's default while the test runs when `asDefault`.
    void addOwnQueue(const QString& queue, const QString& defaultPaper = {}, const QStringList& options = {},
                     bool asDefault = false) {
        QCOMPARE(m_cups.addPdfQueue(queue, defaultPaper, options), QString());
        m_ownQueues << queue;
        if (asDefault) {
            QCOMPARE(m_cups.setDefaultQueue(queue), QString());
        }
    }

    // ---- answering Qt's print dialog ----

    void watchDialogs() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        if (dialog == nullptr || !m_answer) {
            m_dialogProblems << u"unexpected dialog "_s +
                                    QString::fromLatin1(modal->metaObject()->className());
            modal->close();
            if (auto* d = qobject_cast<QDialog*>(modal)) {
                d->reject();
            }
            return;
        }
        const DialogAnswer answer = *m_answer;
        m_answer.reset();
        ++m_dialogsAnswered;
        answerPrintDialog(*dialog, answer);
    }

    void answerPrintDialog(QPrintDialog& dialog, const DialogAnswer& answer) {
        auto problem = [&](const QString& what) {
            m_dialogProblems << what;
            dialog.reject();
        };
        if (dialog.testOption(QAbstractPrintDialog::PrintToFile) ||
            dialog.testOption(QAbstractPrintDialog::PrintSelection)) {
            m_dialogProblems << u"the dialog offers printing to a file or a selection"_s;
        }
        auto* printers = dialog.findChild<QComboBox*>(u"printers"_s);
        if (printers == nullptr) {
            return problem(u"no printer list in the print dialog"_s);
        }
        m_printerChoices.clear();
        for (int i = 0; i < printers->count(); ++i) {
            m_printerChoices << printers->itemText(i);
        }
        const int index = printers->findText(answer.printer);
        if (index < 0) {
            return problem(u"the print dialog does not offer "_s + answer.printer);
        }
        printers->setCurrentIndex(index);
        if (answer.cancel) {
            dialog.reject();
            return;
        }

        // Orientation is on the printer's properties, a dialog of its own.
        auto* properties = dialog.findChild<QPushButton*>(u"properties"_s);
        if (properties == nullptr) {
            return problem(u"no properties button in the print dialog"_s);
        }
        const QString radio = answer.orientation == QPageLayout::Landscape ? u"landscape"_s : u"portrait"_s;
        QTimer::singleShot(50, this, [this, &dialog, radio] {
            auto* page = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (page == nullptr || page == &dialog) {
                m_dialogProblems << u"the printer properties did not open"_s;
                return;
            }
            auto* button = page->findChild<QRadioButton*>(radio);
            auto* box = page->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
            if (button == nullptr || box == nullptr || box->button(QDialogButtonBox::Ok) == nullptr) {
                m_dialogProblems << u"no "_s + radio + u" choice or OK in the printer properties"_s;
                page->reject();
                return;
            }
            button->click();
            box->button(QDialogButtonBox::Ok)->click();
        });
        properties->click(); // returns when the properties are closed

        if (auto* copies = dialog.findChild<QSpinBox*>(u"copies"_s)) {
            copies->setValue(1);
        }
        if (answer.beforePrint) {
            answer.beforePrint();
        }
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
        if (buttons == nullptr || buttons->button(QDialogButtonBox::Ok) == nullptr) {
            return problem(u"no Print button in the print dialog"_s);
        }
        buttons->button(QDialogButtonBox::Ok)->click();
        if (dialog.isVisible()) {
            problem(u"the print dialog did not take the answer"_s);
        }
    }

    // ---- jobs ----

    QStringList jobsIn(const QString& queue) const {
        return QDir(m_cups.outputFolder(queue)).entryList({u"job-*.pdf"_s}, QDir::Files, QDir::Name);
    }

    // Waits for the one job that appears in the queue besides `before`; its id, or 0. The program hands
    // its job over before the print command returns, so a scheduler with nothing left to do and no new file
    // means that the job failed: no need to wait any longer.
    int awaitJob(const QString& queue, const QStringList& before) {
        QStringList added;
        const QDeadlineTimer deadline(30000);
        for (;;) {
            const bool idle = m_cups.isIdle(); // first: a job that has ended has left its file
            added = jobsIn(queue);
            for (const QString& old : before) {
                added.removeAll(old);
            }
            if (!added.isEmpty() || idle || deadline.hasExpired()) {
                break;
            }
            QTest::qWait(100);
        }
        if (added.size() != 1) {
            qWarning("no job arrived in %s:\n%s", qPrintable(queue), qPrintable(m_cups.logTail()));
            return 0;
        }
        return added.front().mid(4).chopped(4).toInt();
    }

    // Nothing went to the print system since `jobsBefore` (the scheduler's job list), and the queue's
    // printouts are still `printedBefore`. A job is handed over before the print command returns, so there
    // is nothing to wait for but the scheduler finishing what it had.
    void checkNothingPrinted(const QStringList& jobsBefore, const QString& queue,
                             const QStringList& printedBefore = {}) {
        QVERIFY2(m_cups.waitUntilIdle(30000), qPrintable(m_cups.logTail()));
        const QStringList jobs = m_cups.knownJobs();
        QVERIFY2(jobs == jobsBefore,
                 qPrintable(u"jobs before: "_s + jobsBefore.join(u' ') + u"; now: "_s + jobs.join(u' ')));
        QCOMPARE(jobsIn(queue), printedBefore);
    }

    QString jobFile(const QString& queue, int id) const {
        return m_cups.outputFolder(queue) + u"/job-%1.pdf"_s.arg(id);
    }

    // Leaves a copy of a printout where KL_PRINT_OUTPUT says, for a person to look at.
    void keep(const QString& file, const QString& name) const {
        const QString folder = qEnvironmentVariable("KL_PRINT_OUTPUT");
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            QFile::remove(folder + u'/' + name);
            QFile::copy(file, folder + u'/' + name);
        }
    }

    // Runs the screen print of `window` with the dialog answered; the window's image as it is shown after
    // the dialog (the focus coming back may change what the data-entry window's help panel shows).
    QImage print(kl::Form& window, const DialogAnswer& answer) {
        m_answer = answer;
        kl::ScreenPrint(*m_ctx, window);
        return window.client().grab().toImage();
    }

    // One page of A4 in the orientation asked, holding one image of the window's pixel size, as large as
    // the page allows with the window's proportions.
    void checkPrintout(int job, const QString& queue, const QImage& shown,
                       QPageLayout::Orientation orientation) {
        const bool landscape = orientation == QPageLayout::Landscape;
        const double ratio = double(shown.width()) / shown.height();

        // What the program handed to the print system.
        const PdfFacts sent = readPdf(m_cups.submittedDocument(job));
        QCOMPARE(sent.pages, 1);
        QCOMPARE(sent.paperName, u"A4"_s);
        QCOMPARE(sent.pageSize, landscape ? QSizeF(A4Long, A4Short) : QSizeF(A4Short, A4Long));
        QCOMPARE(sent.images, QList<QSize>{shown.size()});

        // What came out of the printer: an A4 sheet, the image on it turned for landscape.
        const QString out = jobFile(queue, job);
        const PdfFacts printed = readPdf(out);
        QCOMPARE(printed.pages, 1);
        QCOMPARE(printed.paperName, u"A4"_s);
        QCOMPARE(printed.pageSize, QSizeF(A4Short, A4Long));
        QCOMPARE(printed.images, QList<QSize>{shown.size()});
        const QRectF ink = inkBox(out, m_work->path());
        QVERIFY2(!ink.isEmpty(), "the printed page is blank");
        // The ink box in points, measured along the paper as the image lies on it.
        const double across = (landscape ? ink.height() * A4Long : ink.width() * A4Short);
        const double down = (landscape ? ink.width() * A4Short : ink.height() * A4Long);
        QVERIFY2(qAbs(across / down - ratio) / ratio < 0.04,
                 qPrintable(u"printed proportions %1, the window's %2"_s.arg(across / down).arg(ratio)));
        const double pageAcross = landscape ? A4Long : A4Short;
        const double pageDown = landscape ? A4Short : A4Long;
        QVERIFY2(across > 0.85 * pageAcross || down > 0.85 * pageDown,
                 qPrintable(u"the image is not fitted to the page: %1 x %2 pt"_s.arg(across).arg(down)));
        const std::optional<double> difference = meanDifference(firstImage(out, m_work->path()), shown);
        QVERIFY2(difference && *difference < 6, "the printed image is not the window's");
    }

private Q_SLOTS:
    void initTestCase() {
        kl::testing::prepareWidgetTests();
        const QString started = m_cups.start();
        QVERIFY2(started.isEmpty(), qPrintable(started));
        for (const char* tool : {"pdfinfo", "pdfimages", "pdftoppm", "gs"}) {
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                     qPrintable(QLatin1String(tool) + u" is missing; scripts/setup.sh installs it"_s));
        }
        connect(&m_dialogWatch, &QTimer::timeout, this, &PrintEndToEndTest::watchDialogs);
        m_dialogWatch.start(20);
    }

    void cleanupTestCase() {
        m_dialogWatch.stop();
        const qint64 pid = m_cups.processId();
        m_cups.stop();
        QVERIFY2(pid == 0 || ::kill(static_cast<pid_t>(pid), 0) != 0, "the scheduler is still running");
    }

    void init() {
        m_work = std::make_unique<QTemporaryDir>();
        m_services = std::make_unique<kl::testing::TestPlatform>();
        m_printers = std::make_unique<kl::platform::QtPrinters>();
        kl::testing::TestPlatform& s = *m_services;
        m_ctx = std::make_unique<kl::AppContext>(
            kl::platform::Platform{s.boxes, s.tempFiles, s.fileDialogs, s.clock, s.pause, *m_printers,
                                   s.helpViewer, s.registry, s.processes},
            kl::shellRoutes());
        m_answer.reset();
        m_dialogsAnswered = 0;
        m_dialogProblems.clear();
    }

    void cleanup() {
        // A job of a failed test must not pass for the next test's.
        const bool idle = m_cups.waitUntilIdle(30000);
        QStringList queueProblems;
        for (const QString& queue : std::exchange(m_ownQueues, {})) {
            queueProblems << m_cups.removeQueue(queue);
        }
        if (m_queues) {
            queueProblems << m_cups.setDefaultQueue(MainQueue);
        }
        queueProblems.removeAll(QString());
        m_ctx->forms().unloadAll();
        kl::testing::flushUnloads();
        m_ctx.reset();
        m_printers.reset();
        m_services.reset();
        kl::testing::flushUnloads();
        QVERIFY2(idle, qPrintable(u"jobs still pending:\n"_s + m_cups.logTail()));
        QVERIFY2(queueProblems.isEmpty(), qPrintable(queueProblems.join(u'\n')));
        QVERIFY2(m_dialogProblems.isEmpty(), qPrintable(m_dialogProblems.join(u'\n')));
        const QString left = kl::testing::leftoverForm();
        QVERIFY2(left.isEmpty(), qPrintable(left));
    }

    // With no queue at all the command says so at once: no notice, no dialog.
    void noPrinterSaysSo() {
        useQueues(false);
        QVERIFY(!m_printers->currentPrinter());
        kl::Form2& input = m_ctx->forms().get<kl::Form2>();
        input.show();

        kl::ScreenPrint(*m_ctx, input);

        QCOMPARE(boxes().asked.size(), size_t(1));
        QCOMPARE(boxes().asked.front().text,
                 u"プリンタが設定されていないため、印刷できません。\u3000\u3000\r\n"
                 u"プリンタを設定してから、もう一度印刷して下さい。"_s);
        QCOMPARE(m_dialogsAnswered, 0);
    }

    // The result window after a real analysis, printed landscape and then portrait on A4.
    void resultWindowInBothOrientations() {
        useQueues(true);
        kl::Form2& input = m_ctx->forms().get<kl::Form2>();
        input.show();
        enterUpsizing(input);
        need<kl::CommandButton>(input, u"Command1"_s).click();
        kl::testing::flushUnloads();
        kl::Form4* result = m_ctx->forms().loaded<kl::Form4>();
        QVERIFY(result != nullptr && result->isVisible());
        QVERIFY(m_ctx->forms().loaded<kl::Form2>() == nullptr);
        QCOMPARE(need<kl::TextBox>(*result, u"F4_TD_FA_New_TXT"_s).Text().isEmpty(), false);

        const std::pair<QPageLayout::Orientation, const char16_t*> runs[] = {{QPageLayout::Landscape, u"縦"},
                                                                             {QPageLayout::Portrait, u"横"}};
        for (const auto& [orientation, shownBefore] : runs) {
            const int asked = int(boxes().asked.size());
            const QStringList before = jobsIn(MainQueue);
            const QImage shown = print(*result, {MainQueue, orientation});
            QCOMPARE(m_dialogsAnswered, asked + 1);
            // The notice before the dialog, with the printer as this run left it: the second print shows
            // the orientation the first one chose.
            QCOMPARE(int(boxes().asked.size()), asked + 1);
            const QString notice = boxes().asked.back().text;
            QVERIFY2(notice.endsWith(u"  \u30FB プリンタ \uFF1A KL_PDF\r\n"
                                     u"  \u30FB 用紙サイズ \uFF1A A4 (210mm x 297mm)\r\n"
                                     u"  \u30FB 用紙方向  \uFF1A "_s +
                                     QString::fromUtf16(shownBefore)),
                     qPrintable(notice));
            const int job = awaitJob(MainQueue, before);
            QVERIFY(job > 0);
            checkPrintout(job, MainQueue, shown, orientation);
            keep(jobFile(MainQueue, job), orientation == QPageLayout::Landscape ? u"result-landscape.pdf"_s
                                                                                : u"result-portrait.pdf"_s);
        }
        QVERIFY(result->isVisible());
    }

    // Each window prints itself: the data-entry window's printout is its own image, not the result window's.
    void dataEntryWindowPrintsItself() {
        useQueues(true);
        kl::Form2& input = m_ctx->forms().get<kl::Form2>();
        input.show();
        enterUpsizing(input);
        const QStringList before = jobsIn(MainQueue);
        const QImage shown = print(input, {MainQueue, QPageLayout::Portrait});
        const int job = awaitJob(MainQueue, before);
        QVERIFY(job > 0);
        checkPrintout(job, MainQueue, shown, QPageLayout::Portrait);
        keep(jobFile(MainQueue, job), u"data-entry-portrait.pdf"_s);

        need<kl::CommandButton>(input, u"Command1"_s).click();
        kl::testing::flushUnloads();
        kl::Form4* result = m_ctx->forms().loaded<kl::Form4>();
        QVERIFY(result != nullptr);
        const QImage other = result->client().grab().toImage();
        const QImage printed = firstImage(jobFile(MainQueue, job), m_work->path());
        const std::optional<double> own = meanDifference(printed, shown);
        const std::optional<double> notOwn = meanDifference(printed, other);
        QVERIFY(own && *own < 6);
        QVERIFY2(!notOwn || *notOwn > 4 * *own, "the data-entry printout looks like the result window");
    }

    // The printer and settings confirmed in the dialog are the program's printer from then on; the
    // scheduler's default stays; a cancelled dialog changes nothing, even after picking another printer.
    void chosenPrinterStaysForTheRun() {
        useQueues(true);
        kl::Form2& input = m_ctx->forms().get<kl::Form2>();
        input.show();
        const QStringList before = jobsIn(SecondQueue);
        const QImage shown = print(input, {SecondQueue, QPageLayout::Landscape});
        QVERIFY(m_printerChoices.contains(MainQueue) && m_printerChoices.contains(SecondQueue));
        QCOMPARE(m_printerChoices.size(), 2); // no printing to a file
        const int job = awaitJob(SecondQueue, before);
        QVERIFY(job > 0);
        checkPrintout(job, SecondQueue, shown, QPageLayout::Landscape);

        std::optional<kl::platform::PrinterState> now = m_printers->currentPrinter();
        QVERIFY(now.has_value());
        QCOMPARE(now->deviceName, SecondQueue);
        QCOMPARE(now->orientationCode, 2);
        QCOMPARE(now->paperSizeCode, 9);
        QCOMPARE(m_cups.defaultQueue(), MainQueue);

        const QStringList jobsBefore = m_cups.knownJobs();
        const QStringList mainBefore = jobsIn(MainQueue);
        DialogAnswer cancel{MainQueue, QPageLayout::Portrait, true, {}};
        print(input, cancel);
        QVERIFY(boxes().asked.back().text.contains(u"\uFF1A KL_PDF_2\r\n"_s));
        QCOMPARE(boxes().asked.size(), size_t(2)); // two notices, nothing after the cancel
        now = m_printers->currentPrinter();
        QCOMPARE(now->deviceName, SecondQueue);
        QCOMPARE(now->orientationCode, 2);
        checkNothingPrinted(jobsBefore, MainQueue, mainBefore);
    }

    // A printer that goes away between the dialog and the print: the user is told, nothing is printed.
    void vanishedPrinterSaysWhy() {
        useQueues(true);
        const QString gone = u"KL_GONE"_s;
        QCOMPARE(m_cups.addPdfQueue(gone), QString());
        const QStringList jobsBefore = m_cups.knownJobs();
        kl::Form2& input = m_ctx->forms().get<kl::Form2>();
        input.show();
        DialogAnswer answer{gone, QPageLayout::Portrait, false,
                            [&] { QCOMPARE(m_cups.removeQueue(gone), QString()); }};
        print(input, answer);

        QCOMPARE(boxes().asked.size(), size_t(2));
        QCOMPARE(boxes().asked.back().text,
                 u"印刷できませんでした。\u3000\u3000\r\n\r\nプリンタ「KL_GONE」が見つかりません。"_s);
        QCOMPARE(boxes().asked.back().icon, kl::platform::MsgIcon::Exclamation);
        checkNothingPrinted(jobsBefore, gone);
    }

    // A queue set to refuse jobs: the print system's own answer reaches the user, and nothing is printed.
    void refusingQueueSaysSo() {
        useQueues(true);
        const QString refusing = u"KL_REFUSING"_s;
        addOwnQueue(refusing);
        QCOMPARE(m_cups.setAccepting(refusing, false), QString());
        const QStringList jobsBefore = m_cups.knownJobs();
        kl::Form2& input = m_ctx->forms().get<kl::Form2>();
        input.show();
        print(input, {refusing, QPageLayout::Portrait});

        QCOMPARE(m_dialogsAnswered, 1);
        QCOMPARE(boxes().asked.size(), size_t(2));
        QCOMPARE(
            boxes().asked.back().text,
            u"印刷できませんでした。\u3000\u3000\r\n\r\nプリンタ「KL_REFUSING」は現在、印刷を受け付けていません。"_s);
        QCOMPARE(boxes().asked.back().icon, kl::platform::MsgIcon::Exclamation);
        checkNothingPrinted(jobsBefore, refusing);
    }

    // The first print of a run starts on the paper and orientation the default queue is set to: the notice
    // reports them before the print dialog, and the page goes out on that paper.
    void firstPrintShowsTheQueuesSettings_data() {
        QTest::addColumn<QString>("paper"); // the driver's default, one of its page sizes
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("sizeLine");
        QTest::addColumn<QString>("orientationLine");
        QTest::addColumn<QSizeF>("sheet"); // points, portrait

        QTest::newRow("JIS B5, landscape") << u"JISB5"_s << QStringList{u"orientation-requested-default=4"_s}
                                           << u"  \u30FB 用紙サイズ \uFF1A B5 (182mm x 257mm)"_s
                                           << u"  \u30FB 用紙方向  \uFF1A 横"_s << QSizeF(516, 729);
        QTest::newRow("ISO B5") << u"ISOB5"_s << QStringList() << u"  \u30FB 用紙サイズ \uFF1A 不明なサイズ"_s
                                << u"  \u30FB 用紙方向  \uFF1A 縦"_s << QSizeF(499, 709);
        QTest::newRow("US Letter") << u"Letter"_s << QStringList()
                                   << u"  \u30FB 用紙サイズ \uFF1A 不明なサイズ"_s
                                   << u"  \u30FB 用紙方向  \uFF1A 縦"_s << QSizeF(612, 792);
    }

    void firstPrintShowsTheQueuesSettings() {
        QFETCH(QString, paper);
        QFETCH(QStringList, options);
        QFETCH(QString, sizeLine);
        QFETCH(QString, orientationLine);
        QFETCH(QSizeF, sheet);
        useQueues(true);
        const QString queue = u"KL_PAPER_"_s + paper; // a fresh queue and output folder for each row
        addOwnQueue(queue, paper, options, true);
        kl::Form2& input = m_ctx->forms().get<kl::Form2>();
        input.show();

        const bool landscape = orientationLine.endsWith(u'横');
        const QPageLayout::Orientation orientation =
            landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
        print(input, {queue, orientation});
        QCOMPARE(m_dialogsAnswered, 1);
        QCOMPARE(boxes().asked.size(), size_t(1));
        const QStringList lines = boxes().asked.front().text.split(u"\r\n"_s);
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[4], u"  \u30FB プリンタ \uFF1A "_s + queue);
        QCOMPARE(lines[5], sizeLine);
        QCOMPARE(lines[6], orientationLine);

        const int job = awaitJob(queue, {});
        QVERIFY(job > 0);
        // Sent on the queue's paper as the window lies, and come out on that sheet.
        const auto near = [](QSizeF a, QSizeF b) {
            return qAbs(a.width() - b.width()) < 3 && qAbs(a.height() - b.height()) < 3;
        };
        const QSizeF sent = readPdf(m_cups.submittedDocument(job)).pageSize;
        QVERIFY2(near(sent, landscape ? sheet.transposed() : sheet),
                 qPrintable(u"sent on %1 x %2 pt"_s.arg(sent.width()).arg(sent.height())));
        const QSizeF printed = readPdf(jobFile(queue, job)).pageSize;
        QVERIFY2(near(printed, sheet),
                 qPrintable(u"printed on %1 x %2 pt"_s.arg(printed.width()).arg(printed.height())));
    }
};

QTEST_MAIN(PrintEndToEndTest)
#include "PrintEndToEndTest.moc"
