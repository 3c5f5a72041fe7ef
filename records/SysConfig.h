#pragma once
// The system configuration record (52 bytes) and its editors: the item lists, ranges
// and start values of the "Config" page's editors, and packing and unpacking between
// the record and what the editors hold. No widgets here: the page only copies its
// editors into SysEditors and back.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/Convert.h"
#include "records/Records.h"

namespace orvanta::records::sys {

struct Range {
    int min;
    int max;
};

constexpr Range kSerialRange{700, 799900};  // SpinEdit4
constexpr Range kDimmerRange{50, 100};      // SpinEdit109, in steps of 5
constexpr int kDimmerStep = 5;
constexpr Range kAdcRange{100, 130};        // SpinEdit5, SpinEdit6
constexpr Range kSdDividerRange{1, 8};      // SpinEdit112 ("Installer")

// ComboBox3: hardware versions; the box can be typed into, its text is packed.
inline constexpr std::array<std::string_view, 7> kHwVersions{"7", "72", "75", "76", "77", "78", "79"};

// ComboBox4: LCD types; item i is type 10 + i, item 4 is empty.
inline constexpr std::array<std::string_view, 13> kLcdTypes{
    "10 - LCD 3.2\" ILI9481",       "11 - LCD 3.2\" HX8357C",      "12 - LCD 3.2\" HX8357B",
    "13 - LCD 3.2\" ILI9486",       "",                            "15 - LCD 3.2\" ILI9481 (v2)",
    "16 - LCD 3.5\" ILI9486 (v2)",  "17 - LCD 3.2\" ILI9481 (v3)", "18 - LCD 3.2\" HX8357B (v2)",
    "19 - LCD 3.2\" R61581",        "20 - LCD 800x480",            "21 - LCD 3.5\" R61529",
    "22 - LCD 3.2\" ILI9481 (Film)",
};

// ComboBox5: comfort CAN types.
inline constexpr std::array<std::string_view, 6> kCanTypes{
    "1C0 comfort CAN 100kbit filter", "1C0 comfort CAN 100kbit not filter", "1J0 comfort CAN 62.5kbit filter",
    "Comfort CAN disable",            "Display CAN 500 kbit",               "1C0 xxx xxx B comfort CAN 100kbit ",
};

// ComboBox8: car models; byte 25 is the code in brackets. Not sorted by code. Items 26
// and 29 spell "Oсtavia" with a Cyrillic es, as the module's own list does.
inline constexpr std::array<std::string_view, 37> kCarModels{
    "[05] VW Polo 4 (immo3)",
    "[23] VW Golf 4 (immo2)",
    "[03] VW Golf 4 (immo2) with Dashboard (immo3)",
    "[01] VW Golf 4 (immo3)",
    "[61] VW Golf5",
    "[50] VW Passat 3B (not CAN bus)",
    "[22] VW Passat 3B2 (5) (immo2)",
    "[04] VW Passat 3B2(5) (immo2) with Dashboard (immo3)",
    "[02] VW Passat 3B3 (6) (immo3)",
    "[72] VW T4 (not CAN bus)",
    "[74] VW T4 (CAN bus)",
    "[71] VW T5 (immo3)",
    "[73] VW Sharan",
    "[60] VW Polo 9n",
    "[06] VW Gol2 (not CAN bus)",
    "[11] Audi A6 C5 (immo3)",
    "[12] Audi A3 8L",
    "[13] Audi TT 8N coupe",
    "[14] Audi A4 B5",
    "[15] Audi A4 B6/B7",
    "[16] Audi A2",
    "[17] Audi TT 8N Roadster",
    "[18] Audi A3 8P",
    "[19] Audi R8",
    "[20] Audi A8 D2",
    "[55] Audi A4 B6/B7 Roadster",
    "[31] Skoda O\u0441tavia I (immo3)",
    "[32] Skoda Supeb I (immo3)",
    "[33] Skoda Fabia",
    "[81] Skoda O\u0441tavia A5",
    "[41] Seat Leon 1M (immo3)",
    "[42] Seat Toledo 1M (immo3)",
    "[43] Seat Ibiza 6L",
    "[44] Seat Alhambra",
    "[45] Seat Exeo",
    "[80] Porsche Cayenne",
    "[00] Undefined",
};

// ComboBoxEx27: languages; byte 22 is the number the item begins with (index + 1).
inline constexpr std::array<std::string_view, 27> kLanguages{
    "1 Русский ((км, литры, C, bar, l/100км)",
    "2 English (km, litr, C, bar, l/100km)",
    "3 Lietuvių (km, litr, C, bar, l/100km)",
    "4 USA(miles, gallons, F, bar, MPG)",
    "5 Français (km, litr, C, bar, l/100km)",
    "6 Polski (km, litr, C, bar, l/100km)",
    "7 UK (miles, British gallons, F, bar,British MPG)",
    "8 Česky (km, litr, C, bar, l/100km)",
    "9 Slovenský (km, litr, C, bar, l/100km)",
    "10 Deutsch (km, litr, C, bar, l/100km)",
    "11 Español (km, litr, C, bar, l/100km)",
    "12 Български (km, litr, C, bar, l/100km)",
    "13 Românesc (km, litr, C, bar, l/100km)",
    "14 Português (km, litr, C, bar, l/100km)",
    "15 Italiano (km, litr, C, bar, l/100km)",
    "16 Magyar (km, litr, C, bar, l/100km",
    "17 Latinoamericano (km, litr, C, bar, l/100km)",
    "18 Brazil  (km, litr, C, bar, km/l)",
    "19 Canada (km, litr, C, psi, l/100km)",
    "20 Ελληνικά (km, litr, C, bar, l/100km)",
    "21 Turkish (km, litr, C, bar, l/100km)",
    "22 Suomen kieli (km, litr, C, bar, l/100km)",
    "23 Latviešu (km, litr, C, bar, l/100km)",
    "24 Українська (км, лiтри, C, bar, l/100км)",
    "25 Danish (km, litr, C, bar, l/100km)",
    "26 Hrvatski (km, litr, C, bar, l/100km)",
    "27 Српски (km, litr, C, bar, l/100km)",
};

// ComboBox1: control button remap.
inline constexpr std::array<std::string_view, 11> kButtonRemaps{
    "No remap (0x00)",
    "Remap Down button on 8 input  (0x01)",
    "Remap RESET button on 16 input(0x02)",
    "Remap Down button on 8 input + RESET button on 16 input (0x01 + 0x02)",
    "Remap RESET button on 8 input (0x04)",
    "(0x05)",
    "(0x06)",
    "(0x07)",
    "Remap Up button on 8 input  (0x08)",
    "Full on 16,17,18",
    "Full on 17,18,19",
};

// ComboBox9: boost sensors.
inline constexpr std::array<std::string_view, 12> kBoostSensors{
    "no boost, no problem ;)",   "2.5 bar",
    "4 bar",                     "2 bar",
    "boost from CAN-bus",        "3 bar",
    "Custom1",                   "Bosch 0 281 002 593",
    "6 bar",                     "boost from CAN-bus type 2",
    "boost from CAN-bus type 3", "Bocch 0 281 002 976",
};

// ComboBox10: AutoDiag modes.
inline constexpr std::array<std::string_view, 7> kAutoDiagModes{
    "0 - Disable",          "1 - Hand Mode",           "2 - Dashboard (17) ",
    "3 - ECU (1)",          "4 - Parking Assist (76)", "5 - Air Suspension (34)",
    "6 - Automatic Transmission (3) ",
};

// ComboBox11: terminal 15 modes.
inline constexpr std::array<std::string_view, 3> kIgnitionModes{
    "0 - from Comfort CAN (271h)", "1 - from ADC ", "2 - from Comfort CAN (551h)"};

// ComboBox16 and ComboBox6.
inline constexpr std::array<std::string_view, 2> kPin35Remaps{"35 pin", "16 pin"};
inline constexpr std::array<std::string_view, 2> kButtonWirings{"(23-25 pins MFD) GND on dash board",
                                                                 "(16-20 pins MFD) GND on MFD board "};

// Radio groups.
inline constexpr std::array<std::string_view, 4> kGearDisplays{"PRNDS", "Manual 1234...", "PRNDS+1234... ",
                                                                "SWAP to Manual"};
inline constexpr std::array<std::string_view, 2> kDistanceUnits{"Km", "Miles"};
inline constexpr std::array<std::string_view, 2> kVolumeUnits{"Liters", "Gallons"};
inline constexpr std::array<std::string_view, 2> kTemperatureUnits{"°C", "°F"};
inline constexpr std::array<std::string_view, 2> kPressureUnits{"bar", "psi"};
inline constexpr std::array<std::string_view, 4> kConsumptionUnits{" L/100km", " km/gal.", " ml/gal.", " km/L"};
inline constexpr std::array<std::string_view, 5> kSpeedSources{"CAN Dashboard", "CAN ECU motor", "CAN ABS",
                                                                "NO CAN speed sensor", "CAN comfort"};
inline constexpr std::array<std::string_view, 5> kControls{
    "Wire right stalk", "CAN right stalk", "CAN steering wheel buttons AU", "CAN steering wheel buttons VW",
    "CAN steering wheel buttons LIN-2-CAN"};
inline constexpr std::array<std::string_view, 3> kTimeFormats{"24", "12", "12AM/PM"};
inline constexpr std::array<std::string_view, 4> kMirrorDownModes{"OFF", "Time1", "Time2", "Time3"};

// CheckListBox5: item i checked sets bit i of byte 9.
inline constexpr std::array<std::string_view, 6> kDoorContacts{"OFF Driver door",     "OFF Passenger door",
                                                                "OFF Left rear door",  "OFF Right rear door",
                                                                "OFF Bonnet/Hood",     "OFF Lagguage door"};

// Start texts of combo boxes that start with no item selected.
inline constexpr std::string_view kStartHwVersion = "7";
inline constexpr std::string_view kStartCanType = "46-CCSM : 1C0 comfort CAN 100kbit ";
inline constexpr std::string_view kStartCarModel = "Mark and Model";
inline constexpr std::string_view kStartLanguage = "3. Язык/Language/Taal/Sprache/Idioma/Linguaggio/Język";
inline constexpr std::string_view kStartBoostSensor = "2.5 bar";
inline constexpr std::string_view kStartAutoDiag = "1 - Hand Mode";
inline constexpr std::string_view kStartIgnition = "1 - from ADC ";
inline constexpr std::string_view kStartPin35 = "35 pin";
inline constexpr std::string_view kStartButtonWiring = " 23-25 pins MFD, GND on dash board";
inline constexpr std::string_view kStartButtonRemap = "No remap (0x00)";

// What the editors of the record hold. Indices are item indices, -1 for no selection.
// Packing reads it; unpacking fills it with what each editor is given (which may not
// fit the editor: see limitToEditors). The two fields on "Installer" are optional so
// that a window without that page still packs and unpacks the rest.
struct SysEditors {
    int64_t serialNumber = kSerialRange.min;      // SpinEdit4
    std::string hwVersionText{kStartHwVersion};   // ComboBox3 (text)
    std::string lcdTypeText{kLcdTypes[0]};        // ComboBox4 (text, packed)
    int lcdType = -1;                             // ComboBox4 (index)
    int canType = -1;                             // ComboBox5
    int ignitionMode = -1;                        // ComboBox11
    int64_t maxDimmer = 100;                      // SpinEdit109
    int pin35Remap = -1;                          // ComboBox16
    int gearDisplay = -1;                         // RadioGroup9
    int autoDiagMode = -1;                        // ComboBox10
    int buttonWiring = -1;                        // ComboBox6
    int language = -1;                            // ComboBoxEx27
    int64_t adcFirst = kAdcRange.min;             // SpinEdit5
    int64_t adcSecond = kAdcRange.min;            // SpinEdit6
    std::string carModelText{kStartCarModel};     // ComboBox8 (text, packed)
    int carModel = -1;                            // ComboBox8 (index)
    int boostSensor = -1;                         // ComboBox9
    int buttonRemap = -1;                         // ComboBox1
    bool leftSideDoor = false;                    // RadioButton9
    int distance = -1;                            // RadioGroup4
    int volume = -1;                              // RadioGroup5
    int temperature = -1;                         // RadioGroup6
    int pressure = -1;                            // RadioGroup7
    int consumption = -1;                         // RadioGroup8
    std::array<bool, kDoorContacts.size()> ignoredDoors{};  // CheckListBox5
    int speedSource = 0;                          // RadioGroup11
    int control = 0;                              // RadioGroup10
    std::optional<int64_t> sdSpeedDivider;        // SpinEdit112 ("Installer")
    std::optional<bool> sdBus4Bit;                // CheckBox11 ("Installer")
    bool analogFuel = false;                      // Ch123
    bool bcdDateTime = false;                     // CheckBox42
    bool mirrorScreen = false;                    // CheckBox45
    bool invertColors = false;                    // CheckBox58
    bool upsideDown = false;                      // CheckBox59
    int timeFormat = -1;                          // RadioGroup13
    int rightMirrorDown = -1;                     // RadioGroup21

    bool operator==(const SysEditors&) const = default;
};

// Packs the editors over rec ("2.Save Config"), in the record's own order. Bytes 19,
// 26, 30 to 37 and 43 to 51 are left as they are. A text that is not a number raises
// ConversionError; the bytes packed before it stay packed.
void pack(const SysEditors& editors, SysRecord& rec);

// What each editor is given by the record (ParseSys). A gear display byte above 3 is
// set to 0 in rec itself. Combo texts are the selected item's, or empty when the index
// fits no item.
SysEditors unpack(SysRecord& rec);

// What the editors keep of the values unpack gave them: spin edits clamp, radio
// groups take an index past the end as their last item, lists drop an index outside
// them. The Qt editors do the same; this is the same rule without widgets.
SysEditors limitToEditors(SysEditors e);

// The car model item whose text holds the tag of this code ("[05]", "[61]"), or -1.
int carModelIndex(uint8_t code);

}  // namespace orvanta::records::sys
