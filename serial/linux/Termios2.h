#pragma once
#include <cstdint>

namespace orvanta::serial {
// Sets a bit rate that has no B-constant (termios2/BOTHER). Returns 0 or an errno value.
// Kept apart because <asm/termbits.h> clashes with <termios.h>.
int setCustomBaudRate(int fd, uint32_t rate);
}
