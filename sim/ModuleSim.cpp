#include "sim/ModuleSim.h"

#include <algorithm>
#include <cstring>

namespace orvanta::sim {
namespace {

void put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
template <size_t N>
void store(std::array<uint8_t, N>& into, const Bytes& frame, size_t from) {
    size_t n = std::min(N, frame.size() > from ? frame.size() - from : 0);
    std::copy_n(frame.begin() + static_cast<long>(from), n, into.begin());
}

Bytes payload(const Bytes& frame) {
    constexpr size_t P = 3;
    return frame.size() > P ? Bytes(frame.begin() + P, frame.end()) : Bytes{};
}

}  // namespace

std::array<uint8_t, 128> serviceRecord(const ServiceItem& item) {
    std::array<uint8_t, 128> r{};
    put32(&r[0], 0xF2DA7325u);
    put32(&r[4], item.km);
    put16(&r[8], item.hours);
    put16(&r[10], item.days);
    std::memcpy(&r[12], item.name.data(), std::min<size_t>(item.name.size(), 100));
    return r;
}

ModuleState ModuleState::defaults() {
    ModuleState s;
    auto& c = s.sys;
    put32(&c[0], 712345);   // serial number
    c[4] = 78;              // hardware version
    c[5] = 16 * 10 + 0;     // LCD type 16, comfort CAN item 0
    c[6] = 1;
    c[7] = 1;
    c[8] = 0;               // gear display PRNDS
    c[9] = 0x00;            // no door contact ignored
    c[10] = 0x80;           // km, litres, °C, bar, L/100km; left-hand driver's door
    c[11] = 0x11;           // speed from the dashboard CAN, CAN right stalk
    c[12] = 0;
    c[13] = 100;            // max dimmer level
    c[14] = 0;
    c[15] = 0;              // 24-hour clock
    c[16] = 3;              // AutoDiag: ECU
    c[17] = 1;
    c[18] = 0;
    c[19] = 0x5A;           // bytes the tool carries without editing
    c[20] = 1;              // 2.5 bar boost sensor
    c[21] = 0;
    c[22] = 2;              // English
    c[23] = 115;
    c[24] = 118;
    c[25] = 61;             // VW Golf5
    c[26] = 0x33;
    c[27] = 1;
    c[28] = 2;
    c[29] = 10;
    put32(&c[30], 1000);
    put32(&c[34], 621);
    c[38] = 5;
    for (int i = 43; i < 52; ++i) c[static_cast<size_t>(i)] = static_cast<uint8_t>(0xC0 + i);

    const char* v161 = "Orvanta HW 7.85 ";   // 16 characters; the last is shared
    const char* v170 = " 2026-02-22";        // 11 characters; the first is that shared one
    std::memcpy(&s.versions[0], v161, 16);
    std::memcpy(&s.versions[16], v170 + 1, 10);

    s.capacities = {8, 8, 16, 16, 4};
    s.coding = {0x15, 90, 0x02, 24, 24, 0, 0, 0x00, 0x01, 0x10, 0x03, 0x01, 0x00, 0x0A, 0, 0};
    s.logo = {0x01, 0, 5, 5};
    s.gears = {91, 61, 40, 33, 28, 24};
    // 90 s / 90 °C / on, 300 s / 90 °C / off, RPM windows 1500/600.
    s.turbo = {90, 0, 90, 0, 1, 0, 0x2C, 0x01, 90, 0, 0, 0, 0xDC, 0x05, 0x58, 0x02, 0xDC, 0x05, 0x58, 0x02};
    for (size_t i = 0; i < 16; ++i) put16(&s.calibration[i * 2], 100);
    s.sensors = {1, 0, 0xE8, 0x03, 0, 0, 0, 0, 2, 0, 0x10, 0x27, 0x88, 0x13, 0, 0, 0, 0, 0, 0, 0, 0};
    for (size_t i = 0; i < 10; ++i) s.desktop[i * 6] = static_cast<uint8_t>(i + 1);
    for (size_t i = 0; i < 40; ++i) s.polling[4 + i] = static_cast<uint8_t>(1 + i % 8);
    for (size_t i = 0; i < 11; ++i) s.diagParams[i * 5] = 1;
    const char* installer = "Bench installer";
    std::memcpy(s.installer.data(), installer, std::strlen(installer));

    s.serviceDb.push_back(serviceRecord({"Engine oil and filter", 15000, 0, 365}));
    s.serviceDb.push_back(serviceRecord({"Air filter", 30000, 0, 730}));
    s.serviceDb.push_back(serviceRecord({"Brake fluid", 60000, 0, 730}));
    s.serviceDb.push_back(serviceRecord({"Timing belt", 90000, 0, 0xFFFF}));
    return s;
}

std::array<uint8_t, 52> ModuleState::factorySys(const std::array<uint8_t, 52>& current) {
    std::array<uint8_t, 52> c{};
    std::copy_n(current.begin(), 5, c.begin());  // serial number and hardware version survive
    c[5] = 100;
    c[6] = c[7] = c[17] = 1;
    c[11] = 0x01;
    c[13] = 100;
    c[22] = 2;
    c[23] = c[24] = 100;
    c[28] = 1;
    c[29] = 10;
    c[38] = 5;
    return c;
}

ModuleSim::ModuleSim() : ModuleSim(ModuleState::defaults()) {}

ModuleSim::ModuleSim(ModuleState state) : state_(std::move(state)) {}

size_t ModuleSim::frameLength() const {
    if (pending_.empty()) return 0;
    switch (pending_[0]) {
    case 0xA4: return 1026;
    case 0xAE: return 3;
    case 0xA6:
    case 0xA1:
    case 0xA3: return pending_.size() >= 2 ? 2u + pending_[1] : 0;
    default: return 1;
    }
}

void ModuleSim::feed(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        if (pending_.empty()) {
            uint8_t b = data[i];
            if (b != 0xA6 && b != 0xA1 && b != 0xA3 && b != 0xA4 && b != 0xAE) continue;  // noise
        }
        pending_.push_back(data[i]);
        size_t need = frameLength();
        if (need != 0 && pending_.size() >= need) {
            Frame f;
            f.bytes = std::move(pending_);
            pending_.clear();
            if (f.bytes[0] == 0xA6 && f.bytes.size() >= 3) f.command = f.bytes[2];
            if (onFrame) onFrame(f);
            handle(f);
        }
    }
}

