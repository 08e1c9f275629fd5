#pragma once

#include "codec/AsciiCase.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace golv {

// The keys of a version section, as the default configuration spells them.
// Slot n of the Offset table is filled by kOffsetKeys[n - 1]; slot 1 comes from
// the common section, and slots 3 and 149 have no key.
inline constexpr std::size_t kOffsetSlots = 275;

// clang-format off
inline constexpr std::array<std::string_view, kOffsetSlots> kOffsetKeys = {
    "VersionCheckOffset", "DDOffset", "",
    "LTOffset", "VEOffset", "VEOffset2",
    "DDisOffset1", "DDisOffset2", "DDisOffset3",
    "FDisOffset", "SRateOffset", "NEscOffset",
    "BLOffset", "DLiteIntOffset", "WeaponOffset",
    "SBarOffset", "ABarOffset", "HBarOffset",
    "LBarOffset", "LightingRaw1Offset", "LightingRaw2Offset",
    "LightingRaw3Offset", "LightingDispOffset", "LightingRangOffset",
    "LightingNoCSOffset", "BloodSizeOffset", "BloodIntensityOffset",
    "BloodLifetimeOffset", "BloodSpreadXOffset", "BloodSpreadYOffset",
    "GFXRandFactorOffset", "LightingSizeOffset", "PistolFlashPowerOffset",
    "RicoColourOffset", "RevolverFlashPowerOffset", "ShotgunFlashPowerOffset",
    "GetPistolsOffset", "GetBinocularsOffset", "GetCrowbarOffset",
    "BigMedkitsOffset", "FlaresOffset", "SmallMedkitsOffset",
    "PistolAmmoOffset", "SeperateSMKFlaresOffset", "StartupHealthOffset",
    "StartupAirOffset", "StartupSprintOffset", "PickShotgunNormalAmmo",
    "PickShotgunWideAmmo", "PickUZIAmmo", "PickRevolverAmmo",
    "PickXBowNormalAmmo", "PickXBowPoisonAmmo", "PickXBowExplAmmo",
    "PickGrenadeNormalAmmo", "PickGrenadeSuperAmmo", "PickGrenadeFlashAmmo",
    "PickFlares", "LockCameraOffset", "StickCameraOffset",
    "PickGrenadeGunDefAmmo", "SmallMedkitEffect", "SmallMedkitInvert",
    "FlameEmitter1PowerOffset", "MutantHPOffset", "SkeletonHPOffset",
    "Baddy1HPOffset", "Baddy2HPOffset", "ScorpionHPOffset",
    "MummyHPOffset", "KnightTemplarHPOffset", "SphinxHPOffset",
    "SethaHPOffset", "HorsemenHPOffset", "HammerheadHPOffset",
    "CrocodileHPOffset", "Demigod1HPOffset", "Demigod2HPOffset",
    "Demigod3HPOffset", "TroopsHPOffset", "SASHPOffset",
    "HarpyHPOffset", "WildBoarHPOffset", "DogHPOffset",
    "AhmetHPOffset", "BaboonHPOffset", "BatHPOffset",
    "BigBeetleHPOffset", "XBowNormalOffset", "ExplosiveDamageOffset",
    "PoisonDamageModOffset", "MainColourOffset", "OptionTitleOffset",
    "InventoryTitleOffset", "LegendDispTimeOffset", "SBarXOffset",
    "SBarAnimOffset", "ABarXOffset", "ABarAnimOffset",
    "HBarAnimOffset", "MusBarMainOffset", "MusBarFadeOffset",
    "MusBarABOOffset", "SndBarMainOffset", "SndBarFadeOffset",
    "SndBarABOOffset", "PBOOffset", "InventoryItemOffset",
    "GunflashColourOffset", "PistolSmokeDurRiteOffset", "PistolSmokeDurLeftOffset",
    "RevolSmokeDurOffset", "FlareColourOffset1", "FlareColourOffset2",
    "FlareColourOffset3", "FlareColourOffset4", "FlareColourOffset5",
    "PistolItemIDOffset", "OnGroundFrontLeftOffset", "OnGroundFrontRiteOffset",
    "OnGroundBackLeftOffset", "OnGroundBackRiteOffset", "InAirFrontLeftOffset",
    "InAirFrontRightOffset", "SwimSpeedOffset", "SecretsOffset",
    "LoadInvItemOffset", "SaveInvItemOffset", "LoadHotkeyIntOffset",
    "SaveHotkeyIntOffset", "UWDoorOffset", "ShellGravityOffset",
    "NoAmmoOffset", "MaxHPBarOffset1", "MaxHPBarOffset2",
    "CritRawHPBarRangeOffset", "CritDividerOffset", "NormRawHPBarRangeOffset",
    "NormDividerOffset", "BigMedkitHPLimitOffset", "SmallMedkitHPLimitOffset",
    "NormalCritThreshOffset", "NoAirLeakageOffset", "OnFireLeakageOffset",
    "InSpikesLeakageOffset", "InSteamLeakageOffset", "DisableUPSLabelOffset",
    "PickPistolAmmo", "", "LightingCoreColourOffset",
    "WallpaperColourOffset", "WaterdropsColourOffset", "ShadowColourOffset",
    "FadeoutColourOffset", "ExplodeMotorbikeOffset", "ExplodeJeepOffset",
    "TwinPonyOffset1", "TwinPonyOffset2", "TwinPonyOffset3",
    "TwinPonyOffset4", "TwinPonyOffset5", "LBarXOffset",
    "InDartsLeakageOffset", "BaddyUZIDmgOffset", "SASMachinegunDmgOffset",
    "TurretDmgOffset", "BatDmgOffset", "CrocodileUWDmgOffset",
    "CrocodileLANDDmgOffset", "LocustDmgOffset", "DogDmgOffset",
    "HammerheadDmgOffset", "HarpyDmgOffset", "MummyDmgOffset",
    "BaddySwordDmgOffset", "BigBeetleDmgOffset", "ScorpionDmgOffset",
    "SmallScorpionDmgOffset", "SetAttack1DmgParameterOffset", "SetAttack2DmgOffset",
    "SkeletonDmg1Offset", "SkeletonDmg2Offset", "SphinxDmgOffset",
    "KnightTemplarDmgOffset", "LittleBeetleDispOffset", "MagicAttackDividerOffset",
    "WildBoarDmgOffset", "WFallScrollSpeedOffset", "SkyDirOffset",
    "FireballSpriteSizeOffset", "FireballDurationOffset", "FireballDispersionOffset",
    "BlastRadiusOffset", "BlastTimeoutOffset", "BlastSizeOffset",
    "SparkleAmountOffset", "SparkleFallOffDelayOffset", "SparkleSpriteInitSizeOffset",
    "SparkleSpriteIDOffset", "FixCompassBugOffset", "DisableCompassCheatsOffset",
    "ItemRotateSpeedOffset", "AmmoRotateSpeedOffset", "SwimRotLeftOffset",
    "SwimRotRightOffset", "FixHolstersOffset", "ShotgunDispOffset",
    "ShotgunShotAmountOffset", "ShotgunDivNSAmmoOffset", "ShotgunDivWSAmmoOffset",
    "SmallScorpCommandOffset", "SmallScorpFarJumpOffset", "XBowFlySpeedOffset",
    "XBowNormFlagOffset", "XBowPoisonFlagOffset", "XBowExplosiveFlagOffset",
    "GrenadeTimeoutOffset", "AnimTextIntervalOffset", "DefFEProcOffset",
    "ExtFEProcOffset", "SaveTriggerExtHandlerOffset", "SaveTriggerDefHandlerOffset",
    "GunflashDefProcOffset", "GunflashNearJumpOffset", "GunflashExtProcOffset",
    "SGSmokePuffPosYOffset", "GrenNormFlagOffset", "GrenSupaFlagOffset",
    "GrenFlshFlagOffset", "GrenadeTimeoutOffset2", "WPGradTopOffset1",
    "WPGradTopOffset2", "WPGradTopOffset3", "WPGradTopOffset4",
    "WPGradTopOffset5", "WPGradTopOffset6", "WPGradBottomOffset1",
    "WPGradBottomOffset2", "WPGradBottomOffset3", "WPGradBottomOffset4",
    "WPGradBottomOffset5", "WPGradBottomOffset6", "FlybyBarHeightOffset",
    "FlybyBarSpeedOffset", "BinocRangeOffset", "GrabClimbDelayOffset",
    "FlareColourOffset6", "FlareColourOffset7", "FlareColourOffset8",
    "FlareColourOffset9", "FlareColourOffset10", "FlareColourOffset11",
    "FlareColourOffset12", "HangThreadOffset", "NewGameEffectOffset",
    "LoadGameEffectOffset", "OptsEffectOffset", "ExitEffectOffset",
    "NewGameAlignOffset", "LoadGameAlignOffset", "OptsAlignOffset",
    "ExitAlignOffset", "UWDustAmountOffset", "UWDustMeltSpeedOffset",
    "SparkleAmountOffset2", "SparkleAmountOffset3", "SparkleAmountOffset4",
    "SparkleAmountOffset5", "SparkleAmountOffset6", "SparkleAmountOffset7",
    "SparkleAmountOffset8", "SparkleAmountOffset9", "FadeoutsSpeedOffset",
    "FadeoutsDurationOffset", "SparkleAmountOffset10",
};

