#pragma once

#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include "common/GradePalette.h"
#include "platform/Layout.h"

namespace kl {

void placeTwips(QWidget* w, int left, int top, int width, int height);
void moveTwips(QWidget* w, int left, int top);

// "MS UI Gothic" at a point size; the family is mapped to an installed Japanese font.
QFont uiGothic(double pointSize, bool bold = false);
// Maps every font the windows name to the closest installed one.
void installFontSubstitutions();
// A face that exists in one heavy weight only: its stand-ins come nearest to it in their bold weight,
// whatever weight a control names.
bool isHeavyOnlyFace(const QString& family);

// The system's window background colour: the normal back colour of lists and text boxes.
Rgb systemWindowColour();

// The grey of the rules drawn across the about and notice boxes.
inline constexpr Rgb ColourLineGrey{128, 128, 128};
// The text of a disabled box or list: Windows' disabled-text grey. Lighter than black, so the control still
// reads as disabled, and dark enough to read on the grey of a disabled rear wheel as on white.
inline constexpr Rgb ColourDisabledText{109, 109, 109};
// The warm beige of the splash window's card, which the viewer window wears too.
inline constexpr Rgb ColourCard{239, 187, 141};

// A text box: Text, BackColor and ForeColor as the windows use them. The program writes its text with
// QLineEdit's own setText, through any pointer to the box; those writes are never cut to MaxLength.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent, const QString& name);

    QString Text() const { return text(); }

    // The most characters the user can type or paste into the box; 0 is no limit.
    void setMaxLength(int length);
    int MaxLength() const { return m_maxLength; }

    void setBackColor(Rgb c);
    Rgb BackColor() const { return m_back; }
    void setForeColor(Rgb c);
    // Empty while no text colour has been written: the platform's default shows.
    std::optional<Rgb> ForeColor() const { return m_fore; }
    void setLocked(bool locked);
    bool Locked() const { return isReadOnly(); }
    // No input method editor while the box has the focus; kept through locking and unlocking, which
    // would otherwise switch it back on.
    void setInputMethodDisabled(bool disabled);
    bool InputMethodDisabled() const { return m_imeOff; }

private:
    friend class TypingLimit;
    Rgb m_back = ColourWhite;
    bool m_imeOff = false;
    std::optional<Rgb> m_fore;
    int m_maxLength = 0;
    QString m_accepted; // the text before the edit being checked
};

// A label whose caption may hold CR LF line breaks.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent, const QString& name, const QString& caption = {});

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void setForeColor(Rgb c);
    std::optional<Rgb> ForeColor() const { return m_fore; }
    void setBackColor(Rgb c);
    // A fixed single border, as the comment labels have. It keeps the standard border colour whatever
    // colour the text is given, and the text starts right inside it.
    void setSingleBorder();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    std::optional<Rgb> m_fore;
    bool m_singleBorder = false;
};

// Writes a label's caption and sizes the label to it, growing to the left so that its right edge stays
// where the layout put it (`rightTwips`, in the label's container).
void setCaptionKeepingRightEdge(Label& label, const QString& caption, int rightTwips);

// A drop-down list the user can only choose from; Text is the chosen item or empty.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent, const QString& name);

    QString Text() const { return currentIndex() < 0 ? QString() : currentText(); }
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int i) { setCurrentIndex(i); }
    // Appends without choosing: an empty list stays unchosen and no change of choice is announced.
    void AddItem(const QString& item);
    void setBackColor(Rgb c);
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(QWidget* parent, const QString& name, const QString& caption);
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int v) { setChecked(v != 0); }
};

// A multi-line text box; Tab moves on through the window instead of typing a tab.
class MemoBox : public QPlainTextEdit {
    Q_OBJECT
public:
    MemoBox(QWidget* parent, const QString& name);
    // Lines are separated by CR LF, as they were written.
    QString Text() const {
        using namespace Qt::StringLiterals;
        return toPlainText().replace(u'\n', u"\r\n"_s);
    }
    void setText(const QString& t) { setPlainText(t); }
    void setBackColor(Rgb c);
    void setLocked(bool locked) { setReadOnly(locked); }
};

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(QWidget* parent, const QString& name, const QString& caption);
    bool Value() const { return isChecked(); }
    void setValue(bool v) { setChecked(v); }
};

// A straight line between two corners of its rectangle.
class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(QWidget* parent, const QString& name, bool rising);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_rising;
};

// A push button. Given a back colour it is a graphical button: its face is a flat fill of that colour,
// where a standard button keeps the style's own face.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(QWidget* parent, const QString& name, const QString& caption);

    void setBackColor(Rgb c);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<Rgb> m_back;
};

// A frame whose top edge runs through the middle of its caption, the caption in a gap of the edge:
// headings and check boxes placed at the frame's top sit on that edge.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    Frame(QWidget* parent, const QString& name, const QString& caption);

    // A picture on the top edge that the caption's blanks make room for: the gap reaches over the
    // whole of it, however wide the blanks come out in the installed font.
    void setHeading(QWidget* picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> m_heading;
};

} // namespace kl
