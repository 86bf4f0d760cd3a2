#include "Layout.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOption>

#include "platform/Controls.h"
#include "platform/ImageBox.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

QFont fontOf(const FontSpec& f) {
    QFont font(f.family);
    font.setPointSizeF(f.points);
    font.setBold(f.bold || isHeavyOnlyFace(f.family));
    if (f.stretch != 100) {
        font.setStretch(f.stretch);
    }
    return font;
}

void setFore(QWidget* w, QPalette::ColorRole role, const std::optional<Rgb>& fore) {
    if (fore) {
        QPalette p = w->palette();
        p.setColor(role, fore->toColor());
        w->setPalette(p);
    }
}

void setBack(QWidget* w, QPalette::ColorRole role, const std::optional<Rgb>& back) {
    if (back) {
        QPalette p = w->palette();
        p.setColor(role, back->toColor());
        w->setPalette(p);
        w->setAutoFillBackground(true);
    }
}

// A label or check box without a size, or anchored by its right edge, takes the size of its caption.
bool sizedToCaption(const ControlSpec& row) {
    return (row.width == 0 && row.height == 0) || row.anchorRight;
}

// What a label's size for its caption depends on.
struct CaptionKey {
    QString text;
    QFont font;
    QString style;
    std::array<int, 16> layout; // alignment, word wrap, indent, margin, contents margins, frame, limits, ...

    friend bool operator==(const CaptionKey&, const CaptionKey&) = default;
    friend size_t qHash(const CaptionKey& k, size_t seed = 0) {
        return qHashMulti(seed, k.text, k.font, qHashRange(k.layout.begin(), k.layout.end()));
    }
};

// The size a label takes for its caption. Measuring it lays the caption's text out, the slowest step of
// building a window; the same captions in the same fonts come back many times in one window ("mm", "≫") and
// in every load of it, so each is measured once.
QSize captionSize(Label& label) {
    static QHash<CaptionKey, QSize> measured;
    const QMargins m = label.contentsMargins();
    const QSize min = label.minimumSize();
    const QSize max = label.maximumSize();
    CaptionKey key{label.text(),
                   label.font(),
                   label.style()->name(),
                   {int(label.alignment()), label.wordWrap() ? 1 : 0, label.indent(), label.margin(),
                    m.left(), m.top(), m.right(), m.bottom(), label.frameWidth(), min.width(), min.height(),
                    max.width(), max.height(), int(label.layoutDirection()), label.logicalDpiX(),
                    label.logicalDpiY()}};
    const auto known = measured.constFind(key);
    if (known != measured.constEnd()) {
        return *known;
    }
    label.adjustSize();
    measured.insert(std::move(key), label.size());
    return label.size();
}

void place(QWidget* w, const ControlSpec& row) {
    if (sizedToCaption(row)) {
        if (auto* label = qobject_cast<Label*>(w)) {
            label->resize(captionSize(*label));
        } else {
            w->adjustSize();
        }
        const int right = twips(row.left + row.width);
        w->move(row.anchorRight ? right - w->width() : twips(row.left), twips(row.top));
        return;
    }
    w->setGeometry(twips(row.left), twips(row.top), twips(row.width), twips(row.height));
}

