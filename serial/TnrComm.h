#pragma once
// The serial port component: owns one port, counts what arrives, queues it for Read,
// keeps the device list and tells subscribers when the port opens, closes or changes.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <thread>
#include <vector>

#include "serial/CommPort.h"
#include "serial/DeviceList.h"
#include "serial/PortSource.h"
#include "serial/SerialDevice.h"
#include "serial/SerialTypes.h"

namespace orvanta::serial {

class TnrComm : public CommPort {
public:
    enum Notification { PortClosed = 1, PortOpened = 2, PortChanged = 3 };
    using NotifyEvent = std::function<void(TnrComm& sender, int code)>;

    explicit TnrComm(std::unique_ptr<SerialDevice> device = createPlatformSerialDevice(),
                     std::unique_ptr<PortSource> ports = createPlatformPortSource());
    ~TnrComm() override;
    TnrComm(const TnrComm&) = delete;
    TnrComm& operator=(const TnrComm&) = delete;

    // CommPort
    bool Active() const override;
    void SetActive(bool active) override;
    uint32_t BaudRate() const override;
    void SetBaudRate(uint32_t rate) override;
    void ClearDeviceInput() override;
    void ClearDeviceBuffers() override;
    void SendChar(uint16_t ch) override;
    void SendData(const uint8_t* data, uint32_t size) override;
    uint32_t Read(uint8_t* buffer, uint32_t size) override;
    uint32_t TotalReceived() const override { return totalReceived_.load(); }
    uint32_t TotalSent() const override { return totalSent_.load(); }
    std::string PortName() const override;
    void SetEventHook(std::function<void(PortEvent)> hook) override;

    void ClearDeviceOutput();
    size_t ReadyForRead() const;
    size_t NotYetSend() const;

    LineSettings Settings() const;
    void SetParity(Parity p);
    void SetStopBits(StopBits s);
    void SetByteSize(uint8_t bits);
    void SetStreamProtocol(StreamProtocol p);

    // How long Read waits for bytes it was asked for but the queue does not hold.
    void SetReadWaitMs(uint32_t ms) { readWaitMs_ = ms; }

    // Port number and device list.
    uint16_t ComPortNo() const { return comPortNo_; }
    void SetComPortNo(uint16_t number);  // closes, stores, reopens if it was open; notification 3
    const std::vector<TnrDevice>& GetDeviceList();  // builds the list first when empty
    int DeviceCount() const { return static_cast<int>(devices_.size()); }
    const TnrDevice* GetDevice(int index) const;
    int GetDeviceIndex() const;
    void SetDeviceIndex(int index);
    void DeviceListLoad();
    // Rebuilds the list and sends notification 3. The chosen port stays chosen by its
    // path: its number follows it when other ports come or go, and when it is gone the
    // number no longer names another port.
    void Update();
    // Ports to list besides those the system reports (--port, the simulated module).
    void AddExtraPort(const FoundPort& port);
    const std::vector<FoundPort>& ExtraPorts() const { return extraPorts_; }
    void SetPortSource(std::unique_ptr<PortSource> source);

    int NotifyAdd(NotifyEvent handler);
    void NotifyDelete(int token);

    const std::string& LastErrorString() const { return lastError_; }

private:
    void open();
    void close();
    void applySettings();
    void readerLoop();
    void handleLoss();
    void notify(int code);
    void fireHook(PortEvent e);

    std::unique_ptr<SerialDevice> device_;
    std::unique_ptr<PortSource> ports_;
    LineSettings settings_;

    std::atomic<bool> open_{false};
    std::atomic<bool> stop_{false};
    std::thread reader_;
    // Shared by everything that uses the descriptor; taken exclusively to close it.
    mutable std::shared_mutex deviceMutex_;

    mutable std::mutex queueMutex_;
    std::condition_variable queueCv_;
    std::vector<uint8_t> queue_;
    size_t queueHead_ = 0;

    std::atomic<uint32_t> totalReceived_{0};
    std::atomic<uint32_t> totalSent_{0};
    uint32_t readWaitMs_ = 250;

    std::mutex hookMutex_;
    std::function<void(PortEvent)> hook_;

    std::mutex notifyMutex_;
    std::vector<std::pair<int, NotifyEvent>> subscribers_;
    int nextToken_ = 1;

    uint16_t comPortNo_ = 1;
    std::vector<TnrDevice> devices_;
    // The port comPortNo_ stood for when the list was last rebuilt (valid while the
    // number is still selectedNo_); opened by path while it is out of the list.
    uint16_t selectedNo_ = 0;
    std::string selectedPath_;
    void rememberSelection();
    void restoreSelection();
    std::vector<FoundPort> extraPorts_;
    std::string lastError_;
};

}  // namespace orvanta::serial
