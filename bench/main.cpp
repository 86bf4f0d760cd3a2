// Times the two commands that build or fill a whole window, each against a bare Qt window with as many
// widgets of the same kinds, created, shown and painted in the same process:
//   - "O K" in the data-entry window until the result window is painted;
//   - the viewer's open command until the graded viewer is painted.
// Prints the medians and their ratios. Not a test: the numbers depend on the machine.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/gui/ShellRoutes.h"
#include "input/gui/Form2.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Platform.h"
#include "platform/ProgramStyle.h"
#include "results/gui/Form4.h"
#include "results/gui/Form7.h"
#include "results/gui/SaveResultFile.h"

namespace {

using namespace Qt::StringLiterals;

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

// Shows a top-level window and paints it and everything in it before returning.
void showPainted(QWidget& w) {
    w.show();
    QCoreApplication::processEvents();
    w.repaint();
}

// The sizes of an upsizing, typed into the data-entry window as a user would choose them.
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

// A plain window with the same kinds and numbers of widgets, placed in a grid with short texts; the
// widgets a multi-line box makes of its own count towards it.
void bareWindow(const WidgetCounts& counts) {
    QWidget window;
    window.resize(790, 560);
    int placed = 0;
    const auto place = [&placed](QWidget* w) {
        w->setGeometry(10 + (placed % 8) * 95, 10 + (placed / 8) * 22, 90, 20);
        ++placed;
    };
    for (int i = 0; i < counts.frames; ++i) {
        place(new QGroupBox(u"frame"_s, &window));
    }
    for (int i = 0; i < counts.lineEdits; ++i) {
        place(new QLineEdit(u"123.4"_s, &window));
    }
    for (int i = 0; i < counts.labels; ++i) {
        place(new QLabel(u"ラベル"_s, &window));
    }
    for (int i = 0; i < counts.buttons; ++i) {
        place(new QPushButton(u"O K"_s, &window));
    }
    for (int i = 0; i < counts.memos; ++i) {
        place(new QPlainTextEdit(u"text"_s, &window));
    }
    while (window.findChildren<QWidget*>().size() < counts.total()) {
        place(new QWidget(&window));
    }
    showPainted(window);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Runs `once` warm-up times untimed, then `runs` times, each returning its time in milliseconds.
std::vector<double> repeat(int warmUp, int runs, const std::function<double()>& once) {
    for (int i = 0; i < warmUp; ++i) {
        once();
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(once());
    }
    return times;
}

double timed(const std::function<void()>& body) {
    QElapsedTimer timer;
    timer.start();
    body();
    return double(timer.nsecsElapsed()) / 1e6;
}

void report(const char* what, const std::vector<double>& command, const std::vector<double>& bare,
            int widgets) {
    const double c = median(command);
    const double b = median(bare);
    std::printf("%-38s median %8.2f ms | bare window, %d widgets: %7.2f ms | ratio %5.2f\n", what, c, widgets,
                b, c / b);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kl::installProgramStyle();
    QApplication::setQuitOnLastWindowClosed(false);
    kl::installFontSubstitutions();
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 25;
    constexpr int warmUp = 3;

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

    // "O K" in a filled data-entry window until the result window is on the screen and painted.
    WidgetCounts resultCounts;
    const std::vector<double> analysis = repeat(warmUp, runs, [&] {
        kl::Form2& input = forms.get<kl::Form2>();
        enterInputs(input);
        showPainted(input);
        auto& ok = input.control<kl::CommandButton>(u"Command1"_s);
        const double ms = timed([&] {
            ok.click();
            showPainted(forms.get<kl::Form4>());
        });
        kl::Form4& result = forms.get<kl::Form4>();
        resultCounts = countWidgets(result);
        kl::SaveResultFile(context, result);
        result.Unload();
        flushUnloads();
        return ms;
    });
    const std::vector<double> analysisBare =
        repeat(warmUp, runs, [&] { return timed([&] { bareWindow(resultCounts); }); });

    // The open command in a shown viewer until the file's grades are painted.
    kl::Form7& viewer = forms.get<kl::Form7>();
    showPainted(viewer);
    const WidgetCounts viewerCounts = countWidgets(viewer);
    auto& open = viewer.control<QAction>(u"mnuFileOpen"_s);
    const std::vector<double> reopen = repeat(warmUp, runs, [&] {
        viewer.ClearViewerData();
        showPainted(viewer);
        return timed([&] {
            open.trigger();
            viewer.repaint();
        });
    });
    const std::vector<double> reopenBare =
        repeat(warmUp, runs, [&] { return timed([&] { bareWindow(viewerCounts); }); });
    if (viewer.control<kl::TextBox>(u"F7_RESULT_TXT"_s).Text().isEmpty()) {
        std::fprintf(stderr, "the viewer graded nothing\n");
        return 1;
    }
    forms.unloadAll();
    flushUnloads();

    std::printf("%d runs each, platform %s\n", runs, qPrintable(QGuiApplication::platformName()));
    report("\"O K\" to painted result window", analysis, analysisBare, resultCounts.total());
    report("open command to painted, graded viewer", reopen, reopenBare, viewerCounts.total());
    return 0;
}
