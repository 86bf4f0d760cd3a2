#include "Controls.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QValidator>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <utility>

using namespace Qt::StringLiterals;

namespace kl {

void placeTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void moveTwips(QWidget* w, int left, int top) {
    w->move(twips(left), twips(top));
}

QFont uiGothic(double pointSize, bool bold) {
    QFont f(u"MS UI Gothic"_s);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

void installFontSubstitutions() {
    // IPA P Gothic is the closest free match; the others are fallbacks if it is missing.
    const QStringList candidates{u"IPAPGothic"_s, u"IPAGothic"_s, u"Noto Sans CJK JP"_s, u"VL PGothic"_s};
    QFont::insertSubstitutions(u"MS UI Gothic"_s, candidates);
    QFont::insertSubstitutions(u"ＭＳ Ｐゴシック"_s, candidates);
    // A condensed heavy grotesque for the version labels, a rounded gothic for the top menu's frame.
    QFont::insertSubstitutions(u"Haettenschweiler"_s, {u"Roboto Condensed"_s, u"DejaVu Sans Condensed"_s});
    QFont::insertSubstitutions(u"HG丸ｺﾞｼｯｸM-PRO"_s, {u"MotoyaLMaru"_s, u"IPAPGothic"_s, u"IPAGothic"_s});
}

bool isHeavyOnlyFace(const QString& family) {
    // Haettenschweiler's only weight is black; its condensed stand-ins are thin in their regular weight.
    return family == u"Haettenschweiler";
}

Rgb systemWindowColour() {
    const QColor c = QApplication::palette().color(QPalette::Active, QPalette::Base);
    return {c.red(), c.green(), c.blue()};
}

namespace {

constexpr QPalette::ColorGroup kColourGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

bool sameInEveryGroup(const QPalette& p, QPalette::ColorRole role, const QColor& c) {
    return std::all_of(std::begin(kColourGroups), std::end(kColourGroups),
                       [&](QPalette::ColorGroup g) { return p.color(g, role) == c; });
}

// The normal colours of a kind of control: the roles given take the system's window colour, and its text
// while disabled is the disabled-text grey (Fusion's own is RGB(190,190,190), the very grey a disabled
// control of the program may be given, on which its text would vanish). The application holds them for the
// class, so that every control of it in its normal colours shares one palette instead of carrying its own
// (Qt's style caches keep an entry for every palette they paint).
void shareNormalColours(const char* className, std::initializer_list<QPalette::ColorRole> roles) {
    const QColor window = systemWindowColour().toColor();
    QPalette shared = QApplication::palette();
    for (const QPalette::ColorRole r : roles) {
        shared.setColor(r, window);
    }
    for (const QPalette::ColorRole r : {QPalette::Text, QPalette::ButtonText}) {
        shared.setColor(QPalette::Disabled, r, ColourDisabledText.toColor());
    }
    if (QApplication::palette(className) == shared) {
        return;
    }
    // Taken whole by every control of the class, so that they all share its data.
    shared.setResolveMask(0);
    QApplication::setPalette(shared, className);
}

// Gives a control its own colour only for the roles where it differs from what the control takes from
// its window; a control in the window's colours keeps no palette of its own.
void setOwnColours(QWidget& w,
                   std::initializer_list<std::pair<QPalette::ColorRole, std::optional<Rgb>>> colours) {
    w.setPalette(QPalette());
    const QPalette inherited = w.palette();
    QPalette own;
    bool differs = false;
    for (const auto& [role, colour] : colours) {
        if (colour && !sameInEveryGroup(inherited, role, colour->toColor())) {
            own.setColor(role, colour->toColor());
            differs = true;
        }
    }
    if (differs) {
        w.setPalette(own);
    }
}

} // namespace

// Keeps what the user types or pastes within the box's MaxLength, as an edit control's limit does: of an
// insertion that does not fit, only the characters that fit stay, and none when the text is full.
// QLineEdit's own maxLength would cut the program's writes too.
class TypingLimit : public QValidator {
public:
    explicit TypingLimit(TextBox& box) : QValidator(&box), m_box(box) {}

    State validate(QString& input, int& pos) const override {
        const int limit = m_box.m_maxLength;
        if (isProgramWrite() || limit <= 0 || input.size() <= limit) {
            return Acceptable;
        }
        // What the edit put in: the part of the new text between what it kept of the old one.
        const QString& old = m_box.m_accepted;
        const qsizetype shorter = std::min(old.size(), input.size());
        qsizetype prefix = 0;
        while (prefix < shorter && old[prefix] == input[prefix]) {
            ++prefix;
        }
        qsizetype suffix = 0;
        while (suffix < shorter - prefix &&
               old[old.size() - 1 - suffix] == input[input.size() - 1 - suffix]) {
            ++suffix;
        }
        const qsizetype inserted = input.size() - prefix - suffix;
        const qsizetype fits = std::clamp<qsizetype>(limit - prefix - suffix, 0, inserted);
        input.remove(prefix + fits, inserted - fits);
        pos = static_cast<int>(prefix + fits);
        return Acceptable;
    }

private:
    // QLineEdit::setText clears the undo and redo history before it checks the new text, whichever
    // pointer it is called through; every edit of the user's (typing, pasting, deleting, undoing) leaves
    // a step to undo or redo. A read-only box takes no edit of the user's at all.
    bool isProgramWrite() const { return !m_box.isUndoAvailable() && !m_box.isRedoAvailable(); }

    TextBox& m_box;
};

TextBox::TextBox(QWidget* parent, const QString& name) : QLineEdit(parent) {
    setObjectName(name);
    shareNormalColours(staticMetaObject.className(), {QPalette::Base});
    // QLineEdit cuts every text to 32,767 characters, the program's writes too; a box holds any text the
    // program puts in it, and MaxLength limits only the user.
    QLineEdit::setMaxLength(std::numeric_limits<int>::max());
    setBackColor(ColourWhite);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) { m_accepted = t; });
}

