#include "patcher/PatchGroups.h"

#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"

#include <array>

namespace golv {

namespace {

struct Row {
    SettingId setting;
    int slot;
};

// clang-format off
constexpr auto kHitPoints = std::to_array<Row>({
    {settingId("MutantHP"),        offsetSlot("MutantHPOffset")},
    {settingId("SkeletonHP"),      offsetSlot("SkeletonHPOffset")},
    {settingId("Baddy1HP"),        offsetSlot("Baddy1HPOffset")},
    {settingId("Baddy2HP"),        offsetSlot("Baddy2HPOffset")},
    {settingId("ScorpionHP"),      offsetSlot("ScorpionHPOffset")},
    {settingId("MummyHP"),         offsetSlot("MummyHPOffset")},
    {settingId("KnightTemplarHP"), offsetSlot("KnightTemplarHPOffset")},
    {settingId("SphinxHP"),        offsetSlot("SphinxHPOffset")},
    {settingId("SethaHP"),         offsetSlot("SethaHPOffset")},
    {settingId("HorsemenHP"),      offsetSlot("HorsemenHPOffset")},
    {settingId("HammerheadHP"),    offsetSlot("HammerheadHPOffset")},
    {settingId("CrocodileHP"),     offsetSlot("CrocodileHPOffset")},
    {settingId("Demigod1HP"),      offsetSlot("Demigod1HPOffset")},
    {settingId("Demigod2HP"),      offsetSlot("Demigod2HPOffset")},
    {settingId("Demigod3HP"),      offsetSlot("Demigod3HPOffset")},
    {settingId("TroopsHP"),        offsetSlot("TroopsHPOffset")},
    {settingId("SASHP"),           offsetSlot("SASHPOffset")},
    {settingId("HarpyHP"),         offsetSlot("HarpyHPOffset")},
    {settingId("WildBoarHP"),      offsetSlot("WildBoarHPOffset")},
    {settingId("DogHP"),           offsetSlot("DogHPOffset")},
    {settingId("AhmetHP"),         offsetSlot("AhmetHPOffset")},
    {settingId("BaboonHP"),        offsetSlot("BaboonHPOffset")},
    {settingId("BatHP"),           offsetSlot("BatHPOffset")},
    {settingId("BigBeetleHP"),     offsetSlot("BigBeetleHPOffset")},
});

// The speeds are entered as the engine's own hex digits (negative ones in
// two's complement). The back pair crosses over on purpose: the setting called
// back-right goes to the back-left position, which puts the negative default
// on the left as in the front pair.
constexpr auto kSpeeds = std::to_array<Row>({
    {settingId("RotOnGroundFrontLeft"),  offsetSlot("OnGroundFrontLeftOffset")},
    {settingId("RotOnGroundFrontRight"), offsetSlot("OnGroundFrontRiteOffset")},
    {settingId("RotOnGroundBackRight"),  offsetSlot("OnGroundBackLeftOffset")},
    {settingId("RotOnGroundBackLeft"),   offsetSlot("OnGroundBackRiteOffset")},
    {settingId("InAirFrontLeft"),        offsetSlot("InAirFrontLeftOffset")},
    {settingId("InAirFrontRight"),       offsetSlot("InAirFrontRightOffset")},
    {settingId("SwimSpeed"),             offsetSlot("SwimSpeedOffset")},
    {settingId("SwimRotLeft"),           offsetSlot("SwimRotLeftOffset")},
    {settingId("SwimRotRight"),          offsetSlot("SwimRotRightOffset")},
});
// clang-format on
static_assert(kHitPoints.size() == 24 && kSpeeds.size() == 9);

} // namespace

void patchEnemies(PatchWriter& writer)
{
    for (const Row& row : kHitPoints)
        writer.word(row.slot, 0, row.setting);

    // The small scorpion's hit points live in code: the replacement jumps to a
    // routine in spare space whose immediate (bytes 8 and 9) receives them.
    // A greyed box counts as ticked here.
    constexpr SettingId kSmallScorpion = settingId("EnableSmallScorpionHPChange");
    constexpr int kFarJump = offsetSlot("SmallScorpFarJumpOffset");
    if (writer.state(kSmallScorpion) != 0) {
        writer.dataEntry(
            offsetSlot("SmallScorpCommandOffset"), 0, engineDataIndex("SmallScorpCommPatchModData"), kSmallScorpion);
        writer.dataEntry(kFarJump, 0, engineDataIndex("SmallScorpFarJumpModData"), kSmallScorpion);
        writer.word(kFarJump, 7, settingId("SmallScorpionHP"));
    } else {
        writer.dataEntry(
            offsetSlot("SmallScorpCommandOffset"), 0, engineDataIndex("SmallScorpCommPatchDefData"), kSmallScorpion);
        writer.dataEntry(kFarJump, 0, engineDataIndex("SmallScorpFarJumpDefData"), kSmallScorpion);
    }
}

void patchPhysics(PatchWriter& writer)
{
    for (const Row& row : kSpeeds)
        writer.reversedHex(row.slot, 0, row.setting);

    writer.byte(offsetSlot("ShellGravityOffset"), 0, settingId("ShellGravity"));

    // A conditional jump made unconditional, and back.
    constexpr SettingId kMotorbike = settingId("DoNotExplodeMotorbike");
    writer.hex(offsetSlot("ExplodeMotorbikeOffset"), 0, writer.state(kMotorbike) == 1 ? "EB" : "74", kMotorbike);
    constexpr SettingId kJeep = settingId("DoNotExplodeJeep");
    writer.hex(offsetSlot("ExplodeJeepOffset"), 0, writer.state(kJeep) == 1 ? "EB" : "74", kJeep);

    constexpr SettingId kClimbDelay = settingId("KillClimbDelay");
    if (writer.state(kClimbDelay) == 1)
        writer.hex(offsetSlot("GrabClimbDelayOffset"), 0, "909090909090", kClimbDelay);
    else
        writer.dataEntry(offsetSlot("GrabClimbDelayOffset"), 0, engineDataIndex("GrabClimbDelayDefData"), kClimbDelay);
}

} // namespace golv
