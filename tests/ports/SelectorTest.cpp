// The port selector and hot-plug: the drop-down follows the component's list, and a
// port plugged in or pulled out while running shows up without losing the chosen one.
#include <pty.h>
#include <unistd.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "serial/TnrComm.h"
#include "serial/linux/SysfsPortSource.h"
#include "tests/ports/PortFixtures.h"
#include "tests/support/WindowHarness.h"
#include "ui/PortWatcher.h"
#include "ui/widgets/TnrDeviceBox.h"

using namespace orvanta;
using serial::PortChange;
using serial::TnrComm;
using test::FakeMonitor;
using test::TempTree;
using test::WindowHarness;

namespace {

std::unique_ptr<TnrComm> commOn(const std::string& sysRoot) {
    return std::make_unique<TnrComm>(serial::createPlatformSerialDevice(),
                                     std::make_unique<serial::SysfsPortSource>(sysRoot, "/dev", nullptr));
}

QStringList items(const QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i) out << box.itemText(i);
    return out;
}

bool numberNamesNoOtherPort(TnrComm& comm) {
    for (const auto& d : comm.GetDeviceList())
        if (d.Data == comm.ComPortNo()) return false;
    return true;
}

class NoPorts : public serial::PortSource {
public:
    std::vector<serial::FoundPort> enumerate() override { return {}; }
};

TEST(PortSelector, DropDownOfTheListWhosePickSetsThePortNumber) {
    auto comm = commOn(test::kSysfsFixture);
    comm->SetComPortNo(3);
    ui::TnrDeviceBox box;
    box.setNrComm(comm.get());
    EXPECT_FALSE(box.isEditable());
    EXPECT_EQ(box.lineEdit(), nullptr) << "picked, never typed";
    EXPECT_EQ(items(box), (QStringList{"rfcomm0 (Bluetooth 00:1A:7D:DA:71:13 channel 1)",
                                       "rfcomm1 (Bluetooth 98:D3:31:F5:2A:07 channel 1)", "ttyACM0 (Pico)",
                                       "ttyS0 (16550A UART)", "ttyUSB2", "ttyUSB10 (FT232R USB UART)"}));
    EXPECT_EQ(box.currentIndex(), -1) << "no port 3 on this system";
    EXPECT_EQ(box.itemData(5, Qt::ToolTipRole).toString(), "/dev/ttyUSB10");

    // The user steps through the list with the keyboard, as with the mouse.
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(comm->ComPortNo(), 4097);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(comm->ComPortNo(), 4098);
    EXPECT_EQ(box.currentIndex(), 1) << "the reload on notification 3 keeps the new choice";
    EXPECT_EQ(comm->PortName(), "/dev/rfcomm1");

    // A number set elsewhere is shown too (notification 3 reloads the box).
    comm->SetComPortNo(4100);
    EXPECT_EQ(box.currentText(), "ttyS0 (16550A UART)");
    comm->SetComPortNo(77);
    EXPECT_EQ(box.currentIndex(), -1);
}

TEST(PortSelector, NoPortsLeavesTheBoxEmptyAndPortThree) {
    TnrComm comm(serial::createPlatformSerialDevice(), std::make_unique<NoPorts>());
    comm.SetComPortNo(3);
    ui::TnrDeviceBox box;
    box.setNrComm(&comm);
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(comm.ComPortNo(), 3);
    EXPECT_EQ(comm.PortName(), "COM3");
}

