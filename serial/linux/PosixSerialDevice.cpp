// termios backend: one tty device, opened non-blocking, exclusive, raw.
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "serial/SerialDevice.h"
#include "serial/linux/Termios2.h"

namespace orvanta::serial {
namespace {

speed_t standardSpeed(uint32_t rate) {
    switch (rate) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    case 460800: return B460800;
    case 500000: return B500000;
    case 921600: return B921600;
    case 1000000: return B1000000;
    case 1500000: return B1500000;
    case 2000000: return B2000000;
    default: return 0;
    }
}

class PosixSerialDevice final : public SerialDevice {
public:
    PosixSerialDevice() { wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC); }
    ~PosixSerialDevice() override {
        close();
        if (wakeFd_ >= 0) ::close(wakeFd_);
    }

    void open(const std::string& path, const LineSettings& settings) override {
        close();
        int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) throw SerialError::openFailure(path, errno);
        // TIOCEXCL keeps other users out; root ignores it, so the lock does the rest.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            int e = errno == EWOULDBLOCK ? EBUSY : errno;
            ::close(fd);
            throw SerialError::openFailure(path, e);
        }
        if (::isatty(fd) != 1) {
            ::close(fd);
            throw SerialError::openFailure(path, ENOTTY);
        }
        ::ioctl(fd, TIOCEXCL);
        fd_ = fd;
        path_ = path;
        try {
            apply(settings);
        } catch (...) {
            close();
            throw;
        }
        requestLowLatency();
        // Modem lines: a pseudo-terminal has none and answers ENOTTY, which is fine.
        int lines = TIOCM_DTR | TIOCM_RTS;
        ::ioctl(fd_, TIOCMBIS, &lines);
        // Drain a stale wake-up from an earlier life of this object.
        uint64_t v;
        while (::read(wakeFd_, &v, sizeof v) > 0) {
        }
    }

    void close() override {
        if (fd_ < 0) return;
        ::ioctl(fd_, TIOCNXCL);
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }

    bool isOpen() const override { return fd_ >= 0; }

    void apply(const LineSettings& s) override {
        if (fd_ < 0) return;
        termios tio{};
        if (::tcgetattr(fd_, &tio) != 0) throw fail(errno);
        ::cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        tio.c_cflag &= ~CSIZE;
        switch (s.byteSize) {
        case 5: tio.c_cflag |= CS5; break;
        case 6: tio.c_cflag |= CS6; break;
        case 7: tio.c_cflag |= CS7; break;
        default: tio.c_cflag |= CS8; break;
        }
        tio.c_cflag &= ~(PARENB | PARODD | CMSPAR);
        tio.c_iflag &= ~(INPCK | IGNPAR | PARMRK);
        switch (s.parity) {
        case Parity::None: break;
        case Parity::Odd: tio.c_cflag |= PARENB | PARODD; tio.c_iflag |= INPCK; break;
        case Parity::Even: tio.c_cflag |= PARENB; tio.c_iflag |= INPCK; break;
        case Parity::Mark: tio.c_cflag |= PARENB | PARODD | CMSPAR; tio.c_iflag |= INPCK; break;
        case Parity::Space: tio.c_cflag |= PARENB | CMSPAR; tio.c_iflag |= INPCK; break;
        }
        if (s.stopBits == StopBits::One) tio.c_cflag &= ~CSTOPB;
        else tio.c_cflag |= CSTOPB;  // termios has no 1.5; two is the nearest
        tio.c_cflag &= ~CRTSCTS;
        tio.c_iflag &= ~(IXON | IXOFF | IXANY);
        if (s.flow == StreamProtocol::Hardware) tio.c_cflag |= CRTSCTS;
        if (s.flow == StreamProtocol::XonXoff) tio.c_iflag |= IXON | IXOFF;
        tio.c_cc[VMIN] = 0;
        tio.c_cc[VTIME] = 0;

        speed_t sp = standardSpeed(s.baudRate);
        if (sp != 0) {
            ::cfsetispeed(&tio, sp);
            ::cfsetospeed(&tio, sp);
            if (::tcsetattr(fd_, TCSANOW, &tio) != 0) throw fail(errno);
        } else {
            if (::tcsetattr(fd_, TCSANOW, &tio) != 0) throw fail(errno);
            int e = setCustomBaudRate(fd_, s.baudRate);
            if (e != 0) throw fail(e);
        }
    }

    Wait waitInput() override {
        if (fd_ < 0) return Wait::Lost;
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        for (;;) {
            int r = ::poll(fds, 2, -1);
            if (r < 0) {
                if (errno == EINTR) continue;
                return Wait::Lost;
            }
            break;
        }
        if (fds[1].revents & POLLIN) {
            uint64_t v;
            while (::read(wakeFd_, &v, sizeof v) > 0) {
            }
            return Wait::Woken;
        }
        if (fds[0].revents & POLLIN) return Wait::Readable;
        // Hang-up, error or invalid descriptor: the device is gone.
        return Wait::Lost;
    }

    void wake() override {
        uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(wakeFd_, &one, sizeof one);
    }

    long readAvailable(uint8_t* buffer, size_t size) override {
        if (fd_ < 0) return -1;
        for (;;) {
            ssize_t n = ::read(fd_, buffer, size);
            if (n > 0) return static_cast<long>(n);
            if (n == 0) return -1;  // end of file on a tty: the other side is gone
            if (errno == EINTR) continue;
            if (errno == EAGAIN) return 0;
            return -1;
        }
    }

    bool write(const uint8_t* data, size_t size) override {
        if (fd_ < 0) return false;
        size_t done = 0;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (done < size) {
            ssize_t n = ::write(fd_, data + done, size - done);
            if (n > 0) {
                done += static_cast<size_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno != EAGAIN) return false;
            // The driver's queue is full: wait for room, but never forever.
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return false;
            pollfd p{fd_, POLLOUT, 0};
            int r = ::poll(&p, 1, static_cast<int>(left.count()));
            if (r < 0 && errno != EINTR) return false;
            if (r > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL))) return false;
        }
        return true;
    }

    void purge(bool input, bool output) override {
        if (fd_ < 0) return;
        if (input && output) ::tcflush(fd_, TCIOFLUSH);
        else if (input) ::tcflush(fd_, TCIFLUSH);
        else if (output) ::tcflush(fd_, TCOFLUSH);
    }

    size_t pendingOutput() const override {
        int n = 0;
        if (fd_ < 0 || ::ioctl(fd_, TIOCOUTQ, &n) != 0) return 0;
        return static_cast<size_t>(n);
    }

private:
    SerialError fail(int e) const {
        return SerialError(SerialError::kindOfErrno(e), path_, e, std::strerror(e),
                           path_ + ": " + std::strerror(e));
    }

    // USB adapters otherwise hold received bytes for up to 16 ms.
    void requestLowLatency() {
        serial_struct ss{};
        if (::ioctl(fd_, TIOCGSERIAL, &ss) == 0) {
            ss.flags |= ASYNC_LOW_LATENCY;
            ::ioctl(fd_, TIOCSSERIAL, &ss);
        }
    }

    int fd_ = -1;
    int wakeFd_ = -1;
    std::string path_;
};

}  // namespace

std::unique_ptr<SerialDevice> createPlatformSerialDevice() { return std::make_unique<PosixSerialDevice>(); }

}  // namespace orvanta::serial
