#pragma once

#include "settings/SettingId.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace golv {

// What a check box does to other settings whenever its value changes, whoever
// changes it (the user, a file, a preset, an undo). "Checked" is the value 1
// alone: a greyed box (2) counts as unchecked.
//
//   Enables  the target takes input only while the box is checked
//   Greys    the target takes input only while the box is not checked; its value stays
//   Couples  while the box is unchecked, the target and its partner hold one
//            text: either one's change is copied to the other, and unchecking
//            the box copies the target's text to the partner
struct Rule {
    enum class Kind : std::uint8_t { Enables, Greys, Couples };
    SettingId box;
    Kind kind;
    SettingId target;
    std::optional<SettingId> partner{};
};

// clang-format off
inline constexpr std::array kRules = {
    Rule{settingId("SaveTrigger"),                 Rule::Kind::Greys,   settingId("DisableSave")},
    Rule{settingId("EnablePoisonDamageChanging"),  Rule::Kind::Enables, settingId("XBowPoisonDamage")},
    Rule{settingId("ReviveShotGunflash"),          Rule::Kind::Enables, settingId("SGFlashXPos")},
    Rule{settingId("ReviveShotGunflash"),          Rule::Kind::Enables, settingId("SGFlashYPos")},
    Rule{settingId("RemovePistolAmmo"),            Rule::Kind::Enables, settingId("StartUpPistolAmmo")},
    // The pick-up amount only reaches the executable with the label switched
    // off, so the field takes input exactly then.
    Rule{settingId("DisableUnlPistAmmoLabel"),     Rule::Kind::Enables, settingId("PistolAmmo")},
    Rule{settingId("EnableSmallScorpionHPChange"), Rule::Kind::Enables, settingId("SmallScorpionHP")},
    Rule{settingId("SeperateAmount"),              Rule::Kind::Couples, settingId("DefSmallMedkits"), settingId("DefFlares")},
};
// clang-format on

// A file or preset is applied in the table's order: a coupling box comes
// before the texts it couples, or loading them would copy one over the other.
static_assert(std::ranges::all_of(kRules, [](const Rule& rule) {
    return rule.kind != Rule::Kind::Couples || (rule.box < rule.target && rule.box < *rule.partner);
}));

} // namespace golv
