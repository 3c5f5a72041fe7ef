#include "tests/support/ManualScheduler.h"

#include <stdexcept>

namespace orvanta::test {

connection::Scheduler::TimerId ManualScheduler::startTimer(uint32_t ms, std::function<void()> fn) {
    TimerId id = next++;
    timers[id] = {now + ms, std::move(fn)};
    return id;
}

int ManualScheduler::run(int limit) {
    int n = 0;
    while (!posted.empty()) {
        if (++n > limit) throw std::runtime_error("posted calls never stop");
        auto fn = std::move(posted.front());
        posted.pop_front();
        fn();
    }
    return n;
}

void ManualScheduler::advance(uint32_t ms) {
    const uint32_t end = now + ms;
    run();
    for (;;) {
        auto first = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it)
            if (it->second.due <= end && (first == timers.end() || it->second.due < first->second.due)) first = it;
        if (first == timers.end()) break;
        now = first->second.due;
        auto fn = std::move(first->second.fn);
        timers.erase(first);
        fn();
        run();
    }
    now = end;
}

}  // namespace orvanta::test
