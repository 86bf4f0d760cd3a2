#pragma once

class QWidget;

namespace kl {

class AppContext;

// The about boxes: the input mode's (data-entry and result windows) and the viewer's.
enum class AboutBoxKind { InputMode, Viewer };

// The notice dialogs of the main windows' help menus.
enum class NoticeKind { Customizing, Information, UserRegistration };

// The ways between windows that cross subsystems. The main windows go to the shell's windows and to each
// other only through these, so that no window library needs the one above it; the application shell
// implements them.
class WindowRoutes {
public:
    virtual ~WindowRoutes() = default;

    // The single top menu, loaded afresh (never the start-up's own).
    virtual void showTopMenu(AppContext& context) = 0;
    // The data-entry window; a fresh one when none is loaded.
    virtual void showInputWindow(AppContext& context) = 0;
    virtual void showViewer(AppContext& context) = 0;
    // Modal over `owner`.
    virtual void showAboutBox(AppContext& context, AboutBoxKind which, QWidget* owner) = 0;
    virtual void showNoticeDialog(AppContext& context, NoticeKind which, QWidget* owner) = 0;
};

} // namespace kl
