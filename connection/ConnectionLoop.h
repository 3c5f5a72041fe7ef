#pragma once
// The connection loop: the only code that talks to the module. It opens the port,
// wakes the module, and then performs one step of the state named by ConnState
// whenever something happens (bytes arrived, a request posted, a timer fired).
// States live with the code that owns them and are registered in a StateTable.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>

#include "connection/Scheduler.h"
#include "connection/Session.h"
#include "serial/CommPort.h"

namespace orvanta::connection {

class ConnectionLoop;
using StateAction = std::function<void(ConnectionLoop&)>;

class StateTable {
public:
    void add(int32_t state, StateAction action);
    const StateAction* find(int32_t state) const;

private:
    std::unordered_map<int32_t, StateAction> actions_;
};

// What the loop shows in the window.
class LoopObserver {
public:
    virtual ~LoopObserver() = default;
    // Status bar panel 0..6.
    virtual void statusText(int panel, const std::string& text) = 0;
    // An error raised inside a state; the loop has gone back to idle.
    virtual void errorRaised(const std::string& message) = 0;
    virtual void portOpeningStarted() {}           // Image1 hidden
    virtual void portOpeningEnded() {}             // page control enabled, Image1 shown
    virtual void moduleWoken() {}                  // page control shown
    virtual void connectionEnded() {}
};

class ConnectionLoop {
public:
    static constexpr uint32_t kOpenRetryMs = 50;
    static constexpr uint32_t kNoReplyNoticeMs = 3000;

    ConnectionLoop(serial::CommPort& port, Scheduler& scheduler, Session& session, LoopObserver& observer);
    ~ConnectionLoop();
    ConnectionLoop(const ConnectionLoop&) = delete;
    ConnectionLoop& operator=(const ConnectionLoop&) = delete;

    StateTable& states() { return states_; }

    // "Connect": opens the port at the rate baudRate() gives at each attempt and
    // starts the handshake. While already connected, starts over on a fresh port.
    void Connect(std::function<uint32_t()> baudRate);
    // "Disconnect": the loop ends at its next step with the exit frame.
    void Disconnect();
    // Ends a running connection at once, exit frame included (the window is closing).
    void Shutdown();
    bool Running() const { return running_; }
    bool Opening() const { return opening_; }
    int32_t OpenAttempts() const { return attempts_; }

    // Posting a request: assigns the fields and wakes the loop. Without a connection
    // the request just sits in the fields until the next "Connect" overwrites it.
    void Post(int32_t state);
    void Post(int32_t state, uint8_t command);
    void Post(int32_t state, uint8_t command, uint8_t param);

    // --- For states ---------------------------------------------------------------
    Session& session() { return session_; }
    RequestFields& request() { return session_.request; }
    serial::CommPort& port() { return port_; }
    LoopObserver& observer() { return observer_; }
    void setState(int32_t state) { session_.request.ConnState = state; }

    // ClearDeviceInput, then store the receive baseline: what every sending state does first.
    void beginExchange();
    void storeBaseline();
    uint32_t received() const;
    void send(std::span<const uint8_t> bytes);
    // beginExchange, then the command frame; remembers the command for the no-reply notice.
    void sendCommand(uint8_t command, std::span<const uint8_t> payload = {});
    uint8_t readByte();
    void read(std::span<uint8_t> into);
    // The state stays on purpose: run it again after ms (not a missing reply).
    void retryAfter(uint32_t ms);
    // Names what the current exchange waits for, for the no-reply notice.
    void expectReply(std::string what);
    uint32_t nowMs() const { return scheduler_.nowMs(); }

private:
    void attemptOpen();
    void openingDone();
    void schedulePass();
    void pass();
    void finish();
    void cancelTimers();
    void armNotice(int32_t state);
    void clearNotice();
    void onPortEvent(serial::PortEvent e);

    serial::CommPort& port_;
    Scheduler& scheduler_;
    Session& session_;
    LoopObserver& observer_;
    StateTable states_;

    std::function<uint32_t()> baudRate_;
    bool running_ = false;
    bool opening_ = false;
    bool inPass_ = false;
    bool passPending_ = false;
    int32_t attempts_ = 0;
    uint32_t baseline_ = 0;
    uint32_t consumed_ = 0;
    std::optional<uint32_t> retryMs_;
    std::string awaiting_;

    Scheduler::TimerId openTimer_ = 0;
    Scheduler::TimerId retryTimer_ = 0;
    Scheduler::TimerId noticeTimer_ = 0;
    int32_t noticeState_ = 0;
    bool noticeShown_ = false;

    // Posted callbacks check this so none runs after the loop is gone.
    std::shared_ptr<ConnectionLoop*> alive_;
    std::shared_ptr<std::atomic<bool>> wakePosted_;
};

}  // namespace orvanta::connection
