// The send-all queue and the row-to-slot order of the image page.
#include <gtest/gtest.h>

#include <vector>

#include "transfer/ImageUploadRequest.h"

using orvanta::transfer::ImageUploadRequest;
using orvanta::transfer::kImageSlotOfRow;

namespace {

std::vector<int> drainSlots(ImageUploadRequest& q) {
    std::vector<int> slots;
    while (auto row = q.takeNext()) slots.push_back(kImageSlotOfRow[static_cast<size_t>(*row)]);
    return slots;
}

TEST(ImageUploadQueue, FollowsTheRowsNotTheSlots) {
    struct Case {
        std::vector<int> rows;  // 0-based rows queued, in any order
        uint8_t bits;
        std::vector<int> slots;  // slots in the order they go out
    };
    const Case cases[] = {
        {{}, 0x00, {}},
        {{1, 6}, 0x42, {4, 3}},  // rows 2 and 7: slot 4 before slot 3
        {{6, 1}, 0x42, {4, 3}},
        {{0, 1, 2, 3, 4, 5, 6, 7}, 0xFF, {0, 4, 1, 5, 2, 6, 3, 7}},
        {{7}, 0x80, {7}},
    };
    for (const Case& c : cases) {
        ImageUploadRequest q;
        for (int r : c.rows) q.queueRow(r);
        EXPECT_EQ(q.UploadQueue, c.bits);
        EXPECT_EQ(drainSlots(q), c.slots);
        EXPECT_EQ(q.UploadQueue, 0);
        EXPECT_FALSE(q.takeNext());
    }
}

TEST(ImageUploadQueue, RowsOutsideTheTableAreIgnored) {
    ImageUploadRequest q;
    q.queueRow(-1);
    q.queueRow(8);
    q.queueRow(31);
    EXPECT_EQ(q.UploadQueue, 0);
}

}  // namespace
