#pragma once

#include "platform/Registry.h"

namespace kl::testing {

class ScriptedRegistry final : public platform::Registry {};

} // namespace kl::testing
