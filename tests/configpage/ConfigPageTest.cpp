// The "Config" page through the real window: reading, writing and erasing the module's
// configuration over the simulated module, editors that absorb odd values, and the
// backup file.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "records/SysConfig.h"
#include "tests/configpage/Print.h"
#include "tests/support/WindowHarness.h"
#include "ui/pages/ConfigPage.h"
#include "ui/widgets/Editors.h"
#include "ui/widgets/RadioGroup.h"

using namespace orvanta;
using records::SysRecord;
using test::Bytes;
using test::WindowHarness;
namespace fs = std::filesystem;
namespace sys = records::sys;

namespace {

// The module's record for these tests, with marked values in the bytes no editor covers.
SysRecord moduleRecord() {
    SysRecord r{};
    const uint32_t serial = 712345;
    for (int i = 0; i < 4; ++i) r[static_cast<size_t>(i)] = static_cast<uint8_t>(serial >> (8 * i));
    r[4] = 78;
    r[5] = 162;  // LCD type 16, "1J0 comfort CAN 62.5kbit filter"
    r[6] = r[7] = r[17] = 1;
    r[8] = 1;
    r[9] = 0x03;
    r[10] = 0x80 | 0x04;  // left door, °F
    r[11] = 0x12;         // ECU motor speed, CAN right stalk
    r[12] = 1;
    r[13] = 90;
    r[14] = 0;
    r[15] = 1;
    r[16] = 3;
    r[18] = 0;
    r[19] = 0x5A;
    r[20] = 1;
    r[21] = 2;
    r[22] = 27;
    r[23] = 115;
    r[24] = 118;
    r[25] = 61;
    r[26] = 0x33;
    r[27] = 1;
    r[28] = 2;
    r[29] = 10;
    for (int i = 30; i < 38; ++i) r[static_cast<size_t>(i)] = static_cast<uint8_t>(0x90 + i);
    r[38] = 5;
    r[40] = 2;
    r[41] = 85;
    for (int i = 43; i < 52; ++i) r[static_cast<size_t>(i)] = static_cast<uint8_t>(0xC0 + i);
    return r;
}

bool untouchedByEditors(size_t i) { return i == 19 || i == 26 || (i >= 30 && i <= 37) || i >= 43; }

class ConfigPageTest : public ::testing::Test {
protected:
    // What the module does wrong in this test; nothing by default.
    virtual sim::Faults faults() const { return {}; }

    void SetUp() override {
        harness = std::make_unique<WindowHarness>(faults());
        h().sim().withState([](sim::ModuleState& s) { s.sys = moduleRecord(); });
        page = h().window().findChild<ui::ConfigPage*>();
        ASSERT_NE(page, nullptr);
    }

