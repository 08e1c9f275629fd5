#include "patcher/PatchGroups.h"

#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"

#include <array>

namespace golv {

namespace {

enum class Encoding { Word, Byte, HexText, ReversedHex, NegatedByte, NegatedWord };

struct Row {
    SettingId setting;
    int slot;
    Encoding encoding;
};

// The window takes drains and damages as positive amounts, while the engine's
// code holds most of them negated. The Baddy uzi, the SAS machine gun and the
// turret keep the sign they are entered with.
constexpr auto kRows = [] {
    using enum Encoding;
    // clang-format off
    return std::to_array<Row>({
        {settingId("MaxHPBarValue"),          offsetSlot("MaxHPBarOffset1"),              Word},
        {settingId("MaxHPBarValue"),          offsetSlot("MaxHPBarOffset2"),              Word},
        {settingId("RawHPBarRange"),          offsetSlot("CritRawHPBarRangeOffset"),      ReversedHex},
        {settingId("Divider"),                offsetSlot("CritDividerOffset"),            HexText},
        {settingId("RawHPBarRange"),          offsetSlot("NormRawHPBarRangeOffset"),      ReversedHex},
        {settingId("Divider"),                offsetSlot("NormDividerOffset"),            HexText},
        {settingId("MedkitsHPLimiter"),       offsetSlot("BigMedkitHPLimitOffset"),       Word},
        {settingId("MedkitsHPLimiter"),       offsetSlot("SmallMedkitHPLimitOffset"),     Word},
        {settingId("CriticalHPThresh"),       offsetSlot("NormalCritThreshOffset"),       Word},
        {settingId("NoAirLeakage"),           offsetSlot("NoAirLeakageOffset"),           NegatedByte},
        {settingId("OnFireLeakage"),          offsetSlot("OnFireLeakageOffset"),          NegatedByte},
        {settingId("InSpikesLeakage"),        offsetSlot("InSpikesLeakageOffset"),        NegatedByte},
        {settingId("InSteamLeakage"),         offsetSlot("InSteamLeakageOffset"),         NegatedByte},
        {settingId("InDartsLeakage"),         offsetSlot("InDartsLeakageOffset"),         NegatedByte},
        {settingId("BaddyUZIDmg"),            offsetSlot("BaddyUZIDmgOffset"),            Byte},
        {settingId("SASMachinegunDmg"),       offsetSlot("SASMachinegunDmgOffset"),       Byte},
        {settingId("TurretDmg"),              offsetSlot("TurretDmgOffset"),              Byte},
        {settingId("BatDmg"),                 offsetSlot("BatDmgOffset"),                 NegatedByte},
        {settingId("CrocodileUWDmg"),         offsetSlot("CrocodileUWDmgOffset"),         NegatedByte},
        {settingId("CrocodileLANDDmg"),       offsetSlot("CrocodileLANDDmgOffset"),       NegatedByte},
        {settingId("LocustDmg"),              offsetSlot("LocustDmgOffset"),              NegatedByte},
        {settingId("DogDmg"),                 offsetSlot("DogDmgOffset"),                 NegatedByte},
        {settingId("HammerheadDmg"),          offsetSlot("HammerheadDmgOffset"),          NegatedByte},
        {settingId("HarpyDmg"),               offsetSlot("HarpyDmgOffset"),               NegatedByte},
        {settingId("MummyDmg"),               offsetSlot("MummyDmgOffset"),               NegatedByte},
        {settingId("BaddySwordDmg"),          offsetSlot("BaddySwordDmgOffset"),          NegatedByte},
        {settingId("BigBeetleDmg"),           offsetSlot("BigBeetleDmgOffset"),           NegatedByte},
        {settingId("ScorpionDmg"),            offsetSlot("ScorpionDmgOffset"),            NegatedByte},
        {settingId("SmallScorpionDmg"),       offsetSlot("SmallScorpionDmgOffset"),       NegatedByte},
        {settingId("SetAttack1DmgParameter"), offsetSlot("SetAttack1DmgParameterOffset"), NegatedWord},
        {settingId("SetAttack2Dmg"),          offsetSlot("SetAttack2DmgOffset"),          NegatedWord},
        {settingId("SphinxDmg"),              offsetSlot("SphinxDmgOffset"),              NegatedWord},
        {settingId("SkeletonDmg1"),           offsetSlot("SkeletonDmg1Offset"),           NegatedByte},
        {settingId("SkeletonDmg2"),           offsetSlot("SkeletonDmg2Offset"),           NegatedByte},
        {settingId("KnightTemplarDmg"),       offsetSlot("KnightTemplarDmgOffset"),       NegatedByte},
        {settingId("LittleBeetleDisp"),       offsetSlot("LittleBeetleDispOffset"),       ReversedHex},
        {settingId("MagicAttackDivider"),     offsetSlot("MagicAttackDividerOffset"),     HexText},
        {settingId("WildBoarDmg"),            offsetSlot("WildBoarDmgOffset"),            NegatedByte},
    });
    // clang-format on
}();
static_assert(kRows.size() == 38, "36 rows, two of which write two positions");

} // namespace

void patchDamage(PatchWriter& writer)
{
    for (const Row& row : kRows) {
        switch (row.encoding) {
        case Encoding::Word:
            writer.word(row.slot, 0, row.setting);
            break;
        case Encoding::Byte:
            writer.byte(row.slot, 0, row.setting);
            break;
        case Encoding::HexText:
            writer.hexText(row.slot, 0, row.setting);
            break;
        case Encoding::ReversedHex:
            writer.reversedHex(row.slot, 0, row.setting);
            break;
        case Encoding::NegatedByte:
            writer.negatedByte(row.slot, row.setting);
            break;
        case Encoding::NegatedWord:
            writer.negatedWord(row.slot, row.setting);
            break;
        }
    }
}

} // namespace golv
