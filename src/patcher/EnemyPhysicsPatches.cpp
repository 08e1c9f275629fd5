#include "patcher/PatchGroups.h"

#include <array>

namespace golv {
namespace {

using namespace writes;

// clang-format off
constexpr auto kEnemyRows = std::to_array<WriteRow>({
    put("MutantHPOffset",        0, {word("MutantHP")}),
    put("SkeletonHPOffset",      0, {word("SkeletonHP")}),
    put("Baddy1HPOffset",        0, {word("Baddy1HP")}),
    put("Baddy2HPOffset",        0, {word("Baddy2HP")}),
    put("ScorpionHPOffset",      0, {word("ScorpionHP")}),
    put("MummyHPOffset",         0, {word("MummyHP")}),
    put("KnightTemplarHPOffset", 0, {word("KnightTemplarHP")}),
    put("SphinxHPOffset",        0, {word("SphinxHP")}),
    put("SethaHPOffset",         0, {word("SethaHP")}),
    put("HorsemenHPOffset",      0, {word("HorsemenHP")}),
    put("HammerheadHPOffset",    0, {word("HammerheadHP")}),
    put("CrocodileHPOffset",     0, {word("CrocodileHP")}),
    put("Demigod1HPOffset",      0, {word("Demigod1HP")}),
    put("Demigod2HPOffset",      0, {word("Demigod2HP")}),
    put("Demigod3HPOffset",      0, {word("Demigod3HP")}),
    put("TroopsHPOffset",        0, {word("TroopsHP")}),
    put("SASHPOffset",           0, {word("SASHP")}),
    put("HarpyHPOffset",         0, {word("HarpyHP")}),
    put("WildBoarHPOffset",      0, {word("WildBoarHP")}),
    put("DogHPOffset",           0, {word("DogHP")}),
    put("AhmetHPOffset",         0, {word("AhmetHP")}),
    put("BaboonHPOffset",        0, {word("BaboonHP")}),
    put("BatHPOffset",           0, {word("BatHP")}),
    put("BigBeetleHPOffset",     0, {word("BigBeetleHP")}),
    // The small scorpion's hit points live in code: the replacement jumps to a
    // routine in spare space whose immediate (bytes 8 and 9) receives them.
    // A greyed box counts as ticked here.
    put("SmallScorpCommandOffset", 0, {data("SmallScorpCommPatchModData")}, {isNot("EnableSmallScorpionHPChange", 0)}),
    put("SmallScorpFarJumpOffset", 0, {data("SmallScorpFarJumpModData")},   {isNot("EnableSmallScorpionHPChange", 0)}),
    put("SmallScorpFarJumpOffset", 7, {word("SmallScorpionHP")},            {isNot("EnableSmallScorpionHPChange", 0)}),
    put("SmallScorpCommandOffset", 0, {data("SmallScorpCommPatchDefData")}, {is("EnableSmallScorpionHPChange", 0)}),
    put("SmallScorpFarJumpOffset", 0, {data("SmallScorpFarJumpDefData")},   {is("EnableSmallScorpionHPChange", 0)}),
});

// The speeds are entered as the engine's own hex digits (negative ones in
// two's complement). The back pair crosses over on purpose: the setting called
// back-right goes to the back-left position, which puts the negative default
// on the left as in the front pair. The vehicle switches make a conditional
// jump unconditional, and back.
constexpr auto kPhysicsRows = std::to_array<WriteRow>({
    put("OnGroundFrontLeftOffset", 0, {reversedHex("RotOnGroundFrontLeft")}),
    put("OnGroundFrontRiteOffset", 0, {reversedHex("RotOnGroundFrontRight")}),
    put("OnGroundBackLeftOffset",  0, {reversedHex("RotOnGroundBackRight")}),
    put("OnGroundBackRiteOffset",  0, {reversedHex("RotOnGroundBackLeft")}),
    put("InAirFrontLeftOffset",    0, {reversedHex("InAirFrontLeft")}),
    put("InAirFrontRightOffset",   0, {reversedHex("InAirFrontRight")}),
    put("SwimSpeedOffset",         0, {reversedHex("SwimSpeed")}),
    put("SwimRotLeftOffset",       0, {reversedHex("SwimRotLeft")}),
    put("SwimRotRightOffset",      0, {reversedHex("SwimRotRight")}),
    put("ShellGravityOffset",      0, {byte("ShellGravity")}),
    put("ExplodeMotorbikeOffset",  0, {literal("EB")},                    {is("DoNotExplodeMotorbike", 1)}),
    put("ExplodeMotorbikeOffset",  0, {literal("74")},                    {isNot("DoNotExplodeMotorbike", 1)}),
    put("ExplodeJeepOffset",       0, {literal("EB")},                    {is("DoNotExplodeJeep", 1)}),
    put("ExplodeJeepOffset",       0, {literal("74")},                    {isNot("DoNotExplodeJeep", 1)}),
    put("GrabClimbDelayOffset",    0, {literal("909090909090")},          {is("KillClimbDelay", 1)}),
    put("GrabClimbDelayOffset",    0, {data("GrabClimbDelayDefData")},    {isNot("KillClimbDelay", 1)}),
});
// clang-format on

} // namespace

std::span<const WriteRow> enemyWrites() { return kEnemyRows; }
std::span<const WriteRow> physicsWrites() { return kPhysicsRows; }

} // namespace golv
