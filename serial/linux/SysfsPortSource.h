#pragma once
// Serial ports of a Linux system, read from sysfs, described with udev's database
// where a udev daemon keeps one.
#include <map>
#include <memory>
#include <string>

#include "serial/PortSource.h"

struct udev;

namespace orvanta::serial {

using DeviceProperties = std::map<std::string, std::string>;

// What a device manager knows of a tty device (udev: ID_MODEL_ENC, ID_VENDOR_ID, ...).
class DevicePropertySource {
public:
    virtual ~DevicePropertySource() = default;
    // ttyName as in /sys/class/tty, sysPath the device's resolved directory in sysfs.
    // Empty when nothing is known about the device.
    virtual DeviceProperties properties(const std::string& ttyName, const std::string& sysPath) = 0;
};

// udev's database through libudev. Without a udev daemon no device is initialised, so
// every answer is empty and the descriptions come from sysfs alone.
class UdevPropertySource : public DevicePropertySource {
public:
    UdevPropertySource();
    ~UdevPropertySource() override;
    UdevPropertySource(const UdevPropertySource&) = delete;
    UdevPropertySource& operator=(const UdevPropertySource&) = delete;
    DeviceProperties properties(const std::string& ttyName, const std::string& sysPath) override;

private:
    struct udev* udev_ = nullptr;
};

struct PortDescription {
    std::string description;
    std::string manufacturer;
};

// The texts udev's properties give for a port; a part is empty when they give none.
// The device's own strings come first; a string that is only the numeric id falls back
// to the hardware database's name.
PortDescription describeFromProperties(const DeviceProperties& props);

// Undoes udev's \xNN encoding (ID_MODEL_ENC and friends); malformed escapes stay as written.
std::string decodeUdevString(const std::string& encoded);

// Name of a serial_core port type as the kernel numbers it (4: 16550A); empty when unknown.
std::string uartTypeName(int type);

// Serial ports from <sysRoot>/class/tty: entries with a device behind them, Bluetooth
// rfcomm ports (bound ones have no device until connected), and of the on-board UARTs
// only those with a port type. Roots and property source are parameters so tests can
// point them at a fixture tree.
class SysfsPortSource : public PortSource {
public:
    explicit SysfsPortSource(std::string sysRoot = "/sys", std::string devRoot = "/dev",
                             std::unique_ptr<DevicePropertySource> properties = std::make_unique<UdevPropertySource>());
    std::vector<FoundPort> enumerate() override;

private:
    std::string sysRoot_;
    std::string devRoot_;
    std::unique_ptr<DevicePropertySource> properties_;
};

}  // namespace orvanta::serial
