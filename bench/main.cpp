// Times the two commands that build or fill a whole window, each against a bare Qt window with as many
// widgets of the same kinds, created, shown and painted in the same process:
//   - a click on "O K" in the active data-entry window until the result window is first painted;
//   - the viewer's open command until the graded viewer is first painted.
// Prints the medians and their ratios. With --compare it times this build and another one in turn, in
// alternating batches, so that a change is read as a ratio on one machine. Not a test: the numbers
// depend on the machine.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/gui/ShellRoutes.h"
#include "input/gui/Form2.h"
#include "platform/AppContext.h"
#include "platform/Controls.h"
#include "platform/Platform.h"
#include "platform/ProgramStyle.h"
#include "results/gui/Form4.h"
#include "results/gui/Form7.h"
#include "results/gui/SaveResultFile.h"

namespace {

using namespace Qt::StringLiterals;

constexpr int WarmUp = 3;

// Notes when a watched window is first painted: the end of the outermost event in which one of its
// widgets took a paint event, so that the time holds the whole of that paint, every widget of it.
class PaintClock final : public QApplication {
public:
    using QApplication::QApplication;

    // Starts the clock; `isWatched` tells the window whose first paint stops it.
    void start(std::function<bool(const QWidget&)> isWatched) {
        m_isWatched = std::move(isWatched);
        m_painted = false;
        m_stopped = -1;
        m_timer.start();
    }

