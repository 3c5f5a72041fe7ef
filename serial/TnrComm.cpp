#include "serial/TnrComm.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace orvanta::serial {

TnrComm::TnrComm(std::unique_ptr<SerialDevice> device, std::unique_ptr<PortSource> ports)
    : device_(std::move(device)), ports_(std::move(ports)) {}

TnrComm::~TnrComm() { close(); }

bool TnrComm::Active() const { return open_.load(); }

void TnrComm::SetActive(bool active) {
    if (active) {
        if (!open_.load()) open();
    } else {
        close();
    }
}

uint32_t TnrComm::BaudRate() const { return settings_.baudRate; }

LineSettings TnrComm::Settings() const { return settings_; }

void TnrComm::applySettings() {
    // A setting changed while open reaches the port at once; otherwise at the next opening.
    if (!open_.load()) return;
    std::shared_lock lock(deviceMutex_);
    device_->apply(settings_);
}

void TnrComm::SetBaudRate(uint32_t rate) {
    settings_.baudRate = rate;
    applySettings();
}

void TnrComm::SetParity(Parity p) {
    settings_.parity = p;
    applySettings();
}

void TnrComm::SetStopBits(StopBits s) {
    settings_.stopBits = s;
    applySettings();
}

void TnrComm::SetByteSize(uint8_t bits) {
    settings_.byteSize = (bits >= 4 && bits <= 8) ? bits : 8;
    applySettings();
}

void TnrComm::SetStreamProtocol(StreamProtocol p) {
    settings_.flow = p;
    applySettings();
}

std::string TnrComm::PortName() const {
    for (const TnrDevice& d : devices_)
        if (d.Data == comPortNo_) return d.PortName;
    // The chosen port was unplugged: keep trying it by path, so it is found again when
    // it comes back rather than some other port.
    if (comPortNo_ == selectedNo_ && !selectedPath_.empty()) return selectedPath_;
    return "COM" + std::to_string(comPortNo_);
}

void TnrComm::SetEventHook(std::function<void(PortEvent)> hook) {
    std::lock_guard lock(hookMutex_);
    hook_ = std::move(hook);
}

void TnrComm::fireHook(PortEvent e) {
    std::function<void(PortEvent)> h;
    {
        std::lock_guard lock(hookMutex_);
        h = hook_;
    }
    if (h) h(e);
}

void TnrComm::open() {
    close();
    totalReceived_ = 0;
    totalSent_ = 0;
    std::string name = PortName();
    try {
        std::unique_lock lock(deviceMutex_);
        device_->open(name, settings_);
    } catch (const SerialError& e) {
        lastError_ = e.what();
        throw;
    }
    {
        std::lock_guard q(queueMutex_);
        queue_.clear();
        queueHead_ = 0;
    }
    open_ = true;
    stop_ = false;
    reader_ = std::thread([this] { readerLoop(); });
    notify(PortOpened);
}

void TnrComm::close() {
    // The reader may have closed the port itself after a loss; it still has to be joined.
    if (reader_.joinable()) {
        stop_ = true;
        device_->wake();
        reader_.join();
    }
    if (!open_.load()) return;
    {
        std::unique_lock lock(deviceMutex_);
        if (device_->pendingOutput() > 0) device_->purge(true, true);
        device_->close();
        open_ = false;
    }
    {
        std::lock_guard q(queueMutex_);
        queue_.clear();
        queueHead_ = 0;
    }
    queueCv_.notify_all();
    notify(PortClosed);
}

void TnrComm::readerLoop() {
    uint8_t buf[4096];
    while (!stop_.load()) {
        SerialDevice::Wait w = device_->waitInput();
        if (stop_.load()) break;
        if (w == SerialDevice::Wait::Woken) continue;
        if (w == SerialDevice::Wait::Lost) {
            handleLoss();
            return;
        }
        long n;
        {
            std::lock_guard q(queueMutex_);
            n = device_->readAvailable(buf, sizeof buf);
            if (n > 0) {
                if (queueHead_ > 0 && queueHead_ * 2 >= queue_.size()) {
                    queue_.erase(queue_.begin(), queue_.begin() + static_cast<long>(queueHead_));
                    queueHead_ = 0;
                }
                queue_.insert(queue_.end(), buf, buf + n);
                totalReceived_.fetch_add(static_cast<uint32_t>(n));
            }
        }
        if (n < 0) {
            handleLoss();
            return;
        }
        if (n > 0) {
            queueCv_.notify_all();
            fireHook(PortEvent::DataArrived);
        }
    }
}

void TnrComm::handleLoss() {
    {
        std::unique_lock lock(deviceMutex_);
        device_->close();
        open_ = false;
    }
    queueCv_.notify_all();
    notify(PortClosed);
    fireHook(PortEvent::Lost);
}

void TnrComm::ClearDeviceInput() {
    if (!open_.load()) return;
    std::shared_lock lock(deviceMutex_);
    std::lock_guard q(queueMutex_);
    device_->purge(true, false);
    queue_.clear();
    queueHead_ = 0;
}

void TnrComm::ClearDeviceOutput() {
    if (!open_.load()) return;
    std::shared_lock lock(deviceMutex_);
    device_->purge(false, true);
}

void TnrComm::ClearDeviceBuffers() {
    if (!open_.load()) return;
    std::shared_lock lock(deviceMutex_);
    std::lock_guard q(queueMutex_);
    device_->purge(true, true);
    queue_.clear();
    queueHead_ = 0;
}

void TnrComm::SendChar(uint16_t ch) {
    uint8_t b = static_cast<uint8_t>(ch & 0xFF);
    SendData(&b, 1);
}

