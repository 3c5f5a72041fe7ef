#pragma once
// Line settings and the one error type of the serial layer.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace orvanta::serial {

enum class Parity { None, Odd, Even, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };
enum class StreamProtocol { None, XonXoff, Hardware };

struct LineSettings {
    uint32_t baudRate = 19200;
    uint8_t byteSize = 8;   // 4..8; anything else is taken as 8
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
    StreamProtocol flow = StreamProtocol::Hardware;
};

enum class ErrorKind { NotFound, PermissionDenied, Busy, InvalidSettings, Io, Other };

// Every failure of the serial layer. what() is the text the component raises;
// hint() says in plain words what a user can do about it.
class SerialError : public std::runtime_error {
public:
    SerialError(ErrorKind kind, std::string port, int sysCode, std::string sysMessage, std::string text);

    ErrorKind kind() const { return kind_; }
    const std::string& port() const { return port_; }
    int sysCode() const { return sysCode_; }
    const std::string& sysMessage() const { return sysMessage_; }
    std::string hint() const;

    // The opening failure: `Device "<port>" Open Error !!!`, CR, the system's message.
    static SerialError openFailure(const std::string& port, int sysCode);
    static ErrorKind kindOfErrno(int sysCode);

private:
    ErrorKind kind_;
    std::string port_;
    int sysCode_;
    std::string sysMessage_;
};

}  // namespace orvanta::serial
