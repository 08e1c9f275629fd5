#include "config/FirstLoads.h"

#include "settings/SettingId.h"

namespace golv {

ParsedLine FirstLoads::parse(Category category, const SettingLine& line)
{
    ParsedLine parsed = m_settings.parse(category, line);
    // A line of a weapons control that went in; a refused value never reached the control.
    if (!m_weaponsWindowLoaded && parsed.status && category == Category::Weapons) {
        const auto id = findSetting(line.key);
        if (id && kSettings[*id].category == category && kindOf(kSettings[*id].conversion) != ControlKind::Flag)
            loadWeaponsWindow();
    }
    return parsed;
}

void FirstLoads::load(const SettingValues& values)
{
    const SettingsStore::Step step(m_settings);
    loadWeaponsWindow();
    m_settings.load(values);
}

void FirstLoads::loadWeaponsWindow()
{
    if (m_weaponsWindowLoaded)
        return;
    m_weaponsWindowLoaded = true;
    for (const SettingId id : {settingId("GrenNormFlag"), settingId("GrenSupaFlag"), settingId("GrenFlshFlag")})
        m_settings.setFlag(id, 1);
}

} // namespace golv
