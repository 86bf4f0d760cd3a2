#include "Form7.h"

#include <QAbstractButton>
#include <QAction>

#include "common/ProgramTitle.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "platform/basRes.h"
#include "results/ResultFile.h"
#include "results/gui/MainWindowCommands.h"
#include "results/gui/OpenResultFile.h"
#include "results/gui/ResultLayout.h"

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
         r.text = QStringLiteral("データクリア");
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
                row.text = QStringLiteral("ﾀｲﾔ内側位置");
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
    desc.caption = QStringLiteral("Kavor Lintep 2005 Viewer - 解析結果ビューワモード");
    desc.back = ColourCard;
    desc.statusBar->text = QStringLiteral("Mode : Kavor Lintep 2005 Viewer Mode");

    const auto item = [](const char* name, const QString& caption, QKeySequence shortcut = {}) {
        return MenuItemSpec{QString::fromLatin1(name), caption, shortcut};
    };
    const QString separator = QStringLiteral("-");
    MenuSpec& file = desc.menus.at(0);
    file.name = QStringLiteral("mnufile");
    file.items = {item("mnuFileOpen", QStringLiteral("解析結果データ読込み(&O)..."),
                       QKeySequence(Qt::CTRL | Qt::Key_O)),
                  item("mnuFileBar0", separator),
                  item("mnuDataClear", QStringLiteral("データクリア(&D)")),
                  item("mnuFileClose", QStringLiteral("トップメニューへ戻る(&C)")),
                  item("mnuFileBar1", separator),
                  item("mnuFilePrint", QStringLiteral("印刷(&P)..."), QKeySequence(Qt::CTRL | Qt::Key_P)),
                  item("mnuFileBar2", separator),
                  item("mnuFileExit", QStringLiteral("終了(&X)"))};
    for (MenuItemSpec& help : desc.menus.at(1).items) {
        if (help.name == QStringLiteral("mnuHelpBar3")) {
            help.name = QStringLiteral("mnuFileBar3");
        }
    }

    // The unseen notes boxes are tabbed through backwards.
    QStringList& tab = desc.tabOrder;
    tab.removeAll(QStringLiteral("Text1"));
    tab.removeAll(QStringLiteral("Text2"));
    tab.removeAll(QStringLiteral("Text3"));
    tab << QStringLiteral("Text3") << QStringLiteral("Text2") << QStringLiteral("Text1");
    return desc;
}

} // namespace

Form7::Form7(AppContext& context) : MainWindow(context) {
    setObjectName(QStringLiteral("Form7"));
    const std::vector<ControlSpec> rows = viewerControls();
    setUpWindow(viewerWindowSpec(), rows);

    connect(&control<QAbstractButton>(QStringLiteral("F7_Command2")), &QAbstractButton::clicked, this,
            &Form7::ClearViewerData);
    connect(&control<QAction>(QStringLiteral("mnuDataClear")), &QAction::triggered, this,
            &Form7::ClearViewerData);
    connect(&control<QAction>(QStringLiteral("mnuFileOpen")), &QAction::triggered, this,
            [this] { openResultFile(this->context(), *this); });
    wireMainWindowCommands(*this, {.topMenu = QStringLiteral("F7_Command1")});
}

MainWindow::Question Form7::returnQuestion() const {
    return {QStringLiteral("解析結果ビューワモードを閉じてトップメニューへ戻ります。 よろしいですか？"),
            viewerTitle()};
}

void Form7::Form_Load() {
    // Found once the window is built and before anything writes into it, so that a window that lacks a
    // box fails to load with the box's name.
    m_boxes.emplace(resolveResultBoxes(*this, u"F7"));
    HelpFilePath = context().helpFilePath();
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
