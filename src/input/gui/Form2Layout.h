#pragma once

#include <vector>

#include "platform/Forms.h"
#include "platform/Layout.h"

namespace kl {

// The data-entry window as data: its menus, status bar, default button and tab order, and every control
// with its container, twip rectangle, font, caption and tooltip.
WindowSpec form2Window();
std::vector<ControlSpec> form2Controls();

} // namespace kl
