#pragma once

#include <QString>

namespace kl {

class MainWindow;

// The buttons a main window has for the shared ways out; the shared menu items have the same names in
// every main window. An empty name: the window has no such button.
struct MainWindowButtons {
    QString topMenu;   // back to the top menu, without a question
    QString inputMode; // back to a new data-entry window (the result window's, with its menu item)
};

// Connects the buttons and menu items that the three main windows share (ways back, exit, print, help,
// the about box and the notice dialogs) to their commands. A control the window should have and lacks
// stops the window's construction with its name.
void wireMainWindowCommands(MainWindow& window, const MainWindowButtons& buttons);

} // namespace kl
