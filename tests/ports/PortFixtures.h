#pragma once
// Fixtures of the port tests: the sysfs tree, a udev database read from files, a
// scratch tree to plug ports into, and a hot-plug event source the test drives.
#include <deque>
#include <map>
#include <mutex>
#include <string>

#include "serial/PortMonitor.h"
#include "serial/linux/SysfsPortSource.h"

namespace orvanta::test {

inline constexpr const char* kSysfsFixture = ORVANTA_FIXTURES "/sysfs-ports";

// udev's properties from <dir>/<tty name>, one KEY=VALUE a line; remembers the paths asked.
class FixtureUdevDb : public serial::DevicePropertySource {
public:
    explicit FixtureUdevDb(std::string dir) : dir_(std::move(dir)) {}
    serial::DeviceProperties properties(const std::string& ttyName, const std::string& sysPath) override;
    std::map<std::string, std::string> asked;

private:
    std::string dir_;
};

// A directory that goes away with the test.
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    const std::string& root() const { return root_; }
    void file(const std::string& rel, const std::string& content);
    void link(const std::string& rel, const std::string& target);
    void remove(const std::string& rel);
    // Copies a whole tree (links as links) under the root.
    void copyFrom(const std::string& from);
    // A USB serial adapter's tty, as the kernel adds it: device tree and class link.
    void plugUsbSerial(const std::string& name, const std::string& product);

private:
    std::string root_;
};

// Hot-plug events pushed by the test; the descriptor is a pipe, as readable as a socket.
class FakeMonitor : public serial::PortMonitor {
public:
    FakeMonitor();
    ~FakeMonitor() override;
    int fd() const override { return fds_[0]; }
    std::vector<serial::PortChange> takeChanges() override;
    void push(serial::PortChange change);

private:
    int fds_[2] = {-1, -1};
    std::mutex mutex_;
    std::deque<serial::PortChange> pending_;
};

}  // namespace orvanta::test