void TnrComm::SendData(const uint8_t* data, uint32_t size) {
    if (!open_.load() || size == 0) return;
    std::shared_lock lock(deviceMutex_);
    if (!device_->isOpen()) return;
    // Write failures are silent, as line errors are: the exchange simply gets no reply.
    if (device_->write(data, size)) totalSent_.fetch_add(size);
}

uint32_t TnrComm::Read(uint8_t* buffer, uint32_t size) {
    std::unique_lock q(queueMutex_);
    uint32_t got = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(readWaitMs_);
    for (;;) {
        size_t avail = queue_.size() - queueHead_;
        size_t take = std::min<size_t>(avail, size - got);
        if (take > 0) {
            std::memcpy(buffer + got, queue_.data() + queueHead_, take);
            queueHead_ += take;
            got += static_cast<uint32_t>(take);
        }
        if (got == size || !open_.load()) break;
        if (queueCv_.wait_until(q, deadline) == std::cv_status::timeout) {
            // One last look: bytes may have come with the timeout.
            if (queue_.size() == queueHead_) break;
        }
    }
    if (queueHead_ == queue_.size()) {
        queue_.clear();
        queueHead_ = 0;
    }
    return got;
}

size_t TnrComm::ReadyForRead() const {
    std::lock_guard q(queueMutex_);
    return queue_.size() - queueHead_;
}

size_t TnrComm::NotYetSend() const {
    if (!open_.load()) return 0;
    std::shared_lock lock(deviceMutex_);
    return device_->pendingOutput();
}

void TnrComm::SetComPortNo(uint16_t number) {
    bool wasOpen = open_.load();
    close();
    comPortNo_ = number;
    if (wasOpen) {
        try {
            open();
        } catch (...) {
            notify(PortChanged);
            throw;
        }
    }
    notify(PortChanged);
}

const std::vector<TnrDevice>& TnrComm::GetDeviceList() {
    if (devices_.empty()) DeviceListLoad();
    return devices_;
}

const TnrDevice* TnrComm::GetDevice(int index) const {
    if (index < 0 || index >= static_cast<int>(devices_.size())) return nullptr;
    return &devices_[static_cast<size_t>(index)];
}

int TnrComm::GetDeviceIndex() const {
    for (size_t i = 0; i < devices_.size(); ++i)
        if (devices_[i].Data == comPortNo_) return static_cast<int>(i);
    return -1;
}

void TnrComm::SetDeviceIndex(int index) {
    const TnrDevice* d = GetDevice(index);
    if (!d) return;
    SetComPortNo(static_cast<uint16_t>(d->Data & 0xFFFF));
}

void TnrComm::DeviceListLoad() {
    std::vector<FoundPort> found;
    if (ports_) {
        try {
            found = ports_->enumerate();
        } catch (const std::exception&) {
            found.clear();  // a system that cannot be asked still leaves the extra ports
        }
    }
    // A port given by hand that the system lists too is listed once, under the system's name.
    for (const FoundPort& extra : extraPorts_) {
        bool listed = std::any_of(found.begin(), found.end(),
                                  [&](const FoundPort& f) { return samePortPath(f.path, extra.path); });
        if (!listed) found.push_back(extra);
    }
    appendDevices(devices_, found);
}

void TnrComm::rememberSelection() {
    for (const TnrDevice& d : devices_) {
        if (d.Data == comPortNo_) {
            selectedNo_ = comPortNo_;
            selectedPath_ = d.PortName;
            return;
        }
    }
    if (selectedNo_ != comPortNo_) selectedPath_.clear();  // a number set by hand, not a listed port
}

void TnrComm::restoreSelection() {
    if (selectedPath_.empty()) return;
    for (const TnrDevice& d : devices_) {
        if (d.PortName == selectedPath_) {
            // Same device, new number: an open port stays open.
            comPortNo_ = selectedNo_ = static_cast<uint16_t>(d.Data & 0xFFFF);
            return;
        }
    }
    // Gone. If its number now belongs to another port, move off it to a free number.
    auto used = [this](uint32_t n) {
        return std::any_of(devices_.begin(), devices_.end(), [n](const TnrDevice& d) { return static_cast<uint32_t>(d.Data) == n; });
    };
    if (!used(comPortNo_)) return;
    for (uint32_t n = 0; n <= 0xFFFF; ++n) {
        if (!used(n)) {
            comPortNo_ = selectedNo_ = static_cast<uint16_t>(n);
            return;
        }
    }
}

void TnrComm::Update() {
    rememberSelection();
    devices_.clear();
    GetDeviceList();
    restoreSelection();
    notify(PortChanged);
}

void TnrComm::AddExtraPort(const FoundPort& port) {
    for (const FoundPort& p : extraPorts_)
        if (p.path == port.path) return;
    extraPorts_.push_back(port);
}

void TnrComm::SetPortSource(std::unique_ptr<PortSource> source) { ports_ = std::move(source); }

int TnrComm::NotifyAdd(NotifyEvent handler) {
    std::lock_guard lock(notifyMutex_);
    int token = nextToken_++;
    subscribers_.emplace_back(token, std::move(handler));
    return token;
}

void TnrComm::NotifyDelete(int token) {
    std::lock_guard lock(notifyMutex_);
    subscribers_.erase(std::remove_if(subscribers_.begin(), subscribers_.end(),
                                      [token](const auto& s) { return s.first == token; }),
                       subscribers_.end());
}

void TnrComm::notify(int code) {
    std::vector<NotifyEvent> handlers;
    {
        std::lock_guard lock(notifyMutex_);
        for (auto& s : subscribers_) handlers.push_back(s.second);
    }
    for (auto& h : handlers) h(*this, code);
}

}  // namespace orvanta::serial