    template <class T>
    T* find(const char* name) {
        T* w = h().find<T>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    ui::ComboBox* combo(const char* name) { return find<ui::ComboBox>(name); }
    ui::RadioGroup* radios(const char* name) { return find<ui::RadioGroup>(name); }
    SysRecord& sysRecord() { return h().window().session().SysRecord; }
    connection::RequestFields& request() { return h().window().session().request; }

    // The text of the error shown last ("" for none); the boxes are closed.
    QString takeError() {
        QString text;
        for (QMessageBox* b : h().window().findChildren<QMessageBox*>("ErrorBox")) {
            text = b->text();
            delete b;
        }
        return text;
    }

    // Waits until the module's configuration reply has been shown.
    bool configurationShownAfter(const std::function<void()>& action) {
        QSignalSpy shown(&h().window(), &ui::TForm3::configurationShown);
        action();
        return WindowHarness::waitFor([&] { return shown.count() > 0; }, 5000);
    }

    // What the editors must show for a record: the record's values as the editors keep them.
    sys::SysEditors expectedEditors(SysRecord r) {
        sys::SysEditors e = sys::limitToEditors(sys::unpack(r));
        const sys::SysEditors actual = page->editors();
        // The two "Installer" editors are compared only where that page has them.
        if (!actual.sdBus4Bit) e.sdBus4Bit.reset();
        if (!actual.sdSpeedDivider) e.sdSpeedDivider.reset();
        return e;
    }

    WindowHarness& h() { return *harness; }

    std::unique_ptr<WindowHarness> harness;
    ui::ConfigPage* page = nullptr;
};

TEST_F(ConfigPageTest, ConnectingShowsTheModulesConfigurationAndVersions) {
    ASSERT_TRUE(h().connect());
    EXPECT_EQ(sysRecord(), moduleRecord());
    EXPECT_EQ(page->editors(), expectedEditors(moduleRecord()));

    EXPECT_EQ(find<QSpinBox>("SpinEdit4")->value(), 712345);
    EXPECT_EQ(combo("ComboBox3")->text(), "78");
    EXPECT_EQ(combo("ComboBox4")->text(), "16 - LCD 3.5\" ILI9486 (v2)");
    EXPECT_EQ(combo("ComboBox5")->text(), "1J0 comfort CAN 62.5kbit filter");
    EXPECT_EQ(combo("ComboBox8")->text(), "[61] VW Golf5");
    EXPECT_EQ(combo("ComboBoxEx27")->text(), "27 Српски (km, litr, C, bar, l/100km)");
    EXPECT_FALSE(combo("ComboBoxEx27")->itemIcon(26).isNull());
    EXPECT_EQ(combo("ComboBox10")->text(), "3 - ECU (1)");
    EXPECT_EQ(radios("RadioGroup11")->button(1)->isChecked(), true);
    EXPECT_EQ(radios("RadioGroup6")->itemIndex(), 1);
    EXPECT_TRUE(find<QRadioButton>("RadioButton9")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("RadioButton10")->isChecked());
    EXPECT_TRUE(find<ui::CheckListBox>("CheckListBox5")->isChecked(1));
    EXPECT_FALSE(find<ui::CheckListBox>("CheckListBox5")->isChecked(2));
    EXPECT_TRUE(find<QCheckBox>("CheckBox58")->isChecked());
    EXPECT_EQ(find<QLabel>("Label161")->text(), "Orvanta HW 7.85 ");
    EXPECT_EQ(find<QLabel>("Label170")->text(), " 2026-02-22");
}

TEST_F(ConfigPageTest, AChangeIsSavedToTheModuleAndReadBack) {
    ASSERT_TRUE(h().connect());
    combo("ComboBoxEx27")->setCurrentIndex(9);
    find<QSpinBox>("SpinEdit4")->setValue(723456);
    find<QCheckBox>("CheckBox45")->click();
    radios("RadioGroup8")->button(3)->click();
    find<ui::CheckListBox>("CheckListBox5")->setChecked(5, true);
    h().click("RadioButton10");

    h().click("BitBtn23");
    const Bytes frame = h().nextFrame();
    ASSERT_EQ(frame.size(), 55u) << test::hex(frame);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 3), (Bytes{0xA6, 0x35, 0x16}));
    const Bytes body(frame.begin() + 3, frame.end());
    const SysRecord original = moduleRecord();
    for (size_t i = 0; i < body.size(); ++i)
        if (untouchedByEditors(i)) {
            EXPECT_EQ(body[i], original[i]) << "byte " << i;
        }
    EXPECT_EQ(body[22], 10);
    EXPECT_EQ(body[0] | body[1] << 8 | body[2] << 16 | body[3] << 24, 723456);
    EXPECT_EQ(body[39], 161);
    EXPECT_EQ(body[10], 0x34);  // right-hand door, °F, km/L
    EXPECT_EQ(body[9], 0x23);
    EXPECT_TRUE(std::equal(body.begin(), body.end(), sysRecord().begin()));

    // The editors are changed again and then read back from the module.
    combo("ComboBoxEx27")->setCurrentIndex(0);
    find<QSpinBox>("SpinEdit4")->setValue(700);
    ASSERT_TRUE(configurationShownAfter([&] { h().click("BitBtn22"); }));
    EXPECT_EQ(h().sim().frames()[h().sim().frames().size() - 1].bytes, (Bytes{0xA6, 0x01, 0x18}));
    EXPECT_EQ(combo("ComboBoxEx27")->itemIndex(), 9);
    EXPECT_EQ(find<QSpinBox>("SpinEdit4")->value(), 723456);
    EXPECT_EQ(radios("RadioGroup8")->itemIndex(), 3);
    EXPECT_TRUE(find<QRadioButton>("RadioButton10")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("RadioButton9")->isChecked());
}

