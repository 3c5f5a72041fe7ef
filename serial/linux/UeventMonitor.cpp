#include "serial/linux/UeventMonitor.h"

#include <libudev.h>
#include <linux/netlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

namespace orvanta::serial {

namespace {
// Enough for any uevent (the kernel's own limit is 2048 bytes of environment).
constexpr size_t kMessageMax = 8192;
// A flood of events is taken in slices so the window stays responsive; the descriptor
// stays readable and the rest comes with the next call.
constexpr int kSliceMax = 256;
}  // namespace

std::optional<PortChange::Kind> changeKindOf(const std::string& action) {
    if (action == "add") return PortChange::Added;
    if (action == "remove") return PortChange::Removed;
    if (action == "move") return PortChange::Moved;
    if (action == "change") return PortChange::Changed;
    return std::nullopt;  // bind, unbind, online, offline: the port list stays as it is
}

std::optional<PortChange> parseKernelUevent(const char* data, size_t size) {
    if (!data || size == 0) return std::nullopt;
    std::string_view msg(data, size);
    // udev's own re-broadcasts start with "libudev" and a binary header.
    if (msg.substr(0, 7) == "libudev") return std::nullopt;
    size_t headerEnd = msg.find('\0');
    std::string_view header = msg.substr(0, headerEnd);
    if (header.find('@') == std::string_view::npos) return std::nullopt;

    std::string_view action, subsystem, devpath, devname;
    size_t pos = headerEnd == std::string_view::npos ? msg.size() : headerEnd + 1;
    while (pos < msg.size()) {
        size_t end = msg.find('\0', pos);
        if (end == std::string_view::npos) end = msg.size();
        std::string_view field = msg.substr(pos, end - pos);
        size_t eq = field.find('=');
        if (eq != std::string_view::npos) {
            std::string_view key = field.substr(0, eq), value = field.substr(eq + 1);
            if (key == "ACTION") action = value;
            else if (key == "SUBSYSTEM") subsystem = value;
            else if (key == "DEVPATH") devpath = value;
            else if (key == "DEVNAME") devname = value;
        }
        pos = end + 1;
    }
    if (subsystem != "tty") return std::nullopt;
    auto kind = changeKindOf(std::string(action));
    if (!kind) return std::nullopt;
    // The sysfs name (as in /sys/class/tty) is the last part of DEVPATH.
    std::string_view name = devpath.substr(devpath.rfind('/') == std::string_view::npos ? 0 : devpath.rfind('/') + 1);
    if (name.empty()) name = devname.substr(devname.rfind('/') == std::string_view::npos ? 0 : devname.rfind('/') + 1);
    if (name.empty()) return std::nullopt;
    return PortChange{*kind, std::string(name)};
}

std::unique_ptr<KernelUeventMonitor> KernelUeventMonitor::create() {
    int fd = ::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_KOBJECT_UEVENT);
    if (fd < 0) return nullptr;
    sockaddr_nl addr{};
    addr.nl_family = AF_NETLINK;
    addr.nl_groups = 1;  // the kernel's group; udev re-broadcasts on 2
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<KernelUeventMonitor>(new KernelUeventMonitor(fd));
}

KernelUeventMonitor::~KernelUeventMonitor() {
    if (fd_ >= 0) ::close(fd_);
}

std::vector<PortChange> KernelUeventMonitor::takeChanges() {
    std::vector<PortChange> changes;
    std::vector<char> buf(kMessageMax);
    for (int n = 0; n < kSliceMax; ++n) {
        sockaddr_nl from{};
        iovec iov{buf.data(), buf.size()};
        msghdr msg{};
        msg.msg_name = &from;
        msg.msg_namelen = sizeof from;
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        ssize_t got = ::recvmsg(fd_, &msg, MSG_DONTWAIT);
        if (got < 0) {
            if (errno == EINTR) continue;
            if (errno == ENOBUFS) {  // the socket overran: events were lost
                changes.push_back({PortChange::Overflow, {}});
                continue;
            }
            break;  // EAGAIN: all taken
        }
        // Only the kernel (port id 0) speaks on this group; anything else is ignored.
        if (from.nl_pid != 0 || (msg.msg_flags & MSG_TRUNC)) continue;
        if (auto c = parseKernelUevent(buf.data(), static_cast<size_t>(got))) changes.push_back(std::move(*c));
    }
    return changes;
}

std::unique_ptr<UdevPortMonitor> UdevPortMonitor::create() {
    struct udev* u = udev_new();
    if (!u) return nullptr;
    struct udev_monitor* m = udev_monitor_new_from_netlink(u, "udev");
    if (!m || udev_monitor_filter_add_match_subsystem_devtype(m, "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(m) < 0 || udev_monitor_get_fd(m) < 0) {
        if (m) udev_monitor_unref(m);
        udev_unref(u);
        return nullptr;
    }
    return std::unique_ptr<UdevPortMonitor>(new UdevPortMonitor(u, m));
}

UdevPortMonitor::~UdevPortMonitor() {
    udev_monitor_unref(monitor_);
    udev_unref(udev_);
}

int UdevPortMonitor::fd() const { return udev_monitor_get_fd(monitor_); }

std::vector<PortChange> UdevPortMonitor::takeChanges() {
    std::vector<PortChange> changes;
    for (int n = 0; n < kSliceMax; ++n) {
        errno = 0;
        udev_device* dev = udev_monitor_receive_device(monitor_);
        if (!dev) {
            if (errno == ENOBUFS) {
                changes.push_back({PortChange::Overflow, {}});
                continue;
            }
            if (errno == EINTR) continue;
            break;
        }
        const char* action = udev_device_get_action(dev);
        const char* name = udev_device_get_sysname(dev);
        if (action && name) {
            if (auto kind = changeKindOf(action)) changes.push_back({*kind, name});
        }
        udev_device_unref(dev);
    }
    return changes;
}

bool udevDaemonRunning() { return ::access("/run/udev/control", F_OK) == 0; }

std::unique_ptr<PortMonitor> createPlatformPortMonitor() {
    if (udevDaemonRunning()) {
        if (auto m = UdevPortMonitor::create()) return m;
    }
    return KernelUeventMonitor::create();
}

}  // namespace orvanta::serial
