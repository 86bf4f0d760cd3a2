#pragma once

#include <array>
#include <cstddef>

#include <QString>

#include "platform/Controls.h"
#include "platform/Forms.h"

class QKeyEvent;

namespace kl {

// The data-entry window of the input mode. The analysis and the input file reach its fields by their
// control names; the members here only spare the window itself the look-ups.
class Form2 : public Form {
    Q_OBJECT
public:
    explicit Form2(AppContext& context);

    void Form_Load() override;

    // Where the help file is looked for; the help and close commands pass it on.
    QString HelpFilePath;

protected:
    // Enter in any field presses "O K", as in a dialog; a focused button takes its own Enter.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One wheel and tyre block: old front, old rear, new front, new rear.
    struct WheelFields {
        ComboBox* rimDiameter = nullptr;
        ComboBox* rimWidth = nullptr;
        ComboBox* direction = nullptr;
        TextBox* offset = nullptr;
        ComboBox* tyreWidth = nullptr;
        ComboBox* aspectRatio = nullptr;
        CheckBox* sameAsFront = nullptr; // rear blocks only
    };

    void buildBefore();
    void buildAfter();
    void buildWheelFrame(QWidget* container, std::size_t block);
    void buildHelpPanel();
    void orderTabs();

    std::array<WheelFields, 4> m_wheels;
    std::array<TextBox*, 12> m_clearances{}; // FL, FR, RL, RR, each pull-in, upper, fore-aft
    CommandButton* m_ok = nullptr;
    CommandButton* m_clear = nullptr;
    CommandButton* m_topMenu = nullptr;
};

} // namespace kl
