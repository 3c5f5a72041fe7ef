// The connection loop against a scripted port and a hand-turned clock.
#include <gtest/gtest.h>

#include <numeric>
#include <stdexcept>

#include "connection/ConnectionLoop.h"
#include "connection/Frames.h"
#include "connection/GenericStates.h"
#include "connection/Handshake.h"
#include "tests/support/FakePort.h"
#include "tests/support/ManualScheduler.h"

using namespace orvanta;
using namespace orvanta::connection;
using Bytes = std::vector<uint8_t>;

namespace {

struct Recorder : LoopObserver, HandshakeView, ConfigReplyView {
    std::string panels[7];
    std::vector<std::string> panel0History;
    std::vector<std::string> errors;
    bool image1 = false, pageEnabled = false, pageShown = false;
    int ended = 0;
    std::optional<CapacityReport> capacities;
    std::optional<VersionLabels> labels;

    void statusText(int p, const std::string& t) override {
        panels[p] = t;
        if (p == 0) panel0History.push_back(t);
    }
    void errorRaised(const std::string& m) override { errors.push_back(m); }
    void portOpeningStarted() override { image1 = false; }
    void portOpeningEnded() override { pageEnabled = image1 = true; }
    void moduleWoken() override { pageShown = true; }
    void connectionEnded() override { ++ended; }
    void showCapacities(const CapacityReport& r) override { capacities = r; }
    void configReceived(const VersionLabels& l) override { labels = l; }
};

Bytes configReply(size_t n) {
    Bytes r{0x18, static_cast<uint8_t>(n)};
    for (size_t i = 0; i < n; ++i) r.push_back(static_cast<uint8_t>('A' + i % 26));
    return r;
}

class LoopTest : public ::testing::Test {
protected:
    LoopTest() : loop(port, clock, session, rec) {
        addHandshakeStates(loop, rec);
        addGenericStates(loop, rec);
    }

    void connect(uint32_t rate = 921600) {
        loop.Connect([rate] { return rate; });
        clock.run();
    }
    // Connects and answers the handshake; leaves the loop idle with nothing sent pending.
    void connectAndGreet() {
        connect();
        clock.advance(500);
        port.feed({0x20, 8, 8, 16, 16, 4});
        clock.run();
        port.feed(configReply(78));
        clock.run();
        ASSERT_EQ(session.request.ConnState, kIdleState);
        port.takeSent();
    }
    int32_t state() const { return session.request.ConnState; }

    test::FakePort port;
    test::ManualScheduler clock;
    Session session;
    Recorder rec;
    ConnectionLoop loop;
};

TEST_F(LoopTest, HandshakeWakesWaitsHalfASecondReadsCapacitiesThenConfiguration) {
    connect();
    EXPECT_TRUE(rec.pageEnabled);
    EXPECT_TRUE(rec.pageShown);
    EXPECT_EQ(port.takeSent(), (Bytes{0xA1, 0x04, 0x34, 0x45, 0x56, 0x67}));
    EXPECT_EQ(state(), 0);

    clock.advance(499);
    EXPECT_TRUE(port.sent.empty()) << "capacity query must wait 500 ms after the wake-up frame";
    clock.advance(1);
    EXPECT_EQ(port.takeSent(), (Bytes{0xA6, 0x01, 0x20}));
    EXPECT_EQ(state(), 1);

    port.feed({0x00, 8, 0, 4, 0});
    clock.run();
    EXPECT_EQ(state(), 1) << "five bytes are not a whole capacity reply";
    EXPECT_FALSE(rec.capacities);
    port.feed({4});
    clock.run();
    ASSERT_TRUE(rec.capacities);
    const CapacityReport& c = *rec.capacities;
    const uint32_t shown[5] = {8, 0, 4, 0, 64};
    const bool present[5] = {true, false, true, false, true};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(c.megabytes(i), shown[i]) << "box " << i;
        EXPECT_EQ(c.present(i), present[i]) << "box " << i;
    }
    EXPECT_EQ(port.takeSent(), (Bytes{0xA6, 0x01, 0x18}));
    EXPECT_EQ(state(), 65);

    Bytes reply = configReply(78);
    port.feed(reply);
    clock.run();
    EXPECT_EQ(state(), kIdleState);
    EXPECT_TRUE(std::equal(session.SysRecord.begin(), session.SysRecord.end(), reply.begin() + 2));
    ASSERT_TRUE(rec.labels);
    EXPECT_EQ(rec.labels->label161, std::string(reply.begin() + 2 + 52, reply.begin() + 2 + 68));
    EXPECT_EQ(rec.labels->label170, std::string(reply.begin() + 2 + 67, reply.begin() + 2 + 78));
    EXPECT_EQ(rec.panels[4], "1000");
}

