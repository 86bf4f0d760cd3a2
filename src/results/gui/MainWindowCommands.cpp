#include "results/gui/MainWindowCommands.h"

#include <functional>

#include <QAbstractButton>
#include <QAction>

#include "app/gui/AboutBoxes.h"
#include "app/gui/Form1.h"
#include "app/gui/NoticeDialogs.h"
#include "input/gui/Form2.h"
#include "platform/Forms.h"
#include "results/gui/Form4.h"
#include "results/gui/Form7.h"
#include "results/gui/ScreenPrint.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

using platform::MessageBoxRequest;
using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

bool isViewer(const Form& w) {
    return qobject_cast<const Form7*>(&w) != nullptr;
}

// The help file as the window keeps it since its load step.
QString helpFilePathOf(Form& w) {
    if (auto* f = qobject_cast<Form2*>(&w)) {
        return f->HelpFilePath;
    }
    if (auto* f = qobject_cast<Form4*>(&w)) {
        return f->HelpFilePath;
    }
    if (auto* f = qobject_cast<Form7*>(&w)) {
        return f->HelpFilePath;
    }
    return w.context().helpFilePath();
}

// Each question is one line: a statement, a space, the question, then two ideographic spaces.
bool confirm(Form& w, const QString& text, const QString& title) {
    const MessageBoxRequest question{.text = text + u"\u3000\u3000"_s,
                                     .title = title,
                                     .icon = MsgIcon::Exclamation,
                                     .buttons = MsgButtons::OkCancel,
                                     .defaultButton = MsgAnswer::Cancel};
    return w.context().platform().messageBoxes.show(question, &w) == MsgAnswer::Ok;
}

struct ReturnQuestion {
    QString text;
    QString title;
};

ReturnQuestion returnQuestionOf(const Form& w) {
    if (isViewer(w)) {
        return {u"解析結果ビューワモードを閉じてトップメニューへ戻ります。 よろしいですか？"_s,
                u"Kavor Lintep 2005 Viewer"_s};
    }
    if (qobject_cast<const Form4*>(&w) != nullptr) {
        return {u"解析結果モードを閉じてトップメニューへ戻ります。 よろしいですか？"_s,
                u"Kavor Lintep 2005"_s};
    }
    return {u"入力モードを閉じてトップメニューへ戻ります。 よろしいですか？"_s, u"Kavor Lintep 2005"_s};
}

void ReturnToTopMenu(Form& w) {
    AppContext& context = w.context();
    context.platform().helpViewer.closeAll();
    w.Unload();
    // The single top menu, not the start-up's: it is not loaded now, so this loads it afresh.
    context.forms().get<Form1>().show();
}

void ReturnToInputMode(Form& w) {
    AppContext& context = w.context();
    context.platform().helpViewer.closeAll();
    w.Unload();
    context.forms().get<Form2>().show();
}

void ConfirmReturnToTopMenu(Form& w) {
    const ReturnQuestion q = returnQuestionOf(w);
    if (confirm(w, q.text, q.title)) {
        ReturnToTopMenu(w);
    }
}

void ConfirmExitAll(Form& w) {
    if (!confirm(w, u"全てのプログラムを終了しようとしています。 全終了しますか？"_s,
                 u"Kavor Lintep 2005"_s)) {
        return;
    }
    AppContext& context = w.context();
    context.platform().helpViewer.closeAll();
    for (Form* loaded : context.forms().loadedForms()) {
        loaded->Unload();
    }
}

void ShowHelpContents(Form& w) {
    w.context().platform().helpViewer.showContents(helpFilePathOf(w), &w);
}

void ShowAboutBox(Form& w) {
    if (isViewer(w)) {
        w.context().forms().get<frmAbout1>().showModal(&w);
    } else {
        w.context().forms().get<frmAbout>().showModal(&w);
    }
}

template <class Dialog> void ShowNoticeDialog(Form& w) {
    w.context().forms().get<Dialog>().showModal(&w);
}

void onButton(Form& w, const QString& name, void (*command)(Form&)) {
    if (auto* button = w.findChild<QAbstractButton*>(name)) {
        QObject::connect(button, &QAbstractButton::clicked, &w, [&w, command] { command(w); });
    }
}

void onMenuItem(Form& w, const QString& name, const std::function<void(Form&)>& command) {
    if (auto* item = w.findChild<QAction*>(name)) {
        QObject::connect(item, &QAction::triggered, &w, [&w, command] { command(w); });
    }
}

} // namespace

void wireMainWindowCommands(Form& window) {
    for (const QString& name : {u"Command3"_s, u"F4_Command1"_s, u"F7_Command1"_s}) {
        onButton(window, name, &ReturnToTopMenu);
    }
    onButton(window, u"F4_Command2"_s, &ReturnToInputMode);
    onMenuItem(window, u"mnuInputMode"_s, &ReturnToInputMode);
    onMenuItem(window, u"mnuFileClose"_s, &ConfirmReturnToTopMenu);
    onMenuItem(window, u"mnuFilePrint"_s, [](Form& w) { ScreenPrint(w.context(), w); });
    onMenuItem(window, u"mnuFileExit"_s, &ConfirmExitAll);
    onMenuItem(window, u"mnuHelpContents"_s, &ShowHelpContents);
    onMenuItem(window, u"mnuCustomizing"_s, &ShowNoticeDialog<frmCustomizing>);
    onMenuItem(window, u"mnuInformation"_s, &ShowNoticeDialog<frmInformation>);
    onMenuItem(window, u"mnuUserRegistration"_s, &ShowNoticeDialog<frmUserRegistration>);
    onMenuItem(window, u"mnuHelpAbout"_s, &ShowAboutBox);
}

} // namespace kl
