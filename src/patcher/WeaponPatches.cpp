#include "patcher/PatchGroups.h"

#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"

namespace golv {
namespace {

// The engine's weapon table: one 38-byte record per weapon, from the pistols'
// record at WeaponOffset, and the one-byte fields this group writes in each.
constexpr int kPistols = 0;
constexpr int kRevolver = 38;
constexpr int kUzis = 76;
constexpr int kShotgun = 114;

constexpr int kDispersion = 0;
constexpr int kDamage = 5;
constexpr int kRate = 6;
constexpr int kGunflash = 7;

} // namespace

void patchWeapons(PatchWriter& writer)
{
    constexpr int kWeapon = offsetSlot("WeaponOffset");
    writer.byte(kWeapon, kPistols + kDispersion, settingId("PistolDisp"));
    writer.byte(kWeapon, kPistols + kDamage, settingId("PistolDamage"));
    writer.byte(kWeapon, kPistols + kRate, settingId("PistolRate"));
    writer.byte(kWeapon, kPistols + kGunflash, settingId("PistolFlash"));
    writer.byte(kWeapon, kRevolver + kDispersion, settingId("RevolDisp"));
    writer.byte(kWeapon, kRevolver + kDamage, settingId("RevolDamage"));
    writer.byte(kWeapon, kRevolver + kRate, settingId("RevolRate"));
    writer.byte(kWeapon, kRevolver + kGunflash, settingId("RevolFlash"));
    writer.byte(kWeapon, kUzis + kDispersion, settingId("UziDisp"));
    writer.byte(kWeapon, kUzis + kDamage, settingId("UziDamage"));
    writer.byte(kWeapon, kUzis + kRate, settingId("UziRate"));
    writer.byte(kWeapon, kUzis + kGunflash, settingId("UziFlash"));
    // The shotgun's dispersion is a word of its own further down, and it has no rate.
    writer.byte(kWeapon, kShotgun + kDamage, settingId("ShotgunDamage"));
    writer.byte(kWeapon, kShotgun + kGunflash, settingId("ShotgunFlash"));

    writer.byte(offsetSlot("XBowNormalOffset"), 0, settingId("XBowDamage"));

    constexpr SettingId kPoisonChange = settingId("EnablePoisonDamageChanging");
    constexpr int kPoisonCode = offsetSlot("PoisonDamageModOffset");
    if (writer.state(kPoisonChange) == 1) {
        writer.dataEntry(kPoisonCode, 0, engineDataIndex("XBowDataMod"), kPoisonChange);
        // The damage replaces the last byte of the code just written: its operand.
        writer.byte(kPoisonCode, 4, settingId("XBowPoisonDamage"));
    } else {
        writer.dataEntry(kPoisonCode, 0, engineDataIndex("XBowDataDefault"), kPoisonChange);
    }

    writer.byte(offsetSlot("ExplosiveDamageOffset"), 0, settingId("ExplosiveDamage"));
    // The window keeps the dispersion as four hex digits, high byte first.
    writer.reversedHex(offsetSlot("ShotgunDispOffset"), 0, settingId("ShotgunDisp"));
    writer.byte(offsetSlot("ShotgunShotAmountOffset"), 0, settingId("ShotgunShotAmount"));
    writer.word(offsetSlot("XBowFlySpeedOffset"), 0, settingId("XBowFlySpeed"));

    writer.flagByte(offsetSlot("XBowNormFlagOffset"), settingId("XBowNormFlag"));
    writer.flagByte(offsetSlot("XBowPoisonFlagOffset"), settingId("XBowPoisonFlag"));
    writer.flagByte(offsetSlot("XBowExplosiveFlagOffset"), settingId("XBowExplosiveFlag"));

    // The engine keeps the grenade timer in two places.
    writer.word(offsetSlot("GrenadeTimeoutOffset"), 0, settingId("GrenadeTimeout"));
    writer.word(offsetSlot("GrenadeTimeoutOffset2"), 0, settingId("GrenadeTimeout"));

    writer.flagByte(offsetSlot("GrenNormFlagOffset"), settingId("GrenNormFlag"));
    writer.flagByte(offsetSlot("GrenSupaFlagOffset"), settingId("GrenSupaFlag"));
    writer.flagByte(offsetSlot("GrenFlshFlagOffset"), settingId("GrenFlshFlag"));

    // A greyed box leaves the gunflash code as it is.
    constexpr SettingId kRevive = settingId("ReviveShotGunflash");
    constexpr int kExtProc = offsetSlot("GunflashExtProcOffset");
    const int revive = writer.state(kRevive);
    if (revive == 1) {
        writer.dataEntry(offsetSlot("GunflashDefProcOffset"), 0, engineDataIndex("GunflashDefProcModData"), kRevive);
        writer.dataEntry(offsetSlot("GunflashNearJumpOffset"), 0, engineDataIndex("GunflashNearJumpModData"), kRevive);
        writer.dataEntry(kExtProc, 0, engineDataIndex("GunflashExtProcModData"), kRevive);
        // The mesh position is two operands inside the procedure just written.
        writer.word(kExtProc, 10, settingId("SGFlashXPos"));
        writer.word(kExtProc, 17, settingId("SGFlashYPos"));
    } else if (revive == 0) {
        writer.dataEntry(offsetSlot("GunflashDefProcOffset"), 0, engineDataIndex("GunflashDefProcDefData"), kRevive);
        writer.dataEntry(offsetSlot("GunflashNearJumpOffset"), 0, engineDataIndex("GunflashNearJumpDefData"), kRevive);
        writer.dataEntry(kExtProc, 0, engineDataIndex("GunflashExtProcDefData"), kRevive);
    }

    writer.byte(offsetSlot("SGSmokePuffPosYOffset"), 0, settingId("SGSmokePuffYPos"));
}

} // namespace golv
