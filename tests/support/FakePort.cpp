#include "tests/support/FakePort.h"

#include <cerrno>

namespace orvanta::test {

void FakePort::SetActive(bool a) {
    if (a == active) return;
    if (a) {
        if (failOpens > 0) {
            --failOpens;
            throw serial::SerialError::openFailure("/dev/fake", ENOENT);
        }
        ++opens;
        openRates.push_back(baud);
        totalReceived = 0;
    }
    active = a;
    queue.clear();
}

void FakePort::ClearDeviceInput() {
    if (active) queue.clear();
}

void FakePort::ClearDeviceBuffers() {
    if (active) queue.clear();
}

void FakePort::SendChar(uint16_t ch) {
    if (active) sent.push_back(static_cast<uint8_t>(ch & 0xFF));
}

void FakePort::SendData(const uint8_t* data, uint32_t size) {
    if (active) sent.insert(sent.end(), data, data + size);
}

uint32_t FakePort::Read(uint8_t* buffer, uint32_t size) {
    uint32_t n = 0;
    while (n < size && !queue.empty()) {
        buffer[n++] = queue.front();
        queue.pop_front();
    }
    return n;
}

void FakePort::feed(const std::vector<uint8_t>& bytes) {
    if (!active) return;
    queue.insert(queue.end(), bytes.begin(), bytes.end());
    totalReceived += static_cast<uint32_t>(bytes.size());
    if (hook) hook(serial::PortEvent::DataArrived);
}

void FakePort::lose() {
    active = false;
    if (hook) hook(serial::PortEvent::Lost);
}

std::vector<uint8_t> FakePort::takeSent() {
    std::vector<uint8_t> s;
    s.swap(sent);
    return s;
}

}  // namespace orvanta::test
