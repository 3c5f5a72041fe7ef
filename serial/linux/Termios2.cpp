#include "serial/linux/Termios2.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <cerrno>

namespace orvanta::serial {

int setCustomBaudRate(int fd, uint32_t rate) {
    struct termios2 t {};
    if (::ioctl(fd, TCGETS2, &t) != 0) return errno;
    t.c_cflag &= ~CBAUD;
    t.c_cflag |= BOTHER;
    t.c_ispeed = rate;
    t.c_ospeed = rate;
    if (::ioctl(fd, TCSETS2, &t) != 0) return errno;
    return 0;
}

}  // namespace orvanta::serial
