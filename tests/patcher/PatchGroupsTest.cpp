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

// A few rows per encoding and displacement: the whole-run tests catch a write
// that lands anywhere else.
TEST_F(PatchGroupsTest, defaultsWriteTheEnginesOwnBytes)
{
    expectDefaults(patchMainWindow,
        {
            {"drawing distance", "DDOffset", 0, "A0 46"},
            {"distant fog, four bytes before it", "DDOffset", -4, "40 46"},
            {"distance limit jump", "DDisOffset3", 0, "75"},
            {"fog code", "FDisOffset", 0, "A9 FF FF FF 00 89 46 10"},
            {"sample rate", "SRateOffset", 0, "00 44 AC 46"},
            {"door sound number", "UWDoorOffset", 0, "32"},
            {"door code after its sound number", "UWDoorOffset", 1, "E8 11 34 05 00"},
            {"free camera stick", "StickCameraOffset", 0, "00 00 09 00"},
            {"pigtail jump", "TwinPonyOffset5", 0, "75 09"},
            {"save handler", "SaveTriggerDefHandlerOffset", 0, "A1 C4 E1 7F 00 85 C0 74 1E"},
        });
    expectDefaults(patchWeapons,
        {
            {"crossbow damage", "XBowNormalOffset", 0, "05"},
            {"poison damage code", "PoisonDamageModOffset", 0, "48 66 89 45 22"},
            {"shotgun dispersion reversed", "ShotgunDispOffset", 0, "54 15"},
            {"crossbow speed 512 as a word", "XBowFlySpeedOffset", 0, "00 02"},
            {"grenade time, second place", "GrenadeTimeoutOffset2", 0, "78 00"},
            {"gun flash code", "GunflashDefProcOffset", 0, "0F 84 B6 00 00 00"},
            {"smoke puff", "SGSmokePuffPosYOffset", 0, "0B"},
        });
    expectDefaults(patchBars,
        {
            {"sprint main colour", "SBarOffset", 0, "00 FF 00"},
            {"sprint height 12", "SBarOffset", 19, "0C"},
            {"sprint width 150, low byte first", "SBarOffset", 21, "96 00"},
            {"sprint position 490 as a word", "SBarXOffset", 0, "EA 01"},
            {"sprint animation off", "SBarAnimOffset", 0, "1B FA"},
            {"sprint shown", "SBarOffset", -19, "A0 70 D1 7F 00"},
            {"air fade colour", "ABarOffset", 8, "00 00 00"},
            {"air height", "ABarOffset", 16, "0C"},
            {"air width", "ABarOffset", 20, "96 00"},
            {"health poisoned colour", "HBarOffset", -5, "00 FF 00"},
            {"health shown", "HBarOffset", -32, "A0 70 D1 7F 00"},
            {"loading main colour (R 159, G 31, B 128): blue first", "LBarOffset", 0, "80 1F 9F"},
            {"loading width 600", "LBarOffset", 57, "58 02"},
            {"loading position 20 in one byte", "LBarXOffset", 0, "14 CC"},
            {"sound bar main (R 63, G 63, B 255)", "SndBarMainOffset", 0, "FF 3F 3F"},
        });
    expectDefaults(patchFonts,
        {
            {"main font, not the byte after it", "MainColourOffset", 0, "80 80 80 CC"},
            {"option title (R 192, G 128, B 64): red first", "OptionTitleOffset", 0, "C0 80 40"},
            {"option title fade", "OptionTitleOffset", 4, "40 10 00"},
            {"legend time 150", "LegendDispTimeOffset", 0, "96"},
            {"exit effect", "ExitEffectOffset", 0, "01"},
            {"inventory title (R 224, G 192, B 0): red first", "InventoryTitleOffset", 0, "E0 C0 00"},
            {"new game centred", "NewGameAlignOffset", 0, "68 00 80 00 00"},
        });
    expectDefaults(patchGfx,
        {
            {"lightning shape pair, first text first", "LightingRaw1Offset", 0, "00 18"},
            {"ricochet colour", "RicoColourOffset", 0, "00 00 00"},
            {"random factor 7FFF reversed", "GFXRandFactorOffset", 0, "FF 7F"},
            {"gun flash (R 47, G 47, B 0): blue first", "GunflashColourOffset", 0, "00 2F 2F"},
            {"lightning core, alpha last", "LightingCoreColourOffset", 0, "00 00 00 FF"},
            {"shadow, alpha 79", "ShadowColourOffset", 0, "00 00 00 4F"},
            {"first top gradient, unchecked", "WPGradTopOffset1", 0, "FF"},
            {"last bottom gradient, unchecked", "WPGradBottomOffset6", 0, "FF"},
            {"waterfall speed 7 negated", "WFallScrollSpeedOffset", 0, "F9"},
            {"sky direction 7FF8 reversed", "SkyDirOffset", 0, "F8 7F"},
        });
    expectDefaults(patchGfx2,
        {
            {"fireball sprite size", "FireballSpriteSizeOffset", 0, "28"},
            {"blast timeout 18806000 reversed", "BlastTimeoutOffset", 0, "00 60 80 18"},
            {"sparkle amount 8", "SparkleAmountOffset", 0, "08"},
            {"second sparkle site, not unified", "SparkleAmountOffset2", 0, "03"},
            {"last sparkle site", "SparkleAmountOffset10", 0, "03"},
            {"fade-out duration", "FadeoutsDurationOffset", 0, "08"},
        });
    expectDefaults(patchLights,
        {
            {"pistol flash area, one byte", "PistolFlashPowerOffset", 0, "0A CC"},
            {"flame emitter area", "FlameEmitter1PowerOffset", 0, "10 CC"},
        });
    expectDefaults(patchInventory,
        {
            {"shared flare and small medkit count", "SeperateSMKFlaresOffset", 0, "88 0D 6C E0 7F 00"},
            {"flares", "FlaresOffset", 0, "03"},
            {"no separate small medkit count", "SmallMedkitsOffset", 0, "CC"},
            {"pistol ammo code", "PistolAmmoOffset", 0, "88 0D FF DF 80 00 90"},
            {"start health", "StartupHealthOffset", 0, "E8 03"},
            {"unlimited pistol ammo marker", "PickPistolAmmo", 0, "FF FF"},
            {"unlimited pistol ammo opcode", "PickPistolAmmo", -6, "C7"},
            {"six boxes of six shells", "PickShotgunNormalAmmo", 0, "24"},
            {"secrets as text", "SecretsOffset", 0, "37 30"},
            {"save item", "SaveInvItemOffset", 0, "E8 66 04 00 00"},
            {"save hot key", "SaveHotkeyIntOffset", 0, "74"},
            {"crowbar not given", "GetCrowbarOffset", 0, "79 07"},
            {"shotgun ammo divided", "ShotgunDivNSAmmoOffset", 0, "99 F7 FE"},
        });
    expectDefaults(patchEnemies,
        {
            {"hit points, low byte first", "SphinxHPOffset", 0, "E8 03"},
            {"small scorpion code", "SmallScorpCommandOffset", 0, "66 C7 46 22 08 00"},
            {"small scorpion free bytes", "SmallScorpFarJumpOffset", 0, "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        });
    expectDefaults(patchPhysics,
        {
            {"swim speed", "SwimSpeedOffset", 0, "C8 00"},
            {"shell gravity", "ShellGravityOffset", 0, "06"},
            {"motorbike explodes", "ExplodeMotorbikeOffset", 0, "74"},
            {"jeep explodes", "ExplodeJeepOffset", 0, "74"},
            {"climb delay", "GrabClimbDelayOffset", 0, "0F 85 5A 01 00 00"},
        });
    expectDefaults(patchDamage,
        {
            {"health bar maximum, second place", "MaxHPBarOffset2", 0, "E8 03"},
            {"raw range, four bytes", "NormRawHPBarRangeOffset", 0, "67 66 66 66 CC"},
            {"divider, one byte", "CritDividerOffset", 0, "02 CC"},
            {"plain damage", "TurretDmgOffset", 0, "05"},
            {"negated damage", "CrocodileLANDDmgOffset", 0, "88"},
            {"negated word", "SetAttack2DmgOffset", 0, "06 FF"},
            {"last row", "WildBoarDmgOffset", 0, "E2"},
        });
}

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
        {"built-in captions, left", builtIn, 0, "68 00 40 00 00"},
        {"built-in captions, center", builtIn, 1, "68 00 80 00 00"},
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

// Offset 8 takes entry 6 again and offsets 10 to 12 all take entry 9; only
// the red set tells entry 6 from entries 7 and 8 at offset 8.
TEST_F(PatchGroupsTest, flareColourCopiesOneCodeSetInTheEnginesEntryOrder)
{
    struct Row {
        const char* name;
        int option;
        const char* firstNine; // offsets 1 to 9, the first one two bytes long
        const char* lastThree; // each of offsets 10 to 12
    };
    const Row rows[] = {
        {"green: the build's own code", 0, "E2 1F 80 3F C0 40 50 51 50 50", "05 C0 00 00 00"},
        {"yellow", 1, "E2 1F 80 3F C0 40 51 51 51 50", "05 60 00 00 00"},
        {"red", 2, "E2 1F 80 3F C0 40 51 50 51 52", "83 C0 00 90 90"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        store().setState(settingId("FlareColour"), row.option);
        ASSERT_TRUE(runGroup(patchLights));
        std::string firstNine = hexAt("FlareColourOffset1", 2);
        for (int n = 2; n <= 9; ++n)
            firstNine.append(" ").append(hexAt("FlareColourOffset" + std::to_string(n), 1));
        EXPECT_EQ(firstNine, row.firstNine);
        for (int n = 10; n <= 12; ++n)
            EXPECT_EQ(hexAt("FlareColourOffset" + std::to_string(n), 5), row.lastThree) << n;
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
