// The port list: what the system reports (a fixture sysfs tree and udev database), how
// it is numbered and ordered, and the kernel's hot-plug messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "serial/TnrComm.h"
#include "serial/linux/SysfsPortSource.h"
#include "serial/linux/UeventMonitor.h"
#include "tests/ports/PortFixtures.h"

using namespace orvanta::serial;
namespace fs = std::filesystem;
using orvanta::test::FixtureUdevDb;
using orvanta::test::TempTree;
using orvanta::test::kSysfsFixture;

namespace {

struct Expected {
    std::string name, path, description, manufacturer, driver;
};

void expectPorts(const std::vector<FoundPort>& got, const std::vector<Expected>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(want[i].name);
        EXPECT_EQ(got[i].name, want[i].name);
        EXPECT_EQ(got[i].path, want[i].path);
        EXPECT_EQ(got[i].description, want[i].description);
        EXPECT_EQ(got[i].manufacturer, want[i].manufacturer);
        EXPECT_EQ(got[i].driver, want[i].driver);
    }
}

TEST(SysfsPorts, ListsPresentPortsInNaturalOrderDescribedFromSysfs) {
    // No udev daemon: everything comes from sysfs. Absent: ttyS1 and ttyS2 (8250 slots
    // of type 0), tty1, ptmx and console (virtual, no device).
    SysfsPortSource source(kSysfsFixture, "/dev", nullptr);
    expectPorts(source.enumerate(),
                {
                    {"rfcomm0", "/dev/rfcomm0", "Bluetooth 00:1A:7D:DA:71:13 channel 1", "", "rfcomm"},
                    {"rfcomm1", "/dev/rfcomm1", "Bluetooth 98:D3:31:F5:2A:07 channel 1", "", "rfcomm"},
                    {"ttyACM0", "/dev/ttyACM0", "Pico", "Raspberry Pi", "cdc_acm"},
                    {"ttyS0", "/dev/ttyS0", "16550A UART", "", "serial"},
                    {"ttyUSB2", "/dev/ttyUSB2", "", "", "cp210x"},
                    {"ttyUSB10", "/dev/ttyUSB10", "FT232R USB UART", "FTDI", "ftdi_sio"},
                });
}

TEST(SysfsPorts, UdevDatabaseDescribesTheDevicesItKnows) {
    auto db = std::make_unique<FixtureUdevDb>(std::string(kSysfsFixture) + "/udev-db");
    FixtureUdevDb* seen = db.get();
    SysfsPortSource source(kSysfsFixture, "/dev", std::move(db));
    auto ports = source.enumerate();
    expectPorts(ports,
                {
                    {"rfcomm0", "/dev/rfcomm0", "Bluetooth 00:1A:7D:DA:71:13 channel 1", "", "rfcomm"},
                    {"rfcomm1", "/dev/rfcomm1", "Bluetooth 98:D3:31:F5:2A:07 channel 1", "", "rfcomm"},
                    {"ttyACM0", "/dev/ttyACM0", "Pico", "Raspberry Pi", "cdc_acm"},
                    // udev knows it but has no model: the sysfs text stays.
                    {"ttyS0", "/dev/ttyS0", "16550A UART", "", "serial"},
                    // No product string in the device: the hardware database's names.
                    {"ttyUSB2", "/dev/ttyUSB2", "CP210x UART Bridge", "Silicon Labs", "cp210x"},
                    {"ttyUSB10", "/dev/ttyUSB10", "FT232R USB UART", "FTDI", "ftdi_sio"},
                });
    // libudev is asked with the tty's real directory, not the class link.
    EXPECT_EQ(seen->asked.at("ttyUSB10"),
              fs::canonical(std::string(kSysfsFixture) + "/class/tty/ttyUSB10").string());
}