QWidget* makeLabel(QWidget* parent, const ControlSpec& row) {
    auto* l = new Label(parent, row.name, row.text);
    if (row.font) {
        l->setFont(fontOf(*row.font));
    }
    if (row.singleBorder) {
        // A bordered label (the comments) shows the system's button colours until a colour is written.
        QPalette p = l->palette();
        p.setColor(QPalette::Window, p.color(QPalette::Button));
        p.setColor(QPalette::WindowText, p.color(QPalette::ButtonText));
        l->setPalette(p);
        l->setAutoFillBackground(true);
        l->setSingleBorder();
    }
    if (row.fore) {
        l->setForeColor(*row.fore);
    } else if (!row.singleBorder) {
        l->setForeColor(ColourBlack);
    }
    if (row.back) {
        l->setBackColor(*row.back);
    }
    l->setWordWrap(row.wordWrap);
    if (row.alignment) {
        l->setAlignment(row.alignment);
    } else if (!sizedToCaption(row)) {
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    place(l, row);
    return l;
}

QWidget* makeControl(QWidget* parent, const ControlSpec& row) {
    switch (row.kind) {
    case ControlKind::Frame: {
        auto* f = new Frame(parent, row.name, row.text);
        if (row.font) {
            f->setFont(fontOf(*row.font));
        }
        setBack(f, QPalette::Window, row.back);
        place(f, row);
        return f;
    }
    case ControlKind::Label:
        return makeLabel(parent, row);
    case ControlKind::TextBox: {
        auto* t = new TextBox(parent, row.name);
        if (row.font) {
            t->setFont(fontOf(*row.font));
        }
        // A new box is empty and white: only a text or colour of its own is written.
        if (!row.text.isEmpty()) {
            t->setText(row.text);
        }
        t->setAlignment(row.alignment ? row.alignment : Qt::AlignLeft | Qt::AlignVCenter);
        t->setLocked(row.locked);
        if (row.back && *row.back != ColourWhite) {
            t->setBackColor(*row.back);
        }
        if (row.fore) {
            t->setForeColor(*row.fore);
        }
        if (row.maxLength > 0) {
            t->setMaxLength(row.maxLength);
        }
        t->setFrame(!row.borderless);
        place(t, row);
        return t;
    }
    case ControlKind::MemoBox: {
        auto* m = new MemoBox(parent, row.name);
        if (row.font) {
            m->setFont(fontOf(*row.font));
        }
        m->setText(row.text);
        m->setLocked(row.locked);
        m->setBackColor(row.back.value_or(ColourWhite));
        if (row.borderless) {
            m->setFrameStyle(QFrame::NoFrame);
        }
        place(m, row);
        return m;
    }
    case ControlKind::ComboBox: {
        auto* c = new ComboBox(parent, row.name);
        if (row.font) {
            c->setFont(fontOf(*row.font));
        }
        if (row.back) {
            c->setBackColor(*row.back);
        }
        place(c, row);
        return c;
    }
    case ControlKind::CheckBox: {
        auto* c = new CheckBox(parent, row.name, row.text);
        if (row.font) {
            c->setFont(fontOf(*row.font));
        }
        setBack(c, QPalette::Window, row.back);
        place(c, row);
        return c;
    }
    case ControlKind::OptionButton: {
        auto* o = new OptionButton(parent, row.name, row.text);
        if (row.font) {
            o->setFont(fontOf(*row.font));
        }
        setBack(o, QPalette::Window, row.back);
        place(o, row);
        return o;
    }
    case ControlKind::CommandButton: {
        auto* b = new CommandButton(parent, row.name, row.text);
        if (row.font) {
            b->setFont(fontOf(*row.font));
        }
        if (row.back) {
            b->setBackColor(*row.back);
        }
        setFore(b, QPalette::ButtonText, row.fore);
        place(b, row);
        return b;
    }
    case ControlKind::Image: {
        auto* i = new ImageBox(parent, row.name, row.stretch);
        i->setGeometry(twips(row.left), twips(row.top), twips(row.width), twips(row.height));
        if (row.heading) {
            auto* frame = qobject_cast<Frame*>(parent);
            if (frame == nullptr) {
                throw std::logic_error((row.name + u": a heading outside a frame"_s).toStdString());
            }
            frame->setHeading(i);
        }
        return i;
    }
    case ControlKind::Line: {
        const bool rising = (row.width < 0) != (row.height < 0);
        auto* l = new LineShape(parent, row.name, rising);
        const int x1 = twips(row.left);
        const int y1 = twips(row.top);
        const int x2 = twips(row.left + row.width);
        const int y2 = twips(row.top + row.height);
        l->setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
        setFore(l, QPalette::WindowText, row.fore);
        return l;
    }
    }
    throw std::logic_error("unknown control kind");
}

} // namespace

QString arrayName(const QString& name, int index) {
    return name + u'_' + QString::number(index);
}

void buildControls(QWidget& client, const std::vector<ControlSpec>& rows) {
    std::map<QString, QWidget*> built;
    for (const ControlSpec& row : rows) {
        QWidget* parent = &client;
        if (!row.container.isEmpty()) {
            const auto it = built.find(row.container);
            if (it == built.end()) {
                throw std::logic_error(
                    (row.name + u": container not built before it: "_s + row.container).toStdString());
            }
            parent = it->second;
        }
        QWidget* w = makeControl(parent, row);
        if (!row.toolTip.isEmpty()) {
            w->setToolTip(row.toolTip);
        }
        if (!row.visible) {
            w->setVisible(false);
        }
        built[row.name] = w;
    }
}

namespace {

// Menu items that can be marked show a bare check mark when marked and nothing when not, as Windows menus
// do; Fusion draws a check box in both states.
class MenuMarkStyle : public QProxyStyle {
public:
    explicit MenuMarkStyle(const QString& base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_IndicatorCheckBox || qobject_cast<const QMenu*>(widget) == nullptr) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        if ((option->state & State_On) == 0) {
            return;
        }
        const QRectF r = option->rect;
        QPainterPath mark;
        mark.moveTo(r.left() + r.width() * 0.22, r.top() + r.height() * 0.50);
        mark.lineTo(r.left() + r.width() * 0.42, r.top() + r.height() * 0.72);
        mark.lineTo(r.left() + r.width() * 0.80, r.top() + r.height() * 0.28);
        const QPalette::ColorRole role =
            (option->state & State_Selected) != 0 ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(option->palette.brush(role), std::max(1.5, r.width() / 7.0), Qt::SolidLine,
                             Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(mark);
        painter->restore();
    }
};

// One for the whole program, on the program's own style (the one beneath it, when that is a proxy too). It
// outlives every menu, as a style must: it goes with the application.
QStyle* menuMarkStyle() {
    static QPointer<MenuMarkStyle> style;
    if (style.isNull()) {
        const QStyle* own = QApplication::style();
        if (const auto* proxy = qobject_cast<const QProxyStyle*>(own);
            proxy != nullptr && own->name().isEmpty()) {
            own = proxy->baseStyle();
        }
        style = new MenuMarkStyle(own->name());
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void buildMenus(QMenuBar& bar, const std::vector<MenuSpec>& menus) {
    QStyle* marks = menuMarkStyle();
    for (const MenuSpec& m : menus) {
        auto* menu = new QMenu(m.caption, &bar);
        menu->setObjectName(m.name);
        menu->setStyle(marks);
        bar.addMenu(menu);
        for (const MenuItemSpec& item : m.items) {
            QAction* action = nullptr;
            if (item.caption == u"-") {
                action = menu->addSeparator();
            } else {
                action = menu->addAction(item.caption);
                action->setShortcut(item.shortcut);
            }
            action->setObjectName(item.name);
        }
    }
}

} // namespace kl