    // Lets events run until the watched window has been painted; the time in milliseconds.
    double waitForPaint() {
        QElapsedTimer bound;
        bound.start();
        while (m_stopped < 0 && bound.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        m_isWatched = nullptr;
        if (m_stopped < 0) {
            std::fprintf(stderr, "the window was not painted within 5 s\n");
            std::exit(1);
        }
        return double(m_stopped) / 1e6;
    }

    bool notify(QObject* receiver, QEvent* event) override {
        if (m_isWatched && !m_painted && event->type() == QEvent::Paint && receiver->isWidgetType() &&
            m_isWatched(*static_cast<QWidget*>(receiver)->window())) {
            m_painted = true;
        }
        ++m_depth;
        const bool result = QApplication::notify(receiver, event);
        --m_depth;
        if (m_depth == 0 && m_painted && m_stopped < 0) {
            m_stopped = m_timer.nsecsElapsed();
        }
        return result;
    }

private:
    std::function<bool(const QWidget&)> m_isWatched;
    QElapsedTimer m_timer;
    int m_depth = 0;
    bool m_painted = false;
    qint64 m_stopped = -1;
};

PaintClock& paintClock() {
    return *static_cast<PaintClock*>(QCoreApplication::instance());
}

// Every file dialog answers with the benchmark's own file at once.
class FixedFileDialogs final : public kl::platform::FileDialogs {
public:
    QString path;
    std::optional<QString> openFile(const kl::platform::FileDialogRequest&, QWidget*) override {
        return path;
    }
    std::optional<QString> saveFile(const kl::platform::FileDialogRequest&, QWidget*) override {
        return path;
    }
};

// A message box would wait for a user: say what it asked and go on with its default answer.
class PrintedMessageBoxes final : public kl::platform::MessageBoxes {
public:
    kl::platform::MsgAnswer show(const kl::platform::MessageBoxRequest& request, QWidget*) override {
        std::fprintf(stderr, "message box: %s\n", qPrintable(request.text));
        return request.defaultButton;
    }
};

void flushUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Shows a top-level window, makes it the active one and lets it paint, as a user finds it before a click.
void showActive(QWidget& w) {
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) {
        std::fprintf(stderr, "%s did not become active\n", qPrintable(w.objectName()));
        std::exit(1);
    }
    QCoreApplication::processEvents();
}

// The sizes of an upsizing, chosen and typed into the data-entry window.
void enterInputs(kl::Form2& input) {
    const char* const fields[4][6] = {
        {"Combo11", "Combo12", "Combo1", "Text13", "Combo14", "Combo15"},
        {"Combo16", "Combo17", "Combo2", "Text18", "Combo19", "Combo20"},
        {"Combo21", "Combo22", "Combo3", "Text23", "Combo24", "Combo25"},
        {"Combo26", "Combo27", "Combo4", "Text28", "Combo29", "Combo30"},
    };
    const QStringList values[4] = {
        {u"16"_s, u"6.5"_s, u"＋"_s, u"45"_s, u"205"_s, u"55"_s},
        {u"16"_s, u"6.5"_s, u"＋"_s, u"45"_s, u"205"_s, u"55"_s},
        {u"17"_s, u"7.5"_s, u"＋"_s, u"45"_s, u"225"_s, u"45"_s},
        {u"17"_s, u"7.5"_s, u"＋"_s, u"45"_s, u"225"_s, u"45"_s},
    };
    for (int b = 0; b < 4; ++b) {
        for (int i = 0; i < 6; ++i) {
            const QString name = QString::fromLatin1(fields[b][i]);
            if (i == 3) {
                input.control<kl::TextBox>(name).setText(values[b][i]);
            } else {
                auto& combo = input.control<kl::ComboBox>(name);
                combo.setCurrentIndex(combo.findText(values[b][i]));
            }
        }
    }
    const QStringList measured{u"25"_s, u"40"_s, u"30"_s, u"24.5"_s, u"39"_s, u"31"_s,
                               u"30"_s, u"45"_s, u"35"_s, u"2.34"_s, u"12"_s, u"6"_s};
    int m = 0;
    for (const char* wheel : {"FL", "FR", "RL", "RR"}) {
        for (const char* kind : {"Hikikomi", "Joubu", "Zengo"}) {
            input
                .control<kl::TextBox>(u"F2_FC_%1_%2_Old_TXT"_s.arg(QLatin1String(wheel), QLatin1String(kind)))
                .setText(measured[m++]);
        }
    }
}

// How many widgets of each kind a window holds, so that the bare window can hold as many.
struct WidgetCounts {
    int lineEdits = 0;
    int labels = 0;
    int buttons = 0;
    int frames = 0;
    int memos = 0;
    int other = 0;
    int total() const { return lineEdits + labels + buttons + frames + memos + other; }
};

WidgetCounts countWidgets(const QWidget& w) {
    WidgetCounts c;
    for (const QWidget* child : w.findChildren<QWidget*>()) {
        if (qobject_cast<const QLineEdit*>(child) != nullptr) {
            ++c.lineEdits;
        } else if (qobject_cast<const QLabel*>(child) != nullptr) {
            ++c.labels;
        } else if (qobject_cast<const QAbstractButton*>(child) != nullptr) {
            ++c.buttons;
        } else if (qobject_cast<const QGroupBox*>(child) != nullptr) {
            ++c.frames;
        } else if (qobject_cast<const QPlainTextEdit*>(child) != nullptr) {
            ++c.memos;
        } else {
            ++c.other;
        }
    }
    return c;
}

// A plain window with the same kinds and numbers of widgets, placed in a grid with short texts, from its
// creation until it is first painted; the widgets a multi-line box makes of its own count towards it.
double bareWindow(const WidgetCounts& counts) {
    QWidget* window = nullptr;
    paintClock().start([&window](const QWidget& w) { return &w == window; });
    window = new QWidget;
    window->resize(790, 560);
    int placed = 0;
    const auto place = [&placed](QWidget* w) {
        w->setGeometry(10 + (placed % 8) * 95, 10 + (placed / 8) * 22, 90, 20);
        ++placed;
    };
    for (int i = 0; i < counts.frames; ++i) {
        place(new QGroupBox(u"frame"_s, window));
    }
    for (int i = 0; i < counts.lineEdits; ++i) {
        place(new QLineEdit(u"123.4"_s, window));
    }
    for (int i = 0; i < counts.labels; ++i) {
        place(new QLabel(u"ラベル"_s, window));
    }
    for (int i = 0; i < counts.buttons; ++i) {
        place(new QPushButton(u"O K"_s, window));
    }
    for (int i = 0; i < counts.memos; ++i) {
        place(new QPlainTextEdit(u"text"_s, window));
    }
    while (window->findChildren<QWidget*>().size() < counts.total()) {
        place(new QWidget(window));
    }
    window->show();
    const double ms = paintClock().waitForPaint();
    delete window;
    return ms;
}

double median(std::vector<double> v) {
    if (v.empty()) {
        return 0;
    }
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Runs `once` warm-up times untimed, then `runs` times, each returning its time in milliseconds.
std::vector<double> repeat(int runs, const std::function<double()>& once) {
    for (int i = 0; i < WarmUp; ++i) {
        once();
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(once());
    }
    return times;
}

// The times of one build, by measure: "ok", "ok-bare", "open", "open-bare".
using Samples = std::map<std::string, std::vector<double>>;

struct Widgets {
    int result = 0;
    int viewer = 0;
};

Samples measure(int runs, Widgets& widgets) {
    QTemporaryDir folder;
    PrintedMessageBoxes messageBoxes;
    kl::platform::TempFiles tempFiles;
    FixedFileDialogs fileDialogs;
    fileDialogs.path = folder.filePath(u"bench.rdw"_s);
    kl::platform::SystemClock clock;
    kl::platform::ThreadPause pause;
    kl::platform::QtPrinters printers;
    kl::platform::ChmHelpViewer helpViewer;
    kl::platform::SystemRegistry registry;
    kl::platform::SystemProcesses processes;
    kl::AppContext context(kl::platform::Platform{messageBoxes, tempFiles, fileDialogs, clock, pause,
                                                  printers, helpViewer, registry, processes},
                           kl::shellRoutes());
    context.programFolder = QCoreApplication::applicationDirPath();
    kl::FormRegistry& forms = context.forms();
    Samples samples;

    // A click on "O K" in the filled, active data-entry window until the result window is painted.
    WidgetCounts resultCounts;
    samples["ok"] = repeat(runs, [&] {
        kl::Form2& input = forms.get<kl::Form2>();
        showActive(input);
        enterInputs(input);
        QCoreApplication::processEvents();
        auto& ok = input.control<kl::CommandButton>(u"Command1"_s);
        paintClock().start([](const QWidget& w) { return qobject_cast<const kl::Form4*>(&w) != nullptr; });
        QTest::mouseClick(&ok, Qt::LeftButton);
        const double ms = paintClock().waitForPaint();
        kl::Form4& result = forms.get<kl::Form4>();
        resultCounts = countWidgets(result);
        kl::SaveResultFile(context, result);
        result.Unload();
        flushUnloads();
        return ms;
    });
    samples["ok-bare"] = repeat(runs, [&] { return bareWindow(resultCounts); });
    widgets.result = resultCounts.total();

    // The open command in the shown, active viewer until the file's grades are painted.
    kl::Form7& viewer = forms.get<kl::Form7>();
    showActive(viewer);
    const WidgetCounts viewerCounts = countWidgets(viewer);
    auto& open = viewer.control<QAction>(u"mnuFileOpen"_s);
    samples["open"] = repeat(runs, [&] {
        viewer.ClearViewerData();
        QCoreApplication::processEvents();
        paintClock().start([&viewer](const QWidget& w) { return &w == &viewer; });
        open.trigger();
        return paintClock().waitForPaint();
    });
    samples["open-bare"] = repeat(runs, [&] { return bareWindow(viewerCounts); });
    widgets.viewer = viewerCounts.total();
    if (viewer.control<kl::TextBox>(u"F7_RESULT_TXT"_s).Text().isEmpty()) {
        std::fprintf(stderr, "the viewer graded nothing\n");
        std::exit(1);
    }
    forms.unloadAll();
    flushUnloads();
    return samples;
}

const char* const OkTitle = "\"O K\" to painted result window";
const char* const OpenTitle = "open command to painted, graded viewer";

void report(const char* what, const std::vector<double>& command, const std::vector<double>& bare,
            int widgets) {
    const double c = median(command);
    const double b = median(bare);
    std::printf("%-38s median %8.2f ms | bare window, %d widgets: %7.2f ms | ratio %5.2f\n", what, c, widgets,
                b, c / b);
}

// One batch of a build's runs, as --raw prints them: a line per measure, its name and its times.
void printRaw(const Samples& samples, const Widgets& widgets) {
    std::printf("widgets %d %d\n", widgets.result, widgets.viewer);
    for (const auto& [name, times] : samples) {
        std::printf("%s", name.c_str());
        for (double t : times) {
            std::printf(" %.4f", t);
        }
        std::printf("\n");
    }
}

bool readRaw(const QByteArray& output, Samples& into, Widgets& widgets) {
    bool any = false;
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() < 2) {
            continue;
        }
        if (words[0] == "widgets" && words.size() == 3) {
            widgets = {words[1].toInt(), words[2].toInt()};
            continue;
        }
        std::vector<double>& times = into[words[0].toStdString()];
        for (qsizetype i = 1; i < words.size(); ++i) {
            times.push_back(words[i].toDouble());
        }
        any = true;
    }
    return any;
}

