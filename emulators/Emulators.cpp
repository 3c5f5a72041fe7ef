#include "emulators/Emulators.h"

namespace orvanta::emulators {

std::array<uint8_t, kParkingPayloadSize> parkingPayload(const ParkingInput& in) {
    std::array<uint8_t, kParkingPayloadSize> p{};
    size_t i = 0;
    for (uint8_t s : in.sensors) p[i++] = s;
    for (int k = 0; k < 3; ++k) p[i++] = in.repeated;
    p[i++] = static_cast<uint8_t>(in.reverse * 2);
    for (uint8_t s : in.sensors) p[i++] = s;
    for (int k = 0; k < 4; ++k) p[i++] = 0xFF;
    // The bus is a flag pair: K-line first, CAN second.
    p[i++] = in.bus == ParkingBus::KLine ? 1 : 0;
    p[i++] = in.bus == ParkingBus::Can ? 1 : 0;
    return p;
}

namespace {

constexpr AirItem kGroup2[] = {{"12", 0x12}, {"02", 0x02}, {"13", 0x13}, {"03", 0x03},
                               {"14", 0x14}, {"04", 0x04}, {"15", 0x15}, {"05", 0x05}};
constexpr AirItem kGroup3[] = {{"С7 зад вверх", 0xC7}, {"37 пер вверх", 0x37}, {"Сb зад вниз", 0xCB},
                               {"3b пер вниз", 0x3B}};
constexpr AirItem kGroup4[] = {{"01 sport", 0x01}, {"04 normal", 0x04}, {"08 comfort", 0x08}};
constexpr AirItem kLkState[] = {{"0", 0x00}, {"1", 0x01}, {"5", 0x05}};

template <size_t N>
constexpr int count(const AirItem (&)[N]) {
    return static_cast<int>(N);
}

const std::array<AirGroup, kAirGroupCount> kGroups{{
    {"2", kGroup2, count(kGroup2), 1},
    {"3", kGroup3, count(kGroup3), -1},
    {"4", kGroup4, count(kGroup4), -1},
    {"lk_state", kLkState, count(kLkState), 0},
}};

}  // namespace

const std::array<AirGroup, kAirGroupCount>& airSuspensionGroups() { return kGroups; }

std::optional<std::array<uint8_t, kAirPayloadSize>> airSuspensionPayload(const std::array<int, kAirGroupCount>& chosen) {
    std::array<uint8_t, kAirPayloadSize> p{};
    for (size_t g = 0; g < kGroups.size(); ++g) {
        const int i = chosen[g];
        if (i < 0 || i >= kGroups[g].count) return std::nullopt;
        p[g] = kGroups[g].items[i].value;
    }
    return p;
}

}  // namespace orvanta::emulators