void ModuleSim::resync() { pending_.clear(); }

Bytes ModuleSim::configReply(uint8_t command) const {
    Bytes r{command, 78};
    r.insert(r.end(), state_.sys.begin(), state_.sys.end());
    r.insert(r.end(), state_.versions.begin(), state_.versions.end());
    return r;
}

void ModuleSim::handle(const Frame& f) {
    const Bytes& b = f.bytes;
    auto reply = [&](Bytes out) {
        if (onReply) onReply(f, out);
    };
    switch (b[0]) {
    case 0xA6:
        handleCommand(f);
        return;
    case 0xA3: {  // image start: accept with 0xA3 and the slot
        uint8_t slot = b.size() > 2 ? b[2] : 0;
        if (slot < 8) {
            state_.imageBytes[slot] = 0;
            state_.imageChunks[slot] = 0;
        }
        imageSlot_ = slot;
        reply({0xA3, slot});
        return;
    }
    case 0xA4: {  // image chunk: acknowledge with the sum of the 1024 data bytes
        uint8_t sum = 0;
        for (size_t i = 2; i < b.size(); ++i) sum = static_cast<uint8_t>(sum + b[i]);
        if (imageSlot_ < 8) {
            state_.imageBytes[imageSlot_] += 1024;
            state_.imageChunks[imageSlot_] += 1;
        }
        if (options.badImageSum) sum = static_cast<uint8_t>(sum + 1);
        reply({0xA4, sum});
        return;
    }
    default:  // wake-up and exit frames get no answer
        return;
    }
}

