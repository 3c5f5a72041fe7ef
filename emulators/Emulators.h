#pragma once
// Commands that make the module act as if car signals or key presses had occurred.
// None of them gets a reply. The payload layouts live here so the window only has to
// read its editors into the plain structs below.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvanta::emulators {

// Command codes.
namespace cmd {
constexpr uint8_t KeyDown = 1;
constexpr uint8_t KeyUp = 2;
constexpr uint8_t KeyReset = 3;
constexpr uint8_t LongReset = 4;
constexpr uint8_t LongUp = 5;
constexpr uint8_t LongDown = 6;
constexpr uint8_t TurboTimerOn = 7;
constexpr uint8_t TurboTimerOff = 8;
constexpr uint8_t OpenDoors = 20;
constexpr uint8_t Mirror = 27;
constexpr uint8_t ShowWarning = 29;
constexpr uint8_t IgnitionOff = 51;
constexpr uint8_t IgnitionOn = 52;
constexpr uint8_t HeaterSet = 56;
constexpr uint8_t HeaterReset = 57;
constexpr uint8_t Parking = 62;
constexpr uint8_t AirSuspension = 63;
constexpr uint8_t ParkingSwitchOn = 120;
constexpr uint8_t ParkingSwitchOff = 121;
constexpr uint8_t Return = 127;
}  // namespace cmd

// The states that send the two record-like payloads; they read the editors when they run.
constexpr int32_t kParkingState = 192;
constexpr int32_t kAirSuspensionState = 193;

// Ignition ("Terminal 15" boxes): the clicked box's new state picks the command.
constexpr uint8_t ignitionCommand(bool nowChecked) { return nowChecked ? cmd::IgnitionOn : cmd::IgnitionOff; }
// The parking switch box likewise.
constexpr uint8_t parkingSwitchCommand(bool nowChecked) {
    return nowChecked ? cmd::ParkingSwitchOn : cmd::ParkingSwitchOff;
}

// Mirrors: side from the side group's item index (0 "Left", 1 "Right", anything else
// none) plus the direction of the arrow pressed.
enum class MirrorDirection : uint8_t { Up = 1, Down = 2, Left = 4, Right = 8 };
constexpr uint8_t mirrorSide(int sideIndex) { return sideIndex == 0 ? 16 : sideIndex == 1 ? 32 : 0; }
constexpr uint8_t mirrorParam(int sideIndex, MirrorDirection d) {
    return static_cast<uint8_t>(mirrorSide(sideIndex) + static_cast<uint8_t>(d));
}

// Parking sensor display (command 62).
enum class ParkingBus : uint8_t { KLine, Can };
struct ParkingInput {
    std::array<uint8_t, 4> sensors{255, 255, 255, 255};  // sensors 1 to 4
    uint8_t repeated = 255;                              // sent three times after them
    uint8_t reverse = 1;                                 // 0 or 1; sent doubled
    ParkingBus bus = ParkingBus::Can;
};
constexpr size_t kParkingPayloadSize = 18;
std::array<uint8_t, kParkingPayloadSize> parkingPayload(const ParkingInput& in);

// Air suspension (command 63): four choice groups, one byte each. Every item's caption
// begins with the hexadecimal value it sends.
struct AirItem {
    std::string_view caption;  // UTF-8
    uint8_t value;
};
struct AirGroup {
    std::string_view caption;
    const AirItem* items;
    int count;
    int startIndex;  // -1: no item chosen at start
};
constexpr int kAirGroupCount = 4;
const std::array<AirGroup, kAirGroupCount>& airSuspensionGroups();
constexpr size_t kAirPayloadSize = 4;
// The payload for the chosen item of each group; empty when a group has no valid choice,
// since a frame without that byte would be shorter than its length byte says.
std::optional<std::array<uint8_t, kAirPayloadSize>> airSuspensionPayload(const std::array<int, kAirGroupCount>& chosen);

}  // namespace orvanta::emulators
