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

// A key twice leaves its second setting without a default in the test below.
TEST(SettingsTable, controlsAreUniqueInTheirWindow)
{
    std::set<std::pair<Window, std::string_view>> controls;
    for (const SettingDef& row : kSettings)
        EXPECT_TRUE(controls.insert({row.window, row.control}).second) << "control twice: " << describe(row);
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
