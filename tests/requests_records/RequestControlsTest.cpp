// The request controls of the record pages, pressed in the real window connected to
// the simulated module: each posts exactly its state, command and parameter, and where
// the loop already performs that state, the module receives exactly the expected frame.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QScrollBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "tests/support/WindowHarness.h"
#include "ui/widgets/Editors.h"

using namespace orvanta;
using test::Bytes;
using test::WindowHarness;

namespace {

constexpr int kNoParam = -1;

struct Control {
    const char* name;
    const char* caption;  // empty: a picture-only button
    int32_t state;
    uint8_t command;
    int param;
    Bytes frame;              // what the module receives once the loop performs the state
    bool headerOnly = false;  // payload still comes from elsewhere: check lead, length, command
};

Bytes withPayload(Bytes head, const Bytes& payload) {
    head.insert(head.end(), payload.begin(), payload.end());
    return head;
}

Bytes repeat(const Bytes& unit, size_t times) {
    Bytes out;
    for (size_t i = 0; i < times; ++i) out.insert(out.end(), unit.begin(), unit.end());
    return out;
}

connection::RequestFields& request(WindowHarness& h) { return h.window().session().request; }

bool loopPerforms(WindowHarness& h, int32_t state) { return h.window().loop().states().find(state) != nullptr; }

// Waits until the loop is idle or parked in a state it has no action for.
void settle(WindowHarness& h) {
    WindowHarness::waitFor([&] {
        const int32_t s = request(h).ConnState;
        return s == connection::kIdleState || !loopPerforms(h, s);
    }, 5000);
}

void pressAndExpect(WindowHarness& h, const Control& c) {
    SCOPED_TRACE(c.name);
    auto* b = h.find<QAbstractButton>(c.name);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text().toStdString(), c.caption);
    if (!*c.caption) {
        EXPECT_FALSE(b->toolTip().isEmpty());
        EXPECT_FALSE(b->accessibleName().isEmpty());
        EXPECT_FALSE(b->icon().isNull());
    }
    h.mark();
    b->click();
    // The handler has run; the loop has not yet had its pass.
    EXPECT_EQ(request(h).ConnState, c.state);
    EXPECT_EQ(request(h).RequestCommand, c.command);
    if (c.param != kNoParam) {
        EXPECT_EQ(request(h).RequestParam, c.param);
    }
    if (loopPerforms(h, c.state)) {
        Bytes got = h.nextFrame();
        if (c.headerOnly) {
            ASSERT_GE(got.size(), 3u) << test::hex(got);
            EXPECT_EQ(Bytes(got.begin(), got.begin() + 3), c.frame) << test::hex(got);
            EXPECT_EQ(got.size(), size_t{c.frame[1]} + 2) << test::hex(got);
        } else {
            EXPECT_EQ(got, c.frame) << test::hex(got);
        }
    }
    settle(h);
}

class RecordPageRequests : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(h.connect()); }
    WindowHarness h;
};

