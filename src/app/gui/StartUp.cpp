#include "app/gui/StartUp.h"

#include "app/gui/Form1.h"
#include "app/gui/frmSplash.h"
#include "platform/AppContext.h"

namespace kl {

void StartUp(AppContext& context) {
    auto& splash = context.forms().get<frmSplash>();
    splash.show();
    // Nothing is painted on its own before this returns, and the pause holds the only thread.
    splash.Refresh();
    context.platform().pause.sleep(1200);
    // The start-up's own top menu, apart from the single one that the main windows show later. It loads
    // while the splash is still on the screen.
    Form1& menu = context.forms().createInstance<Form1>();
    splash.Unload();
    menu.show();
    menu.setWindowTitle(Form1::caption());
}

} // namespace kl
