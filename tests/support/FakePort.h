#pragma once
// A scripted serial port: records what is sent, delivers what a test feeds it.
#include <deque>
#include <string>
#include <vector>

#include "serial/CommPort.h"
#include "serial/SerialTypes.h"

namespace orvanta::test {

class FakePort : public serial::CommPort {
public:
    bool Active() const override { return active; }
    void SetActive(bool a) override;
    uint32_t BaudRate() const override { return baud; }
    void SetBaudRate(uint32_t r) override { baud = r; }
    void ClearDeviceInput() override;
    void ClearDeviceBuffers() override;
    void SendChar(uint16_t ch) override;
    void SendData(const uint8_t* data, uint32_t size) override;
    uint32_t Read(uint8_t* buffer, uint32_t size) override;
    uint32_t TotalReceived() const override { return totalReceived; }
    uint32_t TotalSent() const override { return static_cast<uint32_t>(sent.size()); }
    std::string PortName() const override { return "/dev/fake"; }
    void SetEventHook(std::function<void(serial::PortEvent)> h) override { hook = std::move(h); }

    // The module sends these bytes (counted and queued, then the hook fires).
    void feed(const std::vector<uint8_t>& bytes);
    // The link goes away.
    void lose();
    std::vector<uint8_t> takeSent();

    bool active = false;
    uint32_t baud = 0;
    int failOpens = 0;               // the next n opens fail (port absent)
    int opens = 0;
    std::vector<uint32_t> openRates;
    std::vector<uint8_t> sent;
    std::deque<uint8_t> queue;
    uint32_t totalReceived = 0;
    std::function<void(serial::PortEvent)> hook;
};

}  // namespace orvanta::test
