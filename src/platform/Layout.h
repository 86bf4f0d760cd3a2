#pragma once

#include <optional>
#include <vector>

#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <Qt>

#include "common/GradePalette.h"

class QWidget;
class QMenuBar;

namespace kl {

// Window layouts are data: a table of control rows, built into widgets by buildControls. Positions and
// sizes are in twips relative to the control's container; twips() converts them, here and nowhere else.

enum class ControlKind {
    Frame,    // a group frame whose caption sits in a gap of its top edge
    Label,    // a caption; transparent, black, sized to its caption unless a size is given
    TextBox,  // single-line text box
    MemoBox,  // multi-line text box
    ComboBox, // drop-down list, choice only
    CheckBox,
    OptionButton,  // one of a group of option buttons (the group is the container)
    CommandButton, // push button; Enter on it presses it; a back colour makes it a graphical one
    Image,         // picture place; takes the picture's size unless stretched
    Line,          // a straight line from (left, top) to (left + width, top + height)
};

// The family every layout names unless it says otherwise.
inline QString defaultFontFamily() {
    using namespace Qt::StringLiterals;
    return u"MS UI Gothic"_s;
}

struct FontSpec {
    double points = 9;
    bool bold = false;
    QString family = defaultFontFamily();
    int stretch = 100; // percent of the normal width
};

inline FontSpec gothic(double points, bool bold = false) {
    return {points, bold};
}

struct ControlSpec {
    QString name; // objectName; arrays are "Name_Index", as Label_Arrow_19
    ControlKind kind = ControlKind::Label;
    QString container; // the name of an earlier row, or empty for the window's client area
    int left = 0;
    int top = 0;
    int width = 0; // 0 with height 0: a label or check box is sized to its caption
    int height = 0;
    std::optional<FontSpec> font; // empty: the container's font
    QString text;                 // caption or text; CR LF as in the program's texts
    Qt::Alignment alignment = {};
    bool locked = false; // text boxes: read-only, still selectable
    std::optional<Rgb> back;
    std::optional<Rgb> fore;
    QString toolTip;
    int maxLength = 0; // text boxes; 0 is no limit
    bool visible = true;
    bool stretch = false;      // images: scale the picture to the given size
    bool heading = false;      // images: the heading of the frame that holds it, in the gap of its top edge
    bool singleBorder = false; // labels: fixed single border, system button colours unless given
    bool borderless = false;   // text boxes without the sunken border
    bool wordWrap = false;     // labels
    bool anchorRight = false;  // labels: sized to the caption, the right edge kept at left + width
};

// A menu item; a caption of "-" is a separator, which keeps its name as well.
struct MenuItemSpec {
    QString name;
    QString caption;
    QKeySequence shortcut = {};
};

struct MenuSpec {
    QString name;
    QString caption;
    std::vector<MenuItemSpec> items;
};

// Twips to pixels at 96 dpi (15 twips a pixel), to the nearest pixel.
constexpr int twips(int t) {
    return t >= 0 ? (t + 7) / 15 : -((-t + 7) / 15);
}

// Makes the controls of a table inside `client`, in table order (a container before what it holds).
// Throws std::logic_error for a row whose container is not an earlier row.
void buildControls(QWidget& client, const std::vector<ControlSpec>& rows);

// Makes the menus of a table in `bar`: a QMenu per menu, a QAction per item, all named.
void buildMenus(QMenuBar& bar, const std::vector<MenuSpec>& menus);

// Names of an array's elements, "Name_Index", in the order of the indexes given.
QString arrayName(const QString& name, int index);

} // namespace kl
