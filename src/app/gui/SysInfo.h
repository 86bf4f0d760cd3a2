#pragma once

class QWidget;

namespace kl {

namespace platform {
struct Platform;
}

// The about boxes' "ｼｽﾃﾑ情報(&S)..." button: starts the system-information tool that the registry names,
// without waiting for it, or tells the user (in a box owned by `owner`) that it cannot be used.
void StartSysInfo(platform::Platform& platform, QWidget* owner);

} // namespace kl
