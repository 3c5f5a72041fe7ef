// The simulated module answers the catalogue with the reply forms the tool relies on.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

#include "serial/TnrComm.h"
#include "sim/ModuleSim.h"
#include "sim/PtyServer.h"

using namespace orvanta::sim;

namespace {

struct Exchange {
    std::vector<Bytes> replies;
    std::vector<Frame> frames;
};

Exchange send(ModuleSim& m, const Bytes& bytes) {
    Exchange ex;
    m.onReply = [&](const Frame&, const Bytes& r) { ex.replies.push_back(r); };
    m.onFrame = [&](const Frame& f) { ex.frames.push_back(f); };
    m.feed(bytes.data(), bytes.size());
    return ex;
}

Bytes frame(uint8_t cmd, const Bytes& payload = {}) {
    Bytes f;
    f.reserve(3 + payload.size());
    f.push_back(0xA6);
    f.push_back(static_cast<uint8_t>(1 + payload.size()));
    f.push_back(cmd);
    for (uint8_t b : payload) f.push_back(b);
    return f;
}

TEST(ModuleSim, ReadCommandsAnswerWithTheirReplyForms) {
    struct Case {
        uint8_t cmd;
        size_t length;
    };
    // header+length forms carry a 78-byte body; two-byte headers; bare records; capacities.
    const Case cases[] = {{24, 80}, {16, 80}, {40, 80}, {102, 80}, {103, 80}, {32, 6},  {23, 18},
                          {36, 8},  {38, 22}, {46, 34}, {48, 6},   {110, 24}, {73, 70}, {99, 108},
                          {105, 100}};
    for (const Case& c : cases) {
        ModuleSim m;
        auto ex = send(m, frame(c.cmd));
        ASSERT_EQ(ex.replies.size(), 1u) << "command " << int(c.cmd);
        EXPECT_EQ(ex.replies[0].size(), c.length) << "command " << int(c.cmd);
    }
    ModuleSim m;
    auto ex = send(m, frame(24));
    EXPECT_EQ(ex.replies[0][1], 78);
}

TEST(ModuleSim, SavedRecordsComeBackOnTheMatchingRead) {
    struct Case {
        uint8_t save, read;
        size_t size, header;
    };
    const Case cases[] = {{22, 24, 52, 2}, {21, 23, 16, 2}, {37, 38, 20, 2}, {45, 46, 32, 2}, {47, 48, 4, 2},
                          {111, 110, 22, 2}, {72, 73, 70, 0}, {98, 99, 108, 0}, {104, 105, 100, 0}};
    for (const Case& c : cases) {
        ModuleSim m;
        Bytes payload(c.size);
        for (size_t i = 0; i < c.size; ++i) payload[i] = static_cast<uint8_t>(i * 7 + c.save);
        EXPECT_TRUE(send(m, frame(c.save, payload)).replies.empty()) << "saves get no reply";
        auto ex = send(m, frame(c.read));
        ASSERT_EQ(ex.replies.size(), 1u);
        Bytes body(ex.replies[0].begin() + static_cast<long>(c.header),
                   ex.replies[0].begin() + static_cast<long>(c.header + c.size));
        EXPECT_EQ(body, payload) << "command " << int(c.save);
    }
    // Gear ratios go out as ratio, 0x00 pairs and come back as six bytes.
    ModuleSim m;
    send(m, frame(35, {90, 0, 60, 0, 40, 0, 33, 0, 28, 0, 200, 0}));
    auto ex = send(m, frame(36));
    EXPECT_EQ(Bytes(ex.replies[0].begin() + 2, ex.replies[0].end()), (Bytes{90, 60, 40, 33, 28, 200}));
}

TEST(ModuleSim, ServiceDatabaseDownloadAndUpload) {
    ModuleSim m;
    const size_t n = m.state().serviceDb.size();
    auto ex = send(m, frame(66));
    ASSERT_EQ(ex.replies.size(), 1u);
    const Bytes& r = ex.replies[0];
    const size_t L = r[0] | (r[1] << 8);
    EXPECT_EQ(L, 128 + n * 128) << "the count includes itself and a 126-byte tail";
    EXPECT_EQ(r.size(), L);
    EXPECT_EQ(Bytes(r.begin() + 2, r.begin() + 6), (Bytes{0x25, 0x73, 0xDA, 0xF2}));

    EXPECT_EQ(send(m, frame(69)).replies.at(0), (Bytes{0x45}));
    Bytes rec(129, 0x11);
    rec[0] = 0;
    EXPECT_EQ(send(m, frame(70, rec)).replies.at(0), (Bytes{0x46}));
    rec[0] = 1;
    m.options.badDbAck = true;
    EXPECT_NE(send(m, frame(70, rec)).replies.at(0), (Bytes{0x46}));
    EXPECT_EQ(m.state().serviceDb.size(), 2u);
    send(m, frame(67));
    EXPECT_TRUE(m.state().serviceDb.empty());
}

TEST(ModuleSim, ImageFramesAreAcceptedAndSummed) {
    ModuleSim m;
    EXPECT_EQ(send(m, {0xA3, 0x01, 0x05}).replies.at(0), (Bytes{0xA3, 0x05}));
    Bytes chunk{0xA4, 0x00};
    for (int i = 0; i < 1024; ++i) chunk.push_back(static_cast<uint8_t>(i));
    uint8_t sum = 0;
    for (int i = 0; i < 1024; ++i) sum = static_cast<uint8_t>(sum + i);
    EXPECT_EQ(send(m, chunk).replies.at(0), (Bytes{0xA4, sum}));
    m.options.badImageSum = true;
    EXPECT_NE(send(m, chunk).replies.at(0), (Bytes{0xA4, sum}));
    EXPECT_EQ(m.state().imageChunks[5], 2u);
}

TEST(ModuleSim, FramesSplitAcrossFeedsAndNoiseBetweenThem) {
    ModuleSim m;
    Exchange ex;
    m.onReply = [&](const Frame&, const Bytes& r) { ex.replies.push_back(r); };
    m.onFrame = [&](const Frame& f) { ex.frames.push_back(f); };
    const Bytes stream{0x00, 0xA1, 0x04, 0x34, 0x45, 0x56, 0x67, 0x13, 0xA6, 0x01, 0x20, 0xAE, 0x00, 0x55};
    for (uint8_t b : stream) m.feed(&b, 1);
    ASSERT_EQ(ex.frames.size(), 3u);
    EXPECT_EQ(ex.frames[1].command, 32);
    EXPECT_EQ(ex.replies.size(), 1u) << "only the capacity query is answered";
}

TEST(ModuleSim, FaultSpecsParseAndBadOnesAreRefused) {
    Faults f;
    f.parse("no-reply=24");
    f.parse("short=32:2");
    f.parse("short=3");
    f.parse("split=3:20");
    f.parse("hangup-on=image-start");
    f.parse("delay=150");
    EXPECT_TRUE(f.noReply.count(24));
    EXPECT_EQ(f.shortBy.at(32), 2u);
    EXPECT_EQ(f.shortBy.at(-1), 3u);
    EXPECT_EQ(f.splitEvery, 3u);
    EXPECT_EQ(f.splitGapMs, 20u);
    EXPECT_EQ(f.hangupOn, kImageStart);
    EXPECT_EQ(f.delayMs, 150u);
    for (const char* bad : {"no-reply=", "no-reply=300", "split=3", "short=x", "bogus"})
        EXPECT_THROW(f.parse(bad), std::invalid_argument) << bad;
}

// The shipped program: --link makes a usable port, and it answers through the real serial code.
TEST(ModuleSimProgram, LinkedPortAnswersTheTool) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("orvanta-sim-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::path link = dir / "port";
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], 1);
        ::execl(ORVANTA_BIN_DIR "/orvanta-sim", "orvanta-sim", "--link", link.c_str(), "--fault", "short=24:70",
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    char line[256] = {};
    FILE* f = ::fdopen(out[0], "r");
    ASSERT_TRUE(std::fgets(line, sizeof line, f)) << "the simulator prints its port";
    EXPECT_EQ(std::string(line).rfind("/dev/pts/", 0), 0u) << line;

    orvanta::serial::TnrComm comm;
    comm.AddExtraPort({link.string(), link.string(), "", "", ""});
    for (const auto& d : comm.GetDeviceList())
        if (d.PortName == link.string()) comm.SetComPortNo(static_cast<uint16_t>(d.Data));
    comm.SetActive(true);
    const uint8_t query[] = {0xA6, 0x01, 0x18};
    comm.SendData(query, 3);
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (comm.TotalReceived() < 10 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(comm.TotalReceived(), 10u) << "the reply shortened by 70 bytes, as the fault asked";
    comm.SetActive(false);

    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    std::fclose(f);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << "the link is removed on exit";
    fs::remove_all(dir);
}

}  // namespace
