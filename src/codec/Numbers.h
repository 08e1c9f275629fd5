#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace golv {

// The two ways GOLV reads a number from text.
//
// leadingNumber: the longest leading part that forms a decimal number
// (optional spaces, sign, digits, fraction, exponent); 0 when there is none,
// so "1 ; fast" gives 1 and "abc" gives 0. No value when the number is too
// large for a double, which every caller treats as out of range.
std::optional<double> leadingNumber(std::string_view text);

// Whether the text has a leading number at all, which tells a written "0"
// from a text that leadingNumber reads as 0 for want of one.
bool startsWithNumber(std::string_view text);

// strictNumber: the whole text must be one decimal number, spaces around it
// allowed; anything else (the empty text included) gives no value.
std::optional<double> strictNumber(std::string_view text);

// Rounding into integer fields: halves go to the even neighbour (2.5 -> 2,
// 3.5 -> 4); no value when the result does not fit the field.
std::optional<std::int32_t> roundToInt32(double value);
std::optional<std::int16_t> roundToInt16(double value);
std::optional<std::uint8_t> roundToByte(double value);

// The shortest decimal text of a number as files hold it: "8" for 08, "-10",
// "2.5"; at most 15 significant digits.
std::string formatNumber(double value);

// True when the text is a whole decimal number that fits 32 bits, such as
// "12" or "-3" (surrounding spaces allowed, no fraction, no exponent).
std::optional<std::int32_t> wholeNumber(std::string_view text);

} // namespace golv
