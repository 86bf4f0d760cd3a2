#pragma once

namespace kl {

class AppContext;
class Form7;

// The viewer's open command (mnuFileOpen, Ctrl+O). Asks for a result file; Cancel changes nothing. A file
// that cannot be read is reported and changes nothing either. Otherwise its 37 fields go into the 36 data
// boxes and the verdict box, and the loaded texts are graded again: both diameters, the four wheels
// FL, FR, RL, RR, then the verdict. A diameter or wheel whose texts cannot be graded shows no grade and
// no comment, so every load shows the file alone.
void openResultFile(AppContext& context, Form7& viewer);

// The grading half of the open command, on the texts that stand in the viewer's boxes.
void reGradeViewer(Form7& viewer);

} // namespace kl
