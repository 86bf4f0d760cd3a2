#pragma once

#include "platform/WindowRoutes.h"

namespace kl {

// The application shell's ways between windows: the top menu, the data-entry window, the viewer, the
// about boxes and the notice dialogs. It keeps nothing; one serves every context.
class ShellRoutes final : public WindowRoutes {
public:
    void showTopMenu(AppContext& context) override;
    void showInputWindow(AppContext& context) override;
    void showViewer(AppContext& context) override;
    void showAboutBox(AppContext& context, AboutBoxKind which, QWidget* owner) override;
    void showNoticeDialog(AppContext& context, NoticeKind which, QWidget* owner) override;
};

WindowRoutes& shellRoutes();

} // namespace kl
