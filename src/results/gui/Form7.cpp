#include "Form7.h"

#include <QAbstractButton>
#include <QAction>

#include "common/ProgramTitle.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "platform/basRes.h"
#include "results/ResultFile.h"
#include "results/gui/OpenResultFile.h"
#include "results/gui/ResultLayout.h"
#include "windowbase/MainWindowCommands.h"

using namespace Qt::StringLiterals;

namespace kl {
namespace {

// What the viewer changes in the result window's control table, by name.
struct ControlDifference {
    const char16_t* name;
    void (*change)(ControlSpec&);
};

const ControlDifference kControlDifferences[] = {
    {u"Frame0",
     [](ControlSpec& r) {
         r.top = 0;
         r.back = ColourCard;
     }},
    {u"Frame1", [](ControlSpec& r) { r.back = ColourCard; }},
    // Graphical buttons: they take the window's colour.
    {u"F7_Command1", [](ControlSpec& r) { r.back = ColourCard; }},
    {u"F7_Command2",
     [](ControlSpec& r) {
         r.text = u"データクリア"_s;
         r.back = ColourCard;
     }},
    // The viewer's banner, picture 171, is narrower than the result window's.
    {u"Image4", [](ControlSpec& r) { r.width = 4275; }},
};

// The inner-side shift rows show where the tyre's inner side now is.
const char16_t* const ShiftCaptions[] = {u"Label18", u"Label19", u"Label20", u"Label21"};

std::vector<ControlSpec> viewerControls() {
    std::vector<ControlSpec> rows = resultWindowControls(u"F7");
    const QStringList comments = commentLabelNames(u"F7");
    for (ControlSpec& row : rows) {
        for (const ControlDifference& d : kControlDifferences) {
            if (row.name == QString::fromUtf16(d.name)) {
                d.change(row);
            }
        }
        for (const char16_t* shift : ShiftCaptions) {
            if (row.name == QString::fromUtf16(shift)) {
                row.text = u"ﾀｲﾔ内側位置"_s;
                row.left = 300;
            }
        }
        // The comments stand out on white against the window's colour.
        if (comments.contains(row.name)) {
            row.back = ColourWhite;
        }
    }
    return rows;
}

WindowSpec viewerWindowSpec() {
    WindowSpec desc = resultWindowSpec(u"F7");
    desc.caption = u"Kavor Lintep 2005 Viewer - 解析結果ビューワモード"_s;
    desc.back = ColourCard;
    desc.statusBar->text = u"Mode : Kavor Lintep 2005 Viewer Mode"_s;

    const auto item = [](const char* name, const QString& caption, QKeySequence shortcut = {}) {
        return MenuItemSpec{QString::fromLatin1(name), caption, shortcut};
    };
    const QString separator = u"-"_s;
    MenuSpec& file = desc.menus.at(0);
    file.name = u"mnufile"_s;
    file.items = {item("mnuFileOpen", u"解析結果データ読込み(&O)..."_s, QKeySequence(Qt::CTRL | Qt::Key_O)),
                  item("mnuFileBar0", separator),
                  item("mnuDataClear", u"データクリア(&D)"_s),
                  item("mnuFileClose", u"トップメニューへ戻る(&C)"_s),
                  item("mnuFileBar1", separator),
                  item("mnuFilePrint", u"印刷(&P)..."_s, QKeySequence(Qt::CTRL | Qt::Key_P)),
                  item("mnuFileBar2", separator),
                  item("mnuFileExit", u"終了(&X)"_s)};
    for (MenuItemSpec& help : desc.menus.at(1).items) {
        if (help.name == u"mnuHelpBar3"_s) {
            help.name = u"mnuFileBar3"_s;
        }
    }

    // The unseen notes boxes are tabbed through backwards.
    QStringList& tab = desc.tabOrder;
    tab.removeAll(u"Text1"_s);
    tab.removeAll(u"Text2"_s);
    tab.removeAll(u"Text3"_s);
    tab << u"Text3"_s << u"Text2"_s << u"Text1"_s;
    return desc;
}

} // namespace

Form7::Form7(AppContext& context) : MainWindow(context) {
    setObjectName(u"Form7"_s);
    const std::vector<ControlSpec> rows = viewerControls();
    setUpWindow(viewerWindowSpec(), rows);

    connect(&control<QAbstractButton>(u"F7_Command2"_s), &QAbstractButton::clicked, this,
            &Form7::ClearViewerData);
    connect(&control<QAction>(u"mnuDataClear"_s), &QAction::triggered, this, &Form7::ClearViewerData);
    connect(&control<QAction>(u"mnuFileOpen"_s), &QAction::triggered, this,
            [this] { openResultFile(this->context(), *this); });
    wireMainWindowCommands(*this, {.topMenu = u"F7_Command1"_s});
}

MainWindow::Question Form7::returnQuestion() const {
    return {u"解析結果ビューワモードを閉じてトップメニューへ戻ります。 よろしいですか？"_s, viewerTitle()};
}

void Form7::Form_Load() {
    // Found once the window is built and before anything writes into it, so that a window that lacks a
    // box fails to load with the box's name.
    m_boxes.emplace(resolveResultBoxes(*this, u"F7"));
    loadPictures(*this, {{171, u"Image4"}, {102, u"Image1"}, {125, u"Image9"}, {126, u"Image5"}});
}

void Form7::ClearViewerData() {
    const ResultBoxes& b = boxes();
    const std::array<TextBox*, 14> grades = b.gradeBoxes();
    for (TextBox* box : b.recordBoxes()) {
        box->setText(QString());
    }
    b.verdict.setText(QString());
    for (TextBox* grade : grades) {
        grade->setText(QString());
    }
    for (Label* comment : b.comments()) {
        comment->setCaption(QString());
    }
    for (TextBox* grade : grades) {
        grade->setBackColor(ColourWhite);
    }
    b.verdict.setBackColor(ColourWhite);
}

} // namespace kl
