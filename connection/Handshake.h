#pragma once
// Waking the module and reading its flash-disk capacities: states 999, 0 and 1.
#include <array>
#include <cstdint>

#include "connection/ConnectionLoop.h"

namespace orvanta::connection {

constexpr uint32_t kCapacityQueryDelayMs = 500;

struct CapacityReport {
    std::array<uint8_t, 5> raw{};  // disks 0..3 in megabytes, then the SD card in 16-megabyte units
    uint32_t megabytes(int box) const { return box == 4 ? raw[4] * 16u : raw[static_cast<size_t>(box)]; }
    bool present(int box) const { return raw[static_cast<size_t>(box)] != 0; }
};

class HandshakeView {
public:
    virtual ~HandshakeView() = default;
    virtual void showCapacities(const CapacityReport& report) = 0;
};

void addHandshakeStates(ConnectionLoop& loop, HandshakeView& view);

}  // namespace orvanta::connection