// The Engine data table's entries in the order of the default configuration.
inline constexpr std::size_t kEngineDataEntries = 93;
inline constexpr std::array<std::string_view, kEngineDataEntries> kEngineDataKeys = {
    "GunflashDefProcDefData", "GunflashDefProcModData", "GunflashNearJumpDefData",
    "GunflashNearJumpModData", "GunflashExtProcDefData", "GunflashExtProcModData",
    "DefFEProcDefData", "DefFEProcModData", "ExtFEProcDefData",
    "ExtFEProcModData", "SaveTriggerExtHandlerDefData", "SaveTriggerExtHandlerModData",
    "SaveTriggerDefHandlerDefData", "SaveTriggerDefHandlerModData", "LockCameraData",
    "UWDoorDefData", "NoAmmoDefData", "NEscData",
    "BLData", "SBarData", "ABarData",
    "HBarData", "LBarData", "SBarAnimDefData",
    "SBarAnimModData", "ABarAnimDefData", "ABarAnimModData",
    "HBarAnimDefData", "HBarAnimModData", "FlareColourData1Def",
    "FlareColourData2Def", "FlareColourData3Def", "FlareColourData4Def",
    "FlareColourData5Def", "FlareColourData6Def", "FlareColourData7Def",
    "FlareColourData8Def", "FlareColourData9Def", "FlareColourData1Mod",
    "FlareColourData2Mod", "FlareColourData3Mod", "FlareColourData4Mod",
    "FlareColourData5Mod", "FlareColourData6Mod", "FlareColourData7Mod",
    "FlareColourData8Mod", "FlareColourData9Mod", "FlareColourData1Red",
    "FlareColourData2Red", "FlareColourData3Red", "FlareColourData4Red",
    "FlareColourData5Red", "FlareColourData6Red", "FlareColourData7Red",
    "FlareColourData8Red", "FlareColourData9Red", "UPSLabelDefData",
    "UPSLabelModData", "CrowbarDefault", "CrowbarMod",
    "PistolDataDefault", "PistolDataMod", "SeparateMediFlareDefault",
    "SeparateMediFlareMod", "XBowDataDefault", "XBowDataMod",
    "LoadShowDefault", "SaveShowDefault", "TwinPony1DefData",
    "TwinPony1ModDataS", "TwinPony2DefData", "TwinPony2ModDataT",
    "TwinPony3DefData", "TwinPony3ModDataS", "TwinPony4DefData",
    "TwinPony4ModDataS", "TwinPony5DefData", "TwinPony5ModDataS",
    "CompassCodzDefData", "CompassCodzModData", "CompassCheatsDefData",
    "CompassCheatsModData", "FixHolstersDefault", "FixHolstersMod",
    "SmallScorpCommPatchDefData", "SmallScorpCommPatchModData", "SmallScorpFarJumpDefData",
    "SmallScorpFarJumpModData", "ShotgunDivNSAmmoDefData", "ShotgunDivWSAmmoDefData",
    "ShotgunDivAmmoModData", "GrabClimbDelayDefData", "SparklesUnifyDefAmount",
};
// clang-format on

