#include "tests/ports/PortFixtures.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace orvanta::test {

serial::DeviceProperties FixtureUdevDb::properties(const std::string& ttyName, const std::string& sysPath) {
    asked[ttyName] = sysPath;
    serial::DeviceProperties props;
    std::ifstream in(fs::path(dir_) / ttyName);
    std::string line;
    while (std::getline(in, line)) {
        auto eq = line.find('=');
        if (eq != std::string::npos) props[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return props;
}

TempTree::TempTree() {
    std::string tmpl = (fs::temp_directory_path() / "orvanta-ports-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    root_ = tmpl;
}

TempTree::~TempTree() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

void TempTree::file(const std::string& rel, const std::string& content) {
    fs::path p = fs::path(root_) / rel;
    fs::create_directories(p.parent_path());
    std::ofstream(p) << content << '\n';
}

void TempTree::link(const std::string& rel, const std::string& target) {
    fs::path p = fs::path(root_) / rel;
    fs::create_directories(p.parent_path());
    fs::create_symlink(target, p);
}

void TempTree::remove(const std::string& rel) { fs::remove(fs::path(root_) / rel); }

void TempTree::copyFrom(const std::string& from) {
    fs::copy(from, root_, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
}

void TempTree::plugUsbSerial(const std::string& name, const std::string& product) {
    const std::string usb = "devices/pci0000:00/0000:00:14.0/usb2/2-" + name;
    const std::string tty = usb + "/2-" + name + ":1.0/" + name + "/tty/" + name;
    file(usb + "/idVendor", "067b");
    file(usb + "/product", product);
    file(usb + "/2-" + name + ":1.0/bInterfaceNumber", "00");
    file(tty + "/uevent", "MAJOR=188\nMINOR=5\nDEVNAME=" + name);
    link(tty + "/device", "../../../" + name);
    link("class/tty/" + name, "../../" + tty);
}

FakeMonitor::FakeMonitor() {
    if (::pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) throw std::runtime_error("pipe2 failed");
}

FakeMonitor::~FakeMonitor() {
    ::close(fds_[0]);
    ::close(fds_[1]);
}

std::vector<serial::PortChange> FakeMonitor::takeChanges() {
    char buf[64];
    while (::read(fds_[0], buf, sizeof buf) > 0) {
    }
    std::lock_guard lock(mutex_);
    std::vector<serial::PortChange> out(pending_.begin(), pending_.end());
    pending_.clear();
    return out;
}

void FakeMonitor::push(serial::PortChange change) {
    {
        std::lock_guard lock(mutex_);
        pending_.push_back(std::move(change));
    }
    char one = 1;
    if (::write(fds_[1], &one, 1) != 1) throw std::runtime_error("pipe write failed");
}

}  // namespace orvanta::test
