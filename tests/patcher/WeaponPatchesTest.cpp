#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <algorithm>
#include <string>

namespace golv {
namespace {

class WeaponPatchesTest : public test::PatchFixture {
protected:
    bool wroteFor(std::string_view setting) const
    {
        const SettingId id = *findSetting(setting);
        return std::any_of(writes.begin(), writes.end(), [&](const PatchWrite& write) { return write.setting == id; });
    }
};

TEST_F(WeaponPatchesTest, defaultsInTheOrderOfTheRun)
{
    struct Expected {
        const char* key;
        int displacement;
        const char* hex;
    };
    const Expected rows[] = {
        {"WeaponOffset", 0, "05"},
        {"WeaponOffset", 5, "01"},
        {"WeaponOffset", 6, "09"},
        {"WeaponOffset", 7, "03"},
        {"WeaponOffset", 38, "02"},
        {"WeaponOffset", 43, "15"},
        {"WeaponOffset", 44, "10"},
        {"WeaponOffset", 45, "03"},
        {"WeaponOffset", 76, "05"},
        {"WeaponOffset", 81, "01"},
        {"WeaponOffset", 82, "03"},
        {"WeaponOffset", 83, "03"},
        {"WeaponOffset", 119, "03"},
        {"WeaponOffset", 121, "03"},
        {"XBowNormalOffset", 0, "05"},
        {"PoisonDamageModOffset", 0, "48 66 89 45 22"},
        {"ExplosiveDamageOffset", 0, "1E"},
        {"ShotgunDispOffset", 0, "54 15"},
        {"ShotgunShotAmountOffset", 0, "06"},
        {"XBowFlySpeedOffset", 0, "00 02"},
        {"XBowNormFlagOffset", 0, "01"},
        {"XBowPoisonFlagOffset", 0, "02"},
        {"XBowExplosiveFlagOffset", 0, "03"},
        {"GrenadeTimeoutOffset", 0, "78 00"},
        {"GrenadeTimeoutOffset2", 0, "78 00"},
        {"GrenNormFlagOffset", 0, "01"},
        {"GrenSupaFlagOffset", 0, "02"},
        {"GrenFlshFlagOffset", 0, "03"},
        {"GunflashDefProcOffset", 0, "0F 84 B6 00 00 00"},
        {"GunflashNearJumpOffset", 0, "8B 46 04 85 C0"},
        {"GunflashExtProcOffset", 0, "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"SGSmokePuffPosYOffset", 0, "0B"},
    };

    ASSERT_TRUE(runGroup(patchWeapons));
    ASSERT_EQ(writes.size(), std::size(rows));
    for (std::size_t i = 0; i < writes.size(); ++i) {
        SCOPED_TRACE(std::string(rows[i].key) + " + " + std::to_string(rows[i].displacement));
        EXPECT_EQ(writes[i].position, offset(rows[i].key) + rows[i].displacement);
        EXPECT_EQ(test::spaced(writes[i].bytes), rows[i].hex);
    }
    EXPECT_TRUE(ui.messages.empty());
}

// Distinct values everywhere, so that two settings swapped or a field one
// byte off shows.
TEST_F(WeaponPatchesTest, everySettingLandsInItsOwnField)
{
    struct Row {
        const char* setting;
        const char* value;
        const char* key;
        int displacement;
        const char* hex;
    };
    const Row rows[] = {
        {"PistolDisp", "11", "WeaponOffset", 0, "0B"},
        {"PistolDamage", "12", "WeaponOffset", 5, "0C"},
        {"PistolRate", "13", "WeaponOffset", 6, "0D"},
        {"PistolFlash", "14", "WeaponOffset", 7, "0E"},
        {"RevolDisp", "21", "WeaponOffset", 38, "15"},
        {"RevolDamage", "22", "WeaponOffset", 43, "16"},
        {"RevolRate", "23", "WeaponOffset", 44, "17"},
        {"RevolFlash", "24", "WeaponOffset", 45, "18"},
        {"UziDisp", "31", "WeaponOffset", 76, "1F"},
        {"UziDamage", "32", "WeaponOffset", 81, "20"},
        {"UziRate", "33", "WeaponOffset", 82, "21"},
        {"UziFlash", "34", "WeaponOffset", 83, "22"},
        {"ShotgunDamage", "42", "WeaponOffset", 119, "2A"},
        {"ShotgunFlash", "44", "WeaponOffset", 121, "2C"},
        {"XBowDamage", "50", "XBowNormalOffset", 0, "32"},
        {"ExplosiveDamage", "255", "ExplosiveDamageOffset", 0, "FF"},
        {"ShotgunDisp", "A1B2", "ShotgunDispOffset", 0, "B2 A1"},
        {"ShotgunShotAmount", "4", "ShotgunShotAmountOffset", 0, "04"},
        {"XBowFlySpeed", "4660", "XBowFlySpeedOffset", 0, "34 12"},
        {"XBowNormFlag", "3", "XBowNormFlagOffset", 0, "03"},
        {"XBowPoisonFlag", "1", "XBowPoisonFlagOffset", 0, "01"},
        {"XBowExplosiveFlag", "2", "XBowExplosiveFlagOffset", 0, "02"},
        {"GrenadeTimeout", "258", "GrenadeTimeoutOffset", 0, "02 01"},
        {"GrenadeTimeout", "258", "GrenadeTimeoutOffset2", 0, "02 01"},
        {"GrenNormFlag", "5", "GrenNormFlagOffset", 0, "05"},
        {"GrenSupaFlag", "4", "GrenSupaFlagOffset", 0, "04"},
        {"GrenFlshFlag", "2", "GrenFlshFlagOffset", 0, "02"},
        {"SGSmokePuffYPos", "200", "SGSmokePuffPosYOffset", 0, "C8"},
    };
    fillImage(0xCC);
    for (const Row& row : rows)
        set(row.setting, row.value);
    ASSERT_TRUE(runGroup(patchWeapons));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.setting);
        EXPECT_EQ(hexAt(row.key, (std::string(row.hex).size() + 1) / 3, row.displacement), row.hex);
    }