TEST_F(LoopTest, SdByteOf255ShowsAs4080) {
    connect();
    clock.advance(500);
    port.feed({0, 1, 1, 1, 1, 255});
    clock.run();
    ASSERT_TRUE(rec.capacities);
    EXPECT_EQ(rec.capacities->megabytes(4), 4080u);
}

TEST_F(LoopTest, LinkRateIsTakenAtEachOpeningAttempt) {
    uint32_t rate = 230400;
    port.failOpens = 1;
    loop.Connect([&rate] { return rate; });
    rate = 921600;
    clock.advance(50);
    ASSERT_EQ(port.openRates.size(), 1u);
    EXPECT_EQ(port.openRates[0], 921600u);
}

TEST_F(LoopTest, AbsentPortIsRetriedEvery50msAndCountedUntilDisconnect) {
    port.failOpens = 1000;
    connect();
    EXPECT_EQ(rec.panels[0], "try connect 1");
    EXPECT_NE(rec.panels[1].find("No such device"), std::string::npos) << rec.panels[1];
    clock.advance(49);
    EXPECT_EQ(rec.panels[0], "try connect 1");
    clock.advance(1);
    EXPECT_EQ(rec.panels[0], "try connect 2");
    clock.advance(100);
    EXPECT_EQ(rec.panels[0], "try connect 4");

    loop.Disconnect();
    clock.run();
    EXPECT_FALSE(loop.Running());
    EXPECT_TRUE(port.sent.empty());
    EXPECT_TRUE(rec.image1);
    EXPECT_FALSE(rec.pageShown);
    EXPECT_EQ(rec.ended, 1);
    clock.advance(1000);
    EXPECT_EQ(rec.panels[0], "try connect 4") << "no attempts after Disconnect";
}

TEST_F(LoopTest, PortThatAppearsLaterIsOpenedAndTheHintCleared) {
    port.failOpens = 2;
    connect();
    clock.advance(100);
    EXPECT_TRUE(port.active);
    EXPECT_EQ(rec.panels[0], "try connect 2");
    EXPECT_EQ(rec.panels[1], "");
    EXPECT_EQ(port.takeSent(), (Bytes(kWakeUpFrame.begin(), kWakeUpFrame.end())));
}

TEST_F(LoopTest, RebootSendsCommand26ThenExitFrameAndCloses) {
    connectAndGreet();
    loop.Post(50, cmd::Reboot);
    clock.run();
    EXPECT_EQ(port.takeSent(), (Bytes{0xA6, 0x01, 0x1A, 0xAE, 0x00, 0x55}));
    EXPECT_FALSE(port.active);
    EXPECT_FALSE(loop.Running());
}

TEST_F(LoopTest, DisconnectWhileWaitingForCapacitiesSendsExitFrame) {
    connect();
    clock.advance(500);
    port.takeSent();
    loop.Disconnect();
    clock.run();
    EXPECT_EQ(port.takeSent(), (Bytes{0xAE, 0x00, 0x55}));
    EXPECT_FALSE(port.active);
    EXPECT_EQ(rec.panels[4], "1");
}

TEST_F(LoopTest, GenericSendingStatesSendTheirFrames) {
    connectAndGreet();
    std::iota(session.RxRecord.begin(), session.RxRecord.end(), uint8_t{0});
    struct Case {
        int32_t state;
        uint8_t command, param;
        size_t recordBytes;  // bytes of RxRecord in the payload
        int32_t next;
    };
    const Case cases[] = {
        {50, 3, 0, 0, kIdleState},    {51, 29, 7, 0, kIdleState}, {51, 20, 127, 0, kIdleState},
        {52, 21, 0, 16, kIdleState},  {53, 22, 0, 52, kIdleState}, {54, 23, 0, 0, 64},
        {153, 31, 0, 0, kIdleState},  {55, 16, 0, 0, 65},
    };
    for (const Case& c : cases) {
        loop.Post(c.state, c.command, c.param);
        clock.run();
        Bytes expect{0xA6, 0, c.command};
        if (c.state == 51) expect.push_back(c.param);
        for (size_t i = 0; i < c.recordBytes; ++i) expect.push_back(static_cast<uint8_t>(i));
        expect[1] = static_cast<uint8_t>(expect.size() - 2);
        EXPECT_EQ(port.takeSent(), expect) << "state " << c.state;
        EXPECT_EQ(state(), c.next) << "state " << c.state;
    }
}

