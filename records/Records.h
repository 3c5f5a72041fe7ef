#pragma once
// The two records every exchange shares.
#include <array>
#include <cstddef>
#include <cstdint>

namespace orvanta::records {

constexpr size_t kSysRecordSize = 52;
constexpr size_t kRxRecordSize = 200;

// The system configuration as the editors see it.
using SysRecord = std::array<uint8_t, kSysRecordSize>;
// Reply bodies are read into it and record payloads sent from it; valid until the next exchange.
using RxRecord = std::array<uint8_t, kRxRecordSize>;

}  // namespace orvanta::records