TEST(UdevDescription, DeviceStringFirstThenDatabaseName) {
    struct Case {
        const char* what;
        DeviceProperties props;
        std::string description, manufacturer;
    };
    const Case cases[] = {
        {"encoded strings decoded",
         {{"ID_MODEL_ENC", "USB\\x20Serial\\x20Port"}, {"ID_VENDOR_ENC", "Prolific\\x20Technology\\x20Inc."}},
         "USB Serial Port", "Prolific Technology Inc."},
        {"newer ID_USB_ names preferred",
         {{"ID_USB_MODEL_ENC", "Pico"}, {"ID_MODEL_ENC", "old"}, {"ID_USB_VENDOR_ENC", "RPi"}, {"ID_VENDOR_ENC", "old"}},
         "Pico", "RPi"},
        {"a bare numeric id gives way to the database",
         {{"ID_MODEL_ENC", "7523"}, {"ID_MODEL_ID", "7523"}, {"ID_MODEL_FROM_DATABASE", "CH340 serial converter"},
          {"ID_VENDOR_ENC", "1a86"}, {"ID_VENDOR_ID", "1a86"}, {"ID_VENDOR_FROM_DATABASE", "QinHeng Electronics"}},
         "CH340 serial converter", "QinHeng Electronics"},
        {"plain ID_MODEL with underscores", {{"ID_MODEL", "USB_UART_Bridge"}}, "USB UART Bridge", ""},
        {"control characters and bad escapes", {{"ID_MODEL_ENC", "A\\x01B\\x2"}}, "A B\\x2", ""},
        {"nothing known", {{"ID_PATH", "pnp-00:01"}}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PortDescription d = describeFromProperties(c.props);
        EXPECT_EQ(d.description, c.description);
        EXPECT_EQ(d.manufacturer, c.manufacturer);
    }
}

TEST(SysfsPorts, BrokenTreesListWhatCanBeReadAndNothingElse) {
    EXPECT_TRUE(SysfsPortSource("/nonexistent/sys", "/dev", nullptr).enumerate().empty());

    TempTree t;
    // A dangling class link, a device link that loops, a name the kernel never gives,
    // and a uevent that tries to name a node outside /dev.
    t.link("class/tty/ttyGone", "../../devices/nowhere/ttyGone");
    t.file("devices/loop/tty/ttyLoop/dev", "4:70");
    t.link("devices/loop/tty/ttyLoop/device", "device");
    t.link("class/tty/ttyLoop", "../../devices/loop/tty/ttyLoop");
    t.file("devices/platform/x/tty/ttyX0/uevent", "MAJOR=204\nMINOR=64\nDEVNAME=../etc/passwd\n");
    t.file("devices/platform/x/tty/ttyX0/type", "not a number");
    t.file("devices/platform/x/idVendor", "1234");
    t.file("devices/platform/x/product", std::string("bad\x1b[31m\nsecond line"));
    t.link("devices/platform/x/tty/ttyX0/device", "../../../x");
    t.link("class/tty/ttyX0", "../../devices/platform/x/tty/ttyX0");
    auto ports = SysfsPortSource(t.root(), "/dev", nullptr).enumerate();
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].name, "ttyX0");
    EXPECT_EQ(ports[0].path, "/dev/ttyX0");
    EXPECT_EQ(ports[0].description, "bad [31m") << "first line only, control characters blanked";
}

TEST(DeviceNumbering, ComNamesKeepTheirNumberOthersCountFrom4097) {
    std::vector<FoundPort> found;
    for (const char* n : {"COM10", "COM2", "ttyUSB0", "COM3", "rfcomm0", " com7 ", "COMx", "COM3", "COM"})
        found.push_back({n, std::string("/dev/") + n, "", "", ""});
    found[1].description = "USB Serial Port";
    found[7].description = "second COM3";
    std::vector<TnrDevice> list;
    appendDevices(list, found);

    const std::vector<std::pair<int32_t, std::string>> want = {
        {2, "COM2 (USB Serial Port)"}, {3, "COM3"}, {7, "com7"}, {10, "COM10"},
        {4097, "ttyUSB0"}, {4098, "rfcomm0"}, {4099, "COMx"}, {4100, "COM"},
    };
    ASSERT_EQ(list.size(), want.size()) << "the second COM3 is dropped: the first found wins";
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(list[i].Data, want[i].first) << i;
        EXPECT_EQ(list[i].NameFriendly, want[i].second) << i;
        EXPECT_EQ(list[i].Index, static_cast<int>(i));
    }
}

TEST(DeviceNumbering, NaturalOrder) {
    const std::pair<const char*, const char*> less[] = {
        {"ttyUSB2", "ttyUSB10"}, {"ttyS9", "ttyS10"}, {"rfcomm0", "ttyACM0"}, {"ttyACM0", "ttyS0"},
        {"ttyUSB", "ttyUSB0"},   {"ttyS0", "ttyUSB0"}, {"a99999999999999999999", "a100000000000000000000"},
    };
    for (auto [a, b] : less) {
        EXPECT_TRUE(naturalLess(a, b)) << a << " < " << b;
        EXPECT_FALSE(naturalLess(b, a)) << b << " < " << a;
    }
}

class ThrowingSource : public PortSource {
public:
    std::vector<FoundPort> enumerate() override { throw std::runtime_error("sysfs went away"); }
};