TEST_F(RecordPageRequests, EveryControlPostsItsRequest) {
    const Bytes gamma33Start{0x0F, 0x24, 0x1C, 0x0A, 0x0F, 0x08, 0x44, 0x87, 0x32, 0x0F, 0x10, 0x06, 0x1A, 0x07, 0x00,
                             0x0F, 0x38, 0x30, 0x09, 0x0F, 0x0F, 0x4E, 0x77, 0x3C, 0x07, 0x4C, 0x05, 0x23, 0x1B, 0x00};
    Bytes gamma32Start(34, 0x00);
    gamma32Start[33] = 0x01;
    const std::vector<Control> controls{
        // "Screen Setup" › "Screen size"
        {"BitBtn32", "Screen size setup", 50, 10, kNoParam, {0xA6, 0x01, 0x0A}},
        {"BitBtn77", "", 50, 11, kNoParam, {0xA6, 0x01, 0x0B}},
        {"BitBtn64", "", 50, 12, kNoParam, {0xA6, 0x01, 0x0C}},
        {"BitBtn60", "", 50, 13, kNoParam, {0xA6, 0x01, 0x0D}},
        {"BitBtn50", "", 50, 14, kNoParam, {0xA6, 0x01, 0x0E}},
        {"BitBtn31", "Save size", 50, 15, kNoParam, {0xA6, 0x01, 0x0F}},
        {"BitBtn44", "Show Back-nd", 51, 41, 5, {0xA6, 0x02, 0x29, 0x05}},
        {"BitBtn78", "", 51, 42, 5, {0xA6, 0x02, 0x2A, 0x05}},
        {"BitBtn79", "", 51, 43, 5, {0xA6, 0x02, 0x2B, 0x05}},
        {"BitBtn48", "Save Background", 51, 44, 5, {0xA6, 0x02, 0x2C, 0x05}},
        {"BitBtn30", "Brightness", 51, 50, 100, {0xA6, 0x02, 0x32, 0x64}},
        {"Button19", "Sleep In", 50, 101, kNoParam, {0xA6, 0x01, 0x65}},
        {"Button20", "Sleep Out", 50, 100, kNoParam, {0xA6, 0x01, 0x64}},
        {"BitBtn53", "Read", 175, 48, kNoParam, {0xA6, 0x01, 0x30}},
        {"BitBtn49", "Save", 177, 47, kNoParam, {0xA6, 0x05, 0x2F, 0x00, 0xFF, 0x01, 0x01}},
        {"CheckBox44", "Terminal 15", 50, 52, kNoParam, {0xA6, 0x01, 0x34}},
        {"CheckBox44", "Terminal 15", 50, 51, kNoParam, {0xA6, 0x01, 0x33}},
        // "Screen Setup" › "GAMMA"; the sets are sent before any preset touches them
        {"Button25", "SET GAMMA", 152, 30, kNoParam,
         {0xA6, 0x0D, 0x1E, 0x77, 0x77, 0x00, 0x07, 0x0F, 0x00, 0x00, 0x42, 0x42, 0x74, 0x00, 0x1E}},
        {"Button32", "Set GAMMA", 155, 30, kNoParam, withPayload({0xA6, 0x23, 0x1E}, gamma32Start)},
        {"Button40", "Set GAMMA", 157, 30, kNoParam, withPayload({0xA6, 0x1F, 0x1E}, gamma33Start)},
        {"BitBtn33", "Save", 153, 31, kNoParam, {0xA6, 0x01, 0x1F}},
        {"Button33", "Set default GAMMA", 153, 61, kNoParam, {0xA6, 0x01, 0x3D}},
        {"Button35", "Set default GAMMA С", 153, 61, kNoParam, {0xA6, 0x01, 0x3D}},
        {"Button185654444", "Set default GAMMA D", 153, 61, kNoParam, {0xA6, 0x01, 0x3D}},
        // "Extra Coding"
        {"BitBtn28", "Read Encode", 54, 23, kNoParam, {0xA6, 0x01, 0x17}},
        {"BitBtn29", "Save Encode", 52, 21, kNoParam, {0xA6, 0x11, 0x15}, true},
        {"BitBtn51", "LONG", 50, 5, kNoParam, {0xA6, 0x01, 0x05}},
        {"BitBtn73", "LONG", 50, 6, kNoParam, {0xA6, 0x01, 0x06}},
        // "TurboTimer"
        {"BitBtn26", "Read ", 166, 38, kNoParam, {0xA6, 0x01, 0x26}},
        {"BitBtn27", "Save", 165, 37, kNoParam,
         {0xA6, 0x15, 0x25, 0x5A, 0x00, 0x5A, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x5A, 0x00,
          0x00, 0x00, 0xDC, 0x05, 0x58, 0x02, 0xDC, 0x05, 0x58, 0x02}},
        {"Button29", "TurboTimer switch ON", 50, 7, kNoParam, {0xA6, 0x01, 0x07}},
        {"Button30", "TurboTimer switch OFF", 50, 8, kNoParam, {0xA6, 0x01, 0x08}},
        // "Transmission": the start ratio values as shown
        {"BitBtn24", "Read ", 163, 36, kNoParam, {0xA6, 0x01, 0x24}},
        {"BitBtn25", "Save", 162, 35, kNoParam,
         {0xA6, 0x0D, 0x23, 0x5A, 0x00, 0x3C, 0x00, 0x28, 0x00, 0x21, 0x00, 0x1C, 0x00, 0x18, 0x00}},
        // "User Calibration"
        {"BitBtn92222", "Read Calibration", 173, 46, kNoParam, {0xA6, 0x01, 0x2E}},
        {"BitBtn20", "Save Calibration", 172, 45, kNoParam, withPayload({0xA6, 0x21, 0x2D}, repeat({0x64, 0x00}, 16))},
        {"BitBtn45", "Reset Calibration", 172, 45, kNoParam,
         withPayload({0xA6, 0x21, 0x2D}, repeat({0x64, 0x00}, 16))},
        {"BitBtn9", "Reset all Log books", 55, 40, kNoParam, {0xA6, 0x01, 0x28}},
        // "Extended"
        {"BitBtn53234242134214", "Read", 195, 110, kNoParam, {0xA6, 0x01, 0x6E}},
        {"BitBtn60qwrqerqeqw", "Save", 197, 111, kNoParam,
         {0xA6, 0x17, 0x6F, 0x00, 0x05, 0xF0, 0x00, 0x00, 0x00, 0xE8, 0x03, 0x00, 0x00, 0x0A,
          0xD7, 0xA3, 0x3B, 0x0A, 0xD7, 0xA3, 0x3B, 0x0A, 0xD7, 0xA3, 0x3B}},
        // "Installer"
        {"BitBtn61", "Save Installer info", 154, 97, kNoParam, {0xA6, 0x29, 0x61}, true},
    };
    for (const Control& c : controls) pressAndExpect(h, c);
}