TEST_F(ConfigPageTest, EraseConfigShowsTheReplyLikeARead) {
    ASSERT_TRUE(h().connect());
    ASSERT_TRUE(configurationShownAfter([&] { h().click("BitBtn34"); }));
    EXPECT_EQ(h().sim().frames().back().bytes, (Bytes{0xA6, 0x01, 0x10}));
    SysRecord erased{};
    h().sim().withState([&](sim::ModuleState& s) { erased = s.sys; });
    ASSERT_NE(erased, moduleRecord());
    EXPECT_EQ(sysRecord(), erased);
    EXPECT_EQ(page->editors(), expectedEditors(erased));
    EXPECT_EQ(find<QLabel>("Label161")->text(), "Orvanta HW 7.85 ");
}

// The module never answers the read that ends the handshake, so the editors keep their
// start values while the page can be used.
class UnansweredReadTest : public ConfigPageTest {
protected:
    sim::Faults faults() const override {
        sim::Faults f;
        f.noReply.insert(24);
        return f;
    }
};

TEST_F(UnansweredReadTest, SavingStartEditorsFailsOnTheCarModelUntilOneIsChosen) {
    h().window().Button8Click();
    // Wake-up, capacities, and the read that stays unanswered.
    ASSERT_TRUE(WindowHarness::waitFor([&] { return h().sim().frames().size() >= 3; }, 5000));
    ASSERT_TRUE(WindowHarness::waitFor([&] { return request().ConnState == 65; }, 5000));
    h().mark();
    h().click("BitBtn23");
    EXPECT_EQ(takeError(), "'ar' is not a valid integer value");
    EXPECT_EQ(request().ConnState, 65);  // nothing posted
    // Packed up to the failing text, not beyond it.
    EXPECT_EQ(sysRecord()[0] | sysRecord()[1] << 8, 700);
    EXPECT_EQ(sysRecord()[17], 1);
    EXPECT_EQ(sysRecord()[18], 241);
    EXPECT_EQ(sysRecord()[20], 0);

    combo("ComboBox8")->setCurrentIndex(4);
    h().click("BitBtn23");
    EXPECT_EQ(takeError(), "");
    const Bytes frame = h().nextFrame();
    ASSERT_EQ(frame.size(), 55u) << test::hex(frame);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 3), (Bytes{0xA6, 0x35, 0x16}));
    const SysRecord& r = sysRecord();
    EXPECT_TRUE(std::equal(r.begin(), r.end(), frame.begin() + 3));
    for (size_t i : {8, 12, 15, 16, 20, 21, 40}) EXPECT_EQ(r[i], 255) << "byte " << i;
    EXPECT_EQ(r[22], 0);
    EXPECT_EQ(r[18], 241);
    EXPECT_EQ(r[5], 99);
    EXPECT_EQ(r[10], 0xFF);
    EXPECT_EQ(r[11], 1);
    EXPECT_EQ(r[25], 61);
}

TEST_F(ConfigPageTest, EditorsKeepWhatFitsThemAndTheNextSaveSendsThat) {
    ASSERT_TRUE(h().connect());
    SysRecord r = moduleRecord();
    r[8] = 9;
    r[10] = 0x60;
    r[11] = 0x30;
    r[13] = 20;
    r[18] = 200;
    r[22] = 0;
    r[38] = 0;
    sysRecord() = r;
    find<QCheckBox>("CheckBox53")->setChecked(true);  // carries no field: left alone
    page->ParseSys();
    EXPECT_TRUE(find<QCheckBox>("CheckBox53")->isChecked());
    EXPECT_EQ(sysRecord()[8], 0);
    EXPECT_EQ(radios("RadioGroup9")->itemIndex(), 0);
    EXPECT_EQ(radios("RadioGroup8")->itemIndex(), 3);
    EXPECT_TRUE(radios("RadioGroup8")->button(3)->isChecked());
    EXPECT_EQ(radios("RadioGroup11")->itemIndex(), -1);
    EXPECT_EQ(radios("RadioGroup10")->itemIndex(), 3);
    EXPECT_EQ(find<QSpinBox>("SpinEdit109")->value(), 50);
    EXPECT_EQ(combo("ComboBox6")->itemIndex(), -1);
    EXPECT_EQ(combo("ComboBox6")->text(), "");
    EXPECT_EQ(combo("ComboBoxEx27")->text(), "");  // not the start text either
    EXPECT_TRUE(find<QCheckBox>("CheckBox42")->isChecked());

    h().click("BitBtn23");
    EXPECT_EQ(takeError(), "");
    EXPECT_EQ(sysRecord()[8], 0);
    EXPECT_EQ(sysRecord()[10] & 0x70, 0x30);
    EXPECT_EQ(sysRecord()[11], 0x30);
    EXPECT_EQ(sysRecord()[13], 50);
    EXPECT_EQ(sysRecord()[18], 241);
    EXPECT_EQ(sysRecord()[38], 7);
}

