#pragma once

#include <functional>

namespace kl {

class Form;

// Runs one command of a window, as its button or menu item starts it. A control the command needs and the
// window lacks is a fault of the program: the command stops there and the user is told which control it
// was; the program goes on.
void runCommand(Form& window, const std::function<void()>& command);

} // namespace kl
