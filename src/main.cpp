#include <csignal>

#include <QApplication>

#include "app/gui/ShellRoutes.h"
#include "app/gui/StartUp.h"
#include "platform/AppContext.h"
#include "platform/Controls.h"
#include "platform/Platform.h"
#include "platform/ProgramStyle.h"
#include "platform/QtTranslations.h"

int main(int argc, char** argv) {
    // Under a file-size limit a write past it then fails with its reason, as on a full disk, and the
    // failure is handled where it happens; by default the signal would end the program on the spot,
    // leaving a picture's temporary file behind. Done first, before anything writes.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    kl::installProgramStyle();
    // The program ends when no window is loaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own dialogs in Japanese too, their dates, sizes and type names included; without the files
    // their texts stay English, which is no reason to stop.
    kl::platform::useJapaneseLocale();
    kl::platform::installQtTranslations();
    kl::platform::installProgramTranslations();
    kl::installFontSubstitutions();

    kl::platform::QtMessageBoxes messageBoxes;
    kl::platform::TempFiles tempFiles;
    kl::platform::QtFileDialogs fileDialogs;
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
    context.forms().setOnNoneLoaded([] { QCoreApplication::quit(); });

    kl::StartUp(context);
    return QApplication::exec();
}