TEST_F(RecordPageRequests, ChangeLcdTypeWaitsForTheListAndSendsTheTypeNumber) {
    auto* types = h.find<ui::ComboBox>("ComboBox39");
    auto* change = h.find<QAbstractButton>("Button1854333");
    ASSERT_TRUE(types && change);
    EXPECT_EQ(types->placeholderText(), "Type of Display");
    EXPECT_FALSE(change->isEnabled());
    h.window().loop().Post(connection::kIdleState);
    change->click();
    EXPECT_EQ(request(h).ConnState, connection::kIdleState);

    if (types->count() == 0)
        types->setItems({"10 - LCD 3.2\" ILI9481", "11 - LCD 3.2\" HX8357C", "12 - LCD 3.2\" HX8357B",
                         "13 - LCD 3.2\" ILI9486", "", "15 - LCD 3.2\" ILI9481 (v2)"});
    // Opening and closing the list without a choice is enough to enable the button.
    QComboBox* list = types;
    list->showPopup();
    list->hidePopup();
    EXPECT_TRUE(change->isEnabled());
    pressAndExpect(h, {"Button1854333", "Change LCD type", 51, 53, 9, {0xA6, 0x02, 0x35, 0x09}});
    types->setCurrentIndex(2);
    pressAndExpect(h, {"Button1854333", "Change LCD type", 51, 53, 12, {0xA6, 0x02, 0x35, 0x0C}});
    types->setCurrentIndex(4);  // the empty entry still stands for its type number
    pressAndExpect(h, {"Button1854333", "Change LCD type", 51, 53, 14, {0xA6, 0x02, 0x35, 0x0E}});
}

TEST_F(RecordPageRequests, BrightnessEditorAndScrollBarFollowEachOther) {
    auto* level = h.find<ui::SpinEdit>("SpinEdit2");
    auto* bar = h.find<QScrollBar>("ScrollBar2");
    ASSERT_TRUE(level && bar);
    bar->setValue(70);
    EXPECT_EQ(level->value(), 70);
    level->setValue(30);
    EXPECT_EQ(bar->value(), 30);
    pressAndExpect(h, {"BitBtn30", "Brightness", 51, 50, 30, {0xA6, 0x02, 0x32, 0x1E}});
}

