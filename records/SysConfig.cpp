#include "records/SysConfig.h"

#include <cmath>

#include "records/EditorRules.h"

namespace orvanta::records::sys {
namespace {

template <size_t N>
std::string itemText(const std::array<std::string_view, N>& items, int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? std::string(items[static_cast<size_t>(index)]) : std::string();
}

template <size_t N>
int fit(int index, const std::array<std::string_view, N>& items) {
    return listIndex(index, static_cast<int>(N));
}

template <size_t N>
int fitRadio(int index, const std::array<std::string_view, N>& items) {
    return radioIndex(index, static_cast<int>(N));
}

uint8_t low8(int64_t v) { return static_cast<uint8_t>(v); }

}  // namespace

int carModelIndex(uint8_t code) {
    const std::string tag = code < 10 ? "[0" + std::to_string(code) + "]" : "[" + std::to_string(code) + "]";
    for (size_t i = 0; i < kCarModels.size(); ++i)
        if (kCarModels[i].find(tag) != std::string_view::npos) return static_cast<int>(i);
    return -1;
}

void pack(const SysEditors& e, SysRecord& r) {
    const auto serial = static_cast<uint32_t>(e.serialNumber);
    for (int i = 0; i < 4; ++i) r[static_cast<size_t>(i)] = static_cast<uint8_t>(serial >> (8 * i));
    r[4] = low8(textToInt(e.hwVersionText));
    r[5] = low8(int64_t{textToInt(utf8Mid(e.lcdTypeText, 0, 2))} * 10 + indexByte(e.canType));
    r[6] = 1;
    r[7] = 1;
    r[12] = indexByte(e.ignitionMode);
    r[13] = low8(e.maxDimmer);
    r[14] = e.pin35Remap == 1 ? 1 : 0;
    r[8] = indexByte(e.gearDisplay);
    r[16] = indexByte(e.autoDiagMode);
    r[17] = 1;
    r[18] = low8(indexByte(e.buttonWiring) * 15);
    r[22] = low8(indexByte(e.language) + 1);
    r[23] = low8(e.adcFirst);
    r[24] = low8(e.adcSecond);
    r[25] = low8(textToInt(utf8Mid(e.carModelText, 1, 2)));
    r[20] = indexByte(e.boostSensor);
    r[21] = indexByte(e.buttonRemap);

    // An unselected group (255) sets its own bit and every bit above it.
    unsigned units = e.leftSideDoor ? 0x80u : 0u;
    units |= indexByte(e.distance);
    units |= indexByte(e.volume) * 2u;
    units |= indexByte(e.temperature) * 4u;
    units |= indexByte(e.pressure) * 8u;
    units |= indexByte(e.consumption) * 16u;
    r[10] = low8(units);

    unsigned doors = 0;
    for (size_t i = 0; i < e.ignoredDoors.size(); ++i)
        if (e.ignoredDoors[i]) doors |= 1u << i;
    r[9] = low8(doors);

    r[11] = low8((indexByte(e.speedSource) + 1u) | (indexByte(e.control) * 16u));

    if (e.sdSpeedDivider) r[28] = low8(*e.sdSpeedDivider);
    if (e.sdBus4Bit) r[27] = *e.sdBus4Bit ? 1 : 0;

    r[29] = e.analogFuel ? 11 : 10;
    r[38] = e.bcdDateTime ? 7 : 5;
    r[39] = e.mirrorScreen ? 161 : 0;
    r[41] = e.invertColors ? 85 : 0;
    r[42] = e.upsideDown ? 85 : 0;
    r[15] = indexByte(e.timeFormat);
    r[40] = indexByte(e.rightMirrorDown);
}

SysEditors unpack(SysRecord& r) {
    SysEditors e;
    e.serialNumber = int64_t{r[0]} | int64_t{r[1]} << 8 | int64_t{r[2]} << 16 | int64_t{r[3]} << 24;
    e.hwVersionText = std::to_string(r[4]);
    e.lcdType = r[5] / 10 - 10;
    e.canType = r[5] % 10;
    e.buttonWiring = static_cast<int>(std::lround(r[18] / 15.0));  // never a half: 15 is odd
    e.language = r[22] - 1;
    e.adcFirst = r[23];
    e.adcSecond = r[24];
    e.buttonRemap = r[21];
    e.autoDiagMode = r[16];
    e.ignitionMode = r[12];
    e.maxDimmer = r[13];
    e.pin35Remap = r[14] == 1 ? 1 : 0;
    e.carModel = carModelIndex(r[25]);
    e.boostSensor = r[20];
    if (r[8] > 3) r[8] = 0;
    e.gearDisplay = r[8];
    e.speedSource = (r[11] & 0x0F) - 1;
    e.control = r[11] >> 4;
    e.leftSideDoor = (r[10] & 0x80) != 0;
    e.distance = r[10] & 1;
    e.volume = (r[10] >> 1) & 1;
    e.temperature = (r[10] >> 2) & 1;
    e.pressure = (r[10] >> 3) & 1;
    e.consumption = (r[10] >> 4) & 7;
    e.timeFormat = r[15];
    e.rightMirrorDown = r[40];
    for (size_t i = 0; i < e.ignoredDoors.size(); ++i) e.ignoredDoors[i] = (r[9] >> i) & 1;
    // Only the boxes whose text is packed carry it; the others show their item.
    e.lcdTypeText = itemText(kLcdTypes, e.lcdType);
    e.carModelText = itemText(kCarModels, e.carModel);
    e.sdSpeedDivider = r[28];
    e.sdBus4Bit = r[27] != 0;
    e.analogFuel = r[29] == 11;
    e.bcdDateTime = (r[38] & 0x0F) != 5;
    e.mirrorScreen = r[39] == 161;
    e.invertColors = r[41] == 85;
    e.upsideDown = r[42] == 85;
    return e;
}

SysEditors limitToEditors(SysEditors e) {
    e.serialNumber = spinValue(e.serialNumber, kSerialRange.min, kSerialRange.max);
    e.maxDimmer = spinValue(e.maxDimmer, kDimmerRange.min, kDimmerRange.max);
    e.adcFirst = spinValue(e.adcFirst, kAdcRange.min, kAdcRange.max);
    e.adcSecond = spinValue(e.adcSecond, kAdcRange.min, kAdcRange.max);
    if (e.sdSpeedDivider) e.sdSpeedDivider = spinValue(*e.sdSpeedDivider, kSdDividerRange.min, kSdDividerRange.max);

    e.lcdType = fit(e.lcdType, kLcdTypes);
    e.canType = fit(e.canType, kCanTypes);
    e.ignitionMode = fit(e.ignitionMode, kIgnitionModes);
    e.pin35Remap = fit(e.pin35Remap, kPin35Remaps);
    e.autoDiagMode = fit(e.autoDiagMode, kAutoDiagModes);
    e.buttonWiring = fit(e.buttonWiring, kButtonWirings);
    e.language = fit(e.language, kLanguages);
    e.carModel = fit(e.carModel, kCarModels);
    e.boostSensor = fit(e.boostSensor, kBoostSensors);
    e.buttonRemap = fit(e.buttonRemap, kButtonRemaps);

    e.gearDisplay = fitRadio(e.gearDisplay, kGearDisplays);
    e.distance = fitRadio(e.distance, kDistanceUnits);
    e.volume = fitRadio(e.volume, kVolumeUnits);
    e.temperature = fitRadio(e.temperature, kTemperatureUnits);
    e.pressure = fitRadio(e.pressure, kPressureUnits);
    e.consumption = fitRadio(e.consumption, kConsumptionUnits);
    e.speedSource = fitRadio(e.speedSource, kSpeedSources);
    e.control = fitRadio(e.control, kControls);
    e.timeFormat = fitRadio(e.timeFormat, kTimeFormats);
    e.rightMirrorDown = fitRadio(e.rightMirrorDown, kMirrorDownModes);
    return e;
}

}  // namespace orvanta::records::sys