// Runs one batch of a build in a process of its own.
bool runBatch(const QString& program, int runs, Samples& into, Widgets& widgets) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {u"--raw"_s, QString::number(runs)});
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        return false;
    }
    return readRaw(process.readAllStandardOutput(), into, widgets);
}

// This build and the other one in turn, batch by batch, the order swapped every round, so that both meet
// the same load of the machine.
int compare(const QString& other, int runs, int batch) {
    const QString builds[2] = {QCoreApplication::applicationFilePath(), QFileInfo(other).absoluteFilePath()};
    Samples samples[2];
    Widgets widgets[2];
    const int rounds = (runs + batch - 1) / batch;
    for (int round = 0; round < rounds; ++round) {
        const int size = std::min(batch, runs - round * batch);
        for (int turn = 0; turn < 2; ++turn) {
            const int b = (round + turn) % 2;
            if (!runBatch(builds[b], size, samples[b], widgets[b])) {
                return 1;
            }
        }
    }
    std::printf("%d runs each, in %d alternating batches; this build: %s; other build: %s\n", runs, rounds,
                qPrintable(builds[0]), qPrintable(builds[1]));
    const struct {
        const char* title;
        const char* command;
        const char* bare;
        int Widgets::*count;
    } measures[] = {{OkTitle, "ok", "ok-bare", &Widgets::result},
                    {OpenTitle, "open", "open-bare", &Widgets::viewer}};
    for (const auto& m : measures) {
        std::printf("%s\n", m.title);
        const char* const names[2] = {"this build ", "other build"};
        double medians[2] = {0, 0};
        for (int b = 0; b < 2; ++b) {
            medians[b] = median(samples[b][m.command]);
            const double bare = median(samples[b][m.bare]);
            std::printf("  %s median %8.2f ms | bare window, %d widgets: %7.2f ms | ratio to bare %5.2f\n",
                        names[b], medians[b], widgets[b].*m.count, bare, medians[b] / bare);
        }
        std::printf("  this build / other build: %.2f\n", medians[0] / medians[1]);
    }
    return 0;
}

