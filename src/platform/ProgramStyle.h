#pragma once

namespace kl {

// Makes the program's look the application's style: Fusion, with lists that have a flat face in their back
// colour. Call once the application exists, before any window is made.
void installProgramStyle();

} // namespace kl
