#pragma once

#include "settings/SettingsStore.h"

namespace golv {

// The windows GOLV follows are made on first use, and making the weapons
// window sets its three grenade flags to 1; a reader that puts a value into
// one of its controls makes it. GOLV makes a window only to show it, and the
// settings live in the store whether a window exists or not, so the readers
// play that first load here, in front of the store: the first value of a
// weapons control that golv.cfg, a preset or an executable gives sets the
// flags to 1 before it goes in. A flag's own line does not: the flags are
// no controls of the window. Neither the store nor the windows know of it.
class FirstLoads final : public CategoryParsers {
public:
    explicit FirstLoads(SettingsStore& settings) : m_settings(settings) { }
    FirstLoads(const FirstLoads&) = delete;
    FirstLoads& operator=(const FirstLoads&) = delete;

    ParsedLine parse(Category category, const SettingLine& line) override;
    // Every value at once, as an executable read gives them: the window is
    // loaded first, so the flags end as given.
    void load(const SettingValues& values);

private:
    void loadWeaponsWindow();

    SettingsStore& m_settings;
    bool m_weaponsWindowLoaded = false;
};

} // namespace golv
