#pragma once

#include <QDateTime>

namespace kl::platform {

// The current local date and time, for the status bars.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace kl::platform