TEST_F(RecordPageRequests, ProtectedMemoryIsLockedUntilTheInstallerCodeAndEachSetLocksItself) {
    auto* box = h.find<QGroupBox>("GroupBox40");
    auto* code = h.find<ui::SpinEdit>("LoginSpinEdit");
    ASSERT_TRUE(box && code);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(h.find<ui::ComboBox>("ComboBox2")->placeholderText(), "Display type");

    code->setValue(12345);
    h.click("Button18342");
    EXPECT_TRUE(WindowHarness::waitFor([&] { return h.find<QMessageBox>("LoginWarning") != nullptr; }));
    EXPECT_EQ(h.find<QMessageBox>("LoginWarning")->text(), "Invalide login");
    EXPECT_FALSE(box->isEnabled());

    code->setValue(39772);
    h.click("Button18342");
    EXPECT_TRUE(box->isEnabled());

    struct SetButton { const char* name; int32_t state; uint8_t command; Bytes frame; };
    for (const SetButton& s : {SetButton{"Button5122222", 250, 80, {0xA6, 0x03, 0x50, 0x4F, 0x4F}},
                               SetButton{"Button6errr", 251, 81, {0xA6, 0x03, 0x51, 0x09, 0x09}}}) {
        SCOPED_TRACE(s.name);
        pressAndExpect(h, {s.name, "Set", s.state, s.command, kNoParam, s.frame});
        auto* b = h.find<QAbstractButton>(s.name);
        EXPECT_FALSE(b->isEnabled());
        h.window().loop().Post(connection::kIdleState);
        b->click();
        EXPECT_EQ(request(h).ConnState, connection::kIdleState);
    }

    // The code unlocks both buttons again; a wrong code afterwards does not lock the box.
    h.click("Button18342");
    EXPECT_TRUE(h.find<QAbstractButton>("Button5122222")->isEnabled());
    EXPECT_TRUE(h.find<QAbstractButton>("Button6errr")->isEnabled());
    code->setValue(10000);
    h.click("Button18342");
    EXPECT_TRUE(box->isEnabled());
}

TEST_F(RecordPageRequests, HardwareVersionThatIsNoNumberIsRefusedBeforePosting) {
    h.find<ui::SpinEdit>("LoginSpinEdit")->setValue(39772);
    h.click("Button18342");
    h.find<ui::ComboBox>("ComboBox7")->setText("7x");
    h.window().loop().Post(connection::kIdleState);
    h.click("Button5122222");
    EXPECT_EQ(request(h).ConnState, connection::kIdleState);
    EXPECT_TRUE(h.find<QAbstractButton>("Button5122222")->isEnabled());
    EXPECT_TRUE(WindowHarness::waitFor([&] { return h.find<QMessageBox>("ErrorBox") != nullptr; }));
    EXPECT_TRUE(h.find<QMessageBox>("ErrorBox")->text().contains("7x"));
}

TEST_F(RecordPageRequests, LevelWarningCodesSwitchBothExtraCodingBoxes) {
    auto* coolant = h.find<QCheckBox>("CheckBox48");
    auto* oil = h.find<QCheckBox>("CheckBox49");
    ASSERT_TRUE(coolant && oil);
    EXPECT_TRUE(coolant->isChecked() && oil->isChecked());
    EXPECT_FALSE(coolant->isEnabled() || oil->isEnabled());
    auto* code = h.find<ui::SpinEdit>("LoginSpinEdit");
    code->setValue(26328);
    h.click("Button18342");
    EXPECT_FALSE(coolant->isChecked() || oil->isChecked());
    code->setValue(29494);
    h.click("Button18342");
    EXPECT_TRUE(coolant->isChecked() && oil->isChecked());
    EXPECT_FALSE(h.find<QGroupBox>("GroupBox40")->isEnabled());
}

