#pragma once
// Serves the simulated module on a pseudo-terminal, in a thread of its own, with
// optional faults so tests can see how the tool copes with a misbehaving module.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "sim/ModuleSim.h"

namespace orvanta::sim {

// Key of a frame for the fault tables: the command code of a 0xA6 frame, or
// kImageStart / kImageChunk for the image frames.
constexpr int kImageStart = 0x1A3;
constexpr int kImageChunk = 0x1A4;

struct Faults {
    bool silent = false;               // no reply to anything
    std::set<int> noReply;             // no reply to these frames
    std::map<int, size_t> shortBy;     // drop this many bytes from the end of the reply; key -1: every reply
    uint32_t delayMs = 0;              // wait before every reply
    size_t splitEvery = 0;             // send replies in pieces of this many bytes...
    uint32_t splitGapMs = 0;           // ...this far apart
    int hangupOn = -1;                 // hang up when this frame arrives
    bool badImageSum = false;
    bool badDbAck = false;

    // Parses one --fault argument: silent, no-reply=24, short=24:5, short=3 (every reply),
    // delay=200, split=3:20, bad-image-sum, bad-db-ack, hangup-on=24. Frame names
    // image-start and image-chunk stand for the image frames. Throws on a bad spec.
    void parse(const std::string& spec);
};

class PtyServer {
public:
    explicit PtyServer(ModuleState state = ModuleState::defaults());
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Creates the pseudo-terminal (and the link to it, when given) and starts serving.
    // Throws std::runtime_error with the reason when it cannot.
    void start(const std::string& linkPath = {});
    void stop();
    // Closes the module's side now, as an unplugged cable would.
    void hangup();

    const std::string& portPath() const { return portPath_; }
    const std::string& linkPath() const { return linkPath_; }
    bool hungUp() const { return hungUp_.load(); }
    // Called from the server's thread once it has hung up.
    void setHangUpHandler(std::function<void()> handler) { onHangUp_ = std::move(handler); }

    void setFaults(const Faults& faults);
    // One line per frame, in hex, to this sink (nullptr: no log).
    void setLog(std::function<void(const std::string&)> sink);

    std::vector<Frame> frames() const;
    void clearFrames();
    // Waits until at least count frames have arrived since the last clear.
    bool waitForFrames(size_t count, int timeoutMs) const;
    // Runs fn on the module state under the server's lock.
    void withState(const std::function<void(ModuleState&)>& fn);

private:
    struct Pending {
        std::chrono::steady_clock::time_point due;
        Bytes bytes;
    };
    void run();
    void queueReply(const Frame& f, const Bytes& reply);
    void closeAll();

    ModuleSim sim_;
    Faults faults_;
    mutable std::mutex mutex_;
    mutable std::condition_variable framesCv_;
    std::vector<Frame> frames_;
    std::deque<Pending> outgoing_;
    std::function<void(const std::string&)> log_;

    int master_ = -1;
    int heldSlave_ = -1;  // keeps the master readable while the tool has the port closed
    int wakeFd_ = -1;
    std::string portPath_;
    std::string linkPath_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> hangupRequested_{false};
    std::atomic<bool> hungUp_{false};
    std::function<void()> onHangUp_;
    std::chrono::steady_clock::time_point lastByte_{};
};

}  // namespace orvanta::sim
