#pragma once

#include "platform/AppContext.h"

namespace kl {

// The top menu: opens the input mode or the viewer mode, or ends the program. The start-up shows an
// instance of its own; every return from a main window shows the single instance, loaded afresh.
class Form1 : public Form {
    Q_OBJECT
public:
    explicit Form1(AppContext& context);

    void Form_Load() override;

    // The window's caption, which the load step and the start-up write.
    static QString caption();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
};

} // namespace kl
