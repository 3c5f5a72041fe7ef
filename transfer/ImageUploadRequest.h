#pragma once
// The request side of the flash-disk image upload: which module slot each row of the
// image page writes, and the rows a "Send all disk images" still has to send.
#include <array>
#include <cstdint>
#include <optional>

namespace orvanta::transfer {

constexpr int kImageRows = 8;

// Slot numbers of the image rows, top to bottom. They do not follow the rows: slots 0 to 3
// sit in rows 1, 3, 5 and 7, so a send-all (which follows the rows) goes 0, 4, 1, 5, 2, 6, 3, 7.
constexpr std::array<uint8_t, kImageRows> kImageSlotOfRow{0, 4, 1, 5, 2, 6, 3, 7};

// The file each row offers first in the file dialog.
constexpr std::array<const char*, kImageRows> kImageDefaultFile{
    "sys.imz", "fdisk.imz", "disk1.imz", "backs.imz", "disk2.imz", "diag.imz", "disk3.imz", "logos.imz"};

// Shared by the image page, which fills it, and the upload states, which consume it.
struct ImageUploadRequest {
    // Bit r is set while row r (0-based) still waits in a send-all.
    uint8_t UploadQueue = 0;

    static constexpr uint8_t queueBit(int row) { return static_cast<uint8_t>(1u << row); }

    void queueRow(int row) {
        if (row >= 0 && row < kImageRows) UploadQueue |= queueBit(row);
    }

    // The first waiting row, lowest bit first, taken off the queue; none when it is empty.
    std::optional<int> takeNext() {
        for (int row = 0; row < kImageRows; ++row) {
            if (UploadQueue & queueBit(row)) {
                UploadQueue &= static_cast<uint8_t>(~queueBit(row));
                return row;
            }
        }
        return std::nullopt;
    }
};

// The hidden firmware page: four rows, each with the kind byte its Send records.
constexpr int kFirmwareRows = 4;
constexpr std::array<const char*, kFirmwareRows> kFirmwareDefaultFile{"os.pr", "firmware.rs", "firmware.bk",
                                                                      "firmware.pr"};
constexpr std::array<uint8_t, kFirmwareRows> kFirmwareKindOfRow{0xA4, 0xA6, 0xA7, 0xA5};

struct FirmwareRequest {
    // Kind byte of the last firmware Send. Nothing sends firmware, so nothing reads it yet.
    uint8_t FirmwareKind = 0;
};

}  // namespace orvanta::transfer
