// The serial component on a real pseudo-terminal: the test holds the far end.
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#include "serial/TnrComm.h"

using namespace orvanta::serial;
using Bytes = std::vector<uint8_t>;

namespace {

bool eventually(const std::function<bool()>& pred, int ms = 3000) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (pred()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return pred();
}

class NoPorts : public PortSource {
public:
    std::vector<FoundPort> enumerate() override { return {}; }
};

// A pty pair; the component opens the slave by path, the test talks through the master.
class Pty {
public:
    Pty() {
        char name[128];
        EXPECT_EQ(::openpty(&master, &keep, name, nullptr, nullptr), 0);
        path = name;
        termios t{};
        ::tcgetattr(keep, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(keep, TCSANOW, &t);
    }
    ~Pty() { closeAll(); }
    void write(const Bytes& b) { ASSERT_EQ(::write(master, b.data(), b.size()), static_cast<ssize_t>(b.size())); }
    Bytes read(size_t n, int ms = 2000) {
        Bytes out;
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        while (out.size() < n && std::chrono::steady_clock::now() < end) {
            uint8_t buf[256];
            ssize_t r = ::read(master, buf, std::min(sizeof buf, n - out.size()));
            if (r > 0) out.insert(out.end(), buf, buf + r);
            else std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return out;
    }
    void closeAll() {
        if (keep >= 0) ::close(keep);
        if (master >= 0) ::close(master);
        keep = master = -1;
    }
    int master = -1, keep = -1;
    std::string path;
};

std::unique_ptr<TnrComm> commOn(const std::string& path) {
    auto c = std::make_unique<TnrComm>(createPlatformSerialDevice(), std::make_unique<NoPorts>());
    c->AddExtraPort({path, path, "", "", ""});
    c->SetComPortNo(static_cast<uint16_t>(c->GetDeviceList().front().Data));
    c->SetStopBits(StopBits::Two);
    c->SetStreamProtocol(StreamProtocol::None);
    c->SetBaudRate(921600);
    return c;
}

TEST(TnrComm, OpensRawEightNoneTwoAtTheChosenRateAndChangesRateWhileOpen) {
    Pty pty;
    auto comm = commOn(pty.path);
    comm->SetActive(true);
    ASSERT_TRUE(comm->Active());
    termios t{};
    ASSERT_EQ(::tcgetattr(pty.keep, &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), static_cast<speed_t>(B921600));
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_TRUE(t.c_cflag & CSTOPB) << "two stop bits";
    EXPECT_FALSE(t.c_cflag & PARENB);
    EXPECT_FALSE(t.c_cflag & CRTSCTS);
    EXPECT_FALSE(t.c_iflag & (IXON | IXOFF));
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));

    comm->SetBaudRate(230400);
    ASSERT_EQ(::tcgetattr(pty.keep, &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), static_cast<speed_t>(B230400)) << "a rate set while open applies at once";
}

TEST(TnrComm, SecondOpenerIsRefusedWithTheOpenErrorText) {
    Pty pty;
    auto first = commOn(pty.path);
    first->SetActive(true);
    auto second = commOn(pty.path);
    try {
        second->SetActive(true);
        FAIL() << "a second opener must fail";
    } catch (const SerialError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Busy);
        EXPECT_EQ(std::string(e.what()).rfind("Device \"" + pty.path + "\" Open Error !!!\r", 0), 0u) << e.what();
        EXPECT_NE(e.hint().find("busy"), std::string::npos);
    }
    EXPECT_FALSE(second->Active());
    EXPECT_TRUE(first->Active());
    first->SetActive(false);
    EXPECT_NO_THROW(second->SetActive(true)) << "the port is free again once closed";
}

TEST(TnrComm, AbsentPortFailsClosedWithCountersAtZero) {
    auto comm = commOn("/dev/orvanta-absent");
    try {
        comm->SetActive(true);
        FAIL();
    } catch (const SerialError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::NotFound);
        EXPECT_EQ(std::string(e.what()), "Device \"/dev/orvanta-absent\" Open Error !!!\rNo such file or directory (/dev/orvanta-absent)");
    }
    EXPECT_FALSE(comm->Active());
    EXPECT_EQ(comm->TotalReceived(), 0u);
    EXPECT_EQ(comm->TotalSent(), 0u);
    // With no entry for the port number, the component falls back to the COM name.
    TnrComm bare(createPlatformSerialDevice(), std::make_unique<NoPorts>());
    bare.SetComPortNo(3);
    EXPECT_EQ(bare.PortName(), "COM3");
    EXPECT_THROW(bare.SetActive(true), SerialError);
}

