#pragma once

namespace kl {

class Form;

// Connects the buttons and menu items that the three main windows share (ways back, exit, help, the
// about box and the notice dialogs) to their commands, by control name. Items a window lacks are skipped.
void wireMainWindowCommands(Form& window);

} // namespace kl
