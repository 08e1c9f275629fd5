#include "patcher/PatchGroups.h"

#include <array>

namespace golv {
namespace {

using namespace writes;

// clang-format off
// The window takes drains and damages as positive amounts, while the engine's
// code holds most of them negated. The Baddy uzi, the SAS machine gun and the
// turret keep the sign they are entered with.
constexpr auto kRows = std::to_array<WriteRow>({
    put("MaxHPBarOffset1",              0, {word("MaxHPBarValue")}),
    put("MaxHPBarOffset2",              0, {word("MaxHPBarValue")}),
    put("CritRawHPBarRangeOffset",      0, {reversedHex("RawHPBarRange")}),
    put("CritDividerOffset",            0, {hexText("Divider")}),
    put("NormRawHPBarRangeOffset",      0, {reversedHex("RawHPBarRange")}),
    put("NormDividerOffset",            0, {hexText("Divider")}),
    put("BigMedkitHPLimitOffset",       0, {word("MedkitsHPLimiter")}),
    put("SmallMedkitHPLimitOffset",     0, {word("MedkitsHPLimiter")}),
    put("NormalCritThreshOffset",       0, {word("CriticalHPThresh")}),
    put("NoAirLeakageOffset",           0, {value(NegatedByte, "NoAirLeakage")}),
    put("OnFireLeakageOffset",          0, {value(NegatedByte, "OnFireLeakage")}),
    put("InSpikesLeakageOffset",        0, {value(NegatedByte, "InSpikesLeakage")}),
    put("InSteamLeakageOffset",         0, {value(NegatedByte, "InSteamLeakage")}),
    put("InDartsLeakageOffset",         0, {value(NegatedByte, "InDartsLeakage")}),
    put("BaddyUZIDmgOffset",            0, {byte("BaddyUZIDmg")}),
    put("SASMachinegunDmgOffset",       0, {byte("SASMachinegunDmg")}),
    put("TurretDmgOffset",              0, {byte("TurretDmg")}),
    put("BatDmgOffset",                 0, {value(NegatedByte, "BatDmg")}),
    put("CrocodileUWDmgOffset",         0, {value(NegatedByte, "CrocodileUWDmg")}),
    put("CrocodileLANDDmgOffset",       0, {value(NegatedByte, "CrocodileLANDDmg")}),
    put("LocustDmgOffset",              0, {value(NegatedByte, "LocustDmg")}),
    put("DogDmgOffset",                 0, {value(NegatedByte, "DogDmg")}),
    put("HammerheadDmgOffset",          0, {value(NegatedByte, "HammerheadDmg")}),
    put("HarpyDmgOffset",               0, {value(NegatedByte, "HarpyDmg")}),
    put("MummyDmgOffset",               0, {value(NegatedByte, "MummyDmg")}),
    put("BaddySwordDmgOffset",          0, {value(NegatedByte, "BaddySwordDmg")}),
    put("BigBeetleDmgOffset",           0, {value(NegatedByte, "BigBeetleDmg")}),
    put("ScorpionDmgOffset",            0, {value(NegatedByte, "ScorpionDmg")}),
    put("SmallScorpionDmgOffset",       0, {value(NegatedByte, "SmallScorpionDmg")}),
    put("SetAttack1DmgParameterOffset", 0, {value(NegatedWord, "SetAttack1DmgParameter")}),
    put("SetAttack2DmgOffset",          0, {value(NegatedWord, "SetAttack2Dmg")}),
    put("SphinxDmgOffset",              0, {value(NegatedWord, "SphinxDmg")}),
    put("SkeletonDmg1Offset",           0, {value(NegatedByte, "SkeletonDmg1")}),
    put("SkeletonDmg2Offset",           0, {value(NegatedByte, "SkeletonDmg2")}),
    put("KnightTemplarDmgOffset",       0, {value(NegatedByte, "KnightTemplarDmg")}),
    put("LittleBeetleDispOffset",       0, {reversedHex("LittleBeetleDisp")}),
    put("MagicAttackDividerOffset",     0, {hexText("MagicAttackDivider")}),
    put("WildBoarDmgOffset",            0, {value(NegatedByte, "WildBoarDmg")}),
});
// clang-format on

} // namespace

std::span<const WriteRow> damageWrites() { return kRows; }

} // namespace golv