TEST(TnrComm, EveryReceivedByteIsCountedOnceAndReadFromTheQueue) {
    Pty pty;
    auto comm = commOn(pty.path);
    std::atomic<int> arrivals{0};
    comm->SetEventHook([&](PortEvent e) {
        if (e == PortEvent::DataArrived) ++arrivals;
    });
    comm->SetActive(true);
    Bytes first(20), second(20);
    for (int i = 0; i < 20; ++i) first[i] = static_cast<uint8_t>(i), second[i] = static_cast<uint8_t>(100 + i);
    pty.write(first);
    ASSERT_TRUE(eventually([&] { return comm->TotalReceived() == 20; }));
    pty.write(second);
    ASSERT_TRUE(eventually([&] { return comm->TotalReceived() == 40; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(comm->TotalReceived(), 40u) << "a reply in two pieces is counted once, not 60";
    EXPECT_GE(arrivals.load(), 1);

    Bytes got(40);
    EXPECT_EQ(comm->Read(got.data(), 40), 40u);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), got.begin()));
    EXPECT_TRUE(std::equal(second.begin(), second.end(), got.begin() + 20));

    uint8_t missing = 0x77;
    comm->SetReadWaitMs(50);
    EXPECT_EQ(comm->Read(&missing, 1), 0u) << "a byte that never comes is given up after a bounded wait";
    EXPECT_EQ(missing, 0x77) << "and the buffer keeps its content";
}

TEST(TnrComm, PurgesDiscardPendingInputButKeepTheCounters) {
    Pty pty;
    auto comm = commOn(pty.path);
    comm->SetActive(true);
    pty.write({1, 2, 3});
    ASSERT_TRUE(eventually([&] { return comm->ReadyForRead() == 3; }));
    comm->ClearDeviceInput();
    EXPECT_EQ(comm->ReadyForRead(), 0u);
    EXPECT_EQ(comm->TotalReceived(), 3u);
    pty.write({4, 5});
    ASSERT_TRUE(eventually([&] { return comm->ReadyForRead() == 2; }));
    comm->ClearDeviceBuffers();
    EXPECT_EQ(comm->ReadyForRead(), 0u);
    EXPECT_EQ(comm->TotalReceived(), 5u);
    pty.write({6});
    ASSERT_TRUE(eventually([&] { return comm->ReadyForRead() == 1; }));
    uint8_t b = 0;
    comm->Read(&b, 1);
    EXPECT_EQ(b, 6);
}

TEST(TnrComm, SendsLowByteAndNothingWhenClosed) {
    Pty pty;
    auto comm = commOn(pty.path);
    comm->SendChar(0x41);
    EXPECT_EQ(comm->TotalSent(), 0u) << "sending on a closed port does nothing";
    uint8_t untouched = 0x55;
    EXPECT_EQ(comm->Read(&untouched, 1), 0u);
    EXPECT_EQ(untouched, 0x55);

    comm->SetActive(true);
    comm->SendChar(0x1A6);
    const uint8_t frame[] = {0xA6, 0x01, 0x18};
    comm->SendData(frame, 3);
    EXPECT_EQ(pty.read(4), (Bytes{0xA6, 0xA6, 0x01, 0x18}));
    EXPECT_EQ(comm->TotalSent(), 4u);
    comm->SetActive(true);
    EXPECT_EQ(comm->TotalSent(), 4u) << "opening an open port changes nothing";
}

TEST(TnrComm, HangUpClosesThePortAndTellsSubscribersOnce) {
    Pty pty;
    auto comm = commOn(pty.path);
    std::atomic<int> closed{0}, opened{0}, lost{0};
    comm->NotifyAdd([&](TnrComm&, int code) {
        if (code == TnrComm::PortClosed) ++closed;
        if (code == TnrComm::PortOpened) ++opened;
    });
    comm->SetEventHook([&](PortEvent e) {
        if (e == PortEvent::Lost) ++lost;
    });
    comm->SetActive(true);
    EXPECT_EQ(opened.load(), 1);
    pty.closeAll();  // the far end goes away, as an unplugged adapter does
    ASSERT_TRUE(eventually([&] { return !comm->Active(); }));
    EXPECT_TRUE(eventually([&] { return closed.load() == 1 && lost.load() == 1; }));
    comm->SendChar(0x41);
    EXPECT_EQ(comm->TotalSent(), 0u);
    comm->SetActive(false);  // joins the reader; nothing more is reported
    EXPECT_EQ(closed.load(), 1);
}

TEST(TnrComm, PortNumberChangeReopensAndNotifies) {
    Pty a, b;
    TnrComm comm(createPlatformSerialDevice(), std::make_unique<NoPorts>());
    comm.AddExtraPort({a.path, a.path, "", "", ""});
    comm.AddExtraPort({b.path, b.path, "", "", ""});
    const auto list = comm.GetDeviceList();
    ASSERT_EQ(list.size(), 2u);
    std::vector<int> codes;
    comm.NotifyAdd([&](TnrComm&, int code) { codes.push_back(code); });
    comm.SetDeviceIndex(0);
    comm.SetActive(true);
    a.write({1, 2});
    ASSERT_TRUE(eventually([&] { return comm.TotalReceived() == 2; }));
    codes.clear();
    comm.SetDeviceIndex(1);
    EXPECT_TRUE(comm.Active());
    EXPECT_EQ(comm.PortName(), b.path);
    EXPECT_EQ(comm.TotalReceived(), 0u) << "counters restart with the new port";
    EXPECT_EQ(codes, (std::vector<int>{TnrComm::PortClosed, TnrComm::PortOpened, TnrComm::PortChanged}));
}

}  // namespace
