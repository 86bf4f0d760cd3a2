#pragma once

namespace kl {

// Makes the program's look the application's style: Fusion, with the buttons of Qt's own dialogs (message
// boxes, file and print dialogs) as plain as the program's buttons, and lists with a flat face in their back
// colour. Call once the application exists, before any window is made.
void installProgramStyle();

} // namespace kl
