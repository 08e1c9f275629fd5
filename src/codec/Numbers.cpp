#include "codec/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace golv {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of `text` (after no spaces), or 0.
std::size_t numberPrefixLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < text.size() && isDigit(text[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// from_chars rather than strtod: Qt sets the process locale from the
// environment, and a file's "2.5" must not depend on it.
std::optional<double> parseDecimal(std::string_view number)
{
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1); // from_chars takes no plus sign
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{} || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string_view skipSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

std::string_view trimSpaces(std::string_view text)
{
    text = skipSpaces(text);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

template <typename Int> std::optional<Int> roundInto(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint follows the default rounding mode, round-half-even.
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min())
        || rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

std::optional<double> leadingNumber(std::string_view text)
{
    text = skipSpaces(text);
    const std::size_t length = numberPrefixLength(text);
    if (length == 0)
        return 0.0;
    return parseDecimal(text.substr(0, length));
}

bool startsWithNumber(std::string_view text) { return numberPrefixLength(skipSpaces(text)) > 0; }

std::optional<double> strictNumber(std::string_view text)
{
    text = trimSpaces(text);
    if (text.empty() || numberPrefixLength(text) != text.size())
        return std::nullopt;
    return parseDecimal(text);
}

std::optional<std::int32_t> roundToInt32(double value) { return roundInto<std::int32_t>(value); }
std::optional<std::int16_t> roundToInt16(double value) { return roundInto<std::int16_t>(value); }
std::optional<std::uint8_t> roundToByte(double value) { return roundInto<std::uint8_t>(value); }

std::string formatNumber(double value)
{
    if (value == 0)
        return "0"; // also for -0, which files never show
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

std::optional<std::int32_t> wholeNumber(std::string_view text)
{
    text = trimSpaces(text);
    std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (i == text.size())
        return std::nullopt;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
    }
    const auto value = parseDecimal(text);
    if (!value)
        return std::nullopt;
    return roundToInt32(*value);
}

} // namespace golv
