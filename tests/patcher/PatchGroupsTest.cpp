#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace golv {
namespace {

class PatchGroupsTest : public test::PatchFixture { };

// Every position of each bar, and one beyond each end: the display the store
// shows must be a text of the group's table and give the value of that
// position; a position without a display text writes nothing.
TEST_F(PatchGroupsTest, mainWindowScrollPositionsWriteTheValueOfTheirDisplay)
{
    struct Bar {
        const char* setting;
        const char* key;
        int displacement;
        int low;
        std::vector<const char*> hexByPosition;
    };
    const Bar bars[] = {
        {"DrawingDistanceRange", "DDOffset", 0, -3,
            {"9D 45", "20 46", "70 46", "80 46", "95 46", "A0 46", "AF 46", "C8 46", "DC 46", "EB 46", "1D 47", "44 47",
                "9D 47", "C8 47"}},
        {"DistantFogRange", "DDOffset", -4, -2,
            {"00 45", "9D 45", "00 46", "1D 46", "40 46", "5B 46", "8D 46", "9D 46", "AC 46", "BC 46", "DB 46", "EB 46",
                "FA 46", "05 47", "0E 47", "15 47", "1D 47", "25 47", "2C 47", "34 47", "3C 47", "44 47", "57 47",
                "6B 47", "7E 47", "89 47", "93 47", "9D 47", "A6 47", "B0 47", "BA 47", "C8 47"}},
        {"SampleRate", "SRateOffset", 0, 0, {"00 44 2C 46", "00 44 AC 46", "00 44 2C 47", "00 80 3B 47"}},
    };
    for (const Bar& bar : bars) {
        const SettingDef& def = kSettings[*findSetting(bar.setting)];
        ASSERT_EQ(def.low, bar.low) << bar.setting;
        ASSERT_EQ(def.high - def.low + 1, static_cast<int>(bar.hexByPosition.size())) << bar.setting;
        const std::size_t width = test::byteCount(bar.hexByPosition.front());
        for (int position = def.low - 1; position <= def.high + 1; ++position) {
            SCOPED_TRACE(std::string(bar.setting) + " at " + std::to_string(position));
            fillImage(0xCC);
            set(bar.setting, std::to_string(position));
            ASSERT_TRUE(runGroup(patchMainWindow));
            const bool shown = position >= def.low && position <= def.high;
            EXPECT_EQ(hexAt(bar.key, width, bar.displacement),
                shown ? bar.hexByPosition[static_cast<std::size_t>(position - bar.low)]
                      : (width == 2 ? "CC CC" : "CC CC CC CC"));
        }
    }
}

// The weapon records are 38 bytes apart; distinct values show a field one
// byte off or two settings swapped.
TEST_F(PatchGroupsTest, everyWeaponRecordFieldLandsAtItsOwnPlace)
{
    struct Row {
        const char* setting;
        const char* value;
        int displacement;
        const char* hex;
    };
    const Row rows[] = {
        {"PistolDisp", "11", 0, "0B"},
        {"PistolDamage", "12", 5, "0C"},
        {"PistolRate", "13", 6, "0D"},
        {"PistolFlash", "14", 7, "0E"},
        {"RevolDisp", "21", 38, "15"},
        {"RevolDamage", "22", 43, "16"},
        {"RevolRate", "23", 44, "17"},
        {"RevolFlash", "24", 45, "18"},
        {"UziDisp", "31", 76, "1F"},
        {"UziDamage", "32", 81, "20"},
        {"UziRate", "33", 82, "21"},
        {"UziFlash", "34", 83, "22"},
        {"ShotgunDamage", "42", 119, "2A"},
        {"ShotgunFlash", "44", 121, "2C"},
    };
    for (const Row& row : rows)
        set(row.setting, row.value);
    ASSERT_TRUE(runGroup(patchWeapons));
    for (const Row& row : rows)
        EXPECT_EQ(hexAt("WeaponOffset", 1, row.displacement), row.hex) << row.setting;
}

TEST_F(PatchGroupsTest, menuAlignmentFollowsTheListsPositionWhateverItsEntriesAreCalled)
{
    struct Row {
        const char* name;
        std::optional<std::array<std::string, 3>> language; // captions a language file gave, shown in the list
        int selected;
        const char* bytes; // at each of the four align positions
    };
    const std::array<std::string, 3> builtIn = {"left", "center", "rite"};
    const std::array<std::string, 3> german = {"links", "mittig", "rechts"};
    const Row rows[] = {
        {"no language file, left", std::nullopt, 0, "68 00 40 00 00"},
        {"no language file, center", std::nullopt, 1, "68 00 80 00 00"},
        {"no language file, the list's own right", std::nullopt, 2, "6A 00 90 90 90"},
        {"built-in captions, rite", builtIn, 2, "6A 00 90 90 90"},
        {"translated, links", german, 0, "68 00 40 00 00"},
        {"translated, mittig", german, 1, "68 00 80 00 00"},
        {"translated, rechts", german, 2, "6A 00 90 90 90"},
        {"two captions alike still write their own position", std::array<std::string, 3>{"same", "same", "x"}, 1,
            "68 00 80 00 00"},
        {"no entry chosen: nothing written", builtIn, -1, "CC CC CC CC CC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // A session of its own, whose list has not shown any captions yet.
        Session fresh(ui);
        fresh.configPath = session.configPath;
        ASSERT_TRUE(LoadCommonConfig(fresh));
        fresh.offsets = session.offsets;
        fresh.engineData = session.engineData;
        fillImage(0xCC);
        SettingsStore& settings = fresh.settings;
        settings.setAlignmentCaptions(builtIn);
        if (row.language) {
            settings.setAlignmentCaptions(*row.language);
            settings.showAlignmentCaptions();
        }
        settings.setState(settingId("MainMenuAlign"), row.selected);
        ASSERT_TRUE(runGroup(patchFonts, fresh));
        for (const char* key : {"NewGameAlignOffset", "LoadGameAlignOffset", "OptsAlignOffset", "ExitAlignOffset"})
            EXPECT_EQ(hexAt(key, 5), row.bytes) << key;
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(PatchGroupsTest, unifyingSparklesSpreadsTheAmountOverTheOtherNineSites)
{
    struct Row {
        const char* name;
        const char* unify;
        const char* defaultAmount; // the build's entry for the other sites
        const char* eachOtherSite;
    };
    const Row rows[] = {
        {"unchecked: the build's amount", "0", "03", "03"},
        {"unchecked: whatever the build's entry says", "0", "05", "05"},
        {"checked: the amount everywhere", "1", "03", "0C"},
        {"greyed: the other sites stay as they are", "2", "03", "CC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fillImage(0xCC);
        set("SparkleAmount", "12");
        set("UnifyAmount", row.unify);
        session.engineData[engineDataIndex("SparklesUnifyDefAmount")] = row.defaultAmount;
        ASSERT_TRUE(runGroup(patchGfx2));
        EXPECT_EQ(hexAt("SparkleAmountOffset", 1), "0C") << "the first site is always written";
        for (int site = 2; site <= 10; ++site)
            EXPECT_EQ(hexAt("SparkleAmountOffset" + std::to_string(site), 1), row.eachOtherSite) << site;
    }
}

TEST_F(PatchGroupsTest, everyLightStrengthPositionWritesTheFloatOfTheTextItShows)
{
    struct Row {
        int position;
        const char* shown; // nullptr: no display, nothing written
        const char* bytes;
    };
    // The bytes read back as little-endian floats: 0, then 0.000921569 + n / 1000.
    const Row rows[] = {{-1, "0", "00 00 00 00"}, {0, "0.0009...", "73 95 71 3A"}, {1, "0.0019...", "28 DD FB 3A"},
        {2, "0.0029...", "CB 77 3F 3B"}, {3, "0.0039...", "81 80 80 3B"}, {4, "0.0049...", "1D 45 A1 3B"},
        {5, "0.0059...", "B9 09 C2 3B"}, {6, "0.0069...", "54 CE E2 3B"}, {7, "0.0079...", "78 C9 01 3C"},
        {8, "0.0089...", "C6 2B 12 3C"}, {9, "0.0099...", "14 8E 22 3C"}, {10, "0.0109...", "61 F0 32 3C"},
        {11, nullptr, "CC CC CC CC"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.position);
        fillImage(0xCC);
        store().setState(settingId("DynLightPower"), row.position);
        const auto display = store().display(settingId("DynLightPower"));
        EXPECT_EQ(display ? display->text : "none", row.shown ? row.shown : "none");
        ASSERT_TRUE(runGroup(patchLights));
        EXPECT_EQ(hexAt("DLiteIntOffset", 4), row.bytes);
    }
}

TEST_F(PatchGroupsTest, binocularsRangeWritesTwoBytesForEveryListedText)
{
    struct Row {
        const char* text;
        const char* bytes; // with the byte before and the byte after, which stay
    };
    // An empty text counts as the default 20; a text not in the list, even
    // "5" for "05", writes nothing.
    const Row rows[] = {{"00", "CC 00 00 CC"}, {"05", "CC 9D 45 CC"}, {"10", "CC 1D 46 CC"}, {"20", "CC A0 46 CC"},
        {"", "CC A0 46 CC"}, {"25", "CC BC 46 CC"}, {"30", "CC EB 46 CC"}, {"40", "CC 1D 47 CC"}, {"50", "CC 44 47 CC"},
        {"60", "CC 6B 47 CC"}, {"70", "CC 89 47 CC"}, {"80", "CC 9D 47 CC"}, {"90", "CC B0 47 CC"},
        {"15", "CC CC CC CC"}, {"5", "CC CC CC CC"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        fillImage(0xCC);
        set("BinocsRange", row.text);
        ASSERT_TRUE(runGroup(patchLights));
        EXPECT_EQ(hexAt("BinocRangeOffset", 4, -1), row.bytes);
    }
}

TEST_F(PatchGroupsTest, secretsAreWrittenAsTextWithAZeroAfterOneDigit)
{
    const char* const rows[][2]
        = {{"7", "37 00 CC CC"}, {"12", "31 32 CC CC"}, {"123", "31 32 33 CC"}, {"", "CC 00 CC CC"}};
    for (const auto& [text, bytes] : rows) {
        SCOPED_TRACE(text);
        fillImage(0xCC);
        set("Secrets", text);
        ASSERT_TRUE(runGroup(patchInventory));
        EXPECT_EQ(hexAt("SecretsOffset", 4), bytes);
    }
}

TEST_F(PatchGroupsTest, pistolAmmoPickupWithoutTheLabelIsTheAmountAndANoOperationInOneWrite)
{
    fillImage(0xCC);
    set("DisableUnlPistAmmoLabel", "1");
    set("PistolAmmo", "40");
    ASSERT_TRUE(runGroup(patchInventory));
    EXPECT_EQ(hexAt("DisableUPSLabelOffset", 2), "EB 10");
    EXPECT_EQ(hexAt("PickPistolAmmo", 8, -6), "83 CC CC CC CC CC 28 90");
    const auto pickup = std::find_if(writes.begin(), writes.end(),
        [&](const PatchWrite& write) { return write.position == offset("PickPistolAmmo"); });
    ASSERT_NE(pickup, writes.end());
    EXPECT_EQ(pickup->bytes, (std::vector<std::uint8_t>{0x28, 0x90}));
}

// The save trigger brings its own save handler: the save item is always blanked
// and the save hot key left alone, whatever the disable-save box says.
TEST_F(PatchGroupsTest, theSaveTriggerTakesOverTheSaveItemAndLeavesItsHotKeyAlone)
{
    // Save trigger, disable save, the hot key's byte.
    const char* const rows[][3] = {{"1", "0", "CC"}, {"1", "1", "CC"}, {"1", "2", "CC"}, {"0", "1", "EB"}};
    for (const auto& [trigger, disableSave, hotKey] : rows) {
        SCOPED_TRACE(std::string("trigger ") + trigger + ", disable save " + disableSave);
        fillImage(0xCC);
        set("SaveTrigger", trigger);
        set("DisableSave", disableSave);
        ASSERT_TRUE(runGroup(patchInventory));
        EXPECT_EQ(hexAt("SaveInvItemOffset", 5), "90 90 90 90 90");
        EXPECT_EQ(hexAt("SaveHotkeyIntOffset", 1), hotKey);
    }
}

// Turn speeds go out reversed, and the back pair crosses over: the right turn
// goes to the left position and the left turn to the right one.
TEST_F(PatchGroupsTest, turnSpeedsAreReversedAndTheBackPairCrossesOver)
{
    const char* const rows[][3] = {
        {"RotOnGroundFrontLeft", "0011", "OnGroundFrontLeftOffset"},
        {"RotOnGroundFrontRight", "0022", "OnGroundFrontRiteOffset"},
        {"RotOnGroundBackRight", "0200", "OnGroundBackLeftOffset"},
        {"RotOnGroundBackLeft", "0100", "OnGroundBackRiteOffset"},
    };
    for (const auto& [key, text, offsetKey] : rows)
        set(key, text);
    ASSERT_TRUE(runGroup(patchPhysics));
    for (const auto& [key, text, offsetKey] : rows) {
        const std::string digits = text;
        EXPECT_EQ(hexAt(offsetKey, 2), digits.substr(2, 2) + " " + digits.substr(0, 2)) << key;
    }
}

TEST_F(PatchGroupsTest, drainsAndDamagesAreNegatedIntoTheirOwnSizes)
{
    struct Row {
        const char* name;
        const char* setting; // written at the setting's key + "Offset"
        const char* text;
        const char* bytes;
    };
    const Row rows[] = {
        {"negated byte: 120 -> 88", "NoAirLeakage", "120", "88"},
        {"negated byte: 5 -> FB", "OnFireLeakage", "5", "FB"},
        {"negated byte: 0 -> 00", "BatDmg", "0", "00"},
        {"negated byte: a negative drain heals, -5 -> 05", "InDartsLeakage", "-5", "05"},
        {"negated word: 200 -> 38 FF", "SetAttack2Dmg", "200", "38 FF"},
        {"negated word: -5 -> 05 00", "SphinxDmg", "-5", "05 00"},
        {"plain byte keeps its sign", "TurretDmg", "100", "64"},
    };
    for (const Row& row : rows)
        set(row.setting, row.text);
    ASSERT_TRUE(runGroup(patchDamage));
    for (const Row& row : rows)
        EXPECT_EQ(hexAt(std::string(row.setting) + "Offset", test::byteCount(row.bytes)), row.bytes) << row.name;
}

TEST_F(PatchGroupsTest, aDamageThatIsNoNumberKeepsTheWholeGroupFromBeingWritten)
{
    for (const auto& [setting, text] :
        {std::pair{"NoAirLeakage", ""}, std::pair{"DogDmg", "abc"}, std::pair{"SphinxDmg", "1x"}}) {
        SCOPED_TRACE(setting);
        fillImage(0xCC);
        const std::string before = image();
        const std::string previous = store().text(*findSetting(setting));
        set(setting, text);
        const Status run = runGroup(patchDamage);
        EXPECT_EQ(run.reason(), std::string(setting) + ": \"" + text + "\" is not a number.");
        EXPECT_TRUE(image() == before);
        EXPECT_TRUE(ui.messages.empty());
        set(setting, previous);
    }
}

} // namespace
} // namespace golv
