// The system configuration record: packing and unpacking byte for byte, with what the
// editors make of values that do not fit them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "records/Convert.h"
#include "records/EditorRules.h"
#include "records/SysConfig.h"

using namespace orvanta::records;
using sys::SysEditors;

namespace {

// A record as a module sends it, with marked values in the bytes no editor covers.
SysRecord moduleRecord() {
    SysRecord r{};
    const uint32_t serial = 712345;
    for (int i = 0; i < 4; ++i) r[static_cast<size_t>(i)] = static_cast<uint8_t>(serial >> (8 * i));
    r[4] = 78;
    r[5] = 160;  // LCD type 16, comfort CAN item 0
    r[6] = r[7] = r[17] = 1;
    r[8] = 2;
    r[9] = 0x05;
    r[10] = 0x80 | 0x01 | 0x20;  // left door, miles, consumption 2
    r[11] = 0x21;                // dashboard speed, steering wheel buttons AU
    r[12] = 2;
    r[13] = 85;
    r[14] = 1;
    r[15] = 2;
    r[16] = 3;
    r[18] = 15;
    r[19] = 0x5A;
    r[20] = 11;
    r[21] = 10;
    r[22] = 27;
    r[23] = 115;
    r[24] = 118;
    r[25] = 61;
    r[26] = 0x33;
    r[27] = 1;
    r[28] = 3;
    r[29] = 11;
    for (int i = 30; i < 38; ++i) r[static_cast<size_t>(i)] = static_cast<uint8_t>(0x90 + i);
    r[38] = 7;
    r[39] = 161;
    r[40] = 3;
    r[41] = 85;
    r[42] = 85;
    for (int i = 43; i < 52; ++i) r[static_cast<size_t>(i)] = static_cast<uint8_t>(0xC0 + i);
    return r;
}

// The editors as the page shows a record: unpacked, then limited by each editor.
SysEditors shown(SysRecord& r) { return sys::limitToEditors(sys::unpack(r)); }

// The editors of a fresh window with a car model chosen by hand.
SysEditors startWithModel() {
    SysEditors e;
    e.carModel = 4;
    e.carModelText = std::string(sys::kCarModels[4]);
    return e;
}

TEST(SysRecord, EditorsShowingAModuleRecordPackItBackUnchanged) {
    SysRecord r = moduleRecord();
    const SysRecord original = r;
    SysEditors e = shown(r);
    EXPECT_EQ(e.serialNumber, 712345);
    EXPECT_EQ(e.hwVersionText, "78");
    EXPECT_EQ(e.lcdTypeText, std::string(sys::kLcdTypes[6]));
    EXPECT_EQ(e.carModelText, "[61] VW Golf5");
    EXPECT_EQ(e.language, 26);
    EXPECT_EQ(e.buttonWiring, 1);
    EXPECT_TRUE(e.leftSideDoor);
    EXPECT_EQ(e.distance, 1);
    EXPECT_EQ(e.consumption, 2);
    EXPECT_EQ(e.control, 2);
    EXPECT_EQ(e.speedSource, 0);
    EXPECT_EQ(e.ignoredDoors, (std::array<bool, 6>{true, false, true, false, false, false}));

    SysRecord packed = r;
    sys::pack(e, packed);
    EXPECT_EQ(packed, original);
}

TEST(SysRecord, EachEditorPacksIntoItsByteWithItsEncoding) {
    struct Case {
        const char* what;
        std::function<void(SysEditors&)> edit;
        size_t offset;
        uint8_t expected;
    };
    const Case cases[] = {
        {"serial low byte", [](SysEditors& e) { e.serialNumber = 799900; }, 0, 0x9C},
        {"serial byte 2", [](SysEditors& e) { e.serialNumber = 799900; }, 2, 0x0C},
        {"hardware version text", [](SysEditors& e) { e.hwVersionText = "79"; }, 4, 79},
        {"typed version kept to 8 bits", [](SysEditors& e) { e.hwVersionText = "300"; }, 4, 44},
        {"LCD type x 10 + CAN type",
         [](SysEditors& e) {
             e.lcdTypeText = std::string(sys::kLcdTypes[11]);
             e.canType = 4;
         },
         5, 214},
        {"gear display", [](SysEditors& e) { e.gearDisplay = 3; }, 8, 3},
        {"door contacts as bits",
         [](SysEditors& e) {
             e.ignoredDoors = {false, true, false, false, false, true};
         },
         9, 0x22},
        {"units and right-hand door",
         [](SysEditors& e) {
             e.distance = 0;
             e.volume = 1;
             e.temperature = 1;
             e.pressure = 0;
             e.consumption = 3;
         },
         10, 0x36},
        {"left-hand door is bit 7",
         [](SysEditors& e) {
             e.leftSideDoor = true;
             e.distance = e.volume = e.temperature = e.pressure = e.consumption = 0;
         },
         10, 0x80},
        {"speed source + 1, control in the high nibble",
         [](SysEditors& e) {
             e.speedSource = 4;
             e.control = 3;
         },
         11, 0x35},
        {"ignition mode", [](SysEditors& e) { e.ignitionMode = 2; }, 12, 2},
        {"dimmer", [](SysEditors& e) { e.maxDimmer = 65; }, 13, 65},
        {"pin 35 remap to 16 pin", [](SysEditors& e) { e.pin35Remap = 1; }, 14, 1},
        {"pin 35 unselected", [](SysEditors& e) { e.pin35Remap = -1; }, 14, 0},
        {"time format", [](SysEditors& e) { e.timeFormat = 2; }, 15, 2},
        {"AutoDiag mode", [](SysEditors& e) { e.autoDiagMode = 6; }, 16, 6},
        {"buttons wiring x 15", [](SysEditors& e) { e.buttonWiring = 1; }, 18, 15},
        {"boost sensor", [](SysEditors& e) { e.boostSensor = 11; }, 20, 11},
        {"button remap", [](SysEditors& e) { e.buttonRemap = 9; }, 21, 9},
        {"language + 1", [](SysEditors& e) { e.language = 9; }, 22, 10},
        {"ADC first", [](SysEditors& e) { e.adcFirst = 130; }, 23, 130},
        {"ADC second", [](SysEditors& e) { e.adcSecond = 101; }, 24, 101},
        {"car model code", [](SysEditors& e) { e.carModelText = std::string(sys::kCarModels[35]); }, 25, 80},
        {"car model code with leading zero", [](SysEditors& e) { e.carModelText = std::string(sys::kCarModels[0]); }, 25, 5},
        {"SD 4-bit bus", [](SysEditors& e) { e.sdBus4Bit = true; }, 27, 1},
        {"SD 1-bit bus", [](SysEditors& e) { e.sdBus4Bit = false; }, 27, 0},
        {"SD speed divider", [](SysEditors& e) { e.sdSpeedDivider = 8; }, 28, 8},
        {"analog fuel on", [](SysEditors& e) { e.analogFuel = true; }, 29, 11},
        {"analog fuel off", [](SysEditors& e) { e.analogFuel = false; }, 29, 10},
        {"BCD date on", [](SysEditors& e) { e.bcdDateTime = true; }, 38, 7},
        {"BCD date off", [](SysEditors& e) { e.bcdDateTime = false; }, 38, 5},
        {"mirror screen", [](SysEditors& e) { e.mirrorScreen = true; }, 39, 161},
        {"right mirror down", [](SysEditors& e) { e.rightMirrorDown = 2; }, 40, 2},
        {"invert colours", [](SysEditors& e) { e.invertColors = true; }, 41, 85},
        {"top and bottom swapped", [](SysEditors& e) { e.upsideDown = true; }, 42, 85},
    };
    for (const Case& c : cases) {
        SysEditors e = startWithModel();
        c.edit(e);
        SysRecord r{};
        sys::pack(e, r);
        EXPECT_EQ(r[c.offset], c.expected) << c.what;
    }
}

TEST(SysRecord, SavingWithNothingSelectedButAModel) {
    SysRecord r{};
    r.fill(0xEE);
    sys::pack(startWithModel(), r);
    for (size_t i : {8, 12, 15, 16, 20, 21, 40}) EXPECT_EQ(r[i], 255) << "byte " << i;
    EXPECT_EQ(r[22], 0);
    EXPECT_EQ(r[18], 241);
    EXPECT_EQ(r[5], 99);
    EXPECT_EQ(r[10], 0xFF);
    EXPECT_EQ(r[11], 1);
    EXPECT_EQ(r[6], 1);
    EXPECT_EQ(r[7], 1);
    EXPECT_EQ(r[17], 1);
    EXPECT_EQ(r[0] | r[1] << 8 | r[2] << 16 | r[3] << 24, 700);
    EXPECT_EQ(r[4], 7);
    EXPECT_EQ(r[25], 61);
    // No "Installer" editors given: their bytes stay, like the bytes no editor covers.
    for (size_t i : {19, 26, 27, 28, 30, 37, 43, 51}) EXPECT_EQ(r[i], 0xEE) << "byte " << i;
}

TEST(SysRecord, DistanceUnselectedSetsEveryUnitBit) {
    SysEditors e = startWithModel();
    e.leftSideDoor = false;
    e.volume = e.temperature = e.pressure = e.consumption = 0;
    e.distance = -1;
    SysRecord r{};
    sys::pack(e, r);
    EXPECT_EQ(r[10], 0xFF);
}

TEST(SysRecord, UnpackedValuesThatDoNotFitTheirEditors) {
    struct Case {
        const char* what;
        size_t offset;
        uint8_t value;
        std::function<void(const SysEditors&)> check;
    };
    const Case cases[] = {
        {"byte 5 = 163: LCD 16, CAN disabled", 5, 163,
         [](const SysEditors& e) {
             EXPECT_EQ(e.lcdType, 6);
             EXPECT_EQ(e.lcdTypeText, "16 - LCD 3.5\" ILI9486 (v2)");
             EXPECT_EQ(e.canType, 3);
         }},
        {"byte 5 = 147: the empty LCD item", 5, 147,
         [](const SysEditors& e) {
             EXPECT_EQ(e.lcdType, 4);
             EXPECT_EQ(e.lcdTypeText, "");
             EXPECT_EQ(e.canType, -1);
         }},
        {"byte 5 = 255: no LCD type", 5, 255,
         [](const SysEditors& e) {
             EXPECT_EQ(e.lcdType, -1);
             EXPECT_EQ(e.lcdTypeText, "");
             EXPECT_EQ(e.canType, 5);
         }},
        {"byte 25 = 5", 25, 5, [](const SysEditors& e) { EXPECT_EQ(e.carModelText, "[05] VW Polo 4 (immo3)"); }},
        {"byte 25 = 0", 25, 0,
         [](const SysEditors& e) {
             EXPECT_EQ(e.carModel, 36);
             EXPECT_EQ(e.carModelText, "[00] Undefined");
         }},
        {"byte 25 = 99", 25, 99,
         [](const SysEditors& e) {
             EXPECT_EQ(e.carModel, -1);
             EXPECT_EQ(e.carModelText, "");
         }},
        {"byte 11 = 0: no speed source", 11, 0x00,
         [](const SysEditors& e) {
             EXPECT_EQ(e.speedSource, -1);
             EXPECT_EQ(e.control, 0);
         }},
        {"byte 11 = 0xFF: last items", 11, 0xFF,
         [](const SysEditors& e) {
             EXPECT_EQ(e.speedSource, 4);
             EXPECT_EQ(e.control, 4);
         }},
        {"byte 10 = 0x60: consumption 6 is the last item", 10, 0x60,
         [](const SysEditors& e) {
             EXPECT_EQ(e.consumption, 3);
             EXPECT_FALSE(e.leftSideDoor);
         }},
        {"byte 38 = 0 checks BCD", 38, 0, [](const SysEditors& e) { EXPECT_TRUE(e.bcdDateTime); }},
        {"byte 38 = 0x25 does not", 38, 0x25, [](const SysEditors& e) { EXPECT_FALSE(e.bcdDateTime); }},
        {"byte 22 = 0: no language", 22, 0, [](const SysEditors& e) { EXPECT_EQ(e.language, -1); }},
        {"byte 22 = 28: past the list", 22, 28, [](const SysEditors& e) { EXPECT_EQ(e.language, -1); }},
        {"byte 18 = 22 rounds to item 1", 18, 22, [](const SysEditors& e) { EXPECT_EQ(e.buttonWiring, 1); }},
        {"byte 18 = 23 rounds past the list", 18, 23, [](const SysEditors& e) { EXPECT_EQ(e.buttonWiring, -1); }},
        {"byte 14 = 2 is not the 16 pin", 14, 2, [](const SysEditors& e) { EXPECT_EQ(e.pin35Remap, 0); }},
        {"byte 13 = 20 clamps", 13, 20, [](const SysEditors& e) { EXPECT_EQ(e.maxDimmer, 50); }},
        {"byte 23 = 200 clamps", 23, 200, [](const SysEditors& e) { EXPECT_EQ(e.adcFirst, 130); }},
        {"byte 28 = 0 clamps", 28, 0, [](const SysEditors& e) { EXPECT_EQ(e.sdSpeedDivider, 1); }},
        {"byte 27 = 7 is a 4-bit bus", 27, 7, [](const SysEditors& e) { EXPECT_EQ(e.sdBus4Bit, true); }},
        {"byte 29 = 12 is not analog fuel", 29, 12, [](const SysEditors& e) { EXPECT_FALSE(e.analogFuel); }},
        {"byte 15 = 9: last time format", 15, 9, [](const SysEditors& e) { EXPECT_EQ(e.timeFormat, 2); }},
        {"byte 40 = 200: last mirror time", 40, 200, [](const SysEditors& e) { EXPECT_EQ(e.rightMirrorDown, 3); }},
        {"byte 20 = 12: no boost sensor", 20, 12, [](const SysEditors& e) { EXPECT_EQ(e.boostSensor, -1); }},
        {"byte 9: all eight bits, six doors", 9, 0xFF,
         [](const SysEditors& e) { EXPECT_EQ(e.ignoredDoors, (std::array<bool, 6>{true, true, true, true, true, true})); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SysRecord r = moduleRecord();
        r[c.offset] = c.value;
        c.check(shown(r));
    }
    SysRecord r = moduleRecord();
    r[0] = r[1] = r[2] = r[3] = 0xFF;
    EXPECT_EQ(shown(r).serialNumber, sys::kSerialRange.max);
    r[0] = r[1] = r[2] = r[3] = 0;
    EXPECT_EQ(shown(r).serialNumber, sys::kSerialRange.min);
}

TEST(SysRecord, WhatTheEditorsAbsorbedIsWhatTheNextSaveSends) {
    struct Case {
        const char* what;
        size_t offset;
        uint8_t value;
        uint8_t saved;
    };
    const Case cases[] = {
        {"gear display 9 comes back as 0", 8, 9, 0},
        {"no speed source: low nibble 0", 11, 0x20, 0x20},
        {"consumption 6 comes back as 3", 10, 0x60, 0x30},
        {"BCD from 0 comes back as 7", 38, 0, 7},
        {"LCD 16 with CAN disabled", 5, 163, 163},
        {"CAN type 7 fits no item", 5, 167, 159},
        {"analog fuel 12 comes back as 10", 29, 12, 10},
        {"mirror 1 comes back as 0", 39, 1, 0},
    };
    for (const Case& c : cases) {
        SysRecord r = moduleRecord();
        r[c.offset] = c.value;
        SysEditors e = shown(r);
        sys::pack(e, r);
        EXPECT_EQ(r[c.offset], c.saved) << c.what;
    }
}

TEST(SysRecord, UnpackingAGearDisplayAbove3ChangesTheRecordItself) {
    SysRecord r = moduleRecord();
    r[8] = 9;
    const SysEditors e = sys::unpack(r);
    EXPECT_EQ(e.gearDisplay, 0);
    EXPECT_EQ(r[8], 0);
    SysRecord fine = moduleRecord();
    fine[8] = 3;
    sys::unpack(fine);
    EXPECT_EQ(fine[8], 3);
}

TEST(SysRecord, EditAndSaveKeepsTheBytesNoEditorCovers) {
    SysRecord r = moduleRecord();
    const SysRecord original = r;
    SysEditors e = shown(r);
    e.language = 1;
    e.serialNumber = 723456;
    e.invertColors = false;
    e.ignoredDoors[5] = true;
    sys::pack(e, r);
    for (size_t i = 0; i < r.size(); ++i) {
        const bool kept = i == 19 || i == 26 || (i >= 30 && i <= 37) || i >= 43;
        if (kept) {
            EXPECT_EQ(r[i], original[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(r[22], 2);
    EXPECT_EQ(r[41], 0);
    EXPECT_EQ(r[9], 0x25);
    EXPECT_EQ(r[0] | r[1] << 8 | r[2] << 16 | r[3] << 24, 723456);
}

TEST(SysRecord, ATextThatIsNotANumberStopsPackingPartWay) {
    struct Case {
        const char* what;
        std::function<void(SysEditors&)> edit;
        std::string message;
        size_t lastPacked;   // a byte packed before the failing text
        size_t firstUntouched;  // a byte packed after it
    };
    const Case cases[] = {
        {"start text of the car model", [](SysEditors& e) { e.carModelText = std::string(sys::kStartCarModel); },
         "'ar' is not a valid integer value", 22, 20},
        {"car model matching no item", [](SysEditors& e) { e.carModelText.clear(); },
         "'' is not a valid integer value", 22, 20},
        {"the empty LCD item", [](SysEditors& e) { e.lcdTypeText.clear(); }, "'' is not a valid integer value", 4, 12},
        {"typed hardware version", [](SysEditors& e) { e.hwVersionText = "7x"; },
         "'7x' is not a valid integer value", 0, 12},
    };
    for (const Case& c : cases) {
        SysRecord rec = moduleRecord();
        SysEditors e = shown(rec);
        e.serialNumber = 799900;  // byte 0 becomes 0x9C
        e.language = 0;           // byte 22 becomes 1
        e.boostSensor = 0;        // byte 20 would become 0
        e.ignitionMode = 0;       // byte 12 would become 0
        e.hwVersionText = "72";   // byte 4 becomes 72
        c.edit(e);
        const SysRecord before = rec;
        try {
            sys::pack(e, rec);
            ADD_FAILURE() << c.what << ": packed";
        } catch (const ConversionError& err) {
            EXPECT_EQ(std::string(err.what()), c.message) << c.what;
        }
        EXPECT_NE(rec[c.lastPacked], before[c.lastPacked]) << c.what;
        EXPECT_EQ(rec[c.firstUntouched], before[c.firstUntouched]) << c.what;
    }
}

TEST(SysRecord, CarModelLookupComparesTheBracketedCodeOnly) {
    EXPECT_EQ(sys::carModelIndex(31), 26);  // "Oсtavia" with a Cyrillic letter
    EXPECT_EQ(sys::carModelIndex(81), 29);
    EXPECT_EQ(sys::carModelIndex(2), 8);
    EXPECT_EQ(sys::carModelIndex(100), -1);
    EXPECT_EQ(sys::carModelIndex(255), -1);
    // Every item's own code finds that item: no code appears twice.
    for (size_t i = 0; i < sys::kCarModels.size(); ++i) {
        const int code = textToInt(utf8Mid(sys::kCarModels[i], 1, 2));
        EXPECT_EQ(sys::carModelIndex(static_cast<uint8_t>(code)), static_cast<int>(i)) << sys::kCarModels[i];
    }
}

TEST(SysRecord, ListsHoldTheirItemsInOrder) {
    EXPECT_EQ(sys::kLcdTypes[4], "");
    for (size_t i = 0; i < sys::kLcdTypes.size(); ++i) {
        if (i == 4) continue;
        EXPECT_EQ(textToInt(utf8Mid(sys::kLcdTypes[i], 0, 2)), static_cast<int>(10 + i)) << sys::kLcdTypes[i];
    }
    for (size_t i = 0; i < sys::kLanguages.size(); ++i) {
        const std::string_view item = sys::kLanguages[i];
        EXPECT_EQ(textToInt(item.substr(0, item.find(' '))), static_cast<int>(i + 1)) << item;
    }
}

TEST(TextToInt, DecimalNumbersOnly) {
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    };
    const Case cases[] = {
        {"78", true, 78},          {"  12", true, 12},      {"-5", true, -5},       {"+7", true, 7},
        {"2147483647", true, 2147483647}, {"-2147483648", true, INT32_MIN},
        {"", false, 0},            {"ar", false, 0},        {"1 ", false, 0},       {"-", false, 0},
        {"2147483648", false, 0},  {"99999999999999999999", false, 0},           {"0x10", false, 0},
        {"1e3", false, 0},
    };
    for (const Case& c : cases) {
        if (c.ok) {
            EXPECT_EQ(textToInt(c.text), c.value) << c.text;
        } else {
            try {
                textToInt(c.text);
                ADD_FAILURE() << "'" << c.text << "' converted";
            } catch (const ConversionError& e) {
                EXPECT_EQ(e.text(), c.text);
                EXPECT_EQ(std::string(e.what()), "'" + std::string(c.text) + "' is not a valid integer value");
            }
        }
    }
}

TEST(TextToInt, CharactersAreLettersNotBytes) {
    EXPECT_EQ(utf8Mid("[31] Skoda", 1, 2), "31");
    EXPECT_EQ(utf8Mid("Язык", 1, 2), "зы");
    EXPECT_EQ(utf8Mid("Я", 0, 2), "Я");
    EXPECT_EQ(utf8Mid("ab", 1, 2), "b");
    EXPECT_EQ(utf8Mid("", 1, 2), "");
}

TEST(EditorRules, HowEachKindOfEditorTakesAValue) {
    EXPECT_EQ(spinValue(49, 50, 100), 50);
    EXPECT_EQ(spinValue(101, 50, 100), 100);
    EXPECT_EQ(spinValue(73, 50, 100), 73);
    EXPECT_EQ(radioIndex(-1, 4), -1);
    EXPECT_EQ(radioIndex(-200, 4), -1);
    EXPECT_EQ(radioIndex(6, 4), 3);
    EXPECT_EQ(radioIndex(2, 4), 2);
    EXPECT_EQ(radioIndex(0, 0), -1);
    EXPECT_EQ(listIndex(13, 13), -1);
    EXPECT_EQ(listIndex(12, 13), 12);
    EXPECT_EQ(listIndex(-1, 13), -1);
    EXPECT_EQ(indexByte(-1), 255);
    EXPECT_EQ(indexByte(3), 3);
}

}  // namespace
