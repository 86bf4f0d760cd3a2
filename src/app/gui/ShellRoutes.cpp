#include "app/gui/ShellRoutes.h"

#include "app/gui/AboutBoxes.h"
#include "app/gui/Form1.h"
#include "app/gui/NoticeDialogs.h"
#include "input/gui/Form2.h"
#include "platform/AppContext.h"
#include "results/gui/Form7.h"

namespace kl {

void ShellRoutes::showTopMenu(AppContext& context) {
    // The single top menu, not the start-up's: it is not loaded now, so this loads it afresh.
    context.forms().get<Form1>().show();
}

void ShellRoutes::showInputWindow(AppContext& context) {
    context.forms().get<Form2>().show();
}

void ShellRoutes::showViewer(AppContext& context) {
    context.forms().get<Form7>().show();
}

void ShellRoutes::showAboutBox(AppContext& context, AboutBoxKind which, QWidget* owner) {
    if (which == AboutBoxKind::Viewer) {
        context.forms().get<frmAbout1>().showModal(owner);
    } else {
        context.forms().get<frmAbout>().showModal(owner);
    }
}

void ShellRoutes::showNoticeDialog(AppContext& context, NoticeKind which, QWidget* owner) {
    switch (which) {
    case NoticeKind::Customizing:
        context.forms().get<frmCustomizing>().showModal(owner);
        break;
    case NoticeKind::Information:
        context.forms().get<frmInformation>().showModal(owner);
        break;
    case NoticeKind::UserRegistration:
        context.forms().get<frmUserRegistration>().showModal(owner);
        break;
    }
}

WindowRoutes& shellRoutes() {
    static ShellRoutes routes;
    return routes;
}

} // namespace kl
