#pragma once
// Tells when serial ports come and go, so the device list can follow without polling.
#include <memory>
#include <string>
#include <vector>

namespace orvanta::serial {

struct PortChange {
    enum Kind { Added, Removed, Moved, Changed, Overflow };
    Kind kind = Changed;
    std::string name;  // the tty's name (ttyUSB0); empty for Overflow
};

class PortMonitor {
public:
    virtual ~PortMonitor() = default;
    // Readable while changes wait: the caller watches it (poll, a socket notifier).
    virtual int fd() const = 0;
    // Takes the changes waiting, without blocking. Overflow means some were lost and
    // the list has to be rebuilt anyway.
    virtual std::vector<PortChange> takeChanges() = 0;
};

// The platform's monitor, or none when the system gives no such events; the list then
// changes only when asked to.
std::unique_ptr<PortMonitor> createPlatformPortMonitor();

}  // namespace orvanta::serial
