#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace golv {
namespace {

struct DefaultRow {
    const char* setting;
    const char* offsetKey;
    const char* bytes;
};

// Every write of the group in the order of the run, with the bytes of the defaults.
const DefaultRow kDefaults[] = {
    {"MaxHPBarValue", "MaxHPBarOffset1", "E8 03"},
    {"MaxHPBarValue", "MaxHPBarOffset2", "E8 03"},
    {"RawHPBarRange", "CritRawHPBarRangeOffset", "67 66 66 66"},
    {"Divider", "CritDividerOffset", "02"},
    {"RawHPBarRange", "NormRawHPBarRangeOffset", "67 66 66 66"},
    {"Divider", "NormDividerOffset", "02"},
    {"MedkitsHPLimiter", "BigMedkitHPLimitOffset", "E8 03"},
    {"MedkitsHPLimiter", "SmallMedkitHPLimitOffset", "E8 03"},
    {"CriticalHPThresh", "NormalCritThreshOffset", "FA 00"},
    {"NoAirLeakage", "NoAirLeakageOffset", "FB"},
    {"OnFireLeakage", "OnFireLeakageOffset", "F9"},
    {"InSpikesLeakage", "InSpikesLeakageOffset", "F8"},
    {"InSteamLeakage", "InSteamLeakageOffset", "FE"},
    {"InDartsLeakage", "InDartsLeakageOffset", "E7"},
    {"BaddyUZIDmg", "BaddyUZIDmgOffset", "0F"},
    {"SASMachinegunDmg", "SASMachinegunDmgOffset", "0F"},
    {"TurretDmg", "TurretDmgOffset", "05"},
    {"BatDmg", "BatDmgOffset", "FE"},
    {"CrocodileUWDmg", "CrocodileUWDmgOffset", "88"},
    {"CrocodileLANDDmg", "CrocodileLANDDmgOffset", "88"},
    {"LocustDmg", "LocustDmgOffset", "FD"},
    {"DogDmg", "DogDmgOffset", "F6"},
    {"HammerheadDmg", "HammerheadDmgOffset", "88"},
    {"HarpyDmg", "HarpyDmgOffset", "F6"},
    {"MummyDmg", "MummyDmgOffset", "9C"},
    {"BaddySwordDmg", "BaddySwordDmgOffset", "88"},
    {"BigBeetleDmg", "BigBeetleDmgOffset", "CE"},
    {"ScorpionDmg", "ScorpionDmgOffset", "88"},
    {"SmallScorpionDmg", "SmallScorpionDmgOffset", "EC"},
    {"SetAttack1DmgParameter", "SetAttack1DmgParameterOffset", "38 FF"},
    {"SetAttack2Dmg", "SetAttack2DmgOffset", "06 FF"},
    {"SphinxDmg", "SphinxDmgOffset", "38 FF"},
    {"SkeletonDmg1", "SkeletonDmg1Offset", "B0"},
    {"SkeletonDmg2", "SkeletonDmg2Offset", "B0"},
    {"KnightTemplarDmg", "KnightTemplarDmgOffset", "88"},
    {"LittleBeetleDisp", "LittleBeetleDispOffset", "00 04"},
    {"MagicAttackDivider", "MagicAttackDividerOffset", "02"},
    {"WildBoarDmg", "WildBoarDmgOffset", "E2"},
};

class DamagePatchesTest : public test::PatchFixture {
protected:
    // Puts a text into a setting and gives back the one it held.
    std::string replace(const char* key, const char* text)
    {
        std::string previous = store().text(*findSetting(key));
        set(key, text);
        return previous;
    }
};

TEST_F(DamagePatchesTest, DefaultsWriteEveryRowInOrder)
{
    fillImage(0xCC);
    const Status run = runGroup(patchDamage);
    ASSERT_TRUE(run) << run.reason();
    ASSERT_EQ(writes.size(), std::size(kDefaults));
    for (std::size_t i = 0; i < std::size(kDefaults); ++i) {
        const DefaultRow& row = kDefaults[i];
        SCOPED_TRACE(row.offsetKey);
        EXPECT_EQ(writes[i].position, offset(row.offsetKey));
        EXPECT_EQ(writes[i].setting, *findSetting(row.setting));
        EXPECT_EQ(hexAt(row.offsetKey, test::byteCount(row.bytes)), row.bytes);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DamagePatchesTest, DrainsAndDamagesAreNegatedIntoTheirOwnSizes)
{
    struct Row {
        const char* name;
        const char* setting;
        const char* text;
        const char* bytes;
    };
    const Row rows[] = {
        {"negated byte: 0 stays 00", "NoAirLeakage", "0", "00"},
        {"negated byte: 1 -> FF", "NoAirLeakage", "1", "FF"},
        {"negated byte: 120 -> 88", "NoAirLeakage", "120", "88"},
        {"negated byte: 128 -> 80", "NoAirLeakage", "128", "80"},
        {"negated byte: 255 -> 01", "NoAirLeakage", "255", "01"},
        {"negated byte: a negative drain heals, -5 -> 05", "InDartsLeakage", "-5", "05"},
        {"negated byte: spaces around the number", "BatDmg", " 3 ", "FD"},
        {"negated word: 0 -> 00 00", "SphinxDmg", "0", "00 00"},
        {"negated word: 1 -> FF FF", "SphinxDmg", "1", "FF FF"},
        {"negated word: 200 -> 38 FF", "SetAttack2Dmg", "200", "38 FF"},
        {"negated word: 32768 -> 00 80", "SphinxDmg", "32768", "00 80"},
        {"negated word: -5 -> 05 00", "SetAttack1DmgParameter", "-5", "05 00"},
        {"plain byte keeps its sign", "TurretDmg", "100", "64"},
        {"plain byte of a text that is no number warns and writes 00", "BaddyUZIDmg", "x", "00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string previous = replace(row.setting, row.text);
        ASSERT_TRUE(runGroup(patchDamage));
        EXPECT_EQ(hexAt(std::string(row.setting) + "Offset", test::byteCount(row.bytes)), row.bytes);
        set(row.setting, previous);
    }
}

TEST_F(DamagePatchesTest, EachDamageGoesToItsOwnPosition)
{
    // Distinct values for every one-byte damage, so that two rows that swapped
    // their positions would show.
    int value = 1;
    for (const DefaultRow& row : kDefaults) {
        if (test::byteCount(row.bytes) == 1 && std::string(row.setting).find("Divider") == std::string::npos)
            set(row.setting, std::to_string(value++));
    }
    ASSERT_TRUE(runGroup(patchDamage));
    value = 1;
    for (const DefaultRow& row : kDefaults) {
        if (test::byteCount(row.bytes) != 1 || std::string(row.setting).find("Divider") != std::string::npos)
            continue;
        const std::string setting = row.setting;
        const bool asEntered = setting == "BaddyUZIDmg" || setting == "SASMachinegunDmg" || setting == "TurretDmg";
        const unsigned expected = asEntered ? static_cast<unsigned>(value) : static_cast<unsigned>(256 - value);
        EXPECT_EQ(hexAt(row.offsetKey, 1), test::hexByte(expected)) << row.setting;
        ++value;
    }
}

TEST_F(DamagePatchesTest, OneValueFillsBothPositionsOfItsPair)
{
    fillImage(0xCC);
    set("MaxHPBarValue", "2000");
    set("MedkitsHPLimiter", "1500");
    set("RawHPBarRange", "12345678");
    set("Divider", "0A");
    ASSERT_TRUE(runGroup(patchDamage));
    EXPECT_EQ(hexAt("MaxHPBarOffset1", 2), "D0 07");
    EXPECT_EQ(hexAt("MaxHPBarOffset2", 2), "D0 07");
    EXPECT_EQ(hexAt("BigMedkitHPLimitOffset", 2), "DC 05");
    EXPECT_EQ(hexAt("SmallMedkitHPLimitOffset", 2), "DC 05");
    EXPECT_EQ(hexAt("CritRawHPBarRangeOffset", 5), "78 56 34 12 CC");
    EXPECT_EQ(hexAt("NormRawHPBarRangeOffset", 5), "78 56 34 12 CC");
    EXPECT_EQ(hexAt("CritDividerOffset", 2), "0A CC");
    EXPECT_EQ(hexAt("NormDividerOffset", 2), "0A CC");
}

TEST_F(DamagePatchesTest, AValueThatIsNoNumberEndsTheRunAtItsRow)
{
    struct Row {
        const char* name;
        const char* setting;
        const char* text;
    };
    const Row rows[] = {
        {"first drain, empty", "NoAirLeakage", ""},
        {"darts drain", "InDartsLeakage", "many"},
        {"dog damage", "DogDmg", "abc"},
        {"negated word", "SphinxDmg", "1x"},
        {"last row, a lone sign", "WildBoarDmg", "-"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fillImage(0xCC);
        const std::string previous = replace(row.setting, row.text);
        EXPECT_FALSE(runGroup(patchDamage));
        bool reached = false;
        for (const DefaultRow& written : kDefaults) {
            reached = reached || std::string(written.setting) == row.setting;
            const std::string expected = reached ? "CC" : std::string(written.bytes).substr(0, 2);
            EXPECT_EQ(hexAt(written.offsetKey, 1), expected) << written.offsetKey;
        }
        EXPECT_TRUE(ui.messages.empty());
        set(row.setting, previous);
    }
}

} // namespace
} // namespace golv