TEST(DeviceNumbering, ComponentListsSystemPortsThenExtraPortsOnce) {
    TnrComm comm(createPlatformSerialDevice(), std::make_unique<SysfsPortSource>(kSysfsFixture, "/dev", nullptr));
    comm.AddExtraPort({"/dev/pts/9", "/dev/pts/9", "simulated module", "", ""});
    comm.AddExtraPort({"/dev/ttyUSB10", "/dev/ttyUSB10", "", "", ""});  // also found by the system
    std::vector<std::string> names;
    std::vector<int32_t> numbers;
    for (const TnrDevice& d : comm.GetDeviceList()) {
        names.push_back(d.NameFriendly);
        numbers.push_back(d.Data);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"rfcomm0 (Bluetooth 00:1A:7D:DA:71:13 channel 1)",
                                               "rfcomm1 (Bluetooth 98:D3:31:F5:2A:07 channel 1)", "ttyACM0 (Pico)",
                                               "ttyS0 (16550A UART)", "ttyUSB2", "ttyUSB10 (FT232R USB UART)",
                                               "/dev/pts/9 (simulated module)"}));
    EXPECT_EQ(numbers, (std::vector<int32_t>{4097, 4098, 4099, 4100, 4101, 4102, 4103}));

    // A system that cannot be asked still leaves the ports given by hand.
    comm.SetPortSource(std::make_unique<ThrowingSource>());
    comm.Update();
    ASSERT_EQ(comm.DeviceCount(), 2);
    EXPECT_EQ(comm.GetDevice(0)->PortName, "/dev/pts/9");
    EXPECT_EQ(comm.GetDevice(1)->PortName, "/dev/ttyUSB10");
}

TEST(KernelUevent, OnlyTtyAddRemoveMoveAndChangeCount) {
    using K = PortChange::Kind;
    struct Case {
        std::string msg;
        std::optional<K> kind;
        std::string name;
    };
    auto m = [](std::initializer_list<const char*> parts) {
        std::string s;
        for (const char* p : parts) s.append(p).push_back('\0');
        return s;
    };
    const std::string usb = "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/ttyUSB0/tty/ttyUSB0";
    const Case cases[] = {
        {m({("add@" + usb).c_str(), "ACTION=add", ("DEVPATH=" + usb).c_str(), "SUBSYSTEM=tty", "MAJOR=188",
            "MINOR=0", "DEVNAME=ttyUSB0", "SEQNUM=4711"}),
         K::Added, "ttyUSB0"},
        {m({"remove@/devices/virtual/tty/rfcomm0", "ACTION=remove", "DEVPATH=/devices/virtual/tty/rfcomm0",
            "SUBSYSTEM=tty", "DEVNAME=rfcomm0"}),
         K::Removed, "rfcomm0"},
        {m({"move@/devices/virtual/bluetooth/hci0/hci0:11/tty/rfcomm0", "ACTION=move",
            "DEVPATH=/devices/virtual/bluetooth/hci0/hci0:11/tty/rfcomm0", "DEVPATH_OLD=/devices/virtual/tty/rfcomm0",
            "SUBSYSTEM=tty"}),
         K::Moved, "rfcomm0"},
        // Without the trailing NUL, as a sender may cut it.
        {"add@/devices/virtual/tty/rfcomm2" + std::string(1, '\0') + "ACTION=add" + std::string(1, '\0') +
             "SUBSYSTEM=tty" + std::string(1, '\0') + "DEVPATH=/devices/virtual/tty/rfcomm2",
         K::Added, "rfcomm2"},
        {m({"add@/devices/pci0000:00/0000:00:14.0/usb1/1-2", "ACTION=add", "SUBSYSTEM=usb", "DEVPATH=/x/1-2"}),
         std::nullopt, ""},
        {m({("bind@" + usb).c_str(), "ACTION=bind", "SUBSYSTEM=tty", ("DEVPATH=" + usb).c_str()}), std::nullopt, ""},
        {m({"libudev", "ACTION=add", "SUBSYSTEM=tty", "DEVPATH=/devices/virtual/tty/ttyX"}), std::nullopt, ""},
        {m({"no header here", "ACTION=add", "SUBSYSTEM=tty"}), std::nullopt, ""},
        {m({"add@/devices/virtual/tty/", "ACTION=add", "SUBSYSTEM=tty", "DEVPATH="}), std::nullopt, ""},
        {std::string("\0\0\0=", 4), std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.msg.substr(0, c.msg.find('\0')));
        auto got = parseKernelUevent(c.msg.data(), c.msg.size());
        ASSERT_EQ(got.has_value(), c.kind.has_value());
        if (got) {
            EXPECT_EQ(got->kind, *c.kind);
            EXPECT_EQ(got->name, c.name);
        }
    }
}

TEST(RealSystem, EnumerationAndMonitorWork) {
    // Whatever this machine has: every port listed exists in /sys/class/tty and opens
    // as a /dev node; nothing hangs or throws.
    auto ports = createPlatformPortSource()->enumerate();
    for (const FoundPort& p : ports) {
        SCOPED_TRACE(p.name);
        EXPECT_TRUE(fs::exists(fs::path("/sys/class/tty") / p.name));
        EXPECT_EQ(p.path.rfind("/dev/", 0), 0u);
    }
    ::testing::Test::RecordProperty("ports", static_cast<int>(ports.size()));
    auto monitor = createPlatformPortMonitor();
    if (monitor) {
        EXPECT_GE(monitor->fd(), 0);
        monitor->takeChanges();  // returns at once with nothing waiting
    }
}

}  // namespace