TEST(PortHotPlug, ChosenPortIsFollowedByPathAsPortsComeAndGo) {
    TempTree sys;
    sys.copyFrom(test::kSysfsFixture);
    auto comm = commOn(sys.root());
    ui::TnrDeviceBox box;
    box.setNrComm(comm.get());
    auto monitor = std::make_unique<FakeMonitor>();
    FakeMonitor* events = monitor.get();
    ui::PortWatcher watcher(*comm, std::move(monitor));
    ASSERT_TRUE(watcher.watching());

    comm->SetDeviceIndex(2);
    ASSERT_EQ(box.currentText(), "ttyACM0 (Pico)");
    ASSERT_EQ(comm->ComPortNo(), 4099);

    // rfcomm0 released: every later port moves down one number; the choice moves along.
    sys.remove("class/tty/rfcomm0");
    events->push({PortChange::Removed, "rfcomm0"});
    ASSERT_TRUE(WindowHarness::waitFor([&] { return box.count() == 5; }));
    EXPECT_EQ(box.currentText(), "ttyACM0 (Pico)");
    EXPECT_EQ(comm->ComPortNo(), 4098);
    EXPECT_EQ(comm->PortName(), "/dev/ttyACM0");

    // The chosen board unplugged: its number now belongs to ttyS0, which must not become
    // the port that "Connect" opens.
    sys.remove("class/tty/ttyACM0");
    events->push({PortChange::Removed, "ttyACM0"});
    ASSERT_TRUE(WindowHarness::waitFor([&] { return box.count() == 4; }));
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_TRUE(numberNamesNoOtherPort(*comm));
    EXPECT_EQ(comm->PortName(), "/dev/ttyACM0") << "still tried by path until it comes back";

    // Plugged back in: chosen again. A new adapter arrives in the same burst.
    sys.link("class/tty/ttyACM0", "../../devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/tty/ttyACM0");
    sys.plugUsbSerial("ttyUSB5", "USB-Serial Controller");
    events->push({PortChange::Added, "ttyACM0"});
    events->push({PortChange::Added, "ttyUSB5"});
    ASSERT_TRUE(WindowHarness::waitFor([&] { return box.count() == 6; }));
    EXPECT_EQ(items(box), (QStringList{"rfcomm1 (Bluetooth 98:D3:31:F5:2A:07 channel 1)", "ttyACM0 (Pico)",
                                       "ttyS0 (16550A UART)", "ttyUSB2", "ttyUSB5 (USB-Serial Controller)",
                                       "ttyUSB10 (FT232R USB UART)"}));
    EXPECT_EQ(box.currentText(), "ttyACM0 (Pico)");
    EXPECT_EQ(comm->ComPortNo(), 4098);

    // Lost events (the socket overran) still bring the list up to date.
    sys.remove("class/tty/ttyUSB5");
    events->push({PortChange::Overflow, {}});
    EXPECT_TRUE(WindowHarness::waitFor([&] { return box.count() == 5; }));
    EXPECT_EQ(box.currentText(), "ttyACM0 (Pico)");
}

TEST(PortHotPlug, OpenPortStaysOpenWhenItsNumberShifts) {
    int master = -1, slave = -1;
    char name[128];
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    const std::string pty = name;

    TempTree sys;
    sys.copyFrom(test::kSysfsFixture);
    auto comm = commOn(sys.root());
    comm->AddExtraPort({pty, pty, "", "", ""});
    comm->AddExtraPort({"/nonexistent/ttyGone", "/nonexistent/ttyGone", "", "", ""});
    ui::TnrDeviceBox box;
    box.setNrComm(comm.get());
    auto monitor = std::make_unique<FakeMonitor>();
    FakeMonitor* events = monitor.get();
    ui::PortWatcher watcher(*comm, std::move(monitor));
    QSignalSpy errors(&box, &ui::TnrDeviceBox::portError);

    comm->SetDeviceIndex(6);
    ASSERT_EQ(comm->PortName(), pty);
    comm->SetActive(true);
    ASSERT_TRUE(comm->Active());
    int closed = 0;
    comm->NotifyAdd([&](TnrComm&, int code) { closed += code == TnrComm::PortClosed; });

    sys.plugUsbSerial("ttyUSB3", "USB-Serial Controller");
    events->push({PortChange::Added, "ttyUSB3"});
    ASSERT_TRUE(WindowHarness::waitFor([&] { return box.count() == 9; }));
    EXPECT_EQ(comm->ComPortNo(), 4104);
    EXPECT_EQ(box.currentText().toStdString(), pty);
    EXPECT_TRUE(comm->Active());
    EXPECT_EQ(closed, 0) << "the same device under a new number is not reopened";

    // Picking the entry already chosen changes nothing either.
    emit box.activated(box.currentIndex());
    EXPECT_EQ(closed, 0);
    EXPECT_TRUE(comm->Active());

    // Picking a port that cannot be opened while connected: a clear message, port closed.
    emit box.activated(8);
    ASSERT_EQ(errors.count(), 1);
    EXPECT_TRUE(errors.at(0).at(0).toString().contains("/nonexistent/ttyGone")) << errors.at(0).at(0).toString().toStdString();
    EXPECT_FALSE(comm->Active());
    EXPECT_EQ(box.currentIndex(), 8);

    comm->SetActive(false);
    ::close(master);
    ::close(slave);
}

}  // namespace
