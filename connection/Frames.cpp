#include "connection/Frames.h"

#include <cstdio>

namespace orvanta::connection {

std::vector<uint8_t> commandFrame(uint8_t command, std::span<const uint8_t> payload) {
    std::vector<uint8_t> f;
    f.reserve(3 + payload.size());
    f.push_back(kCommandLead);
    f.push_back(static_cast<uint8_t>(1 + payload.size()));
    f.push_back(command);
    f.insert(f.end(), payload.begin(), payload.end());
    return f;
}

VersionLabels versionLabels(std::span<const uint8_t> body) {
    VersionLabels v;
    const size_t n = body.size();
    if (n < 26) return v;
    auto take = [&](size_t from, size_t to, std::string& out) {
        for (size_t i = from; i <= to; ++i)
            if (body[i] != 0) out.push_back(static_cast<char>(body[i]));
    };
    take(n - 26, n - 11, v.label161);
    take(n - 11, n - 1, v.label170);
    return v;
}

std::string hexBytes(std::span<const uint8_t> bytes) {
    std::string s;
    char buf[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
        s += buf;
    }
    return s;
}

}  // namespace orvanta::connection