void ModuleSim::handleCommand(const Frame& f) {
    const Bytes& b = f.bytes;
    if (f.command < 0) return;
    const uint8_t c = static_cast<uint8_t>(f.command);
    auto reply = [&](Bytes out) {
        if (onReply) onReply(f, out);
    };
    auto withHeader = [&](const uint8_t* data, size_t n) {
        Bytes out{0xA6, c};
        out.insert(out.end(), data, data + n);
        reply(std::move(out));
    };
    constexpr size_t P = 3;  // payload offset
    switch (c) {
    case 16:  // erase: factory configuration, answered like a read
        state_.sys = ModuleState::factorySys(state_.sys);
        reply(configReply(c));
        break;
    case 24:
    case 40:
    case 102:
    case 103:
        reply(configReply(c));
        break;
    case 22: store(state_.sys, b, P); break;
    case 21: store(state_.coding, b, P); break;
    case 23: withHeader(state_.coding.data(), state_.coding.size()); break;
    case 32: {
        Bytes out{0x20};
        out.insert(out.end(), state_.capacities.begin(), state_.capacities.end());
        reply(std::move(out));
        break;
    }
    case 35:  // ratio, 0x00 per gear
        for (size_t g = 0; g < 6 && P + 2 * g < b.size(); ++g) state_.gears[g] = b[P + 2 * g];
        break;
    case 36: withHeader(state_.gears.data(), state_.gears.size()); break;
    case 37: store(state_.turbo, b, P); break;
    case 38: withHeader(state_.turbo.data(), state_.turbo.size()); break;
    case 45: store(state_.calibration, b, P); break;
    case 46: withHeader(state_.calibration.data(), state_.calibration.size()); break;
    case 47: store(state_.logo, b, P); break;
    case 48: withHeader(state_.logo.data(), state_.logo.size()); break;
    case 30: state_.gamma = payload(b); break;
    case 62: state_.parking = payload(b); break;
    case 63: state_.airSuspension = payload(b); break;
    case 66: {  // counted block: L counts itself, the records and a 126-byte tail
        size_t data = state_.serviceDb.size() * 128;
        uint32_t total = static_cast<uint32_t>(data + 128);
        Bytes out{static_cast<uint8_t>(total), static_cast<uint8_t>(total >> 8)};
        for (const auto& r : state_.serviceDb) out.insert(out.end(), r.begin(), r.end());
        out.resize(out.size() + 126, 0);
        reply(std::move(out));
        break;
    }
    case 67: state_.serviceDb.clear(); break;
    case 69:  // erase and restore the default database; also opens an upload
        state_.serviceDb = ModuleState::defaults().serviceDb;
        reply({0x45});
        break;
    case 70: {
        if (b.size() < P + 1 + 128) break;
        uint8_t index = b[P];
        if (index == 0) state_.serviceDb.clear();
        std::array<uint8_t, 128> rec{};
        std::copy_n(b.begin() + P + 1, 128, rec.begin());
        state_.serviceDb.push_back(rec);
        reply({static_cast<uint8_t>(options.badDbAck ? 0x00 : 0x46)});
        break;
    }
    case 72: store(state_.polling, b, P); break;
    case 73: reply(Bytes(state_.polling.begin(), state_.polling.end())); break;
    case 80: store(state_.protected80, b, P); break;
    case 81: store(state_.protected81, b, P); break;
    case 97: store(state_.installer, b, P); break;
    case 98: store(state_.desktop, b, P); break;
    case 99: reply(Bytes(state_.desktop.begin(), state_.desktop.end())); break;
    case 104: store(state_.diagParams, b, P); break;
    case 105: reply(Bytes(state_.diagParams.begin(), state_.diagParams.end())); break;
    case 110: withHeader(state_.sensors.data(), state_.sensors.size()); break;
    case 111: store(state_.sensors, b, P); break;
    default:
        // Key presses, emulator signals, display commands: acted on, never answered.
        break;
    }
}

}  // namespace orvanta::sim