TEST_F(ConfigPageTest, UnknownLcdTypeOrCarModelLeaveTheirBoxEmptyAndStopTheSave) {
    ASSERT_TRUE(h().connect());
    struct Case {
        size_t offset;
        uint8_t value;
        const char* box;
    };
    for (const Case& c : {Case{25, 99, "ComboBox8"}, Case{5, 255, "ComboBox4"}, Case{5, 140, "ComboBox4"}}) {
        SysRecord r = moduleRecord();
        r[c.offset] = c.value;
        sysRecord() = r;
        page->ParseSys();
        EXPECT_EQ(combo(c.box)->text(), "") << c.box << " " << int(c.value);
        request().ConnState = connection::kIdleState;
        h().click("BitBtn23");
        EXPECT_EQ(takeError(), "'' is not a valid integer value") << c.box << " " << int(c.value);
        EXPECT_EQ(request().ConnState, connection::kIdleState);
    }
    SysRecord r = moduleRecord();
    r[25] = 5;
    sysRecord() = r;
    page->ParseSys();
    EXPECT_EQ(combo("ComboBox8")->text(), "[05] VW Polo 4 (immo3)");
    r[25] = 0;
    sysRecord() = r;
    page->ParseSys();
    EXPECT_EQ(combo("ComboBox8")->text(), "[00] Undefined");
}

TEST_F(ConfigPageTest, DoorSideButtonsAlwaysShowOppositeSides) {
    ASSERT_TRUE(h().connect());
    auto* left = find<QRadioButton>("RadioButton9");
    auto* right = find<QRadioButton>("RadioButton10");
    left->click();
    EXPECT_TRUE(left->isChecked());
    EXPECT_FALSE(right->isChecked());
    QTest::mouseClick(find<QLabel>("Label95"), Qt::LeftButton);
    EXPECT_TRUE(right->isChecked());
    EXPECT_FALSE(left->isChecked());
    left->click();

    SysRecord r = moduleRecord();
    r[10] &= 0x7F;
    sysRecord() = r;
    page->ParseSys();
    EXPECT_FALSE(left->isChecked());
    EXPECT_TRUE(right->isChecked());
    r[10] |= 0x80;
    sysRecord() = r;
    page->ParseSys();
    EXPECT_TRUE(left->isChecked());
    EXPECT_FALSE(right->isChecked());
}

TEST_F(ConfigPageTest, DisplayTypeListsOfOtherPagesAreCopiesOfTheLcdTypes) {
    const QStringList lcd = combo("ComboBox4")->items();
    ASSERT_EQ(lcd.size(), 13);
    EXPECT_EQ(lcd[4], "");
    const std::pair<const char*, const char*> boxes[] = {{"ComboBox39", "Type of Display"},
                                                         {"ComboBox2", "Display type"}};
    for (const auto& [name, shownText] : boxes) {
        auto* box = find<QComboBox>(name);
        if (!box) continue;
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        EXPECT_EQ(items, lcd) << name;
        EXPECT_EQ(box->currentIndex(), -1) << name;
        if (auto* ours = qobject_cast<ui::ComboBox*>(box)) {
            EXPECT_EQ(ours->text(), shownText) << name;
        }
    }
}