TEST_F(RecordPageRequests, ResetCalibrationResetsAllButSpeedAndEgtBeforeSaving) {
    h.find<ui::SpinEdit>("SpinEdit163")->setValue(300);
    h.find<ui::SpinEdit>("SpinEdit168")->setValue(150);
    h.find<ui::SpinEdit>("SpinEdit206")->setValue(105);
    h.find<ui::SpinEdit>("SpinEdit209")->setValue(90);
    Bytes payload = repeat({0x64, 0x00}, 16);
    payload[24] = 0x69;  // speed NEW
    payload[30] = 0x5A;  // EGT OLD
    pressAndExpect(h, {"BitBtn45", "Reset Calibration", 172, 45, kNoParam, withPayload({0xA6, 0x21, 0x2D}, payload)});
    for (const char* name : {"SpinEdit163", "SpinEdit164", "SpinEdit165", "SpinEdit166", "SpinEdit167", "SpinEdit168",
                             "SpinEdit114", "SpinEdit115", "SpinEdit116", "SpinEdit117", "SpinEdit118", "SpinEdit119"})
        EXPECT_EQ(h.find<ui::SpinEdit>(name)->value(), 100) << name;
    EXPECT_EQ(h.find<ui::SpinEdit>("SpinEdit206")->value(), 105);
    EXPECT_EQ(h.find<ui::SpinEdit>("SpinEdit209")->value(), 90);
}

TEST_F(RecordPageRequests, GammaPresetsFillTheirGroupHeldWithinEachEditorsRange) {
    auto value = [&](int n) { return h.find<ui::SpinEdit>(QString("SpinEdit%1").arg(n))->value(); };
    h.click("Button34");  // "Def HX-8375B": byte 2 is 6/7, byte 6 is 30
    EXPECT_EQ(value(8), 6);
    EXPECT_EQ(value(20), 7);
    EXPECT_EQ(value(12), 30);
    h.click("Button36");  // "Def ILI-9481"
    EXPECT_EQ(value(8), 3);
    EXPECT_EQ(value(17), 12);

    h.click("Button555121");  // "Def ILI-9486": 136 does not fit the 0..135 editor
    EXPECT_EQ(value(82), 135);
    EXPECT_EQ(value(101), 16);
    h.find<ui::SpinEdit>("SpinEdit86")->setValue(99);
    h.find<ui::SpinEdit>("SpinEdit101")->setValue(98);
    h.click("Button1822222");  // "Def R61581" leaves positions 11-15 and 26-30 alone
    EXPECT_EQ(value(75), 0);
    EXPECT_EQ(value(84), 50);
    EXPECT_EQ(value(86), 99);
    EXPECT_EQ(value(100), 0);
    EXPECT_EQ(value(101), 98);

    // Both default buttons of the first group fill the HX-8357 editors.
    pressAndExpect(h, {"Button185654444", "Set default GAMMA D", 153, 61, kNoParam, {0xA6, 0x01, 0x3D}});
    EXPECT_EQ(value(41), 11);
    EXPECT_EQ(value(73), 224);
    EXPECT_EQ(value(74), 0);
    pressAndExpect(h, {"Button33", "Set default GAMMA", 153, 61, kNoParam, {0xA6, 0x01, 0x3D}});
    EXPECT_EQ(value(41), 0);
    EXPECT_EQ(value(57 + 15), 3);
    EXPECT_EQ(value(74), 1);
}

TEST(RecordPageFrames, ScreenSetupKeepsItsGammaSheetsHidden) {
    WindowHarness h;
    auto* tabs = h.find<QTabWidget>("PageControl1");
    ASSERT_TRUE(tabs);
    ASSERT_EQ(tabs->count(), 4);
    const char* captions[4] = {"Screen size", "GAMMA", "GAMMA HX8357C", "GAMMA ILI9486"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tabs->tabText(i).toStdString(), captions[i]);
        EXPECT_EQ(tabs->isTabVisible(i), i < 2) << captions[i];
    }
}

TEST(RecordPageFrames, HelpPicturesNameTheirPages) {
    WindowHarness h;
    const std::pair<const char*, const char*> pictures[] = {{"Image127", "/Installation/Turbotimer.htm"},
                                                            {"Image35", "/Installation/Turbotimer.htm"},
                                                            {"Image40", "/Installation/Webasto.htm"},
                                                            {"Image4", "/Installation/Add.htm"}};
    for (auto [name, path] : pictures) {
        auto* picture = h.find<QWidget>(name);
        ASSERT_TRUE(picture) << name;
        EXPECT_TRUE(picture->toolTip().endsWith(path)) << name << ": " << picture->toolTip().toStdString();
    }
}

}  // namespace
