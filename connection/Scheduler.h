#pragma once
// How the connection loop gets time and wake-ups without polling. The window runs it
// on Qt's event loop; tests can run it on a hand-driven clock.
#include <cstdint>
#include <functional>

namespace orvanta::connection {

class Scheduler {
public:
    using TimerId = uint64_t;
    virtual ~Scheduler() = default;
    // Runs fn soon on the owner thread. Safe to call from any thread.
    virtual void post(std::function<void()> fn) = 0;
    // Runs fn once after ms milliseconds, on the owner thread. Owner thread only.
    virtual TimerId startTimer(uint32_t ms, std::function<void()> fn) = 0;
    virtual void cancelTimer(TimerId id) = 0;
    // A monotonic millisecond tick.
    virtual uint32_t nowMs() const = 0;
};

}  // namespace orvanta::connection
