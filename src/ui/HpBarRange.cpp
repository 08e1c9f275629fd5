#include "ui/HpBarRange.h"

#include "codec/Numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace golv {
namespace {

constexpr double kLowest = 202;
constexpr double kHighest = 32767;
// The engine's range factor for a divider of 00; 01 and 02 double it once and twice.
constexpr double kFactor = 431989750000.0;

} // namespace

HpBarRange recalculateHpBarRange(const std::string& maximum)
{
    HpBarRange result;
    result.maximum = maximum;
    double value = leadingNumber(maximum).value_or(0);
    if (value < kLowest) {
        result.messages.emplace_back("You have set too low Max. HP bar value.");
        result.maximum = "202";
        value = kLowest;
    }
    if (value > kHighest) {
        result.messages.emplace_back("You have set too high Max. HP bar value.");
        result.maximum = "32767";
        value = kHighest;
    }
    double factor = kFactor;
    if (value >= 805) {
        result.divider = "02";
        factor *= 4;
    } else if (value >= 403) {
        result.divider = "01";
        factor *= 2;
    } else {
        result.divider = "00";
    }
    // At least 202, so the quotient stays below 2^32: eight hex digits hold it.
    const auto range = static_cast<std::uint32_t>(std::nearbyint(factor / value));
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(range));
    result.range = digits;
    return result;
}

} // namespace golv
