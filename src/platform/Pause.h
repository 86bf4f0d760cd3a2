#pragma once

namespace kl::platform {

// Holds the program still for a while (the start-up pause). Nothing is processed meanwhile.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void sleep(int milliseconds) = 0;
};

class ThreadPause final : public Pause {
public:
    void sleep(int milliseconds) override;
};

} // namespace kl::platform
