#pragma once
// What an editor keeps when it is handed a value, as pure functions: the records are
// unpacked into values that may not fit, and each kind of editor absorbs them its own
// way. The Qt editors use these same rules, so a record can be checked without widgets.
#include <algorithm>
#include <cstdint>

namespace orvanta::records {

// A spin edit clamps to its range.
constexpr int64_t spinValue(int64_t value, int64_t min, int64_t max) { return std::clamp(value, min, max); }

// A radio group: a negative index selects nothing, an index past the end the last item.
constexpr int radioIndex(int64_t index, int count) {
    if (index < 0 || count <= 0) return -1;
    return static_cast<int>(std::min<int64_t>(index, count - 1));
}

// A list box or combo box: an index outside its list shows no entry.
constexpr int listIndex(int64_t index, int count) {
    return index >= 0 && index < count ? static_cast<int>(index) : -1;
}

// A selection stored in one byte: no selection (-1) gives 255.
constexpr uint8_t indexByte(int index) { return static_cast<uint8_t>(index); }

}  // namespace orvanta::records
