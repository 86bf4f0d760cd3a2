#pragma once

#include <functional>
#include <vector>

#include "platform/Clock.h"
#include "platform/Pause.h"

namespace kl::testing {

// A clock that shows what it is told.
class FixedClock final : public platform::Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2005, 4, 1), QTime(9, 30, 0)};
};

// Records every pause instead of waiting; `during` runs inside the pause, so a test can look at what the
// program shows while it pauses.
class RecordingPause final : public platform::Pause {
public:
    void sleep(int milliseconds) override {
        pauses.push_back(milliseconds);
        if (during) {
            during();
        }
    }
    std::vector<int> pauses;
    std::function<void()> during;
};

} // namespace kl::testing
