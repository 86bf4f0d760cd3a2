#include "app/gui/StartUp.h"

#include <QFont>

#include "app/gui/Form1.h"
#include "app/gui/frmSplash.h"
#include "platform/Forms.h"

using namespace Qt::StringLiterals;

namespace kl {

void StartUp(AppContext& context) {
    auto& splash = context.forms().get<frmSplash>();
    splash.show();
    // Nothing is painted on its own before this returns, and the pause holds the only thread.
    splash.repaint();
    context.platform().pause.sleep(1200);
    // The start-up's own top menu, apart from the single one that the main windows show later. It loads
    // while the splash is still on the screen.
    Form1& menu = context.forms().createInstance<Form1>();
    splash.Unload();
    menu.show();
    menu.setWindowTitle(Form1::caption());
}

void installShellFontSubstitutions() {
    // A condensed heavy grotesque for the version labels, a rounded gothic for the top menu's frame.
    QFont::insertSubstitutions(u"Haettenschweiler"_s, {u"Roboto Condensed"_s, u"DejaVu Sans Condensed"_s});
    QFont::insertSubstitutions(u"HG丸ｺﾞｼｯｸM-PRO"_s, {u"MotoyaLMaru"_s, u"IPAPGothic"_s, u"IPAGothic"_s});
}

} // namespace kl