// The slot of an offset key, compared in lower case; no value for other keys.
constexpr std::optional<int> findOffsetSlot(std::string_view key)
{
    for (std::size_t i = 0; i < kOffsetKeys.size(); ++i) {
        if (!kOffsetKeys[i].empty() && equalsIgnoringCase(kOffsetKeys[i], key))
            return static_cast<int>(i + 1);
    }
    return std::nullopt;
}

// The slot of a key that code names literally; a misspelt key fails to compile.
consteval int offsetSlot(std::string_view key)
{
    const auto slot = findOffsetSlot(key);
    if (!slot)
        throw std::logic_error("not an offset key");
    return *slot;
}

constexpr std::optional<std::size_t> findEngineDataIndex(std::string_view key)
{
    for (std::size_t i = 0; i < kEngineDataKeys.size(); ++i) {
        if (equalsIgnoringCase(kEngineDataKeys[i], key))
            return i;
    }
    return std::nullopt;
}

consteval std::size_t engineDataIndex(std::string_view key)
{
    const auto index = findEngineDataIndex(key);
    if (!index)
        throw std::logic_error("not an engine data key");
    return *index;
}

// File positions by slot, 1-based, all 0 until a version section fills them.
class OffsetTable {
public:
    std::int32_t operator[](int slot) const { return m_positions.at(static_cast<std::size_t>(slot)); }
    std::int32_t& operator[](int slot) { return m_positions.at(static_cast<std::size_t>(slot)); }
    void clearVersionSlots()
    {
        for (std::size_t slot = 2; slot < m_positions.size(); ++slot)
            m_positions[slot] = 0;
    }

private:
    std::array<std::int32_t, kOffsetSlots + 1> m_positions{}; // index 0 unused
};

// The engine's own code bytes and their replacements as hex text, empty until
// a version section fills them.
class EngineData {
public:
    const std::string& operator[](std::size_t index) const { return m_entries.at(index); }
    std::string& operator[](std::size_t index) { return m_entries.at(index); }
    void clear() { m_entries = {}; }

private:
    std::array<std::string, kEngineDataEntries> m_entries;
};

} // namespace golv