TEST_F(LoopTest, ConfigurationBodiesOfEveryLength) {
    connectAndGreet();
    struct Case {
        size_t n;
        bool labels;
    };
    for (Case c : {Case{0, false}, Case{25, false}, Case{26, true}, Case{78, true}, Case{255, true}}) {
        session.RxRecord.fill(0xEE);
        rec.labels.reset();
        loop.Post(55, cmd::ReadConfig);
        clock.run();
        Bytes reply = configReply(c.n);
        port.feed(reply);
        clock.run();
        ASSERT_EQ(state(), kIdleState) << "N=" << c.n;
        ASSERT_TRUE(rec.labels);
        const size_t kept = std::min<size_t>(c.n, 200);
        for (size_t i = 0; i < 200; ++i)
            ASSERT_EQ(session.RxRecord[i], i < kept ? reply[2 + i] : 0xEE) << "N=" << c.n << " byte " << i;
        for (size_t i = 0; i < 52; ++i) ASSERT_EQ(session.SysRecord[i], session.RxRecord[i]);
        if (c.labels) {
            EXPECT_EQ(rec.labels->label161, std::string(reply.end() - 26, reply.end() - 10)) << "N=" << c.n;
            EXPECT_EQ(rec.labels->label170, std::string(reply.end() - 11, reply.end())) << "N=" << c.n;
        } else {
            EXPECT_EQ(rec.labels->label161, "");
            EXPECT_EQ(rec.labels->label170, "");
        }
        EXPECT_TRUE(port.queue.empty()) << "the whole body is consumed, N=" << c.n;
    }
}

TEST_F(LoopTest, SilentModuleIsNamedInTheStatusBarUntilTheReplyComes) {
    connectAndGreet();
    loop.Post(55, cmd::ReadConfig);
    clock.run();
    clock.advance(ConnectionLoop::kNoReplyNoticeMs - 1);
    EXPECT_EQ(rec.panels[1], "");
    clock.advance(1);
    EXPECT_EQ(rec.panels[1], "No reply from the module to command 24");
    EXPECT_EQ(state(), 65) << "the loop keeps waiting";
    port.feed(configReply(78));
    clock.run();
    EXPECT_EQ(rec.panels[1], "");

    loop.Post(55, cmd::EraseConfig);
    clock.advance(ConnectionLoop::kNoReplyNoticeMs);
    EXPECT_EQ(rec.panels[1], "No reply from the module to command 16");
    loop.Post(50, 3);
    clock.run();
    EXPECT_EQ(rec.panels[1], "") << "another request clears the notice";
}

TEST_F(LoopTest, ErrorInsideAStateIsShownAndTheConnectionStaysUsable) {
    connectAndGreet();
    loop.states().add(700, [](ConnectionLoop&) { throw std::runtime_error("Cannot open file \"x\""); });
    loop.Post(700);
    clock.run();
    ASSERT_EQ(rec.errors.size(), 1u);
    EXPECT_EQ(rec.errors[0], "Cannot open file \"x\"");
    EXPECT_EQ(state(), kIdleState);
    EXPECT_TRUE(port.active);
    loop.Post(50, 3);
    clock.run();
    EXPECT_EQ(port.takeSent(), (Bytes{0xA6, 0x01, 0x03}));
}

TEST_F(LoopTest, RequestPostedBeforeConnectIsNeverPerformed) {
    loop.Post(51, 29, 7);
    connect();
    EXPECT_EQ(state(), 0);
    EXPECT_EQ(port.takeSent(), (Bytes(kWakeUpFrame.begin(), kWakeUpFrame.end())));
}

TEST_F(LoopTest, ConnectWhileConnectedReopensThePortAndStartsOver) {
    connectAndGreet();
    connect();
    EXPECT_EQ(port.opens, 2);
    EXPECT_EQ(port.takeSent(), (Bytes(kWakeUpFrame.begin(), kWakeUpFrame.end())))
        << "the port is reopened without an exit frame, then woken again";
    EXPECT_EQ(state(), 0);
}

TEST_F(LoopTest, LostPortIsReportedAndTheLoopGoesQuiet) {
    connectAndGreet();
    loop.Post(55, cmd::ReadConfig);
    clock.run();
    port.lose();
    EXPECT_LT(clock.run(), 10) << "nothing spins once the port is gone";
    EXPECT_NE(rec.panels[1].find("Lost the connection to /dev/fake"), std::string::npos) << rec.panels[1];
    EXPECT_TRUE(loop.Running()) << "the loop waits, as for a silent module, until Disconnect";
    loop.Disconnect();
    clock.run();
    EXPECT_FALSE(loop.Running());
}

TEST_F(LoopTest, IdleLoopSchedulesNothing) {
    connectAndGreet();
    clock.run();
    EXPECT_TRUE(clock.posted.empty());
    EXPECT_TRUE(clock.timers.empty()) << "an idle connection keeps no timer running";
}

}  // namespace
