#pragma once
// A clock the test turns by hand: posted calls run on run(), timers fire on advance().
#include <deque>
#include <map>

#include "connection/Scheduler.h"

namespace orvanta::test {

class ManualScheduler : public connection::Scheduler {
public:
    void post(std::function<void()> fn) override { posted.push_back(std::move(fn)); }
    TimerId startTimer(uint32_t ms, std::function<void()> fn) override;
    void cancelTimer(TimerId id) override { timers.erase(id); }
    uint32_t nowMs() const override { return now; }

    // Runs posted calls until none is left (bounded, so a runaway loop fails the test).
    int run(int limit = 100000);
    // Moves the clock forward, firing due timers in order and running what they post.
    void advance(uint32_t ms);

    struct Timer {
        uint32_t due;
        std::function<void()> fn;
    };
    std::deque<std::function<void()>> posted;
    std::map<TimerId, Timer> timers;
    uint32_t now = 1000;
    TimerId next = 1;
};

}  // namespace orvanta::test
