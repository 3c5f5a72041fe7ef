#pragma once
// Editor texts that the records carry as numbers.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvanta::records {

// Raised when an editor's text is not a number; what() is the message the user sees.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// A decimal integer (leading blanks and a sign allowed, nothing after the digits) that
// fits 32 bits; anything else raises ConversionError naming the text.
int32_t textToInt(std::string_view text);

// count characters of UTF-8 text from character from (not bytes: the editors' texts
// may hold Cyrillic or accented letters); shorter when the text ends first.
std::string utf8Mid(std::string_view text, size_t from, size_t count);

}  // namespace orvanta::records
