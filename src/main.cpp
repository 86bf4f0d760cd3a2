#include <QApplication>
#include <QStyleFactory>

#include "input/Form2.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/MessageBoxes.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The program ends when no window is loaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    kl::installFontSubstitutions();

    kl::platform::QtMessageBoxes messageBoxes;
    kl::platform::Platform platform;
    platform.messageBoxes = &messageBoxes;

    kl::AppContext context(platform);
    context.programFolder = QCoreApplication::applicationDirPath();
    context.forms().setOnNoneLoaded([] { QCoreApplication::quit(); });

    context.forms().get<kl::Form2>().show();
    return QApplication::exec();
}