void TextBox::setMaxLength(int length) {
    m_maxLength = length;
    if (validator() == nullptr) {
        setValidator(new TypingLimit(*this));
    }
}

void TextBox::setBackColor(Rgb c) {
    m_back = c;
    setOwnColours(*this, {{QPalette::Base, m_back}, {QPalette::Text, m_fore}});
}

void TextBox::setLocked(bool locked) {
    setReadOnly(locked);
    if (m_imeOff) {
        setAttribute(Qt::WA_InputMethodEnabled, false);
    }
}

void TextBox::setInputMethodDisabled(bool disabled) {
    m_imeOff = disabled;
    setAttribute(Qt::WA_InputMethodEnabled, !disabled && !isReadOnly());
}

void TextBox::setForeColor(Rgb c) {
    m_fore = c;
    setOwnColours(*this, {{QPalette::Base, m_back}, {QPalette::Text, m_fore}});
}

Label::Label(QWidget* parent, const QString& name, const QString& caption) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setCaption(caption);
}

void Label::setCaption(const QString& caption) {
    m_caption = caption;
    // Shown with plain line breaks; the caption itself keeps its CR LF.
    QString shown = caption;
    shown.replace(u"\r\n"_s, u"\n"_s);
    setText(shown);
}

void Label::setForeColor(Rgb c) {
    m_fore = c;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c.toColor());
    setPalette(p);
}

void Label::setBackColor(Rgb c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c.toColor());
    setPalette(p);
    setAutoFillBackground(true);
}

