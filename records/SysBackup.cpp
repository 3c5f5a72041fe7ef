#include "records/SysBackup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace orvanta::records {
namespace {

namespace fs = std::filesystem;

std::string reason(int err) { return std::strerror(err); }

[[noreturn]] void cannotCreate(const std::string& path, int err) {
    throw BackupFileError("Cannot create file \"" + path + "\". " + reason(err));
}

[[noreturn]] void cannotOpen(const std::string& path, int err) {
    throw BackupFileError("Cannot open file \"" + path + "\". " + reason(err));
}

// A backup saved through a link replaces the file the link points to, not the link.
fs::path followLinks(fs::path p) {
    std::error_code ec;
    for (int i = 0; i < 40 && fs::is_symlink(p, ec); ++i) {
        fs::path to = fs::read_symlink(p, ec);
        if (ec) break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p;
}

mode_t newFileMode(const fs::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

void saveSysBackup(const std::string& path, const SysRecord& rec) {
    if (path.empty()) cannotCreate(path, ENOENT);
    const fs::path target = followLinks(fs::path(path));
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string tmpl = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');

    const int fd = ::mkstemp(name.data());
    if (fd < 0) cannotCreate(path, errno);
    const std::string tmp(name.data());
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        cannotCreate(path, err);
    };
    if (::fchmod(fd, newFileMode(target)) != 0) fail(errno);
    if (!writeAll(fd, rec.data(), rec.size())) fail(errno);
    if (::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        cannotCreate(path, err);
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        cannotCreate(path, err);
    }
    // Make the rename itself durable; a failure here no longer puts the file at risk.
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

size_t loadSysBackup(const std::string& path, SysRecord& rec) {
    // Non-blocking, so that a pipe or device chosen by mistake cannot hang the window.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) cannotOpen(path, errno);
    // Bytes past the record's end are ignored, so only as many are read.
    SysRecord buf{};
    size_t got = 0;
    while (got < buf.size()) {
        const ssize_t n = ::read(fd, buf.data() + got, buf.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            cannotOpen(path, err);
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    std::copy_n(buf.begin(), got, rec.begin());
    return got;
}

}  // namespace orvanta::records
