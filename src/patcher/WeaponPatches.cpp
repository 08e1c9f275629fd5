#include "patcher/PatchGroups.h"

#include <array>

namespace golv {
namespace {

using namespace writes;

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

// clang-format off
constexpr auto kRows = std::to_array<WriteRow>({
    put("WeaponOffset", kPistols + kDispersion,  {byte("PistolDisp")}),
    put("WeaponOffset", kPistols + kDamage,      {byte("PistolDamage")}),
    put("WeaponOffset", kPistols + kRate,        {byte("PistolRate")}),
    put("WeaponOffset", kPistols + kGunflash,    {byte("PistolFlash")}),
    put("WeaponOffset", kRevolver + kDispersion, {byte("RevolDisp")}),
    put("WeaponOffset", kRevolver + kDamage,     {byte("RevolDamage")}),
    put("WeaponOffset", kRevolver + kRate,       {byte("RevolRate")}),
    put("WeaponOffset", kRevolver + kGunflash,   {byte("RevolFlash")}),
    put("WeaponOffset", kUzis + kDispersion,     {byte("UziDisp")}),
    put("WeaponOffset", kUzis + kDamage,         {byte("UziDamage")}),
    put("WeaponOffset", kUzis + kRate,           {byte("UziRate")}),
    put("WeaponOffset", kUzis + kGunflash,       {byte("UziFlash")}),
    // The shotgun's dispersion is a word of its own further down, and it has no rate.
    put("WeaponOffset", kShotgun + kDamage,      {byte("ShotgunDamage")}),
    put("WeaponOffset", kShotgun + kGunflash,    {byte("ShotgunFlash")}),
    put("XBowNormalOffset",        0, {byte("XBowDamage")}),
    put("PoisonDamageModOffset",   0, {data("XBowDataMod")},            {is("EnablePoisonDamageChanging", 1)}),
    // The damage replaces the last byte of the code just written: its operand.
    put("PoisonDamageModOffset",   4, {byte("XBowPoisonDamage")},       {is("EnablePoisonDamageChanging", 1)}),
    put("PoisonDamageModOffset",   0, {data("XBowDataDefault")},        {isNot("EnablePoisonDamageChanging", 1)}),
    put("ExplosiveDamageOffset",   0, {byte("ExplosiveDamage")}),
    // The window keeps the dispersion as four hex digits, high byte first.
    put("ShotgunDispOffset",       0, {reversedHex("ShotgunDisp")}),
    put("ShotgunShotAmountOffset", 0, {byte("ShotgunShotAmount")}),
    put("XBowFlySpeedOffset",      0, {word("XBowFlySpeed")}),
    // The ammunition flags are plain numbers rather than controls.
    put("XBowNormFlagOffset",      0, {value(Flag, "XBowNormFlag")}),
    put("XBowPoisonFlagOffset",    0, {value(Flag, "XBowPoisonFlag")}),
    put("XBowExplosiveFlagOffset", 0, {value(Flag, "XBowExplosiveFlag")}),
    // The engine keeps the grenade timer in two places.
    put("GrenadeTimeoutOffset",    0, {word("GrenadeTimeout")}),
    put("GrenadeTimeoutOffset2",   0, {word("GrenadeTimeout")}),
    put("GrenNormFlagOffset",      0, {value(Flag, "GrenNormFlag")}),
    put("GrenSupaFlagOffset",      0, {value(Flag, "GrenSupaFlag")}),
    put("GrenFlshFlagOffset",      0, {value(Flag, "GrenFlshFlag")}),
    // A greyed box leaves the gunflash code as it is. The mesh position is two
    // operands inside the procedure that a checked box writes.
    put("GunflashDefProcOffset",   0, {data("GunflashDefProcModData")},  {is("ReviveShotGunflash", 1)}),
    put("GunflashNearJumpOffset",  0, {data("GunflashNearJumpModData")}, {is("ReviveShotGunflash", 1)}),
    put("GunflashExtProcOffset",   0, {data("GunflashExtProcModData")},  {is("ReviveShotGunflash", 1)}),
    put("GunflashExtProcOffset",  10, {word("SGFlashXPos")},             {is("ReviveShotGunflash", 1)}),
    put("GunflashExtProcOffset",  17, {word("SGFlashYPos")},             {is("ReviveShotGunflash", 1)}),
    put("GunflashDefProcOffset",   0, {data("GunflashDefProcDefData")},  {is("ReviveShotGunflash", 0)}),
    put("GunflashNearJumpOffset",  0, {data("GunflashNearJumpDefData")}, {is("ReviveShotGunflash", 0)}),
    put("GunflashExtProcOffset",   0, {data("GunflashExtProcDefData")},  {is("ReviveShotGunflash", 0)}),
    put("SGSmokePuffPosYOffset",   0, {byte("SGSmokePuffYPos")}),
});
// clang-format on

} // namespace

std::span<const WriteRow> weaponWrites() { return kRows; }

} // namespace golv
