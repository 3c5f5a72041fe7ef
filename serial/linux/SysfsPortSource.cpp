#include "serial/linux/SysfsPortSource.h"

#include <libudev.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace orvanta::serial {
namespace {

// Texts from sysfs and udev are the device's own: strip control characters so a
// misbehaving adapter cannot garble the selector.
std::string clean(std::string s) {
    for (char& c : s) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) c = ' ';
    }
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

// First line of a sysfs attribute; empty when missing or unreadable.
std::string readAttr(const fs::path& p) {
    std::ifstream in(p);
    if (!in) return {};
    std::string s;
    std::getline(in, s);
    if (s.size() > 4096) s.resize(4096);
    return clean(s);
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

bool parseInt(const std::string& s, long& out) {
    if (s.empty() || s.size() > 9) return false;
    long v = 0;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        v = v * 10 + (c - '0');
    }
    out = v;
    return true;
}

// The node name the kernel gives in the tty's uevent (DEVNAME=); the entry name otherwise.
std::string devName(const fs::path& ttyDir, const std::string& fallback) {
    std::ifstream in(ttyDir / "uevent");
    std::string line;
    while (in && std::getline(in, line)) {
        if (line.rfind("DEVNAME=", 0) != 0) continue;
        std::string n = line.substr(8);
        // Only a plain relative name below /dev is taken; anything else is not trusted.
        if (n.empty() || n.front() == '/' || n.find("..") != std::string::npos) break;
        if (std::any_of(n.begin(), n.end(), [](char c) { return static_cast<unsigned char>(c) < 0x21; })) break;
        return n;
    }
    return fallback;
}

// The driver behind a port. Newer kernels put a serial-base "port" device between the
// tty and the UART's own device; its driver says nothing, so look past it.
std::string driverOf(const fs::path& device, const fs::path& sysRoot) {
    std::error_code ec;
    fs::path p = fs::canonical(device, ec);
    if (ec) return {};
    for (int i = 0; i < 3 && !p.empty() && p != sysRoot && p != p.root_path(); ++i, p = p.parent_path()) {
        fs::path link = p / "driver";
        if (!fs::is_symlink(link, ec)) continue;
        fs::path target = fs::read_symlink(link, ec);
        if (ec) continue;
        if (target.parent_path().parent_path().filename() == "serial-base") continue;
        return target.filename().string();
    }
    return {};
}

struct UsbPlace {
    fs::path interface;  // holds bInterfaceNumber (and "interface", the interface's string)
    fs::path device;     // holds idVendor, product, manufacturer
};

// The USB interface and device above a tty's device, if it sits on USB.
UsbPlace usbPlaceOf(const fs::path& device, const fs::path& sysRoot) {
    UsbPlace place;
    std::error_code ec;
    fs::path p = fs::canonical(device, ec);
    if (ec) return place;
    for (int i = 0; i < 4 && !p.empty() && p != sysRoot && p != p.root_path(); ++i, p = p.parent_path()) {
        if (place.interface.empty() && present(p / "bInterfaceNumber")) place.interface = p;
        if (present(p / "idVendor")) {
            place.device = p;
            break;
        }
    }
    return place;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string prop(const DeviceProperties& props, const char* key) {
    auto it = props.find(key);
    return it == props.end() ? std::string() : it->second;
}

// A device string as udev keeps it, unless it is only the numeric id udev falls back to.
std::string deviceString(const DeviceProperties& props, const char* enc, const char* plain, const char* id) {
    std::string s = clean(decodeUdevString(prop(props, enc)));
    if (s.empty()) {
        s = prop(props, plain);
        std::replace(s.begin(), s.end(), '_', ' ');
        s = clean(s);
    }
    std::string idValue = prop(props, id);
    if (!idValue.empty() && s == idValue) return {};
    return s;
}

}  // namespace

std::string decodeUdevString(const std::string& encoded) {
    std::string out;
    out.reserve(encoded.size());
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '\\' && i + 3 < encoded.size() && encoded[i + 1] == 'x') {
            int hi = hexDigit(encoded[i + 2]);
            int lo = hexDigit(encoded[i + 3]);
            if (hi >= 0 && lo >= 0) {
                out.push_back(static_cast<char>(hi * 16 + lo));
                i += 3;
                continue;
            }
        }
        out.push_back(encoded[i]);
    }
    return out;
}

