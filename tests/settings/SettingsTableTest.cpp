#include "settings/SettingsTable.h"

#include "config/DefaultConfig.h"
#include "config/SplitKeyValue.h"
#include "settings/FieldValidation.h"
#include "settings/SettingId.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace golv {
namespace {

// The darts drain keeps its place right after the steam leakage.
static_assert(settingId("indartsleakage") == settingId("InSteamLeakage") + 1);

std::string describe(const SettingDef& row) { return std::string(row.key) + " (" + std::string(row.control) + ")"; }

TEST(SettingsTable, keysAndControlsAreUnique)
{
    std::set<std::string> keys;
    std::set<std::pair<Window, std::string_view>> controls;
    for (const SettingDef& row : kSettings) {
        EXPECT_TRUE(keys.insert(toLowerAscii(row.key)).second) << "key twice: " << row.key;
        EXPECT_TRUE(controls.insert({row.window, row.control}).second) << "control twice: " << describe(row);
    }
}

TEST(SettingsTable, everyCategoryHasItsWindowAndItsRows)
{
    struct Row {
        Category category;
        Window window;
        int rows;
    };
    const Row expected[] = {{Category::Physics, Window::CustPhys, 13}, {Category::Weapons, Window::CustWeapons, 32},
        {Category::Inventory, Window::CustInv, 38}, {Category::Main, Window::Form1, 19},
        {Category::Bars, Window::CustBars, 66}, {Category::Gfx, Window::CustGfx, 45},
        {Category::Gfx2, Window::CustGfx2, 18}, {Category::Lite, Window::CustLite, 7},
        {Category::Enemies, Window::CustEnemy, 26}, {Category::Fonts, Window::CustFonts, 30},
        {Category::OxmaHP, Window::CustOxmaHP, 34}};
    for (const Row& category : expected) {
        SCOPED_TRACE(static_cast<int>(category.category));
        int rows = 0;
        for (const SettingDef& row : kSettings) {
            if (row.category != category.category)
                continue;
            ++rows;
            EXPECT_EQ(row.window, category.window) << describe(row);
        }
        EXPECT_EQ(rows, category.rows);
    }
    // The main window writes it, but the inventory window shows and resets it.
    EXPECT_EQ(definition(settingId("DisableInventory")).category, Category::Inventory);
}

TEST(SettingsTable, coversTheDefaultTextsCommonSectionOnceWithEqualInitialValues)
{
    const std::set<std::string> notSettings
        = {"exename", "versioncheckoffset", "numbytestoread", "silentpatch", "version", "languagefile",
            // Keys of the default text that no category reads.
            "forcelockstickastrigger", "enablesavetrigger", "enableremoveammotrigger"};
    std::vector<bool> seen(kSettings.size(), false);
    std::vector<std::string> keys;
    bool inCommon = false;
    for (const std::string& line : defaultConfigLines()) {
        const std::string lower = toLowerAscii(line);
        if (lower == "[common]" || lower == "[end common]")
            inCommon = lower == "[common]";
        const KeyValueLine split = SplitKeyValue(line);
        if (!inCommon || split.kind != KeyValueLine::Kind::Pair)
            continue;
        keys.push_back(split.key);
        if (notSettings.contains(split.key))
            continue;
        const std::optional<SettingId> id = findSetting(split.key);
        if (!id) {
            ADD_FAILURE() << "no setting for " << split.key;
            continue;
        }
        EXPECT_FALSE(seen[*id]) << "key twice: " << split.key;
        seen[*id] = true;
        // The windows start with the defaults, so a start-up without a
        // configuration file shows what the default text would have given.
        EXPECT_EQ(definition(*id).initial, split.value) << describe(definition(*id));
    }
    for (SettingId id = 0; id < kSettings.size(); ++id)
        EXPECT_TRUE(seen[id]) << "no default for " << kSettings[id].key;
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 5),
        (std::vector<std::string>{"exename", "versioncheckoffset", "numbytestoread", "silentpatch", "version"}))
        << "Version stands before every setting, which the legacy converters rely on";
}

TEST(SettingsTable, textFieldsAcceptTheirInitialText)
{
    for (const SettingDef& row : kSettings) {
        if (kindOf(row.conversion) != ControlKind::Text)
            continue;
        SCOPED_TRACE(describe(row));
        EXPECT_LE(row.initial.size(), row.maxLength);
        for (const char c : row.initial)
            EXPECT_TRUE(keyFilterAccepts(row.input, c)) << c;
        EXPECT_EQ(checkField(row.checks, std::string(row.initial), row.input).messages, std::vector<std::string>{});
    }
}

} // namespace
} // namespace golv
