#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

using Bytes = std::vector<std::uint8_t>;

// Reverses the order of the digit pairs of a hex string: the big-endian digits
// of TrueHex2 become the engine's little-endian byte order ("0001E240" gives
// "40E20100"). Odd-length text has no pair order to reverse and passes through
// unchanged, so that wb can refuse it by name rather than lose digits.
std::string Invrt(std::string_view s);

// The text from character n + 1 on, at most 255 characters, or the whole text
// when it is not longer than n. With n = 6 it keeps the low byte of an
// eight-digit two's complement ("FFFFFFFB" gives "FB").
std::string HexTail(std::string_view s, std::size_t n);

// A value converted from text, with the warnings its text deserves (none for
// a sound text). The codec shows nothing: its caller decides whether and how
// a person hears a warning (the patch run names it among the reasons a run is
// refused; a reader shows the first of a file).
template <typename T> struct Converted {
    T value;
    std::vector<std::string> warnings;
};

// The decimal text as `nativelength` upper-case hex digits (more when the
// value is wider; a negative value gives its eight-digit two's complement).
// A text that is not a 32-bit number warns and gives zeros.
Converted<std::string> TrueHex2(std::string_view txthex, std::size_t nativelength);

// The bytes of a hex string, two digits each, in text order. A text shorter
// than two digits warns first; one digit still gives one byte. No value for
// the empty text, and for an odd number of digits above one: such a string
// never comes from a well-formed setting, and guessing its bytes could write
// a wrong byte into the executable, so it is refused with a warning.
Converted<std::optional<Bytes>> wb(std::string_view s);

// Hex digits of either case as a signed 32-bit value (eight digits from
// 80000000 up are negative). Anything else gives 0 and the hex warning.
Converted<std::int32_t> HexToLong(std::string_view s);

// Readers of values stored by older files, by the version of the file being
// read (ConfigVersion): a file with no version wrote some values as hex
// digits; files before 0.672 stored damages negated.
Converted<std::string> LegacyHexValue(std::string_view value, std::string_view version);
Converted<std::string> LegacyHexSByte(std::string_view value, std::string_view version);
Converted<std::string> LegacyHexSWord(std::string_view value, std::string_view version);
// No value when the text is not a number and has to be negated.
std::optional<std::string> LegacyNegValue(std::string_view value, std::string_view version);

} // namespace golv
