#include "connection/qt/QtScheduler.h"

#include <QMetaObject>
#include <QTimer>

namespace orvanta::connection {

QtScheduler::QtScheduler(QObject* context) : context_(context) {
    if (!context_) context_ = ownContext_ = new QObject();
    clock_.start();
}

QtScheduler::~QtScheduler() {
    for (auto& [id, t] : timers_) delete t;
    // Queued calls addressed to our own context die with it.
    delete ownContext_;
}

void QtScheduler::post(std::function<void()> fn) {
    QMetaObject::invokeMethod(context_, std::move(fn), Qt::QueuedConnection);
}

Scheduler::TimerId QtScheduler::startTimer(uint32_t ms, std::function<void()> fn) {
    TimerId id = nextId_++;
    auto* t = new QTimer();
    t->setSingleShot(true);
    t->setTimerType(Qt::PreciseTimer);
    QObject::connect(t, &QTimer::timeout, context_, [this, id, fn = std::move(fn)] {
        auto it = timers_.find(id);
        if (it == timers_.end()) return;
        it->second->deleteLater();
        timers_.erase(it);
        fn();
    });
    timers_[id] = t;
    t->start(static_cast<int>(ms));
    return id;
}

void QtScheduler::cancelTimer(TimerId id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

uint32_t QtScheduler::nowMs() const { return static_cast<uint32_t>(clock_.elapsed()); }

}  // namespace orvanta::connection
