#include "codec/Codec.h"

#include "UserInteraction.h"
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

void Codec::warn(std::string text, bool once)
{
    if (m_collected != nullptr) {
        m_collected->push_back(std::move(text));
        return;
    }
    if (once) {
        if (m_hexErrorShown)
            return;
        m_hexErrorShown = true;
    }
    m_ui.message(text);
}

std::string Codec::TrueHex2(std::string_view txthex, std::size_t nativelength)
{
    std::optional<std::int32_t> value;
    if (const auto number = strictNumber(txthex))
        value = roundToInt32(*number);
    if (!value) {
        warn("Warning: possible error during DEC>HEX conversion. You have entered incorrect value ("
            + std::string(txthex) + ").");
        value = 0;
    }
    std::string hex = toHex(static_cast<std::uint32_t>(*value));
    if (hex.size() < nativelength)
        hex.insert(0, nativelength - hex.size(), '0');
    return hex;
}

std::optional<Bytes> Codec::wb(std::string_view s)
{
    if (s.size() < 2) {
        warn("Warning: possible error during DEC>HEX conversion. Resulting hex string length is less than 1 byte.\n"
            + quoted(s));
    }
    if (s.empty())
        return std::nullopt;
    if (s.size() == 1)
        return Bytes{static_cast<std::uint8_t>(HexToLong(s))};
    if (s.size() % 2 != 0) {
        warn("Warning: possible error during DEC>HEX conversion. Resulting hex string has an odd number of digits, "
             "so its bytes cannot be told.\n"
            + quoted(s));
        return std::nullopt;
    }
    Bytes bytes(s.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(HexToLong(s.substr(2 * i, 2)));
    return bytes;
}

std::int32_t Codec::HexToLong(std::string_view s)
{
    if (s.empty())
        return 0;
    const bool allHex = std::all_of(s.begin(), s.end(), [](char c) { return hexValue(c) >= 0; });
    std::string_view significant = s;
    while (significant.size() > 1 && significant.front() == '0')
        significant.remove_prefix(1);
    if (allHex && significant.size() <= 8) {
        std::uint32_t value = 0;
        for (char c : significant)
            value = (value << 4) | static_cast<std::uint32_t>(hexValue(c));
        return static_cast<std::int32_t>(value);
    }
    warn("There was an error when converting some hexadecimal value to a decimal.\n"
         "Make sure that config/preset file contains no wrong data.\n"
            + quoted(s),
        true);
    return 0;
}

std::string Codec::LegacyHexValue(std::string_view value)
{
    if (!m_configVersion.empty())
        return std::string(value);
    return formatNumber(HexToLong(value));
}

std::string Codec::LegacyHexSByte(std::string_view value)
{
    if (!m_configVersion.empty())
        return std::string(value);
    return formatNumber(static_cast<double>(HexToLong(value)) - 256);
}

std::string Codec::LegacyHexSWord(std::string_view value)
{
    if (!m_configVersion.empty())
        return std::string(value);
    return formatNumber(static_cast<double>(HexToLong(value)) - 65536);
}

std::optional<std::string> Codec::LegacyNegValue(std::string_view value)
{
    if (m_configVersion == "0.672" || m_configVersion == "0.673")
        return std::string(value);
    const auto number = strictNumber(value);
    if (!number)
        return std::nullopt;
    return formatNumber(-*number);
}

} // namespace golv