PortDescription describeFromProperties(const DeviceProperties& props) {
    PortDescription d;
    // Newer udev prefixes the USB strings with ID_USB_; older ones only have ID_.
    d.description = deviceString(props, "ID_USB_MODEL_ENC", "ID_USB_MODEL", "ID_USB_MODEL_ID");
    if (d.description.empty()) d.description = deviceString(props, "ID_MODEL_ENC", "ID_MODEL", "ID_MODEL_ID");
    if (d.description.empty()) d.description = clean(prop(props, "ID_MODEL_FROM_DATABASE"));
    d.manufacturer = deviceString(props, "ID_USB_VENDOR_ENC", "ID_USB_VENDOR", "ID_USB_VENDOR_ID");
    if (d.manufacturer.empty()) d.manufacturer = deviceString(props, "ID_VENDOR_ENC", "ID_VENDOR", "ID_VENDOR_ID");
    if (d.manufacturer.empty()) d.manufacturer = clean(prop(props, "ID_VENDOR_FROM_DATABASE"));
    return d;
}

std::string uartTypeName(int type) {
    static const char* const names[] = {nullptr,  "8250",    "16450",  "16550",  "16550A",
                                        "Cirrus", "16650",   "16650V2", "16750", "Startech",
                                        "16C950", "16654",   "16850",  "RSA",    "NS16550A"};
    if (type <= 0 || type >= static_cast<int>(std::size(names))) return {};
    return names[type];
}

UdevPropertySource::UdevPropertySource() : udev_(udev_new()) {}

UdevPropertySource::~UdevPropertySource() {
    if (udev_) udev_unref(udev_);
}

DeviceProperties UdevPropertySource::properties(const std::string&, const std::string& sysPath) {
    DeviceProperties props;
    if (!udev_ || sysPath.empty()) return props;
    udev_device* dev = udev_device_new_from_syspath(udev_, sysPath.c_str());
    if (!dev) return props;
    // Not initialised means no udev daemon has seen it: its database holds nothing.
    if (udev_device_get_is_initialized(dev) > 0) {
        udev_list_entry* entry;
        udev_list_entry_foreach(entry, udev_device_get_properties_list_entry(dev)) {
            const char* name = udev_list_entry_get_name(entry);
            const char* value = udev_list_entry_get_value(entry);
            if (name && value) props[name] = value;
        }
    }
    udev_device_unref(dev);
    return props;
}

SysfsPortSource::SysfsPortSource(std::string sysRoot, std::string devRoot,
                                 std::unique_ptr<DevicePropertySource> properties)
    : sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot)), properties_(std::move(properties)) {}

std::vector<FoundPort> SysfsPortSource::enumerate() {
    std::vector<FoundPort> ports;
    std::error_code ec;
    const fs::path root = fs::weakly_canonical(sysRoot_, ec);
    const fs::path cls = fs::path(sysRoot_) / "class" / "tty";
    fs::directory_iterator it(cls, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        try {
            const fs::path dir = it->path();
            const std::string name = dir.filename().string();
            const fs::path device = dir / "device";
            const bool hasDevice = present(device);
            // A bound rfcomm port has no device until its link is up; it is still a port.
            const bool rfcomm = name.rfind("rfcomm", 0) == 0;
            if (!hasDevice && !rfcomm) continue;  // consoles, ptys and other virtual ttys
            // serial_core ports report their UART type; 0 means no UART answered there
            // (the 8250 driver registers ttyS0..31 whether or not hardware exists).
            long type = -1;
            if (present(dir / "type") && parseInt(readAttr(dir / "type"), type) && type == 0) continue;

            FoundPort p;
            p.name = name;
            p.path = (fs::path(devRoot_) / devName(dir, name)).string();
            if (rfcomm) {
                p.driver = "rfcomm";
                std::string address = readAttr(dir / "address");
                std::string channel = readAttr(dir / "channel");
                p.description = "Bluetooth";
                if (!address.empty()) p.description += " " + address;
                if (!channel.empty()) p.description += " channel " + channel;
            } else {
                p.driver = driverOf(device, root);
                UsbPlace usb = usbPlaceOf(device, root);
                if (!usb.device.empty()) {
                    p.description = readAttr(usb.device / "product");
                    if (p.description.empty() && !usb.interface.empty()) p.description = readAttr(usb.interface / "interface");
                    p.manufacturer = readAttr(usb.device / "manufacturer");
                } else if (type > 0) {
                    std::string uart = uartTypeName(static_cast<int>(type));
                    if (!uart.empty()) p.description = uart + " UART";
                }
            }
            if (properties_) {
                std::error_code cec;
                fs::path real = fs::canonical(dir, cec);
                PortDescription udev = describeFromProperties(properties_->properties(name, cec ? std::string() : real.string()));
                if (!udev.description.empty()) p.description = udev.description;
                if (!udev.manufacturer.empty()) p.manufacturer = udev.manufacturer;
            }
            ports.push_back(std::move(p));
        } catch (const std::exception&) {
            // One unreadable entry must not cost the others.
        }
    }
    std::sort(ports.begin(), ports.end(), [](const FoundPort& a, const FoundPort& b) { return naturalLess(a.name, b.name); });
    return ports;
}

std::unique_ptr<PortSource> createPlatformPortSource() { return std::make_unique<SysfsPortSource>(); }

}  // namespace orvanta::serial
