#pragma once
// The module's side of the link: parses the frames the tool sends and answers them
// as the module does, keeping every record it is sent so a later read returns it.
// Pure byte-in/byte-out; the pseudo-terminal server adds timing and faults.
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace orvanta::sim {

using Bytes = std::vector<uint8_t>;

struct ServiceItem {
    std::string name;
    uint32_t km = 0;
    uint16_t hours = 0;
    uint16_t days = 0;
};

// Builds one 128-byte service record.
std::array<uint8_t, 128> serviceRecord(const ServiceItem& item);

struct ModuleState {
    std::array<uint8_t, 52> sys{};
    std::array<uint8_t, 26> versions{};  // the tail of the configuration reply
    std::array<uint8_t, 5> capacities{};
    std::array<uint8_t, 16> coding{};
    std::array<uint8_t, 4> logo{};
    std::array<uint8_t, 6> gears{};
    std::array<uint8_t, 20> turbo{};
    std::array<uint8_t, 32> calibration{};
    std::array<uint8_t, 22> sensors{};
    std::array<uint8_t, 108> desktop{};
    std::array<uint8_t, 70> polling{};
    std::array<uint8_t, 100> diagParams{};
    std::array<uint8_t, 40> installer{};
    std::array<uint8_t, 2> protected80{};
    std::array<uint8_t, 2> protected81{};
    Bytes gamma;                 // payload of the last command 30
    Bytes parking;               // payload of the last command 62
    Bytes airSuspension;         // payload of the last command 63
    std::vector<std::array<uint8_t, 128>> serviceDb;
    std::array<uint32_t, 8> imageBytes{};  // data bytes received per slot in the last upload
    std::array<uint32_t, 8> imageChunks{};

    static ModuleState defaults();
    static std::array<uint8_t, 52> factorySys(const std::array<uint8_t, 52>& current);
};

// A received frame, as the module saw it.
struct Frame {
    Bytes bytes;
    int command = -1;  // command code of a 0xA6 frame; -1 for the other kinds
    std::chrono::steady_clock::time_point at{};  // when its last byte arrived
};

class ModuleSim {
public:
    struct Options {
        bool badImageSum = false;  // acknowledge image chunks with a wrong sum
        bool badDbAck = false;     // acknowledge database frames with a wrong byte
    };

    ModuleSim();
    explicit ModuleSim(ModuleState state);

    // Feeds received bytes; calls reply(frame, bytes) for every complete frame that
    // gets an answer, and frameSeen(frame) for every complete frame.
    void feed(const uint8_t* data, size_t size);
    // Drops a frame left unfinished (the tool stopped in the middle of one).
    void resync();
    bool midFrame() const { return !pending_.empty(); }

    std::function<void(const Frame&, const Bytes&)> onReply;
    std::function<void(const Frame&)> onFrame;

    Options options;
    ModuleState& state() { return state_; }
    const ModuleState& state() const { return state_; }

    // Reply built for a command, as the module would answer it (tests use it too).
    Bytes configReply(uint8_t command) const;

private:
    size_t frameLength() const;  // 0 while the length is not yet known
    void handle(const Frame& f);
    void handleCommand(const Frame& f);

    ModuleState state_;
    Bytes pending_;
    uint8_t imageSlot_ = 0xFF;
};

}  // namespace orvanta::sim