    // Nothing else of the four weapon records is touched: not the shotgun's
    // dispersion or rate fields, nor the bytes between the fields.
    std::string record;
    for (int displacement = 0; displacement < 4 * 38; ++displacement) {
        std::string pair = "CC";
        for (const Row& row : rows) {
            if (std::string_view(row.key) == "WeaponOffset" && row.displacement == displacement)
                pair = row.hex;
        }
        record += (record.empty() ? "" : " ") + pair;
    }
    EXPECT_EQ(hexAt("WeaponOffset", 4 * 38), record);
}

TEST_F(WeaponPatchesTest, poisonDamageOnlyWithTheReplacementCode)
{
    struct Row {
        const char* name;
        const char* state;
        const char* hex;
        bool damageWritten;
    };
    const Row rows[] = {
        {"checked: the damage is the last byte of the replacement", "1", "66 83 6D 22 77", true},
        {"unchecked: the engine's code, the damage unused", "0", "48 66 89 45 22", false},
        {"greyed counts as unchecked", "2", "48 66 89 45 22", false},
    };
    set("XBowPoisonDamage", "119");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        set("EnablePoisonDamageChanging", row.state);
        ASSERT_TRUE(runGroup(patchWeapons));
        EXPECT_EQ(hexAt("PoisonDamageModOffset", 5), row.hex);
        EXPECT_EQ(wroteFor("XBowPoisonDamage"), row.damageWritten);
    }
}

TEST_F(WeaponPatchesTest, gunflashRevival)
{
    struct Row {
        const char* name;
        const char* state;
        const char* defProc;
        const char* nearJump;
        const char* extProc;
        bool meshPositionWritten;
    };
    const Row rows[] = {
        {"checked: the replacement with the mesh position inside the procedure", "1", "90 90 90 90 90 90",
            "E9 19 19 09 00", "8B 46 04 66 C7 05 A4 BF 7F 00 34 01 66 C7 44 24 08 55 00 85 C0 E9 CD E6 F6 FF", true},
        {"unchecked: the engine's code and the free bytes back", "0", "0F 84 B6 00 00 00", "8B 46 04 85 C0",
            "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", false},
        {"greyed: nothing is written", "2", "CC CC CC CC CC CC", "CC CC CC CC CC",
            "CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC CC", false},
    };
    set("SGFlashXPos", "308");
    set("SGFlashYPos", "85");
    set("SGSmokePuffYPos", "7");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fillImage(0xCC);
        set("ReviveShotGunflash", row.state);
        ASSERT_TRUE(runGroup(patchWeapons));
        EXPECT_EQ(hexAt("GunflashDefProcOffset", 6), row.defProc);
        EXPECT_EQ(hexAt("GunflashNearJumpOffset", 5), row.nearJump);
        EXPECT_EQ(hexAt("GunflashExtProcOffset", 26), row.extProc);
        EXPECT_EQ(wroteFor("SGFlashXPos"), row.meshPositionWritten);
        EXPECT_EQ(wroteFor("SGFlashYPos"), row.meshPositionWritten);
        EXPECT_EQ(hexAt("SGSmokePuffPosYOffset", 1), "07");
    }
}

TEST_F(WeaponPatchesTest, switchingAnOptionOffAgainEqualsNeverSwitchingItOn)
{
    for (const char* option : {"EnablePoisonDamageChanging", "ReviveShotGunflash"}) {
        SCOPED_TRACE(option);
        fillImage(0);
        set(option, "0");
        ASSERT_TRUE(runGroup(patchWeapons));
        const std::string offAlone = image();

        fillImage(0);
        set(option, "1");
        ASSERT_TRUE(runGroup(patchWeapons));
        ASSERT_NE(image(), offAlone);
        set(option, "0");
        ASSERT_TRUE(runGroup(patchWeapons));
        EXPECT_TRUE(image() == offAlone);
    }
}

} // namespace
} // namespace golv
