#include "records/Convert.h"

#include <limits>

namespace orvanta::records {

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value"), text_(text) {}

int32_t textToInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) throw ConversionError(std::string(text));
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') throw ConversionError(std::string(text));
        value = value * 10 + (c - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) throw ConversionError(std::string(text));
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) throw ConversionError(std::string(text));
    return static_cast<int32_t>(value);
}

std::string utf8Mid(std::string_view text, size_t from, size_t count) {
    auto isContinuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    size_t pos = 0;
    size_t ch = 0;
    auto advance = [&] {
        ++pos;
        while (pos < text.size() && isContinuation(text[pos])) ++pos;
        ++ch;
    };
    while (pos < text.size() && ch < from) advance();
    const size_t start = pos;
    const size_t stop = from + count;
    while (pos < text.size() && ch < stop) advance();
    return std::string(text.substr(start, pos - start));
}

}  // namespace orvanta::records
