#pragma once

#include "platform/Processes.h"

namespace kl::testing {

class ScriptedProcesses final : public platform::Processes {};

} // namespace kl::testing
