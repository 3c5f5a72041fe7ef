#pragma once
// Runs the connection loop on a Qt event loop: posted calls are queued events,
// timers are single-shot QTimers. Nothing polls.
#include <QElapsedTimer>
#include <QObject>
#include <unordered_map>

#include "connection/Scheduler.h"

class QTimer;

namespace orvanta::connection {

class QtScheduler final : public Scheduler {
public:
    // context: the object whose thread runs everything; it must outlive this scheduler.
    explicit QtScheduler(QObject* context = nullptr);
    ~QtScheduler() override;

    void post(std::function<void()> fn) override;
    TimerId startTimer(uint32_t ms, std::function<void()> fn) override;
    void cancelTimer(TimerId id) override;
    uint32_t nowMs() const override;

private:
    QObject* context_;
    QObject* ownContext_ = nullptr;
    QElapsedTimer clock_;
    std::unordered_map<TimerId, QTimer*> timers_;
    TimerId nextId_ = 1;
};

}  // namespace orvanta::connection
