#include "sim/PtyServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace orvanta::sim {
namespace {

constexpr auto kResyncAfter = std::chrono::milliseconds(200);

std::string hex(const Bytes& b) {
    std::string s;
    char buf[4];
    for (size_t i = 0; i < b.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", b[i]);
        s += buf;
    }
    return s;
}

int frameKey(const Frame& f) {
    if (f.command >= 0) return f.command;
    return 0x100 + f.bytes[0];
}

int parseFrameName(const std::string& s) {
    if (s == "image-start") return kImageStart;
    if (s == "image-chunk") return kImageChunk;
    size_t used = 0;
    int v = std::stoi(s, &used, 0);
    if (used != s.size() || v < 0 || v > 255) throw std::invalid_argument(s);
    return v;
}

}  // namespace

void Faults::parse(const std::string& spec) {
    auto eq = spec.find('=');
    std::string name = spec.substr(0, eq);
    std::string arg = eq == std::string::npos ? "" : spec.substr(eq + 1);
    auto pair = [&](size_t& a, size_t& b) {
        auto colon = arg.find(':');
        if (colon == std::string::npos) throw std::invalid_argument(spec);
        a = std::stoul(arg.substr(0, colon));
        b = std::stoul(arg.substr(colon + 1));
    };
    try {
        if (name == "silent") silent = true;
        else if (name == "no-reply") noReply.insert(parseFrameName(arg));
        else if (name == "short") {
            auto colon = arg.find(':');
            if (colon == std::string::npos) shortBy[-1] = std::stoul(arg);
            else shortBy[parseFrameName(arg.substr(0, colon))] = std::stoul(arg.substr(colon + 1));
        } else if (name == "delay") delayMs = static_cast<uint32_t>(std::stoul(arg));
        else if (name == "split") {
            size_t a, b;
            pair(a, b);
            splitEvery = a;
            splitGapMs = static_cast<uint32_t>(b);
        } else if (name == "bad-image-sum") badImageSum = true;
        else if (name == "bad-db-ack") badDbAck = true;
        else if (name == "hangup-on") hangupOn = parseFrameName(arg);
        else throw std::invalid_argument(spec);
    } catch (const std::logic_error&) {
        throw std::invalid_argument("bad fault \"" + spec + "\"");
    }
}

PtyServer::PtyServer(ModuleState state) : sim_(std::move(state)) {
    sim_.onFrame = [this](const Frame& f) {
        frames_.push_back(f);
        frames_.back().at = std::chrono::steady_clock::now();
        framesCv_.notify_all();
        if (log_) log_("<- " + hex(f.bytes));
    };
    sim_.onReply = [this](const Frame& f, const Bytes& reply) { queueReply(f, reply); };
}

PtyServer::~PtyServer() { stop(); }

void PtyServer::start(const std::string& linkPath) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        throw std::runtime_error(std::string("cannot create a pseudo-terminal: ") + std::strerror(errno));
    char name[128];
    if (::ptsname_r(master_, name, sizeof name) != 0)
        throw std::runtime_error(std::string("cannot name the pseudo-terminal: ") + std::strerror(errno));
    portPath_ = name;
    heldSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (heldSlave_ < 0) throw std::runtime_error(std::string("cannot open ") + name + ": " + std::strerror(errno));
    // Raw from the start: an echoing line discipline would send the tool's bytes back.
    termios tio{};
    ::tcgetattr(heldSlave_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(heldSlave_, TCSANOW, &tio);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);

    if (!linkPath.empty()) {
        struct stat st {};
        if (::lstat(linkPath.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) throw std::runtime_error(linkPath + " exists and is not a link");
            ::unlink(linkPath.c_str());
        }
        if (::symlink(name, linkPath.c_str()) != 0)
            throw std::runtime_error("cannot link " + linkPath + ": " + std::strerror(errno));
        linkPath_ = linkPath;
    }
    stop_ = false;
    thread_ = std::thread([this] { run(); });
}

void PtyServer::stop() {
    if (thread_.joinable()) {
        stop_ = true;
        uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(wakeFd_, &one, sizeof one);
        thread_.join();
    }
    closeAll();
    if (wakeFd_ >= 0) {
        ::close(wakeFd_);
        wakeFd_ = -1;
    }
    if (!linkPath_.empty()) {
        ::unlink(linkPath_.c_str());
        linkPath_.clear();
    }
}

void PtyServer::hangup() {
    hangupRequested_ = true;
    uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(wakeFd_, &one, sizeof one);
}

