#pragma once

#include "settings/FieldValidation.h"
#include "settings/SettingId.h"
#include "settings/SettingsStore.h"

#include <random>

namespace golv::test {

// Values every window would take, drawn from the settings table: any state of
// a box, bar, option group or list, any flag behaviour, and texts of the
// field's keys that its checks let through (hex texts of whole bytes, the
// run's condition).
inline SettingValues randomValues(std::mt19937& random, const SettingsStore& store)
{
    const auto below = [&](std::size_t count) { return random() % count; };
    SettingValues values = store.values();
    for (SettingId id = 0; id < kSettingCount; ++id) {
        const SettingDef& def = kSettings[id];
        SettingValue& value = values[id];
        if (def.conversion == Conversion::ListText) {
            value.text = store.listEntries(id)[below(store.listEntries(id).size())];
        } else if (kindOf(def.conversion) == ControlKind::Check) {
            value.number = static_cast<double>(below(3));
        } else if (kindOf(def.conversion) == ControlKind::Flag) {
            value.number = static_cast<double>(1 + below(static_cast<std::size_t>(kSettings[id].high)));
        } else if (kindOf(def.conversion) != ControlKind::Text) {
            value.number = def.low + static_cast<double>(below(static_cast<std::size_t>(def.high - def.low + 1)));
        } else {
            const std::string_view keys = def.input == Input::Hex ? "0123456789ABCDEF" : "0123456789";
            do {
                std::string text;
                if (def.input == Input::SignedDigits && below(2) == 0)
                    text.push_back('-');
                for (std::size_t n = 1 + below(def.maxLength - text.size()); n > 0; --n)
                    text.push_back(keys[below(keys.size())]);
                value.text = std::move(text);
            } while (!fieldAccepts(def, value.text) || (def.input == Input::Hex && value.text.size() % 2 != 0));
        }
    }
    return values;
}

} // namespace golv::test
