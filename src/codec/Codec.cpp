#include "codec/Codec.h"

#include "codec/Numbers.h"

#include <algorithm>

namespace golv {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string toHex(std::uint32_t value)
{
    if (value == 0)
        return "0";
    std::string digits;
    while (value != 0) {
        digits.push_back(kHexDigits[value & 0xF]);
        value >>= 4;
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string quoted(std::string_view s) { return "Source string: ''" + std::string(s) + "''"; }

} // namespace

std::string Invrt(std::string_view s)
{
    if (s.size() % 2 != 0)
        return std::string(s);
    std::string reversed;
    reversed.reserve(s.size());
    for (std::size_t i = s.size(); i >= 2; i -= 2)
        reversed.append(s.substr(i - 2, 2));
    return reversed;
}

std::string HexTail(std::string_view s, std::size_t n)
{
    if (s.size() <= n)
        return std::string(s);
    return std::string(s.substr(n, 255));
}

Converted<std::string> TrueHex2(std::string_view txthex, std::size_t nativelength)
{
    Converted<std::string> hex;
    std::optional<std::int32_t> value;
    if (const auto number = strictNumber(txthex))
        value = roundToInt32(*number);
    if (!value) {
        hex.warnings.push_back("Warning: possible error during DEC>HEX conversion. You have entered incorrect value ("
            + std::string(txthex) + ").");
        value = 0;
    }
    hex.value = toHex(static_cast<std::uint32_t>(*value));
    if (hex.value.size() < nativelength)
        hex.value.insert(0, nativelength - hex.value.size(), '0');
    return hex;
}

Converted<std::optional<Bytes>> wb(std::string_view s)
{
    Converted<std::optional<Bytes>> bytes;
    if (s.size() < 2) {
        bytes.warnings.push_back(
            "Warning: possible error during DEC>HEX conversion. Resulting hex string length is less than 1 byte.\n"
            + quoted(s));
    }
    auto digit = [&bytes](std::string_view pair) {
        Converted<std::int32_t> value = HexToLong(pair);
        bytes.warnings.insert(bytes.warnings.end(), value.warnings.begin(), value.warnings.end());
        return static_cast<std::uint8_t>(value.value);
    };
    if (s.empty())
        return bytes;
    if (s.size() == 1) {
        bytes.value = Bytes{digit(s)};
        return bytes;
    }
    if (s.size() % 2 != 0) {
        bytes.warnings.push_back("Warning: possible error during DEC>HEX conversion. Resulting hex string has an odd "
                                 "number of digits, so its bytes cannot be told.\n"
            + quoted(s));
        return bytes;
    }
    bytes.value = Bytes(s.size() / 2);
    for (std::size_t i = 0; i < bytes.value->size(); ++i)
        (*bytes.value)[i] = digit(s.substr(2 * i, 2));
    return bytes;
}

Converted<std::int32_t> HexToLong(std::string_view s)
{
    if (s.empty())
        return {0, {}};
    const bool allHex = std::all_of(s.begin(), s.end(), [](char c) { return hexValue(c) >= 0; });
    std::string_view significant = s;
    while (significant.size() > 1 && significant.front() == '0')
        significant.remove_prefix(1);
    if (allHex && significant.size() <= 8) {
        std::uint32_t value = 0;
        for (char c : significant)
            value = (value << 4) | static_cast<std::uint32_t>(hexValue(c));
        return {static_cast<std::int32_t>(value), {}};
    }
    return {0,
        {"There was an error when converting some hexadecimal value to a decimal.\n"
         "Make sure that config/preset file contains no wrong data.\n"
            + quoted(s)}};
}

namespace {

// An old file's hex digits read as a number `offset` below their value.
Converted<std::string> legacyHex(std::string_view value, std::string_view version, double offset)
{
    if (!version.empty())
        return {std::string(value), {}};
    Converted<std::int32_t> number = HexToLong(value);
    return {formatNumber(static_cast<double>(number.value) - offset), std::move(number.warnings)};
}

} // namespace

Converted<std::string> LegacyHexValue(std::string_view value, std::string_view version)
{
    return legacyHex(value, version, 0);
}

Converted<std::string> LegacyHexSByte(std::string_view value, std::string_view version)
{
    return legacyHex(value, version, 256);
}

Converted<std::string> LegacyHexSWord(std::string_view value, std::string_view version)
{
    return legacyHex(value, version, 65536);
}

std::optional<std::string> LegacyNegValue(std::string_view value, std::string_view version)
{
    if (version == "0.672" || version == "0.673")
        return std::string(value);
    const auto number = strictNumber(value);
    if (!number)
        return std::nullopt;
    return formatNumber(-*number);
}

} // namespace golv
