#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

#include "input/FieldHelp.h"
#include "results/gui/MainWindow.h"

namespace kl {

class CheckBox;
class ComboBox;
class ImageBox;
class TextBox;
struct WheelBlock;

// The data-entry window of the input mode. Its controls are the store of the user's inputs: the analysis
// and the input file reach them by their names. Every reaction runs on every change of its control,
// whoever makes it, so the window's own writes set off the same checks and help as the user's.
class Form2 : public MainWindow {
    Q_OBJECT
public:
    explicit Form2(AppContext& context);

    void Form_Load() override;

    Question returnQuestion() const override;

    // Selects the whole text of a box, so that the next key typed replaces it.
    static void SelectText(TextBox& box);

    // The window's own commands, as its menu items and buttons run them.
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuDataClear_Click();
    void Command2_Click();
    void mnuBeforeSameFront_Click();
    void mnuAfterSameFront_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectReactions();
    void offsetDirectionChanged(const WheelBlock& block);
    void sameAsFrontChanged(const WheelBlock& block);
    void toggleSameAsFront(const WheelBlock& block);
    void pastedTextCheck(TextBox& box);
    void showFieldHelp(const FieldHelp& help);
    // The help of a field that has taken the focus; nothing for a control without help.
    void fieldGotFocus(QObject* field);
    // Moves the focus as the window's own code does, with the field's help as for a move by the user.
    void moveFocus(QWidget& target);
    ImageBox& helpImage(HelpImage which);
    void clearValues();
    void warn(const QString& text);

    QHash<const QObject*, const FieldHelp*> m_help;
    QHash<const QObject*, QString> m_fieldLines; // the sixteen typed boxes
    // The field whose help the panel shows; coming back to the window does not show it again.
    QPointer<QObject> m_helpShownFor;
};

} // namespace kl
