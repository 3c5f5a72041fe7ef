// The emulator payloads and parameters, byte for byte.
#include <gtest/gtest.h>

#include <vector>

#include "connection/Frames.h"
#include "emulators/Emulators.h"

using namespace orvanta;
using namespace orvanta::emulators;

namespace {

using Bytes = std::vector<uint8_t>;

template <size_t N>
Bytes bytes(const std::array<uint8_t, N>& a) {
    return Bytes(a.begin(), a.end());
}

TEST(ParkingPayload, StartValuesGiveTheFullFrame) {
    auto frame = connection::commandFrame(cmd::Parking, parkingPayload(ParkingInput{}));
    EXPECT_EQ(connection::hexBytes(frame),
              connection::hexBytes(Bytes{0xA6, 0x13, 0x3E, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0xFF, 0xFF,
                                         0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x01}));
}

TEST(ParkingPayload, EveryEditorLandsInItsBytes) {
    ParkingInput in;
    in.sensors = {1, 2, 3, 4};
    in.repeated = 9;
    in.reverse = 0;
    in.bus = ParkingBus::KLine;
    EXPECT_EQ(bytes(parkingPayload(in)),
              (Bytes{1, 2, 3, 4, 9, 9, 9, 0x00, 1, 2, 3, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00}));
    in.reverse = 1;
    in.bus = ParkingBus::Can;
    auto p = parkingPayload(in);
    EXPECT_EQ(p[7], 0x02);
    EXPECT_EQ(p[16], 0x00);
    EXPECT_EQ(p[17], 0x01);
}

TEST(AirSuspensionPayload, ValuesFollowTheItemCaptions) {
    struct Case {
        std::array<int, 4> chosen;
        Bytes payload;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, {0x12, 0xC7, 0x01, 0x00}},
        {{7, 3, 2, 2}, {0x05, 0x3B, 0x08, 0x05}},
        {{1, 2, 1, 1}, {0x02, 0xCB, 0x04, 0x01}},
        {{4, 1, 0, 0}, {0x14, 0x37, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        auto p = airSuspensionPayload(c.chosen);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(bytes(*p), c.payload);
    }
    // Each caption begins with the hexadecimal value it sends (the Cyrillic "С" reads as C).
    for (const AirGroup& g : airSuspensionGroups()) {
        for (int i = 0; i < g.count; ++i) {
            std::string head(g.items[i].caption.substr(0, g.items[i].caption.find(' ')));
            if (head.rfind("\xD0\xA1", 0) == 0) head = "C" + head.substr(2);
            EXPECT_EQ(std::stoi(head, nullptr, 16), g.items[i].value) << g.items[i].caption;
        }
    }
}

TEST(AirSuspensionPayload, AGroupWithoutAValidChoiceGivesNoPayload) {
    const auto& groups = airSuspensionGroups();
    std::array<int, 4> start{};
    for (size_t i = 0; i < 4; ++i) start[i] = groups[i].startIndex;
    EXPECT_EQ(start, (std::array<int, 4>{1, -1, -1, 0}));
    EXPECT_FALSE(airSuspensionPayload(start).has_value());
    for (size_t g = 0; g < 4; ++g) {
        for (int bad : {-1, groups[g].count}) {
            std::array<int, 4> c{0, 0, 0, 0};
            c[g] = bad;
            EXPECT_FALSE(airSuspensionPayload(c).has_value()) << "group " << g << " index " << bad;
        }
    }
}

TEST(MirrorParam, SidePlusDirection) {
    struct Case {
        int side;
        MirrorDirection d;
        uint8_t param;
    };
    const Case cases[] = {
        {-1, MirrorDirection::Up, 1},    {-1, MirrorDirection::Left, 4}, {0, MirrorDirection::Down, 18},
        {0, MirrorDirection::Right, 24}, {1, MirrorDirection::Down, 34}, {1, MirrorDirection::Right, 40},
        {1, MirrorDirection::Up, 33},    {0, MirrorDirection::Left, 20},
    };
    for (const Case& c : cases) EXPECT_EQ(mirrorParam(c.side, c.d), c.param) << c.side << " " << int(c.d);
}

}  // namespace
