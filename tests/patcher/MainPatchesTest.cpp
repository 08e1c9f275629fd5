#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <string>
#include <vector>

namespace golv {
namespace {

class MainPatchesTest : public test::PatchFixture {
protected:
    // An Engine data key stands for its entry; anything else is spaced hex.
    std::string resolve(std::string_view expected) const
    {
        return findEngineDataIndex(expected) ? dataHex(expected) : std::string(expected);
    }
};

TEST_F(MainPatchesTest, defaultsWriteTheEnginesOwnBytesInOrder)
{
    struct Expected {
        const char* key;
        int displacement;
        const char* hex;
    };
    const Expected rows[] = {
        {"DDOffset", 0, "A0 46"},
        {"DDOffset", -4, "40 46"},
        {"DDisOffset1", 0, "75"},
        {"DDisOffset2", 0, "75"},
        {"DDisOffset3", 0, "75"},
        {"FDisOffset", 0, "A9 FF FF FF 00 89 46 10"},
        {"LTOffset", 0, "74"},
        {"VEOffset", 0, "01"},
        {"VEOffset2", 0, "01"},
        {"SRateOffset", 0, "00 44 AC 46"},
        {"UWDoorOffset", 1, "E8 11 34 05 00"},
        {"UWDoorOffset", 0, "32"},
        {"NoAmmoOffset", 1, "E8 27 0C 03 00"},
        {"NoAmmoOffset", 0, "30"},
        {"LockCameraOffset", 0, "E8 8E 05 00 00"},
        {"StickCameraOffset", 0, "00 00 09 00"},
        {"TwinPonyOffset1", 0, "74 12"},
        {"TwinPonyOffset2", 0, "75 0E"},
        {"TwinPonyOffset3", 0, "74 20"},
        {"TwinPonyOffset4", 0, "7C 05"},
        {"TwinPonyOffset5", 0, "75 09"},
        {"FixHolstersOffset", 0, "88 4E 2C"},
        {"NEscOffset", 0, "75 09"},
        {"BLOffset", 0, "E8 F5 FB FF FF"},
        {"DefFEProcOffset", 0, "E8 88 05 00 00"},
        {"ExtFEProcOffset", 0, "ExtFEProcDefData"},
        {"SaveTriggerExtHandlerOffset", 0, "SaveTriggerExtHandlerDefData"},
        {"SaveTriggerDefHandlerOffset", 0, "A1 C4 E1 7F 00 85 C0 74 1E"},
        {"HangThreadOffset", 0, "74"},
    };

    ASSERT_TRUE(runGroup(patchMainWindow));
    ASSERT_EQ(writes.size(), std::size(rows));
    for (std::size_t i = 0; i < writes.size(); ++i) {
        SCOPED_TRACE(std::string(rows[i].key) + " " + std::to_string(rows[i].displacement));
        EXPECT_EQ(writes[i].position, offset(rows[i].key) + rows[i].displacement);
        EXPECT_EQ(test::spaced(writes[i].bytes), resolve(rows[i].hex));
    }
    EXPECT_TRUE(ui.messages.empty());
}

// Every position of each bar: the display the store shows must be a text of
// the group's table, and give the value of that position.
TEST_F(MainPatchesTest, everyScrollPositionWritesTheValueOfItsDisplay)
{
    struct Bar {
        const char* setting;
        const char* key;
        int displacement;
        int low;
        std::vector<const char*> hexByPosition;
    };
    const Bar bars[] = {
        {"DrawingDistanceRange", "DDOffset", 0, -3,
            {"9D 45", "20 46", "70 46", "80 46", "95 46", "A0 46", "AF 46", "C8 46", "DC 46", "EB 46", "1D 47", "44 47",
                "9D 47", "C8 47"}},
        {"DistantFogRange", "DDOffset", -4, -2,
            {"00 45", "9D 45", "00 46", "1D 46", "40 46", "5B 46", "8D 46", "9D 46", "AC 46", "BC 46", "DB 46", "EB 46",
                "FA 46", "05 47", "0E 47", "15 47", "1D 47", "25 47", "2C 47", "34 47", "3C 47", "44 47", "57 47",
                "6B 47", "7E 47", "89 47", "93 47", "9D 47", "A6 47", "B0 47", "BA 47", "C8 47"}},
        {"SampleRate", "SRateOffset", 0, 0, {"00 44 2C 46", "00 44 AC 46", "00 44 2C 47", "00 80 3B 47"}},
    };
    for (const Bar& bar : bars) {
        const SettingDef& def = kSettings[*findSetting(bar.setting)];
        ASSERT_EQ(def.low, bar.low) << bar.setting;
        ASSERT_EQ(def.high - def.low + 1, static_cast<int>(bar.hexByPosition.size())) << bar.setting;
        for (int position = def.low; position <= def.high; ++position) {
            SCOPED_TRACE(std::string(bar.setting) + " at " + std::to_string(position));
            fillImage(0xCC);
            set(bar.setting, std::to_string(position));
            ASSERT_TRUE(runGroup(patchMainWindow));
            const std::string expected = bar.hexByPosition[static_cast<std::size_t>(position - bar.low)];
            EXPECT_EQ(hexAt(bar.key, (expected.size() + 1) / 3, bar.displacement), expected);
        }
    }
}

TEST_F(MainPatchesTest, aPositionWithoutADisplayTextWritesNothing)
{
    fillImage(0xCC);
    set("DrawingDistanceRange", "11");
    set("DistantFogRange", "-3");
    set("SampleRate", "4");
    ASSERT_TRUE(runGroup(patchMainWindow));
    EXPECT_EQ(hexAt("DDOffset", 2), "CC CC");
    EXPECT_EQ(hexAt("DDOffset", 2, -4), "CC CC");
    EXPECT_EQ(hexAt("SRateOffset", 4), "CC CC CC CC");
    EXPECT_TRUE(ui.messages.empty());
}

// The two-way options: what checked and unchecked write at each place, and
// whether a greyed box falls to the unchecked write (else-test) or writes
// nothing at all (strict test).
struct TwoWayPlace {
    const char* key;
    int displacement;
    const char* checked;
    const char* unchecked;
};

struct TwoWayOption {
    const char* setting;
    bool greyedWritesUnchecked;
    std::vector<TwoWayPlace> places;
};

const std::vector<TwoWayOption>& twoWayOptions()
{
    static const std::vector<TwoWayOption> options = {
        {"TurnOffDistDLimit", false,
            {{"DDisOffset1", 0, "EB", "75"}, {"DDisOffset2", 0, "EB", "75"}, {"DDisOffset3", 0, "EB", "75"}}},
        {"TurnOffDistFog", false, {{"FDisOffset", 0, "90 90 90 90 90 90 90 90", "A9 FF FF FF 00 89 46 10"}}},
        {"RemoveLookTransparency", false, {{"LTOffset", 0, "EB", "74"}}},
        {"DisableDEnemyWatr", false, {{"VEOffset", 0, "00", "01"}}},
        {"DisableDEnemyLand", false, {{"VEOffset2", 0, "00", "01"}}},
        {"FixUWDoorBug", true, {{"UWDoorOffset", 1, "90 90 90 90 90", "UWDoorDefData"}}},
        {"FixNoAmmoBug", true, {{"NoAmmoOffset", 1, "90 90 90 90 90", "NoAmmoDefData"}}},
        {"LockFreeCamera", false, {{"LockCameraOffset", 0, "90 90 90 90 90", "LockCameraData"}}},
        {"StickFreeCamera", false, {{"StickCameraOffset", 0, "01 00 00 00", "00 00 09 00"}}},
        {"FixHolsters", true, {{"FixHolstersOffset", 0, "FixHolstersMod", "FixHolstersDefault"}}},
        {"DisableInventory", false, {{"NEscOffset", 0, "90 90", "NEscData"}}},
        {"DisableBlinkFlare", false, {{"BLOffset", 0, "90 90 90 90 90", "BLData"}}},
        {"SaveTrigger", false,
            {{"DefFEProcOffset", 0, "DefFEProcModData", "DefFEProcDefData"},
                {"ExtFEProcOffset", 0, "ExtFEProcModData", "ExtFEProcDefData"},
                {"SaveTriggerExtHandlerOffset", 0, "SaveTriggerExtHandlerModData", "SaveTriggerExtHandlerDefData"},
                {"SaveTriggerDefHandlerOffset", 0, "SaveTriggerDefHandlerModData", "SaveTriggerDefHandlerDefData"}}},
        {"DisableHangThread", false, {{"HangThreadOffset", 0, "EB", "74"}}},
    };
    return options;
}

TEST_F(MainPatchesTest, checkedUncheckedAndGreyedBoxes)
{
    for (const TwoWayOption& option : twoWayOptions()) {
        for (const int state : {1, 0, 2}) {
            SCOPED_TRACE(std::string(option.setting) + " = " + std::to_string(state));
            fillImage(0xCC);
            set(option.setting, std::to_string(state));
            ASSERT_TRUE(runGroup(patchMainWindow));
            for (const TwoWayPlace& place : option.places) {
                const std::string checked = resolve(place.checked);
                const std::string unchecked = resolve(place.unchecked);
                const std::size_t length = (checked.size() + 1) / 3;
                std::string expected = state == 1 ? checked : unchecked;
                if (state == 2 && !option.greyedWritesUnchecked) {
                    expected = "CC";
                    for (std::size_t i = 1; i < length; ++i)
                        expected += " CC";
                }
                EXPECT_EQ(hexAt(place.key, length, place.displacement), expected) << place.key;
            }
            set(option.setting, "0");
        }
    }
}

TEST_F(MainPatchesTest, switchingAnOptionOffAgainEqualsNeverSwitchingItOn)
{
    struct Switch {
        const char* setting;
        const char* on;
        const char* off;
    };
    std::vector<Switch> switches;
    for (const TwoWayOption& option : twoWayOptions())
        switches.push_back({option.setting, "1", "0"});
    switches.push_back({"PonytailMode", "1", "0"});
    switches.push_back({"PonytailMode", "2", "0"});
    switches.push_back({"PonytailMode", "2", "1"});

    for (const Switch& change : switches) {
        SCOPED_TRACE(std::string(change.setting) + " " + change.on + " then " + change.off);
        fillImage(0);
        set(change.setting, change.off);
        ASSERT_TRUE(runGroup(patchMainWindow));
        const std::string offAlone = image();

        fillImage(0);
        set(change.setting, change.on);
        ASSERT_TRUE(runGroup(patchMainWindow));
        ASSERT_NE(image(), offAlone);
        set(change.setting, change.off);
        ASSERT_TRUE(runGroup(patchMainWindow));
        EXPECT_TRUE(image() == offAlone);
        set(change.setting, "0");
    }
}

TEST_F(MainPatchesTest, pigtailModes)
{
    struct Row {
        const char* name;
        const char* mode;
        const char* hex[5];
    };
    const Row rows[] = {
        {"intact restores the engine's jumps", "0",
            {"TwinPony1DefData", "TwinPony2DefData", "TwinPony3DefData", "TwinPony4DefData", "TwinPony5DefData"}},
        {"one pigtail", "1",
            {"TwinPony1ModDataS", "90 90", "TwinPony3ModDataS", "TwinPony4ModDataS", "TwinPony5ModDataS"}},
        {"two pigtails", "2", {"90 90", "TwinPony2ModDataT", "90 90", "90 90", "90 90"}},
        {"no button selected counts as one pigtail", "-1",
            {"TwinPony1ModDataS", "90 90", "TwinPony3ModDataS", "TwinPony4ModDataS", "TwinPony5ModDataS"}},
    };
    const char* keys[]
        = {"TwinPonyOffset1", "TwinPonyOffset2", "TwinPonyOffset3", "TwinPonyOffset4", "TwinPonyOffset5"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fillImage(0xCC);
        set("PonytailMode", row.mode);
        ASSERT_TRUE(runGroup(patchMainWindow));
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(hexAt(keys[i], 2), resolve(row.hex[i])) << keys[i];
    }
}

TEST_F(MainPatchesTest, soundNumbersAreWrittenWhateverTheirBoxSays)
{
    set("UWDoorBugSoundID", "127");
    set("NoAmmoBugSoundID", "0");
    set("FixUWDoorBug", "1");
    set("FixNoAmmoBug", "2");
    ASSERT_TRUE(runGroup(patchMainWindow));
    EXPECT_EQ(hexAt("UWDoorOffset", 6), "7F 90 90 90 90 90");
    EXPECT_EQ(hexAt("NoAmmoOffset", 6), "00 E8 27 0C 03 00");
}

} // namespace
} // namespace golv
