#include "serial/DeviceList.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace orvanta::serial {

namespace {
std::string trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}
}  // namespace

int32_t comPortNumber(const std::string& raw) {
    std::string s = trim(raw);
    if (s.size() < 4) return -1;
    for (int i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(s[i])) != "COM"[i]) return -1;
    int64_t n = 0;
    for (size_t i = 3; i < s.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return -1;
        n = n * 10 + (s[i] - '0');
        if (n > 0x7fffffff) return -1;
    }
    return static_cast<int32_t>(n);
}

bool naturalLess(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        bool da = std::isdigit(static_cast<unsigned char>(a[i]));
        bool db = std::isdigit(static_cast<unsigned char>(b[j]));
        if (da && db) {
            size_t ie = i, je = j;
            while (ie < a.size() && std::isdigit(static_cast<unsigned char>(a[ie]))) ++ie;
            while (je < b.size() && std::isdigit(static_cast<unsigned char>(b[je]))) ++je;
            // Compare digit runs by value without overflow: strip leading zeros, then length.
            size_t is = i, js = j;
            while (is + 1 < ie && a[is] == '0') ++is;
            while (js + 1 < je && b[js] == '0') ++js;
            if (ie - is != je - js) return ie - is < je - js;
            int c = a.compare(is, ie - is, b, js, je - js);
            if (c != 0) return c < 0;
            i = ie;
            j = je;
        } else {
            if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

bool samePortPath(const std::string& a, const std::string& b) {
    if (a == b) return true;
    if (a.empty() || b.empty()) return false;
    std::error_code ea, eb;
    auto ca = std::filesystem::canonical(a, ea);
    auto cb = std::filesystem::canonical(b, eb);
    return !ea && !eb && ca == cb;
}

bool addDeviceSorted(std::vector<TnrDevice>& list, TnrDevice device) {
    auto at = list.begin();
    for (; at != list.end(); ++at) {
        if (at->Data == device.Data) return false;
        if (at->Data > device.Data) break;
    }
    at = list.insert(at, std::move(device));
    for (auto it = at; it != list.end(); ++it) it->Index = static_cast<int>(it - list.begin());
    return true;
}

void appendDevices(std::vector<TnrDevice>& list, const std::vector<FoundPort>& ports) {
    int32_t next = kFirstUnnumberedPort;
    for (const FoundPort& p : ports) {
        TnrDevice d;
        std::string name = trim(p.name);
        int32_t n = comPortNumber(name);
        d.Data = n >= 0 ? n : next++;
        d.NameDeviceDos = name;
        d.PortName = p.path.empty() ? name : p.path;
        d.Description = p.description;
        d.Manufacturer = p.manufacturer;
        d.Service = p.driver;
        d.NameFriendly = name + (p.description.empty() ? "" : " (" + p.description + ")");
        addDeviceSorted(list, std::move(d));
    }
}

}  // namespace orvanta::serial
