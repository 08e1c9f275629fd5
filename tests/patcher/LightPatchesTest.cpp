#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace golv {
namespace {

class LightPatchesTest : public test::PatchFixture { };

TEST_F(LightPatchesTest, EveryScrollPositionWritesTheFloatOfTheTextItShows)
{
    struct Row {
        int position;
        const char* shown;
        const char* bytes;
    };
    // The bytes read back as little-endian floats: 0, then 0.000921569 + n / 1000.
    const Row rows[] = {
        {-1, "0", "00 00 00 00"},
        {0, "0.0009...", "73 95 71 3A"},
        {1, "0.0019...", "28 DD FB 3A"},
        {2, "0.0029...", "CB 77 3F 3B"},
        {3, "0.0039...", "81 80 80 3B"},
        {4, "0.0049...", "1D 45 A1 3B"},
        {5, "0.0059...", "B9 09 C2 3B"},
        {6, "0.0069...", "54 CE E2 3B"},
        {7, "0.0079...", "78 C9 01 3C"},
        {8, "0.0089...", "C6 2B 12 3C"},
        {9, "0.0099...", "14 8E 22 3C"},
        {10, "0.0109...", "61 F0 32 3C"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.shown);
        fillImage(0xCC);
        set("DynLightPower", std::to_string(row.position));
        ASSERT_EQ(store().display(settingId("DynLightPower"))->text, row.shown);
        ASSERT_TRUE(runGroup(patchLights));
        EXPECT_EQ(hexAt("DLiteIntOffset", 4), row.bytes);
    }
}

TEST_F(LightPatchesTest, AStrengthWithoutADisplayWritesNothing)
{
    fillImage(0xCC);
    store().setState(settingId("DynLightPower"), 11);
    ASSERT_TRUE(runGroup(patchLights));
    EXPECT_EQ(hexAt("DLiteIntOffset", 4), "CC CC CC CC");
}

TEST_F(LightPatchesTest, FlashAreasAreOneByteEachAtTheirOwnPositions)
{
    ASSERT_TRUE(runGroup(patchLights));
    EXPECT_EQ(hexAt("PistolFlashPowerOffset", 1), "0A");
    EXPECT_EQ(hexAt("RevolverFlashPowerOffset", 1), "0C");
    EXPECT_EQ(hexAt("ShotgunFlashPowerOffset", 1), "0C");
    EXPECT_EQ(hexAt("FlameEmitter1PowerOffset", 1), "10");

    set("PistolFlashArea", "0");
    set("RevolverFlashArea", "1");
    set("ShotgunFlashArea", "2");
    set("FlameEmitter1Area", "255");
    ASSERT_TRUE(runGroup(patchLights));
    EXPECT_EQ(hexAt("PistolFlashPowerOffset", 1), "00");
    EXPECT_EQ(hexAt("RevolverFlashPowerOffset", 1), "01");
    EXPECT_EQ(hexAt("ShotgunFlashPowerOffset", 1), "02");
    EXPECT_EQ(hexAt("FlameEmitter1PowerOffset", 1), "FF");
}

TEST_F(LightPatchesTest, BinocularsRangeWritesTwoBytesForEveryListedText)
{
    struct Row {
        const char* name;
        const char* text;
        const char* bytes; // with the byte before and the byte after, which stay
    };
    const Row rows[] = {
        {"00", "00", "CC 00 00 CC"},
        {"05", "05", "CC 9D 45 CC"},
        {"10", "10", "CC 1D 46 CC"},
        {"20, the default", "20", "CC A0 46 CC"},
        {"empty text counts as 20", "", "CC A0 46 CC"},
        {"25", "25", "CC BC 46 CC"},
        {"30", "30", "CC EB 46 CC"},
        {"40", "40", "CC 1D 47 CC"},
        {"50", "50", "CC 44 47 CC"},
        {"60", "60", "CC 6B 47 CC"},
        {"70", "70", "CC 89 47 CC"},
        {"80", "80", "CC 9D 47 CC"},
        {"90", "90", "CC B0 47 CC"},
        {"a typed number not in the list writes nothing", "15", "CC CC CC CC"},
        {"the list text must match exactly", "5", "CC CC CC CC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fillImage(0xCC);
        set("BinocsRange", row.text);
        ASSERT_TRUE(runGroup(patchLights));
        EXPECT_EQ(hexAt("BinocRangeOffset", 4, -1), row.bytes);
    }
}

TEST_F(LightPatchesTest, FlareColourCopiesOneCodeSetWithEntrySixTwiceAndEntryNineThreeTimes)
{
    const char* const offsets[] = {"FlareColourOffset1", "FlareColourOffset2", "FlareColourOffset3",
        "FlareColourOffset4", "FlareColourOffset5", "FlareColourOffset6", "FlareColourOffset7", "FlareColourOffset8",
        "FlareColourOffset9", "FlareColourOffset10", "FlareColourOffset11", "FlareColourOffset12"};
    struct Row {
        const char* name;
        int option;
        const char* bytes[12];
    };
    const Row rows[] = {
        {"green: the build's own code", 0,
            {"E2 1F", "80", "3F", "C0", "40", "50", "51", "50", "50", "05 C0 00 00 00", "05 C0 00 00 00",
                "05 C0 00 00 00"}},
        {"yellow", 1,
            {"E2 1F", "80", "3F", "C0", "40", "51", "51", "51", "50", "05 60 00 00 00", "05 60 00 00 00",
                "05 60 00 00 00"}},
        {"red", 2,
            {"E2 1F", "80", "3F", "C0", "40", "51", "50", "51", "52", "83 C0 00 90 90", "83 C0 00 90 90",
                "83 C0 00 90 90"}},
        {"any other option counts as red", 3,
            {"E2 1F", "80", "3F", "C0", "40", "51", "50", "51", "52", "83 C0 00 90 90", "83 C0 00 90 90",
                "83 C0 00 90 90"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        store().setState(settingId("FlareColour"), row.option);
        ASSERT_TRUE(runGroup(patchLights));
        for (std::size_t i = 0; i < std::size(offsets); ++i) {
            const std::string expected = row.bytes[i];
            EXPECT_EQ(hexAt(offsets[i], (expected.size() + 1) / 3), expected) << offsets[i];
        }
    }
}

TEST_F(LightPatchesTest, GreenAfterAnotherColourRestoresTheBuildsOwnCode)
{
    set("FlareColour", "0");
    ASSERT_TRUE(runGroup(patchLights));
    const std::string greenOnly = image();

    for (const char* other : {"1", "2"}) {
        SCOPED_TRACE(other);
        fillImage(0);
        set("FlareColour", other);
        ASSERT_TRUE(runGroup(patchLights));
        set("FlareColour", "0");
        ASSERT_TRUE(runGroup(patchLights));
        EXPECT_TRUE(image() == greenOnly);
    }
}

} // namespace
} // namespace golv
