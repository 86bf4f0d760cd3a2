#include "Form4.h"

#include <QAction>

#include "app/gui/basRes.h"
#include "platform/ImageBox.h"
#include "results/gui/MainWindowCommands.h"
#include "results/gui/ResultLayout.h"
#include "results/gui/SaveResultFile.h"

namespace kl {

Form4::Form4(AppContext& context) : Form(context) {
    setObjectName(QStringLiteral("Form4"));
    const std::vector<ControlSpec> rows = resultWindowControls(u"F4");
    setUpWindow(resultWindowSpec(u"F4"), rows);

    connect(&control<QAction>(QStringLiteral("mnuFileSave")), &QAction::triggered, this,
            [this] { SaveResultFile(this->context(), *this); });
    wireMainWindowCommands(*this);
}

void Form4::Form_Load() {
    // Found once the window is built and before anything writes into it, so that a window that lacks a
    // box fails to load with the box's name.
    m_boxes.emplace(resolveResultBoxes(*this, u"F4"));
    // A picture that cannot be shown stays empty; the window loads all the same.
    const std::pair<int, const char16_t*> pictures[] = {
        {157, u"Image4"}, {102, u"Image1"}, {125, u"Image9"}, {126, u"Image5"}};
    for (const auto& [id, name] : pictures) {
        LoadResourcePicture(context().platform(), id, control<ImageBox>(QString::fromUtf16(name)));
    }
    setWindowTitle(QStringLiteral("Kavor Lintep 2005 Zelmarovinth - 解析結果モード"));
    HelpFilePath = context().helpFilePath();
}

} // namespace kl
