#include "windowbase/MainWindowCommands.h"

#include <QAbstractButton>
#include <QAction>

#include "common/ProgramTitle.h"
#include "platform/AppContext.h"
#include "platform/Platform.h"
#include "windowbase/MainWindow.h"
#include "windowbase/RunCommand.h"
#include "windowbase/ScreenPrint.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

using platform::MessageBoxRequest;
using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

// Each question is one line: a statement, a space, the question, then two ideographic spaces.
bool confirm(MainWindow& w, const MainWindow::Question& q) {
    const MessageBoxRequest question{.text = q.text + u"\u3000\u3000"_s,
                                     .title = q.title,
                                     .icon = MsgIcon::Exclamation,
                                     .buttons = MsgButtons::OkCancel,
                                     .defaultButton = MsgAnswer::Cancel};
    return w.context().platform().messageBoxes.show(question, &w) == MsgAnswer::Ok;
}

void ReturnToTopMenu(MainWindow& w) {
    AppContext& context = w.context();
    context.platform().helpViewer.closeAll();
    w.Unload();
    context.routes().showTopMenu(context);
}

void ReturnToInputMode(MainWindow& w) {
    AppContext& context = w.context();
    context.platform().helpViewer.closeAll();
    w.Unload();
    context.routes().showInputWindow(context);
}

void ConfirmReturnToTopMenu(MainWindow& w) {
    if (confirm(w, w.returnQuestion())) {
        ReturnToTopMenu(w);
    }
}

void ConfirmExitAll(MainWindow& w) {
    if (!confirm(w, {u"全てのプログラムを終了しようとしています。 全終了しますか？"_s, programTitle()})) {
        return;
    }
    AppContext& context = w.context();
    context.platform().helpViewer.closeAll();
    for (Form* loaded : context.forms().loadedForms()) {
        loaded->Unload();
    }
}

// A missing help file says nothing; a help file that no viewer can show says what to install.
void ShowHelpContents(MainWindow& w) {
    platform::Platform& services = w.context().platform();
    if (services.helpViewer.showContents(w.HelpFilePath, &w) != platform::HelpShown::NoViewer) {
        return;
    }
    const QString text =
        u"ヘルプファイルを表示できるビューワがインストールされていません。\u3000\u3000\n\n"_s +
        platform::knownChmViewers().join(u" または "_s) + u" をインストールして下さい。"_s;
    services.messageBoxes.show(platform::notice(text, MsgIcon::Exclamation, w.messageTitle()), &w);
}

void ShowAboutBox(MainWindow& w) {
    w.context().routes().showAboutBox(w.context(), w.aboutBox(), &w);
}

template <NoticeKind Which> void ShowNoticeDialog(MainWindow& w) {
    w.context().routes().showNoticeDialog(w.context(), Which, &w);
}

void onButton(MainWindow& w, const QString& name, void (*command)(MainWindow&)) {
    QObject::connect(&w.control<QAbstractButton>(name), &QAbstractButton::clicked, &w,
                     [&w, command] { runCommand(w, [&w, command] { command(w); }); });
}

void onMenuItem(MainWindow& w, const QString& name, void (*command)(MainWindow&)) {
    QObject::connect(&w.control<QAction>(name), &QAction::triggered, &w,
                     [&w, command] { runCommand(w, [&w, command] { command(w); }); });
}

} // namespace

void wireMainWindowCommands(MainWindow& window, const MainWindowButtons& buttons) {
    if (!buttons.topMenu.isEmpty()) {
        onButton(window, buttons.topMenu, &ReturnToTopMenu);
    }
    if (!buttons.inputMode.isEmpty()) {
        onButton(window, buttons.inputMode, &ReturnToInputMode);
        onMenuItem(window, u"mnuInputMode"_s, &ReturnToInputMode);
    }
    onMenuItem(window, u"mnuFileClose"_s, &ConfirmReturnToTopMenu);
    onMenuItem(window, u"mnuFilePrint"_s, [](MainWindow& w) { ScreenPrint(w.context(), w); });
    onMenuItem(window, u"mnuFileExit"_s, &ConfirmExitAll);
    onMenuItem(window, u"mnuHelpContents"_s, &ShowHelpContents);
    onMenuItem(window, u"mnuCustomizing"_s, &ShowNoticeDialog<NoticeKind::Customizing>);
    onMenuItem(window, u"mnuInformation"_s, &ShowNoticeDialog<NoticeKind::Information>);
    onMenuItem(window, u"mnuUserRegistration"_s, &ShowNoticeDialog<NoticeKind::UserRegistration>);
    onMenuItem(window, u"mnuHelpAbout"_s, &ShowAboutBox);
}

} // namespace kl
