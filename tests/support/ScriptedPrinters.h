#pragma once

#include "platform/Printers.h"

namespace kl::testing {

class ScriptedPrinters final : public platform::Printers {};

} // namespace kl::testing
