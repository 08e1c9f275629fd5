#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace golv {
namespace {

class EnemyPhysicsPatchesTest : public test::PatchFixture { };

TEST_F(EnemyPhysicsPatchesTest, DefaultsWriteTheHitPointsAndRestoreTheSmallScorpionCode)
{
    fillImage(0xCC);
    ASSERT_TRUE(runGroup(patchEnemies));
    EXPECT_EQ(writes.size(), 24u + 2u);
    EXPECT_EQ(hexAt("SphinxHPOffset", 2), "E8 03");
    EXPECT_EQ(hexAt("SethaHPOffset", 2), "F4 01");
    EXPECT_EQ(hexAt("BatHPOffset", 2), "05 00");
    EXPECT_EQ(hexAt("SmallScorpCommandOffset", 6), "66 C7 46 22 08 00");
    EXPECT_EQ(hexAt("SmallScorpFarJumpOffset", 15), dataHex("SmallScorpFarJumpDefData"));
}

TEST_F(EnemyPhysicsPatchesTest, EachHitPointSettingGoesToItsOwnPositionLowByteFirst)
{
    const char* const settings[]
        = {"MutantHP", "SkeletonHP", "Baddy1HP", "Baddy2HP", "ScorpionHP", "MummyHP", "KnightTemplarHP", "SphinxHP",
            "SethaHP", "HorsemenHP", "HammerheadHP", "CrocodileHP", "Demigod1HP", "Demigod2HP", "Demigod3HP",
            "TroopsHP", "SASHP", "HarpyHP", "WildBoarHP", "DogHP", "AhmetHP", "BaboonHP", "BatHP", "BigBeetleHP"};
    // 0x0101, 0x0102, ...: the low byte tells the settings apart, the high byte the order.
    unsigned value = 0x0101;
    for (const char* key : settings)
        set(key, std::to_string(value++));
    ASSERT_TRUE(runGroup(patchEnemies));
    value = 0x0101;
    for (const char* key : settings)
        EXPECT_EQ(hexAt(std::string(key) + "Offset", 2), test::hexByte(value++ & 0xFF) + " 01") << key;
}

TEST_F(EnemyPhysicsPatchesTest, HitPointsUseTheWholeUnsignedWord)
{
    set("SphinxHP", "65535");
    set("BatHP", "256");
    ASSERT_TRUE(runGroup(patchEnemies));
    EXPECT_EQ(hexAt("SphinxHPOffset", 2), "FF FF");
    EXPECT_EQ(hexAt("BatHPOffset", 2), "00 01");
}

TEST_F(EnemyPhysicsPatchesTest, SmallScorpionHitPointsGoIntoTheReplacementRoutine)
{
    for (const char* state : {"1", "2"}) {
        SCOPED_TRACE(std::string("box value ") + state);
        fillImage(0xCC);
        set("EnableSmallScorpionHPChange", state);
        set("SmallScorpionHP", "8");
        ASSERT_TRUE(runGroup(patchEnemies));
        EXPECT_EQ(hexAt("SmallScorpCommandOffset", 6), "E9 8E 5A 05 00 90");
        EXPECT_EQ(hexAt("SmallScorpFarJumpOffset", 16), "66 C7 05 C8 D1 52 00 08 00 E9 65 A5 FA FF 90 CC");
    }
    set("SmallScorpionHP", "300");
    ASSERT_TRUE(runGroup(patchEnemies));
    EXPECT_EQ(hexAt("SmallScorpFarJumpOffset", 2, 7), "2C 01");
}

TEST_F(EnemyPhysicsPatchesTest, SmallScorpionOnThenOffEqualsOffAlone)
{
    ASSERT_TRUE(runGroup(patchEnemies));
    const std::string offAlone = image();

    fillImage(0);
    set("EnableSmallScorpionHPChange", "1");
    set("SmallScorpionHP", "99");
    ASSERT_TRUE(runGroup(patchEnemies));
    set("EnableSmallScorpionHPChange", "0");
    set("SmallScorpionHP", "8");
    ASSERT_TRUE(runGroup(patchEnemies));
    EXPECT_TRUE(image() == offAlone);
}

TEST_F(EnemyPhysicsPatchesTest, PhysicsDefaults)
{
    const char* const rows[][2] = {
        {"OnGroundFrontLeftOffset", "50 FA"},
        {"OnGroundFrontRiteOffset", "B0 05"},
        {"OnGroundBackLeftOffset", "BC FB"},
        {"OnGroundBackRiteOffset", "44 04"},
        {"InAirFrontLeftOffset", "DE FD"},
        {"InAirFrontRightOffset", "22 02"},
        {"SwimSpeedOffset", "C8 00"},
        {"SwimRotLeftOffset", "BC FB"},
        {"SwimRotRightOffset", "44 04"},
        {"ShellGravityOffset", "06"},
        {"ExplodeMotorbikeOffset", "74"},
        {"ExplodeJeepOffset", "74"},
        {"GrabClimbDelayOffset", "0F 85 5A 01 00 00"},
    };
    fillImage(0xCC);
    ASSERT_TRUE(runGroup(patchPhysics));
    for (const auto& [key, bytes] : rows) {
        const std::string expected = bytes;
        EXPECT_EQ(hexAt(key, (expected.size() + 1) / 3), expected) << key;
    }
    EXPECT_EQ(writes.size(), std::size(rows));
}

TEST_F(EnemyPhysicsPatchesTest, SpeedsAreReversedAndTheBackPairCrossesOver)
{
    const char* const rows[][3] = {
        {"RotOnGroundFrontLeft", "0011", "OnGroundFrontLeftOffset"},
        {"RotOnGroundFrontRight", "0022", "OnGroundFrontRiteOffset"},
        {"RotOnGroundBackRight", "0200", "OnGroundBackLeftOffset"},
        {"RotOnGroundBackLeft", "0100", "OnGroundBackRiteOffset"},
        {"InAirFrontLeft", "0055", "InAirFrontLeftOffset"},
        {"InAirFrontRight", "0066", "InAirFrontRightOffset"},
        {"SwimSpeed", "0077", "SwimSpeedOffset"},
        {"SwimRotLeft", "0088", "SwimRotLeftOffset"},
        {"SwimRotRight", "0099", "SwimRotRightOffset"},
    };
    for (const auto& [key, text, offsetKey] : rows)
        set(key, text);
    ASSERT_TRUE(runGroup(patchPhysics));
    for (const auto& [key, text, offsetKey] : rows) {
        const std::string digits = text;
        EXPECT_EQ(hexAt(offsetKey, 2), digits.substr(2, 2) + " " + digits.substr(0, 2)) << key;
    }
}

TEST_F(EnemyPhysicsPatchesTest, SwitchesWriteTheirReplacementOnlyWhenTicked)
{
    struct Row {
        const char* key;
        const char* offsetKey;
        const char* ticked;
        const char* unticked;
    };
    const Row rows[] = {
        {"DoNotExplodeMotorbike", "ExplodeMotorbikeOffset", "EB", "74"},
        {"DoNotExplodeJeep", "ExplodeJeepOffset", "EB", "74"},
        {"KillClimbDelay", "GrabClimbDelayOffset", "90 90 90 90 90 90", "0F 85 5A 01 00 00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        const std::size_t length = (std::string(row.ticked).size() + 1) / 3;
        for (const auto& [state, bytes] :
            {std::pair{"1", row.ticked}, std::pair{"0", row.unticked}, std::pair{"2", row.unticked}}) {
            set(row.key, state);
            ASSERT_TRUE(runGroup(patchPhysics));
            EXPECT_EQ(hexAt(row.offsetKey, length), bytes) << "box value " << state;
        }
    }
}

TEST_F(EnemyPhysicsPatchesTest, PhysicsSwitchesOnThenOffEqualOffAlone)
{
    ASSERT_TRUE(runGroup(patchPhysics));
    const std::string offAlone = image();
    for (const char* key : {"DoNotExplodeMotorbike", "DoNotExplodeJeep", "KillClimbDelay"}) {
        SCOPED_TRACE(key);
        fillImage(0);
        set(key, "1");
        ASSERT_TRUE(runGroup(patchPhysics));
        set(key, "0");
        ASSERT_TRUE(runGroup(patchPhysics));
        EXPECT_TRUE(image() == offAlone);
    }
}

} // namespace
} // namespace golv