void PtyServer::closeAll() {
    if (heldSlave_ >= 0) ::close(heldSlave_);
    if (master_ >= 0) ::close(master_);
    heldSlave_ = master_ = -1;
}

void PtyServer::setFaults(const Faults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
    sim_.options.badImageSum = faults.badImageSum;
    sim_.options.badDbAck = faults.badDbAck;
}

void PtyServer::setLog(std::function<void(const std::string&)> sink) {
    std::lock_guard lock(mutex_);
    log_ = std::move(sink);
}

std::vector<Frame> PtyServer::frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

void PtyServer::clearFrames() {
    std::lock_guard lock(mutex_);
    frames_.clear();
}

bool PtyServer::waitForFrames(size_t count, int timeoutMs) const {
    std::unique_lock lock(mutex_);
    return framesCv_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return frames_.size() >= count; });
}

void PtyServer::withState(const std::function<void(ModuleState&)>& fn) {
    std::lock_guard lock(mutex_);
    fn(sim_.state());
}

// Called with mutex_ held, from the feed in run().
void PtyServer::queueReply(const Frame& f, const Bytes& reply) {
    const int key = frameKey(f);
    if (faults_.silent || faults_.noReply.count(key)) return;
    Bytes out = reply;
    auto cut = faults_.shortBy.find(key);
    if (cut == faults_.shortBy.end()) cut = faults_.shortBy.find(-1);
    if (cut != faults_.shortBy.end()) out.resize(out.size() > cut->second ? out.size() - cut->second : 0);
    if (out.empty()) return;
    if (log_) log_("-> " + hex(out));
    auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(faults_.delayMs);
    size_t piece = faults_.splitEvery ? faults_.splitEvery : out.size();
    for (size_t at = 0; at < out.size(); at += piece) {
        size_t n = std::min(piece, out.size() - at);
        outgoing_.push_back({due, Bytes(out.begin() + static_cast<long>(at), out.begin() + static_cast<long>(at + n))});
        due += std::chrono::milliseconds(faults_.splitGapMs);
    }
}

void PtyServer::run() {
    uint8_t buf[4096];
    while (!stop_.load()) {
        if (hangupRequested_.load()) {
            closeAll();
            hungUp_ = true;
            if (onHangUp_) onHangUp_();
            return;
        }
        auto now = std::chrono::steady_clock::now();
        int timeout = -1;
        {
            std::lock_guard lock(mutex_);
            // Send what is due.
            while (!outgoing_.empty() && outgoing_.front().due <= now) {
                Pending& p = outgoing_.front();
                ssize_t n = ::write(master_, p.bytes.data(), p.bytes.size());
                if (n < 0 && errno == EAGAIN) {
                    p.due = now + std::chrono::milliseconds(5);
                    break;
                }
                if (n > 0 && static_cast<size_t>(n) < p.bytes.size()) {
                    p.bytes.erase(p.bytes.begin(), p.bytes.begin() + n);
                    continue;
                }
                outgoing_.pop_front();
            }
            if (!outgoing_.empty()) {
                auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(outgoing_.front().due - now).count();
                timeout = static_cast<int>(std::max<long>(ms, 0));
            }
            if (sim_.midFrame()) {
                auto left = std::chrono::duration_cast<std::chrono::milliseconds>(lastByte_ + kResyncAfter - now).count();
                if (left <= 0) {
                    sim_.resync();  // the tool gave up in the middle of a frame
                } else if (timeout < 0 || left < timeout) {
                    timeout = static_cast<int>(left);
                }
            }
        }
        pollfd fds[2] = {{master_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        int r = ::poll(fds, 2, timeout);
        if (r < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[1].revents & POLLIN) {
            uint64_t v;
            while (::read(wakeFd_, &v, sizeof v) > 0) {
            }
        }
        if (fds[0].revents & POLLIN) {
            ssize_t n = ::read(master_, buf, sizeof buf);
            if (n > 0) {
                lastByte_ = std::chrono::steady_clock::now();
                std::lock_guard lock(mutex_);
                size_t before = frames_.size();
                sim_.feed(buf, static_cast<size_t>(n));
                for (size_t i = before; i < frames_.size(); ++i) {
                    if (faults_.hangupOn >= 0 && frameKey(frames_[i]) == faults_.hangupOn) hangupRequested_ = true;
                }
            }
        }
    }
}

}  // namespace orvanta::sim
