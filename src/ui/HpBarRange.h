#pragma once

#include <string>
#include <vector>

namespace golv {

// The damage window's "recalculate HP bar range": the maximum health-bar
// value brought within 202 to 32767, and the raw range and divider the
// engine needs for it.
struct HpBarRange {
    std::vector<std::string> messages; // shown in turn, before anything else changes
    std::string maximum;               // the maximum field's text afterwards
    std::string divider;               // two hex digits
    std::string range;                 // eight hex digits
};

HpBarRange recalculateHpBarRange(const std::string& maximum);

} // namespace golv
