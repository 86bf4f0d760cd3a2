#pragma once

#include <memory>

#include <QHash>
#include <QPointer>
#include <QString>

#include "analysis/gui/AnalyseFitment.h"
#include "input/FieldHelp.h"
#include "input/gui/Form2Fields.h"
#include "windowbase/MainWindow.h"

namespace kl {

class TextBox;

// The data-entry window of the input mode. Its controls are the store of the user's inputs: the analysis
// and the input file reach them through its fields, found once when the window is built. Every reaction
// runs on every change of its control, whoever makes it, so the window's own writes set off the same
// checks and help as the user's.
class Form2 : public MainWindow, public FitmentInput {
    Q_OBJECT
public:
    explicit Form2(AppContext& context);

    void Form_Load() override;

    // Every field of the window, found right after it was built.
    const Form2Fields& fields() const { return *m_fields; }

    Question returnQuestion() const override;

    InputRecord inputRecord() const override;
    void rewriteClearance(WheelPosition wheel, ClearanceKind kind, const QString& text) override;
    Form& inputWindow() override { return *this; }

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
    void offsetDirectionChanged(SizeBlock block);
    void sameAsFrontChanged(const SameAsFrontFields& same);
    void toggleSameAsFront(const SameAsFrontFields& same);
    void PastedTextCheck(TextBox& box);
    void showFieldHelp(const FieldHelp& help);
    // The help of a field that has taken the focus; nothing for a control without help.
    void fieldGotFocus(QObject* field);
    // Moves the focus as the window's own code does, with the field's help as for a move by the user.
    void moveFocus(QWidget& target);
    void warn(const QString& text);

    std::unique_ptr<const Form2Fields> m_fields;
    QHash<const QObject*, const FieldHelp*> m_help;
    QHash<const QObject*, QString> m_fieldLines; // the sixteen typed boxes
    // The field whose help the panel shows; coming back to the window does not show it again.
    QPointer<QObject> m_helpShownFor;
};

} // namespace kl
