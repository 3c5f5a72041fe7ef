#pragma once
// Where the device list comes from. Each platform provides one; tests give fixtures.
#include <functional>
#include <memory>
#include <vector>

#include "serial/DeviceList.h"

namespace orvanta::serial {

class PortSource {
public:
    virtual ~PortSource() = default;
    // The serial ports present now, in the order they should be numbered.
    virtual std::vector<FoundPort> enumerate() = 0;
};

// The platform's source (Linux: sysfs, with udev's descriptions where a udev daemon runs).
std::unique_ptr<PortSource> createPlatformPortSource();

}  // namespace orvanta::serial