void usage() {
    std::fprintf(stderr, "usage: kl_bench [RUNS]\n"
                         "       kl_bench --compare OTHER_KL_BENCH [RUNS [BATCH]]\n");
}

} // namespace

int main(int argc, char** argv) {
    const QStringList args = [&] {
        QStringList a;
        for (int i = 1; i < argc; ++i) {
            a.append(QString::fromLocal8Bit(argv[i]));
        }
        return a;
    }();
    const auto number = [&args](qsizetype i, int fallback) {
        return i < args.size() ? std::max(1, args[i].toInt()) : fallback;
    };

    if (!args.isEmpty() && args[0] == u"--compare") {
        if (args.size() < 2) {
            usage();
            return 2;
        }
        QCoreApplication app(argc, argv);
        return compare(args[1], number(2, 100), number(3, 10));
    }

    PaintClock app(argc, argv);
    kl::installProgramStyle();
    QApplication::setQuitOnLastWindowClosed(false);
    kl::installFontSubstitutions();

    const bool raw = !args.isEmpty() && args[0] == u"--raw";
    if (!raw && !args.isEmpty() && args[0].startsWith(u"--")) {
        usage();
        return 2;
    }
    const int runs = number(raw ? 1 : 0, 25);
    Widgets widgets;
    Samples samples = measure(runs, widgets);
    if (raw) {
        printRaw(samples, widgets);
        return 0;
    }
    std::printf("%d runs each, after %d warm-up runs, platform %s\n", runs, WarmUp,
                qPrintable(QGuiApplication::platformName()));
    report(OkTitle, samples["ok"], samples["ok-bare"], widgets.result);
    report(OpenTitle, samples["open"], samples["open-bare"], widgets.viewer);
    return 0;
}
