#pragma once

#include "platform/HelpViewer.h"

namespace kl::testing {

class ScriptedHelpViewer final : public platform::HelpViewer {};

} // namespace kl::testing
