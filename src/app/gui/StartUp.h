#pragma once

namespace kl {

class AppContext;

// The program's start: the splash window, a pause, then the top menu. Returns once the top menu is shown;
// from then on the message loop drives the program.
void StartUp(AppContext& context);

} // namespace kl
