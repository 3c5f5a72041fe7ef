#pragma once
// Frames the tool sends, and the version texts carried by the configuration reply.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvanta::connection {

constexpr uint8_t kCommandLead = 0xA6;
constexpr std::array<uint8_t, 6> kWakeUpFrame{0xA1, 0x04, 0x34, 0x45, 0x56, 0x67};
constexpr std::array<uint8_t, 3> kExitFrame{0xAE, 0x00, 0x55};

// Command codes the connection core itself sends.
namespace cmd {
constexpr uint8_t EraseConfig = 16;
constexpr uint8_t SaveConfig = 22;
constexpr uint8_t ReadConfig = 24;
constexpr uint8_t Reboot = 26;
constexpr uint8_t Capacities = 32;
}  // namespace cmd

// 0xA6, L, command, payload; L counts the command byte and the payload.
std::vector<uint8_t> commandFrame(uint8_t command, std::span<const uint8_t> payload = {});

// The two version labels of a configuration reply body of length N:
// Label161 from bytes N-26..N-11, Label170 from bytes N-11..N-1 (they share byte N-11).
// Each byte is the character of that code (Latin-1). A body shorter than 26 bytes
// has no version texts and gives two empty labels. Zero bytes are padding, not text,
// and are left out.
struct VersionLabels {
    std::string label161;  // Latin-1 bytes
    std::string label170;
};
VersionLabels versionLabels(std::span<const uint8_t> body);

std::string hexBytes(std::span<const uint8_t> bytes);

}  // namespace orvanta::connection
