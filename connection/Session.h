#pragma once
// The state shared by the window's handlers and the connection loop: the posted
// request and the records. Both run on the window's thread, so nothing here is locked.
#include <cstdint>
#include <string>

#include "records/Records.h"

namespace orvanta::connection {

constexpr int32_t kIdleState = 1000;

struct RequestFields {
    int32_t ConnState = kIdleState;
    bool StopFlag = false;
    uint8_t RequestCommand = 0;
    uint8_t RequestParam = 0;
    uint8_t RequestDisk = 0;
    std::string RequestFileName;
};

struct Session {
    RequestFields request;
    records::SysRecord SysRecord{};
    records::RxRecord RxRecord{};
};

}  // namespace orvanta::connection
