#pragma once
// Hot-plug events of tty devices: udev's monitor where a udev daemon runs (its events
// come after the daemon has filled its database), the kernel's own uevents otherwise.
#include <optional>
#include <string>

#include "serial/PortMonitor.h"

struct udev;
struct udev_monitor;

namespace orvanta::serial {

// One kernel uevent datagram ("add@/devices/...\0ACTION=add\0SUBSYSTEM=tty\0...") as a
// change of a tty; nothing for other subsystems, other actions or malformed messages.
std::optional<PortChange> parseKernelUevent(const char* data, size_t size);

// The action words both sources use; nothing for those that do not change the list.
std::optional<PortChange::Kind> changeKindOf(const std::string& action);

// NETLINK_KOBJECT_UEVENT, kernel multicast group; only datagrams from the kernel count.
class KernelUeventMonitor : public PortMonitor {
public:
    // None when the socket cannot be had (no netlink in this sandbox, for instance).
    static std::unique_ptr<KernelUeventMonitor> create();
    ~KernelUeventMonitor() override;
    int fd() const override { return fd_; }
    std::vector<PortChange> takeChanges() override;

private:
    explicit KernelUeventMonitor(int fd) : fd_(fd) {}
    int fd_ = -1;
};

class UdevPortMonitor : public PortMonitor {
public:
    static std::unique_ptr<UdevPortMonitor> create();
    ~UdevPortMonitor() override;
    int fd() const override;
    std::vector<PortChange> takeChanges() override;

private:
    UdevPortMonitor(struct udev* u, struct udev_monitor* m) : udev_(u), monitor_(m) {}
    struct udev* udev_ = nullptr;
    struct udev_monitor* monitor_ = nullptr;
};

// Whether a udev daemon runs (it keeps its control socket in /run/udev).
bool udevDaemonRunning();

}  // namespace orvanta::serial
