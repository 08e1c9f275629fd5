#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

class UserInteraction;

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

// The conversions between decimal text, hex text and bytes that every patch
// write and every legacy file value goes through, with the two pieces of
// program-wide state they read: whether the hex warning was already shown, and
// the version of the file being read.
class Codec {
public:
    explicit Codec(UserInteraction& ui) : m_ui(ui) { }

    // The decimal text as `nativelength` upper-case hex digits (more when the
    // value is wider; a negative value gives its eight-digit two's complement).
    // A text that is not a 32-bit number warns and gives zeros.
    std::string TrueHex2(std::string_view txthex, std::size_t nativelength);

    // The bytes of a hex string, two digits each, in text order. A text shorter
    // than two digits warns first; one digit still gives one byte. No value for
    // the empty text, and for an odd number of digits above one: such a string
    // never comes from a well-formed setting, and guessing its bytes could
    // write a wrong byte into the executable, so it is refused with a warning.
    std::optional<Bytes> wb(std::string_view s);

    // Hex digits of either case as a signed 32-bit value (eight digits from
    // 80000000 up are negative). Anything else gives 0, and the first such
    // failure since the flag was last cleared is reported.
    std::int32_t HexToLong(std::string_view s);

    // Readers of values stored by older files: with no file version the value
    // was written as hex digits; before 0.672 damages were stored negated.
    std::string LegacyHexValue(std::string_view value);
    std::string LegacyHexSByte(std::string_view value);
    std::string LegacyHexSWord(std::string_view value);
    // No value when the text is not a number and has to be negated.
    std::optional<std::string> LegacyNegValue(std::string_view value);

    bool hexErrorShown() const { return m_hexErrorShown; }
    void setHexErrorShown(bool shown) { m_hexErrorShown = shown; }

    const std::string& configVersion() const { return m_configVersion; }
    void setConfigVersion(std::string version) { m_configVersion = std::move(version); }

    // While a list is given, warnings go into it, every one of them, instead
    // of message boxes: the patch run collects them to report them together.
    void collectWarnings(std::vector<std::string>* warnings) { m_collected = warnings; }

private:
    // Shows a warning, or collects it; `once` warnings show only while
    // HexErrorShown is clear.
    void warn(std::string text, bool once = false);

    UserInteraction& m_ui;
    std::vector<std::string>* m_collected = nullptr;
    bool m_hexErrorShown = false; // HexErrorShown
    std::string m_configVersion;  // ConfigVersion
};

} // namespace golv
