#pragma once
// What the connection loop needs of a serial port. TnrComm is the real one;
// tests put a scripted port in its place.
#include <cstdint>
#include <functional>
#include <string>

namespace orvanta::serial {

enum class PortEvent { DataArrived, Lost };

class CommPort {
public:
    virtual ~CommPort() = default;

    virtual bool Active() const = 0;
    // true opens (throws SerialError on failure); false closes. Both are no-ops when
    // the port is already in that state.
    virtual void SetActive(bool active) = 0;
    virtual uint32_t BaudRate() const = 0;
    virtual void SetBaudRate(uint32_t rate) = 0;

    virtual void ClearDeviceInput() = 0;
    virtual void ClearDeviceBuffers() = 0;

    virtual void SendChar(uint16_t ch) = 0;
    virtual void SendData(const uint8_t* data, uint32_t size) = 0;
    // Takes up to size bytes from the receive queue; positions it could not fill keep
    // their content. Returns how many it took.
    virtual uint32_t Read(uint8_t* buffer, uint32_t size) = 0;

    virtual uint32_t TotalReceived() const = 0;
    virtual uint32_t TotalSent() const = 0;
    virtual std::string PortName() const = 0;

    // Called from whatever thread notices: bytes queued, or the port lost.
    // The callee must only hand the news over to its own thread.
    virtual void SetEventHook(std::function<void(PortEvent)> hook) = 0;
};

}  // namespace orvanta::serial
