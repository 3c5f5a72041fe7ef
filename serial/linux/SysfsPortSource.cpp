#include "serial/linux/SysfsPortSource.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace orvanta::serial {
namespace {

std::string readLine(const fs::path& p) {
    std::ifstream in(p);
    std::string s;
    if (in) std::getline(in, s);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
    return s;
}

// The USB device (the directory holding idVendor) above an interface, if any.
fs::path usbDeviceOf(const fs::path& device) {
    std::error_code ec;
    fs::path p = fs::canonical(device, ec);
    if (ec) return {};
    for (int i = 0; i < 4 && !p.empty() && p != p.root_path(); ++i, p = p.parent_path()) {
        if (fs::exists(p / "idVendor", ec)) return p;
    }
    return {};
}

}  // namespace

SysfsPortSource::SysfsPortSource(std::string sysRoot, std::string devRoot)
    : sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot)) {}

std::vector<FoundPort> SysfsPortSource::enumerate() {
    std::vector<FoundPort> ports;
    std::error_code ec;
    fs::path cls = fs::path(sysRoot_) / "class" / "tty";
    for (const auto& entry : fs::directory_iterator(cls, ec)) {
        fs::path dir = entry.path();
        fs::path device = dir / "device";
        if (!fs::exists(device, ec)) continue;  // virtual consoles and ptys have none
        std::string name = dir.filename().string();
        fs::path driverLink = device / "driver";
        std::string driver = fs::is_symlink(driverLink, ec) ? fs::read_symlink(driverLink, ec).filename().string() : "";
        // The legacy 8250 driver registers ttyS0..31 whether or not a UART exists;
        // only those with a real port type are present.
        if (driver == "serial8250" || name.rfind("ttyS", 0) == 0) {
            std::string type = readLine(dir / "type");
            if (type.empty() || type == "0") continue;
        }
        FoundPort p;
        p.name = name;
        p.path = (fs::path(devRoot_) / name).string();
        p.driver = driver;
        fs::path usb = usbDeviceOf(device);
        if (!usb.empty()) {
            p.description = readLine(device / "interface");
            if (p.description.empty()) p.description = readLine(usb / "product");
            p.manufacturer = readLine(usb / "manufacturer");
        }
        ports.push_back(std::move(p));
    }
    std::sort(ports.begin(), ports.end(), [](const FoundPort& a, const FoundPort& b) { return naturalLess(a.name, b.name); });
    return ports;
}

std::unique_ptr<PortSource> createPlatformPortSource() { return std::make_unique<SysfsPortSource>(); }

}  // namespace orvanta::serial
