#pragma once
// The operating-system side of one serial port. The portable component (TnrComm)
// does queueing, counting, threads and notifications; a backend only talks to the OS.
// Linux's lives in serial/linux; another platform adds its own file beside it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "serial/SerialTypes.h"

namespace orvanta::serial {

class SerialDevice {
public:
    enum class Wait { Readable, Woken, Lost };

    virtual ~SerialDevice() = default;

    // Opens exclusively and applies the settings; throws SerialError::openFailure.
    virtual void open(const std::string& path, const LineSettings& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Throws SerialError when the port refuses them.
    virtual void apply(const LineSettings& settings) = 0;

    // Blocks until input is readable, the device is gone, or wake() is called.
    // Called only by the component's reader thread.
    virtual Wait waitInput() = 0;
    // Interrupts a waitInput() in progress (or the next one). Safe from any thread.
    virtual void wake() = 0;
    // Non-blocking read of what is there; 0 when nothing; -1 when the device is gone.
    virtual long readAvailable(uint8_t* buffer, size_t size) = 0;

    // Writes every byte, waiting (bounded) while the driver's queue is full.
    virtual bool write(const uint8_t* data, size_t size) = 0;
    virtual void purge(bool input, bool output) = 0;
    // Bytes the driver holds on each side, for the ReadyForRead/NotYetSend figures.
    virtual size_t pendingOutput() const = 0;
};

std::unique_ptr<SerialDevice> createPlatformSerialDevice();

}  // namespace orvanta::serial
