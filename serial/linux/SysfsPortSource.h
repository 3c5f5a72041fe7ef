#pragma once
#include <string>

#include "serial/PortSource.h"

namespace orvanta::serial {

// Serial ports from /sys/class/tty: entries with a device behind them. The roots are
// parameters so tests can point them at a fixture tree.
class SysfsPortSource : public PortSource {
public:
    explicit SysfsPortSource(std::string sysRoot = "/sys", std::string devRoot = "/dev");
    std::vector<FoundPort> enumerate() override;

private:
    std::string sysRoot_;
    std::string devRoot_;
};

}  // namespace orvanta::serial
