#pragma once

#include "codec/AsciiCase.h"
#include "settings/SettingsTable.h"

#include <optional>
#include <stdexcept>
#include <string_view>

namespace golv {

inline constexpr std::size_t kSettingCount = kSettings.size();

// The row of a key, compared in lower case; no value for other keys.
constexpr std::optional<SettingId> findSetting(std::string_view key)
{
    for (std::size_t id = 0; id < kSettings.size(); ++id) {
        if (equalsIgnoringCase(kSettings[id].key, key))
            return id;
    }
    return std::nullopt;
}

// The row of a key that code names literally; a misspelt key fails to compile.
consteval SettingId settingId(std::string_view key)
{
    const auto id = findSetting(key);
    if (!id)
        throw std::logic_error("not a setting key");
    return *id;
}

constexpr const SettingDef& definition(SettingId id) { return kSettings[id]; }

// What a scroll bar's display box shows at a position; none for a setting
// without a box.
constexpr std::optional<DisplayRow> displayOf(SettingId id, int position)
{
    return displayRow(kSettings[id].display, position);
}

// The setting a window's control shows; no value for a control that shows none.
constexpr std::optional<SettingId> settingOfControl(Window window, std::string_view control)
{
    for (std::size_t id = 0; id < kSettings.size(); ++id) {
        if (kSettings[id].window == window && kSettings[id].control == control)
            return id;
    }
    return std::nullopt;
}

} // namespace golv
