#include "serial/SerialTypes.h"

#include <cerrno>
#include <cstring>

namespace orvanta::serial {

SerialError::SerialError(ErrorKind kind, std::string port, int sysCode, std::string sysMessage, std::string text)
    : std::runtime_error(std::move(text)),
      kind_(kind),
      port_(std::move(port)),
      sysCode_(sysCode),
      sysMessage_(std::move(sysMessage)) {}

ErrorKind SerialError::kindOfErrno(int sysCode) {
    switch (sysCode) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return ErrorKind::NotFound;
    case EACCES:
    case EPERM:
        return ErrorKind::PermissionDenied;
    case EBUSY:
    case EWOULDBLOCK:
        return ErrorKind::Busy;
    case EINVAL:
        return ErrorKind::InvalidSettings;
    case EIO:
        return ErrorKind::Io;
    default:
        return ErrorKind::Other;
    }
}

SerialError SerialError::openFailure(const std::string& port, int sysCode) {
    std::string sys = std::strerror(sysCode);
    std::string text = "Device \"" + port + "\" Open Error !!!\r" + sys + " (" + port + ")";
    return SerialError(kindOfErrno(sysCode), port, sysCode, sys, text);
}

std::string SerialError::hint() const {
    switch (kind_) {
    case ErrorKind::NotFound:
        return "No such device: " + port_ + ". Plug in the adapter or choose another port.";
    case ErrorKind::PermissionDenied:
        return "Permission denied on " + port_ +
               ": add your user to the 'dialout' group (sudo usermod -aG dialout $USER), then log in again.";
    case ErrorKind::Busy:
        return port_ + " is busy: another program (or another window of this one) has it open.";
    case ErrorKind::InvalidSettings:
        return port_ + " refused the line settings: " + sysMessage_ + ".";
    case ErrorKind::Io:
        return "I/O error on " + port_ + ": " + sysMessage_ + ".";
    case ErrorKind::Other:
        break;
    }
    return port_ + ": " + sysMessage_ + ".";
}

}  // namespace orvanta::serial
