#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace golv {
namespace {

class InventoryPatchesTest : public test::PatchFixture {
protected:
    bool wroteAt(std::string_view key, std::int64_t displacement = 0) const
    {
        const std::int64_t position = offset(key) + displacement;
        return std::any_of(writes.begin(), writes.end(), [&](const PatchWrite& write) {
            return position >= write.position && position < write.position + std::ssize(write.bytes);
        });
    }
};

TEST_F(InventoryPatchesTest, DefaultsWriteTheBuildsOwnCodeAndTheDefaultAmounts)
{
    struct Row {
        const char* key;
        int displacement;
        const char* bytes;
    };
    const Row rows[] = {
        {"SeperateSMKFlaresOffset", 0, "88 0D 6C E0 7F 00"},
        {"FlaresOffset", 0, "03"},
        {"GetPistolsOffset", 0, "09"},
        {"GetBinocularsOffset", 0, "01"},
        {"GetCrowbarOffset", 0, "79 07"},
        {"BigMedkitsOffset", 0, "01"},
        {"DisableUPSLabelOffset", 0, "74 10"},
        {"PistolAmmoOffset", 0, "88 0D FF DF 80 00 90"},
        {"PistolItemIDOffset", 0, "5D 01"},
        {"ShotgunDivNSAmmoOffset", 0, "99 F7 FE"},
        {"ShotgunDivWSAmmoOffset", 0, "99 F7 FF"},
        {"StartupHealthOffset", 0, "E8 03"},
        {"StartupAirOffset", 0, "08 07"},
        {"StartupSprintOffset", 0, "78 00"},
        {"PickPistolAmmo", 0, "FF FF"},
        {"PickPistolAmmo", -6, "C7"},
        {"PickShotgunNormalAmmo", 0, "24"},
        {"PickShotgunWideAmmo", 0, "24"},
        {"PickUZIAmmo", 0, "1E"},
        {"PickRevolverAmmo", 0, "06"},
        {"PickXBowNormalAmmo", 0, "0A"},
        {"PickXBowPoisonAmmo", 0, "0A"},
        {"PickXBowExplAmmo", 0, "0A"},
        {"PickGrenadeGunDefAmmo", 0, "0A"},
        {"PickGrenadeNormalAmmo", 0, "04"},
        {"PickGrenadeSuperAmmo", 0, "04"},
        {"PickGrenadeFlashAmmo", 0, "04"},
        {"PickFlares", 0, "0C"},
        {"SmallMedkitEffect", 0, "F4 01"},
        {"SmallMedkitInvert", 0, "41"},
        {"SecretsOffset", 0, "37 30"},
        {"LoadInvItemOffset", 0, "E8 49 07 00 00"},
        {"LoadHotkeyIntOffset", 0, "74"},
        {"SaveInvItemOffset", 0, "E8 66 04 00 00"},
        {"SaveHotkeyIntOffset", 0, "74"},
        {"FixCompassBugOffset", 0, "7F 0A"},
        {"DisableCompassCheatsOffset", 0, "0F 84 8B 00 00 00"},
        {"ItemRotateSpeedOffset", 0, "FE 03"},
        {"AmmoRotateSpeedOffset", 0, "FE 03"},
    };
    fillImage(0xCC);
    ASSERT_TRUE(runGroup(patchInventory));
    for (const Row& row : rows) {
        const std::string expected = row.bytes;
        EXPECT_EQ(hexAt(row.key, (expected.size() + 1) / 3, row.displacement), expected)
            << row.key << " + " << row.displacement;
    }
    EXPECT_EQ(hexAt("SmallMedkitsOffset", 1), "CC");
    EXPECT_EQ(writes.size(), std::size(rows));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(InventoryPatchesTest, CountsTakeTheLeadingNumberOfTheirText)
{
    struct Row {
        const char* name;
        const char* key;
        const char* text;
        const char* offsetKey;
        const char* bytes;
    };
    const Row rows[] = {
        {"plain amount", "DefBigMedkits", "40", "BigMedkitsOffset", "28"},
        {"leading zero", "DefBigMedkits", "07", "BigMedkitsOffset", "07"},
        {"largest byte", "UziAmmo", "255", "PickUZIAmmo", "FF"},
        {"text without a number counts as 0", "RevolverAmmo", "x5", "PickRevolverAmmo", "00"},
        {"empty text counts as 0", "Flares", "", "PickFlares", "00"},
        {"digits followed by other text", "XBowNormalAmmo", "12abc", "PickXBowNormalAmmo", "0C"},
        {"a half rounds to even", "GrenadeSuperAmmo", "2.5", "PickGrenadeSuperAmmo", "02"},
        {"shotgun boxes hold six shells", "ShotgunWideAmmo", "2", "PickShotgunWideAmmo", "0C"},
        {"shotgun multiplies before encoding", "ShotgunNormalAmmo", "21", "PickShotgunNormalAmmo", "7E"},
        {"shotgun without a number", "ShotgunNormalAmmo", "-", "PickShotgunNormalAmmo", "00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        set(row.key, row.text);
        ASSERT_TRUE(runGroup(patchInventory));
        EXPECT_EQ(hexAt(row.offsetKey, 1), row.bytes);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(InventoryPatchesTest, EachPickupCountGoesToItsOwnPosition)
{
    const char* const pickups[][2] = {
        {"UziAmmo", "PickUZIAmmo"},
        {"RevolverAmmo", "PickRevolverAmmo"},
        {"XBowNormalAmmo", "PickXBowNormalAmmo"},
        {"XBowPoisonAmmo", "PickXBowPoisonAmmo"},
        {"XBowExplosiveAmmo", "PickXBowExplAmmo"},
        {"GrenadeGunDefAmmo", "PickGrenadeGunDefAmmo"},
        {"GrenadeNormalAmmo", "PickGrenadeNormalAmmo"},
        {"GrenadeSuperAmmo", "PickGrenadeSuperAmmo"},
        {"GrenadeFlashAmmo", "PickGrenadeFlashAmmo"},
        {"Flares", "PickFlares"},
    };
    unsigned value = 101;
    for (const auto& pickup : pickups)
        set(pickup[0], std::to_string(value++));
    ASSERT_TRUE(runGroup(patchInventory));
    value = 101;
    for (const auto& pickup : pickups) {
        EXPECT_EQ(hexAt(pickup[1], 1), test::hexByte(value++)) << pickup[0];
    }
}

TEST_F(InventoryPatchesTest, SeparateAmountsWriteTheSmallMedkitCountOnlyWhenTicked)
{
    set("SeperateAmount", "1");
    set("DefFlares", "5");
    set("DefSmallMedkits", "9");
    fillImage(0xCC);
    ASSERT_TRUE(runGroup(patchInventory));
    EXPECT_EQ(hexAt("SeperateSMKFlaresOffset", 6), "90 90 90 90 90 90");
    EXPECT_EQ(hexAt("FlaresOffset", 1), "05");
    EXPECT_EQ(hexAt("SmallMedkitsOffset", 1), "09");

    // Unticking writes the build's own code and the flare count only; the
    // separate count stays where it was.
    set("SeperateAmount", "0");
    set("DefSmallMedkits", "4");
    ASSERT_TRUE(runGroup(patchInventory));
    EXPECT_EQ(hexAt("SeperateSMKFlaresOffset", 6), "88 0D 6C E0 7F 00");
    EXPECT_EQ(hexAt("FlaresOffset", 1), "04");
    EXPECT_EQ(hexAt("SmallMedkitsOffset", 1), "09");
    EXPECT_FALSE(wroteAt("SmallMedkitsOffset"));
}

TEST_F(InventoryPatchesTest, RemovedPistolAmmoPutsTheStartAmountIntoTheReplacementCode)
{
    set("RemovePistolAmmo", "1");
    set("StartUpPistolAmmo", "100");
    ASSERT_TRUE(runGroup(patchInventory));
    EXPECT_EQ(hexAt("PistolAmmoOffset", 7), "C6 05 FF DF 80 00 64");

    set("RemovePistolAmmo", "0");
    ASSERT_TRUE(runGroup(patchInventory));
    EXPECT_EQ(hexAt("PistolAmmoOffset", 7), "88 0D FF DF 80 00 90");
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(),
                  [&](const PatchWrite& write) { return write.position == offset("PistolAmmoOffset") + 6; }),
        0);
}

TEST_F(InventoryPatchesTest, PistolAmmoPickupFollowsTheUnlimitedAmmoLabel)
{
    set("DisableUnlPistAmmoLabel", "1");
    set("PistolAmmo", "40");
    fillImage(0xCC);
    ASSERT_TRUE(runGroup(patchInventory));
    EXPECT_EQ(hexAt("DisableUPSLabelOffset", 2), "EB 10");
    EXPECT_EQ(hexAt("PickPistolAmmo", 8, -6), "83 CC CC CC CC CC 28 90");
    // The amount and its no-operation are one write.
    const auto pickup = std::find_if(writes.begin(), writes.end(),
        [&](const PatchWrite& write) { return write.position == offset("PickPistolAmmo"); });
    ASSERT_NE(pickup, writes.end());
    EXPECT_EQ(pickup->bytes, (std::vector<std::uint8_t>{0x28, 0x90}));

    set("DisableUnlPistAmmoLabel", "0");
    ASSERT_TRUE(runGroup(patchInventory));
    EXPECT_EQ(hexAt("DisableUPSLabelOffset", 2), "74 10");
    EXPECT_EQ(hexAt("PickPistolAmmo", 8, -6), "C7 CC CC CC CC CC FF FF");
}

TEST_F(InventoryPatchesTest, SecretsAreWrittenAsTextWithAZeroAfterOneDigit)
{
    struct Row {
        const char* text;
        const char* bytes; // four bytes from SecretsOffset
    };
    const Row rows[] = {
        {"70", "37 30 CC CC"},
        {"7", "37 00 CC CC"},
        {"12", "31 32 CC CC"},
        {"123", "31 32 33 CC"},
        {"", "CC 00 CC CC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        fillImage(0xCC);
        set("Secrets", row.text);
        ASSERT_TRUE(runGroup(patchInventory));
        EXPECT_EQ(hexAt("SecretsOffset", 4), row.bytes);
    }
}

TEST_F(InventoryPatchesTest, TheSaveTriggerTakesOverTheSaveItemAndLeavesItsHotKeyAlone)
{
    set("SaveTrigger", "1");
    for (const char* disableSave : {"0", "1", "2"}) {
        SCOPED_TRACE(disableSave);
        fillImage(0xCC);
        set("DisableSave", disableSave);
        ASSERT_TRUE(runGroup(patchInventory));
        EXPECT_EQ(hexAt("SaveInvItemOffset", 5), "90 90 90 90 90");
        EXPECT_EQ(hexAt("SaveHotkeyIntOffset", 1), "CC");
    }

    set("SaveTrigger", "0");
    set("DisableSave", "1");
    ASSERT_TRUE(runGroup(patchInventory));
    EXPECT_EQ(hexAt("SaveInvItemOffset", 5), "90 90 90 90 90");
    EXPECT_EQ(hexAt("SaveHotkeyIntOffset", 1), "EB");
}

TEST_F(InventoryPatchesTest, TickedSwitchesWriteTheirReplacements)
{
    struct Row {
        const char* key;
        const char* offsetKey;
        const char* bytes;
    };
    const Row rows[] = {
        {"DefGetPistols", "GetPistolsOffset", "09"},
        {"DefGetBinoculars", "GetBinocularsOffset", "01"},
        {"DefGetCrowbar", "GetCrowbarOffset", "90 90"},
        {"ReplacePistolsWithAmmo", "PistolItemIDOffset", "5E 01"},
        {"DisableShotgunAmmoDivider", "ShotgunDivNSAmmoOffset", "90 90 90"},
        {"DisableShotgunAmmoDivider", "ShotgunDivWSAmmoOffset", "90 90 90"},
        {"InvertSmallMediEffect", "SmallMedkitInvert", "69"},
        {"DisableLoad", "LoadInvItemOffset", "90 90 90 90 90"},
        {"DisableLoad", "LoadHotkeyIntOffset", "EB"},
        {"FixCompassBug", "FixCompassBugOffset", "7D 0A"},
        {"DisableCompassCheats", "DisableCompassCheatsOffset", "E9 8C 00 00 00 90"},
    };
    for (const Row& row : rows)
        set(row.key, "1");
    ASSERT_TRUE(runGroup(patchInventory));
    for (const Row& row : rows) {
        const std::string expected = row.bytes;
        EXPECT_EQ(hexAt(row.offsetKey, (expected.size() + 1) / 3), expected) << row.key;
    }
    set("DefGetPistols", "0");
    set("DefGetBinoculars", "0");
    ASSERT_TRUE(runGroup(patchInventory));
    EXPECT_EQ(hexAt("GetPistolsOffset", 1), "00");
    EXPECT_EQ(hexAt("GetBinocularsOffset", 1), "00");
}

// Every two-way switch that writes the build's own code when off undoes itself.
TEST_F(InventoryPatchesTest, OnThenOffEqualsOffAlone)
{
    for (const char* key : {"DefGetPistols", "DefGetBinoculars", "DefGetCrowbar", "DisableUnlPistAmmoLabel",
             "RemovePistolAmmo", "ReplacePistolsWithAmmo", "DisableShotgunAmmoDivider", "InvertSmallMediEffect",
             "DisableLoad", "DisableSave", "FixCompassBug", "DisableCompassCheats"}) {
        SCOPED_TRACE(key);
        fillImage(0);
        set(key, "0");
        ASSERT_TRUE(runGroup(patchInventory));
        const std::string offAlone = image();

        fillImage(0);
        set(key, "1");
        ASSERT_TRUE(runGroup(patchInventory));
        EXPECT_FALSE(image() == offAlone);
        set(key, "0");
        ASSERT_TRUE(runGroup(patchInventory));
        EXPECT_TRUE(image() == offAlone);
    }
}

TEST_F(InventoryPatchesTest, GreyedBoxesFollowTheirOwnTest)
{
    struct Row {
        const char* name;
        const char* key;
        const char* like; // the state a greyed box acts as, or nullptr for nothing written
        std::vector<std::pair<const char*, int>> positions; // where a greyed box must write nothing
    };
    const Row rows[] = {
        {"separate amounts write nothing", "SeperateAmount", nullptr,
            {{"SeperateSMKFlaresOffset", 0}, {"FlaresOffset", 0}, {"SmallMedkitsOffset", 0}}},
        {"pistols write nothing", "DefGetPistols", nullptr, {{"GetPistolsOffset", 0}}},
        {"binoculars write nothing", "DefGetBinoculars", nullptr, {{"GetBinocularsOffset", 0}}},
        {"crowbar writes nothing", "DefGetCrowbar", nullptr, {{"GetCrowbarOffset", 0}}},
        {"ammo label writes nothing, nor the pick-up", "DisableUnlPistAmmoLabel", nullptr,
            {{"DisableUPSLabelOffset", 0}, {"PickPistolAmmo", 0}, {"PickPistolAmmo", -6}}},
        {"pistol ammo writes nothing", "RemovePistolAmmo", nullptr, {{"PistolAmmoOffset", 0}, {"PistolAmmoOffset", 6}}},
        {"pistol item writes nothing", "ReplacePistolsWithAmmo", nullptr, {{"PistolItemIDOffset", 0}}},
        {"medkit inversion writes nothing", "InvertSmallMediEffect", nullptr, {{"SmallMedkitInvert", 0}}},
        {"shotgun divider acts ticked", "DisableShotgunAmmoDivider", "1", {}},
        {"compass fix acts ticked", "FixCompassBug", "1", {}},
        {"compass cheats act ticked", "DisableCompassCheats", "1", {}},
        {"disabled loading acts unticked", "DisableLoad", "0", {}},
        {"disabled saving acts unticked", "DisableSave", "0", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fillImage(0);
        set(row.key, "2");
        ASSERT_TRUE(runGroup(patchInventory));
        if (row.like == nullptr) {
            for (const auto& [key, displacement] : row.positions)
                EXPECT_FALSE(wroteAt(key, displacement)) << key << " + " << displacement;
        } else {
            const std::string greyed = image();
            fillImage(0);
            set(row.key, row.like);
            ASSERT_TRUE(runGroup(patchInventory));
            EXPECT_TRUE(image() == greyed);
        }
        set(row.key, "0");
    }
}

} // namespace
} // namespace golv
