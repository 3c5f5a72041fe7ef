// The window against the simulated module over a real pseudo-terminal.
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/support/WindowHarness.h"

using namespace orvanta;
using test::Bytes;
using test::WindowHarness;

namespace {

QColor boxColour(QWidget* w) {
    QImage img = w->grab().toImage();
    return img.pixelColor(img.width() / 4, img.height() / 2);
}

TEST(WindowConnect, HandshakeShowsCapacitiesVersionsAndConfiguration) {
    WindowHarness h;
    h.sim().withState([](sim::ModuleState& s) { s.capacities = {0x08, 0x00, 0x04, 0x00, 0x04}; });
    auto* pages = h.find<QTabWidget>("cxPageControl1");
    ASSERT_TRUE(pages);
    EXPECT_FALSE(pages->isVisible());
    ASSERT_TRUE(h.connect());

    auto frames = h.sim().frames();
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames[0].bytes, (Bytes{0xA1, 0x04, 0x34, 0x45, 0x56, 0x67}));
    EXPECT_EQ(frames[1].bytes, (Bytes{0xA6, 0x01, 0x20}));
    EXPECT_GE(frames[1].at - frames[0].at, std::chrono::milliseconds(500))
        << "the capacity query leaves at least 500 ms after the wake-up frame";
    EXPECT_EQ(frames[2].bytes, (Bytes{0xA6, 0x01, 0x18}));

    const char* boxes[5] = {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10"};
    const char* texts[5] = {"8", "0", "4", "0", "64"};
    const bool green[5] = {true, false, true, false, true};
    for (int i = 0; i < 5; ++i) {
        auto* e = h.find<QLineEdit>(boxes[i]);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->text().toStdString(), texts[i]) << boxes[i];
        QColor c = boxColour(e);
        EXPECT_EQ(c, green[i] ? QColor(0, 128, 0) : QColor(255, 0, 0)) << boxes[i];
    }
    // Absent disks 1 and 3 also mark the file boxes of image slots 1 and 3.
    const char* slotBoxes[4] = {"Edit5", "Edit11", "Edit12", "Edit13"};
    for (int i = 0; i < 4; ++i) {
        auto* e = h.find<QLineEdit>(slotBoxes[i]);
        ASSERT_TRUE(e) << slotBoxes[i];
        EXPECT_EQ(e->styleSheet().contains("#ff0000"), !green[i]) << slotBoxes[i];
    }
    EXPECT_EQ(h.find<QLabel>("Label161")->text(), "Orvanta HW 7.85 ");
    EXPECT_EQ(h.find<QLabel>("Label170")->text(), " 2026-02-22");
    EXPECT_TRUE(pages->isVisible());
    EXPECT_TRUE(h.find<QLabel>("Image1")->isVisible());
    EXPECT_TRUE(WindowHarness::waitFor([&] { return h.window().statusText(4) == "1000"; }));
}

TEST(WindowConnect, RebootEndsTheConnection) {
    WindowHarness h;
    ASSERT_TRUE(h.connect());
    h.click("BitBtn72");
    EXPECT_EQ(h.nextFrame(), (Bytes{0xA6, 0x01, 0x1A}));
    EXPECT_EQ(h.nextFrame(), (Bytes{0xAE, 0x00, 0x55}));
    EXPECT_TRUE(WindowHarness::waitFor([&] { return !h.window().comm().Active(); }));
    EXPECT_FALSE(h.window().loop().Running());
}

TEST(WindowConnect, ClosingTheWindowEndsTheConnectionLikeDisconnect) {
    WindowHarness h;
    ASSERT_TRUE(h.connect());
    h.window().close();
    EXPECT_EQ(h.nextFrame(), (Bytes{0xAE, 0x00, 0x55}));
    EXPECT_FALSE(h.window().comm().Active());
}

TEST(WindowConnect, DisconnectWhileWaitingForCapacitiesSendsExitFrame) {
    sim::Faults f;
    f.noReply.insert(32);
    WindowHarness h(f);
    h.window().Button8Click();
    EXPECT_EQ(h.nextFrame().size(), 6u);
    EXPECT_EQ(h.nextFrame(), (Bytes{0xA6, 0x01, 0x20}));
    ASSERT_TRUE(WindowHarness::waitFor([&] { return h.window().statusText(4) == "1"; }));
    h.click("Button3");
    EXPECT_EQ(h.nextFrame(), (Bytes{0xAE, 0x00, 0x55}));
    EXPECT_TRUE(WindowHarness::waitFor([&] { return !h.window().loop().Running(); }));
    EXPECT_EQ(h.window().statusText(4), "1");
    EXPECT_FALSE(h.window().comm().Active());
}

TEST(WindowConnect, SilentModuleIsNamedAfterAFewSeconds) {
    sim::Faults f;
    f.silent = true;
    WindowHarness h(f);
    h.window().Button8Click();
    EXPECT_TRUE(WindowHarness::waitFor(
        [&] { return h.window().statusText(1) == "No reply from the module to command 32"; }, 6000))
        << h.window().statusText(1).toStdString();
    EXPECT_EQ(h.window().statusText(4), "1");
}

TEST(WindowConnect, HangUpWhileWaitingIsReportedAndNothingSpins) {
    sim::Faults f;
    f.hangupOn = 24;
    WindowHarness h(f);
    h.window().Button8Click();
    EXPECT_TRUE(WindowHarness::waitFor([&] { return !h.window().comm().Active(); }, 5000));
    EXPECT_TRUE(WindowHarness::waitFor(
        [&] { return h.window().statusText(1).startsWith("Lost the connection to " + QString::fromStdString(h.sim().portPath())); }));
    // Later requests go nowhere and do not wake anything up for good.
    h.click("BitBtn72");
    QTest::qWait(100);
    h.click("Button3");
    EXPECT_TRUE(WindowHarness::waitFor([&] { return !h.window().loop().Running(); }));
}

TEST(WindowConnect, AbsentPortIsRetriedAndExplained) {
    ui::WindowOptions o;
    o.extraPorts.push_back({"/dev/orvanta-no-such-port", "/dev/orvanta-no-such-port", "", "", ""});
    WindowHarness h({}, std::move(o));
    for (const auto& d : h.window().comm().GetDeviceList())
        if (d.PortName == "/dev/orvanta-no-such-port") h.window().comm().SetComPortNo(static_cast<uint16_t>(d.Data));
    h.window().Button8Click();
    EXPECT_TRUE(WindowHarness::waitFor([&] { return h.window().statusText(0) == "try connect 3"; }));
    EXPECT_TRUE(h.window().statusText(1).contains("No such device: /dev/orvanta-no-such-port"))
        << h.window().statusText(1).toStdString();
    h.click("Button3");
    EXPECT_TRUE(WindowHarness::waitFor([&] { return !h.window().loop().Running(); }));
    EXPECT_TRUE(h.sim().frames().empty());
}

}  // namespace
