#include "connection/ConnectionLoop.h"

#include <atomic>
#include <exception>

#include "connection/Frames.h"
#include "serial/SerialTypes.h"

namespace orvanta::connection {

void StateTable::add(int32_t state, StateAction action) { actions_[state] = std::move(action); }

const StateAction* StateTable::find(int32_t state) const {
    auto it = actions_.find(state);
    return it == actions_.end() ? nullptr : &it->second;
}

ConnectionLoop::ConnectionLoop(serial::CommPort& port, Scheduler& scheduler, Session& session, LoopObserver& observer)
    : port_(port),
      scheduler_(scheduler),
      session_(session),
      observer_(observer),
      alive_(std::make_shared<ConnectionLoop*>(this)),
      wakePosted_(std::make_shared<std::atomic<bool>>(false)) {
    std::weak_ptr<ConnectionLoop*> weak = alive_;
    auto flag = wakePosted_;
    Scheduler& sched = scheduler_;
    // Runs on the port's reader thread: only hand the news over, coalescing bursts.
    port_.SetEventHook([weak, flag, &sched](serial::PortEvent e) {
        if (e == serial::PortEvent::DataArrived && flag->exchange(true)) return;
        sched.post([weak, flag, e] {
            if (e == serial::PortEvent::DataArrived) flag->store(false);
            if (auto self = weak.lock()) (*self)->onPortEvent(e);
        });
    });
}

ConnectionLoop::~ConnectionLoop() {
    port_.SetEventHook(nullptr);
    cancelTimers();
    alive_.reset();
}

void ConnectionLoop::Connect(std::function<uint32_t()> baudRate) {
    RequestFields& r = session_.request;
    // A second "Connect" starts over: the port is closed and reopened below, without
    // an exit frame, and the handshake runs again.
    cancelTimers();
    clearNotice();
    baudRate_ = std::move(baudRate);
    running_ = true;
    opening_ = true;
    r.StopFlag = false;
    attempts_ = 0;
    observer_.portOpeningStarted();
    attemptOpen();
}

void ConnectionLoop::attemptOpen() {
    openTimer_ = 0;
    if (!running_ || !opening_) return;
    RequestFields& r = session_.request;
    if (r.StopFlag) {
        openingDone();
        return;
    }
    std::string why;
    try {
        port_.SetActive(false);
        port_.SetBaudRate(baudRate_ ? baudRate_() : 921600);
        port_.SetActive(true);
        port_.ClearDeviceBuffers();
        openingDone();
        return;
    } catch (const serial::SerialError& e) {
        why = e.hint();
    } catch (const std::exception& e) {
        why = e.what();
    }
    ++attempts_;
    observer_.statusText(0, "try connect " + std::to_string(attempts_));
    observer_.statusText(1, why);
    std::weak_ptr<ConnectionLoop*> weak = alive_;
    openTimer_ = scheduler_.startTimer(kOpenRetryMs, [weak] {
        if (auto self = weak.lock()) (*self)->attemptOpen();
    });
}

void ConnectionLoop::openingDone() {
    opening_ = false;
    if (openTimer_) {
        scheduler_.cancelTimer(openTimer_);
        openTimer_ = 0;
    }
    if (attempts_ > 0) observer_.statusText(1, "");
    observer_.portOpeningEnded();
    session_.request.ConnState = 999;
    schedulePass();
}

void ConnectionLoop::Disconnect() {
    session_.request.StopFlag = true;
    if (!running_) return;
    if (opening_) openingDone();
    else schedulePass();
}

void ConnectionLoop::Shutdown() {
    if (!running_) return;
    session_.request.StopFlag = true;
    opening_ = false;
    finish();
}

void ConnectionLoop::Post(int32_t state) {
    session_.request.ConnState = state;
    clearNotice();
    if (running_ && !opening_) schedulePass();
}

void ConnectionLoop::Post(int32_t state, uint8_t command) {
    session_.request.RequestCommand = command;
    Post(state);
}

void ConnectionLoop::Post(int32_t state, uint8_t command, uint8_t param) {
    session_.request.RequestCommand = command;
    session_.request.RequestParam = param;
    Post(state);
}

void ConnectionLoop::schedulePass() {
    if (passPending_) return;
    passPending_ = true;
    std::weak_ptr<ConnectionLoop*> weak = alive_;
    scheduler_.post([weak] {
        if (auto self = weak.lock()) (*self)->pass();
    });
}

void ConnectionLoop::pass() {
    passPending_ = false;
    if (!running_ || opening_) return;
    if (inPass_) {
        schedulePass();
        return;
    }
    RequestFields& r = session_.request;
    if (r.StopFlag) {
        finish();
        return;
    }
    observer_.statusText(4, std::to_string(r.ConnState));
    observer_.statusText(5, std::to_string(port_.TotalReceived()));

    const int32_t before = r.ConnState;
    consumed_ = 0;
    retryMs_.reset();
    const StateAction* action = states_.find(before);
    if (action) {
        inPass_ = true;
        try {
            (*action)(*this);
            inPass_ = false;
        } catch (const std::exception& e) {
            // The error is shown; the connection stays up and idle.
            inPass_ = false;
            r.ConnState = kIdleState;
            clearNotice();
            observer_.errorRaised(e.what());
            return;
        }
    }
    if (!running_) return;
    if (r.ConnState != before || consumed_ > 0 || r.StopFlag) {
        clearNotice();
        schedulePass();
        return;
    }
    if (retryMs_) {
        if (retryTimer_) scheduler_.cancelTimer(retryTimer_);
        std::weak_ptr<ConnectionLoop*> weak = alive_;
        retryTimer_ = scheduler_.startTimer(*retryMs_, [weak] {
            if (auto self = weak.lock()) {
                (*self)->retryTimer_ = 0;
                (*self)->schedulePass();
            }
        });
        return;
    }
    // A state that stayed without progress waits for its reply: the next bytes wake it.
    if (action) armNotice(before);
}

void ConnectionLoop::finish() {
    running_ = false;
    opening_ = false;
    cancelTimers();
    clearNotice();
    for (uint8_t b : kExitFrame) port_.SendChar(b);
    port_.SetActive(false);
    observer_.connectionEnded();
}

void ConnectionLoop::cancelTimers() {
    for (Scheduler::TimerId* t : {&openTimer_, &retryTimer_, &noticeTimer_}) {
        if (*t) scheduler_.cancelTimer(*t);
        *t = 0;
    }
}

void ConnectionLoop::armNotice(int32_t state) {
    if (noticeTimer_ && noticeState_ == state) return;
    if (noticeTimer_) scheduler_.cancelTimer(noticeTimer_);
    noticeState_ = state;
    std::weak_ptr<ConnectionLoop*> weak = alive_;
    noticeTimer_ = scheduler_.startTimer(kNoReplyNoticeMs, [weak] {
        auto self = weak.lock();
        if (!self) return;
        ConnectionLoop& l = **self;
        l.noticeTimer_ = 0;
        if (!l.running_ || l.session_.request.ConnState != l.noticeState_ || l.awaiting_.empty()) return;
        l.observer_.statusText(1, "No reply from the module to " + l.awaiting_);
        l.noticeShown_ = true;
    });
}

void ConnectionLoop::clearNotice() {
    if (noticeTimer_) {
        scheduler_.cancelTimer(noticeTimer_);
        noticeTimer_ = 0;
    }
    if (noticeShown_) {
        noticeShown_ = false;
        observer_.statusText(1, "");
    }
}

void ConnectionLoop::onPortEvent(serial::PortEvent e) {
    if (!running_) return;
    if (e == serial::PortEvent::Lost) {
        clearNotice();
        observer_.statusText(1, "Lost the connection to " + port_.PortName() + ". Press \"Connect\" to reconnect.");
    }
    if (!opening_) schedulePass();
}

void ConnectionLoop::beginExchange() {
    port_.ClearDeviceInput();
    storeBaseline();
}

void ConnectionLoop::storeBaseline() { baseline_ = port_.TotalReceived(); }

uint32_t ConnectionLoop::received() const { return port_.TotalReceived() - baseline_; }

void ConnectionLoop::send(std::span<const uint8_t> bytes) {
    port_.SendData(bytes.data(), static_cast<uint32_t>(bytes.size()));
}

void ConnectionLoop::sendCommand(uint8_t command, std::span<const uint8_t> payload) {
    beginExchange();
    send(commandFrame(command, payload));
    awaiting_ = "command " + std::to_string(command);
}

uint8_t ConnectionLoop::readByte() {
    uint8_t b = 0;
    consumed_ += port_.Read(&b, 1);
    return b;
}

void ConnectionLoop::read(std::span<uint8_t> into) {
    consumed_ += port_.Read(into.data(), static_cast<uint32_t>(into.size()));
}

void ConnectionLoop::retryAfter(uint32_t ms) { retryMs_ = ms; }

void ConnectionLoop::expectReply(std::string what) { awaiting_ = std::move(what); }

}  // namespace orvanta::connection