class ConfigBackupTest : public ConfigPageTest {
protected:
    void SetUp() override {
        ConfigPageTest::SetUp();
        std::string tmpl = (fs::temp_directory_path() / "orvanta-config-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
        page->SDC = [this] {
            ++sdcShown;
            return sdcChoice;
        };
        page->ODC = [this] {
            ++odcShown;
            return odcChoice;
        };
        // The backup buttons work without a connection, once the pages have been shown.
        ASSERT_TRUE(h().connect());
        h().click("Button3");
        ASSERT_TRUE(WindowHarness::waitFor([&] { return !h().window().loop().Running(); }));
    }
    void TearDown() override {
        if (!oldCurrent.isEmpty()) QDir::setCurrent(oldCurrent);
        fs::remove_all(dir);
    }

    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    QString path(const char* name) const { return QString::fromStdString((dir / name).string()); }
    QLineEdit* edit17() { return find<QLineEdit>("Edit17"); }

    fs::path dir;
    QString oldCurrent;
    QString sdcChoice, odcChoice;
    int sdcShown = 0, odcShown = 0;
};

TEST_F(ConfigBackupTest, SavedFileLoadsBackEveryByte) {
    SysRecord r = moduleRecord();
    r[8] = 7;  // shown as "PRNDS" and loaded back as 0
    sysRecord() = r;
    // An edit not yet saved with "2.Save Config" is not in the file.
    find<QSpinBox>("SpinEdit4")->setValue(799000);
    sdcChoice = path("car.cfg78");
    h().click("BitBtn76");
    EXPECT_EQ(sdcShown, 1);
    EXPECT_EQ(takeError(), "");
    EXPECT_EQ(contents(dir / "car.cfg78"), std::string(r.begin(), r.end()));
    EXPECT_EQ(edit17()->text(), "Config.Cfg");

    sysRecord() = SysRecord{};
    edit17()->setText(sdcChoice);
    h().click("BitBtn75");
    EXPECT_EQ(odcShown, 0);
    SysRecord expected = r;
    expected[8] = 0;
    EXPECT_EQ(sysRecord(), expected);
    EXPECT_EQ(find<QSpinBox>("SpinEdit4")->value(), 712345);
    EXPECT_EQ(page->editors(), expectedEditors(expected));
}

TEST_F(ConfigBackupTest, ConfigCfgInTheCurrentFolderLoadsWithoutADialogAndShortFilesReplaceTheirBytes) {
    oldCurrent = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.string())));
    const std::string tenBytes = {'\x10', '\x27', '\x00', '\x00', 75, 110, 1, 1, 2, 0x07};
    std::ofstream(dir / "Config.Cfg", std::ios::binary) << tenBytes;
    sysRecord() = moduleRecord();

    h().click("BitBtn75");
    EXPECT_EQ(odcShown, 0);
    EXPECT_EQ(takeError(), "");
    const SysRecord before = moduleRecord();
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(sysRecord()[i], i < 10 ? uint8_t(tenBytes[i]) : before[i]) << "byte " << i;
    EXPECT_EQ(find<QSpinBox>("SpinEdit4")->value(), 10000);
    EXPECT_EQ(combo("ComboBox3")->text(), "75");
    EXPECT_EQ(combo("ComboBox4")->text(), "11 - LCD 3.2\" HX8357C");
    EXPECT_EQ(radios("RadioGroup9")->itemIndex(), 2);
}

TEST_F(ConfigBackupTest, AMissingFileIsAskedForAndFailuresChangeNothing) {
    sysRecord() = moduleRecord();
    page->ParseSys();
    const sys::SysEditors shown = page->editors();

    // Edit17 names no file: the dialog is shown; cancelling it does nothing.
    edit17()->setText(path("gone.cfg78"));
    h().click("BitBtn75");
    EXPECT_EQ(odcShown, 1);
    EXPECT_EQ(edit17()->text(), path("gone.cfg78"));

    // A chosen file that cannot be read.
    odcChoice = path("also-gone.cfg78");
    h().click("BitBtn75");
    EXPECT_EQ(odcShown, 2);
    EXPECT_EQ(edit17()->text(), odcChoice);
    EXPECT_EQ(takeError(), "Cannot open file \"" + odcChoice + "\". No such file or directory");

    // A target that cannot be created; a cancelled save writes nothing.
    sdcChoice = path("no-such-folder/x.cfg78");
    h().click("BitBtn76");
    EXPECT_EQ(takeError(), "Cannot create file \"" + sdcChoice + "\". No such file or directory");
    sdcChoice.clear();
    h().click("BitBtn76");
    EXPECT_EQ(sdcShown, 2);
    EXPECT_EQ(takeError(), "");

    EXPECT_EQ(sysRecord(), moduleRecord());
    EXPECT_EQ(page->editors(), shown);
    EXPECT_TRUE(fs::is_empty(dir));
}

}  // namespace
