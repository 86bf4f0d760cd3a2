#include "Form4.h"

#include <QAction>

#include "common/ProgramTitle.h"
#include "platform/ImageBox.h"
#include "platform/basRes.h"
#include "results/gui/ResultLayout.h"
#include "results/gui/SaveResultFile.h"
#include "windowbase/MainWindowCommands.h"

using namespace Qt::StringLiterals;

namespace kl {

Form4::Form4(AppContext& context) : MainWindow(context) {
    setObjectName(u"Form4"_s);
    // The same layout for every load.
    static const std::vector<ControlSpec> rows = resultWindowControls(u"F4");
    static const WindowSpec window = resultWindowSpec(u"F4");
    setUpWindow(window, rows);

    connect(&control<QAction>(u"mnuFileSave"_s), &QAction::triggered, this,
            [this] { SaveResultFile(this->context(), *this); });
    wireMainWindowCommands(*this, {.topMenu = u"F4_Command1"_s, .inputMode = u"F4_Command2"_s});
}

MainWindow::Question Form4::returnQuestion() const {
    return {u"解析結果モードを閉じてトップメニューへ戻ります。 よろしいですか？"_s, programTitle()};
}

void Form4::Form_Load() {
    // Found once the window is built and before anything writes into it, so that a window that lacks a
    // box fails to load with the box's name.
    m_boxes.emplace(resolveResultBoxes(*this, u"F4"));
    loadPictures(*this, {{157, u"Image4"}, {102, u"Image1"}, {125, u"Image9"}, {126, u"Image5"}});
    setWindowTitle(u"Kavor Lintep 2005 Zelmarovinth - 解析結果モード"_s);
}

} // namespace kl