void Label::setSingleBorder() {
    m_singleBorder = true;
    // A QFrame border would take the text colour; this one is drawn in paintEvent.
    setContentsMargins(1, 1, 1, 1);
    setIndent(0);
    update();
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (m_singleBorder) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

ComboBox::ComboBox(QWidget* parent, const QString& name) : QComboBox(parent) {
    setObjectName(name);
    // A list's face and field are both in the window colour.
    shareNormalColours(staticMetaObject.className(), {QPalette::Base, QPalette::Button});
    setEditable(false);
}

void ComboBox::AddItem(const QString& item) {
    if (currentIndex() >= 0) {
        addItem(item);
        return;
    }
    // Qt chooses the first item put into an empty list.
    const QSignalBlocker quiet(this);
    addItem(item);
    setCurrentIndex(-1);
}

void ComboBox::setBackColor(Rgb c) {
    setOwnColours(*this, {{QPalette::Base, c}, {QPalette::Button, c}});
}

CheckBox::CheckBox(QWidget* parent, const QString& name, const QString& caption)
    : QCheckBox(caption, parent) {
    setObjectName(name);
}

CommandButton::CommandButton(QWidget* parent, const QString& name, const QString& caption)
    : QPushButton(caption, parent) {
    setObjectName(name);
    // Enter on a focused button presses that button, not the window's default one.
    setAutoDefault(true);
}

void CommandButton::setBackColor(Rgb c) {
    m_back = c;
    QPalette p = palette();
    p.setColor(QPalette::Button, c.toColor());
    setPalette(p);
    setAutoFillBackground(true);
    update();
}

void CommandButton::paintEvent(QPaintEvent* event) {
    if (!m_back) {
        QPushButton::paintEvent(event);
        return;
    }
    // The style's bevel for the outline (default, focus), then the flat face over its shaded one.
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    p.drawControl(QStyle::CE_PushButtonBevel, option);
    const QColor face = m_back->toColor();
    p.fillRect(rect().adjusted(1, 1, -1, -1), isDown() ? face.darker(110) : face);
    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    p.drawControl(QStyle::CE_PushButtonLabel, label);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

MemoBox::MemoBox(QWidget* parent, const QString& name) : QPlainTextEdit(parent) {
    setObjectName(name);
    shareNormalColours(staticMetaObject.className(), {});
    setTabChangesFocus(true);
}

void MemoBox::setBackColor(Rgb c) {
    QPalette p = palette();
    p.setColor(QPalette::Base, c.toColor());
    setPalette(p);
}

OptionButton::OptionButton(QWidget* parent, const QString& name, const QString& caption)
    : QRadioButton(caption, parent) {
    setObjectName(name);
}

LineShape::LineShape(QWidget* parent, const QString& name, bool rising) : QWidget(parent), m_rising(rising) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    // The last pixel row and column: a level line is one pixel high.
    const int right = width() - 1;
    const int bottom = height() - 1;
    if (m_rising) {
        p.drawLine(0, bottom, right, 0);
    } else {
        p.drawLine(0, 0, right, bottom);
    }
}

Frame::Frame(QWidget* parent, const QString& name, const QString& caption) : QGroupBox(caption, parent) {
    setObjectName(name);
}

void Frame::setHeading(QWidget* picture) {
    m_heading = picture;
    update();
}

void Frame::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    const QRect edge(0, top, width() - 2, height() - top - 2);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(edge.translated(1, 1));
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(edge);

    constexpr int captionLeft = 8;
    constexpr int margin = 2;
    const QRect caption(captionLeft, 0, fm.horizontalAdvance(title()), fm.height());
    QRect gap = title().isEmpty() ? QRect() : caption.adjusted(-margin, 0, margin, 0);
    if (m_heading) {
        const QRect picture = m_heading->geometry();
        gap = gap.united(QRect(picture.left() - margin, 0, picture.width() + 2 * margin, fm.height()));
    }
    if (!gap.isEmpty()) {
        p.fillRect(gap, palette().color(QPalette::Window));
    }
    if (title().isEmpty()) {
        return;
    }
    style()->drawItemText(&p, caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

void setCaptionKeepingRightEdge(Label& label, const QString& caption, int rightTwips) {
    label.setCaption(caption);
    label.adjustSize();
    label.move(twips(rightTwips) - label.width(), label.y());
}

} // namespace kl
