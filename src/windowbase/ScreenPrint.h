#pragma once

namespace kl {

class AppContext;
class Form;

// The screen print of a main window (mnuFilePrint, Ctrl+P): shows the current printer settings, runs the
// print dialog and prints the window's image as shown on the screen, on one page.
void ScreenPrint(AppContext& context, Form& window);

} // namespace kl
