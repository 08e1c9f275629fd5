#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace golv {
namespace {

constexpr const char* kTopKeys[] = {"WPGradTopOffset1", "WPGradTopOffset2", "WPGradTopOffset3", "WPGradTopOffset4",
    "WPGradTopOffset5", "WPGradTopOffset6"};
constexpr const char* kBottomKeys[] = {"WPGradBottomOffset1", "WPGradBottomOffset2", "WPGradBottomOffset3",
    "WPGradBottomOffset4", "WPGradBottomOffset5", "WPGradBottomOffset6"};

class GfxPatchesTest : public test::PatchFixture { };

TEST_F(GfxPatchesTest, DefaultsWriteTheListedBytesAndNothingElse)
{
    const std::initializer_list<test::ExpectedBytes> rows = {
        {"lightning shape 1", "LightingRaw1Offset", 0, "00 18"},
        {"lightning shape 2", "LightingRaw2Offset", 0, "C0 00"},
        {"lightning shape 3", "LightingRaw3Offset", 0, "C0 00"},
        {"lightning time", "LightingDispOffset", 0, "20"},
        {"lightning range", "LightingRangOffset", 0, "60"},
        {"ricochet", "RicoColourOffset", 0, "00 00 00"},
        {"indirect lightning off", "LightingNoCSOffset", 0, "00"},
        {"blood size", "BloodSizeOffset", 0, "08"},
        {"blood intensity", "BloodIntensityOffset", 0, "30"},
        {"blood lifetime", "BloodLifetimeOffset", 0, "18"},
        {"blood spread x", "BloodSpreadXOffset", 0, "07"},
        {"blood spread y", "BloodSpreadYOffset", 0, "07"},
        {"random factor 7FFF reversed", "GFXRandFactorOffset", 0, "FF 7F"},
        {"lightning size", "LightingSizeOffset", 0, "20"},
        {"gun flash (R 47, G 47, B 0): blue first", "GunflashColourOffset", 0, "00 2F 2F"},
        {"pistol smoke, right", "PistolSmokeDurRiteOffset", 0, "1C"},
        {"pistol smoke, left", "PistolSmokeDurLeftOffset", 0, "1C"},
        {"revolver smoke", "RevolSmokeDurOffset", 0, "1C"},
        {"lightning core, alpha last", "LightingCoreColourOffset", 0, "00 00 00 FF"},
        {"wallpaper", "WallpaperColourOffset", 0, "00 00 00"},
        {"water drops", "WaterdropsColourOffset", 0, "00 00 00"},
        {"shadow, alpha 79", "ShadowColourOffset", 0, "00 00 00 4F"},
        {"fade-out", "FadeoutColourOffset", 0, "00 00 00"},
        {"top gradient 1", "WPGradTopOffset1", 0, "FF"},
        {"top gradient 2", "WPGradTopOffset2", 0, "FF"},
        {"top gradient 3", "WPGradTopOffset3", 0, "FF"},
        {"top gradient 4", "WPGradTopOffset4", 0, "FF"},
        {"top gradient 5", "WPGradTopOffset5", 0, "FF"},
        {"top gradient 6", "WPGradTopOffset6", 0, "FF"},
        {"bottom gradient 1", "WPGradBottomOffset1", 0, "FF"},
        {"bottom gradient 2", "WPGradBottomOffset2", 0, "FF"},
        {"bottom gradient 3", "WPGradBottomOffset3", 0, "FF"},
        {"bottom gradient 4", "WPGradBottomOffset4", 0, "FF"},
        {"bottom gradient 5", "WPGradBottomOffset5", 0, "FF"},
        {"bottom gradient 6", "WPGradBottomOffset6", 0, "FF"},
        {"waterfall speed 7 negated", "WFallScrollSpeedOffset", 0, "F9"},
        {"sky direction 7FF8 reversed", "SkyDirOffset", 0, "F8 7F"},
    };
    ASSERT_TRUE(runGroup(patchGfx).isOk());
    expectBytes(rows);
    expectOnlyTheseWritten(rows);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GfxPatchesTest, EveryColourLandsBlueGreenRedThenAlphaAtItsOwnPlace)
{
    struct Colour {
        const char* prefix; // the keys are prefix + "B", "G", "R" (and "A")
        const char* key;
        bool alpha;
    };
    const Colour colours[] = {
        {"RicoAdd", "RicoColourOffset", false},
        {"GunflashAdd", "GunflashColourOffset", false},
        {"LightingCoreColour", "LightingCoreColourOffset", true},
        {"WallpaperAdd", "WallpaperColourOffset", false},
        {"WaterdropsAdd", "WaterdropsColourOffset", false},
        {"Shadow", "ShadowColourOffset", true},
        {"Fadeout", "FadeoutColourOffset", false},
    };
    // Colour n has the components n*16 + 1 (blue), + 2 (green), + 3 (red), + 4 (alpha).
    int n = 0;
    for (const Colour& colour : colours) {
        const std::string prefix = colour.prefix;
        set(prefix + "B", std::to_string(n * 16 + 1));
        set(prefix + "G", std::to_string(n * 16 + 2));
        set(prefix + "R", std::to_string(n * 16 + 3));
        if (colour.alpha)
            set(prefix + "A", std::to_string(n * 16 + 4));
        ++n;
    }
    fillImage(0xCC);
    ASSERT_TRUE(runGroup(patchGfx).isOk());
    n = 0;
    for (const Colour& colour : colours) {
        char expected[16];
        if (colour.alpha)
            std::snprintf(expected, sizeof expected, "%X1 %X2 %X3 %X4", n, n, n, n);
        else
            std::snprintf(expected, sizeof expected, "%X1 %X2 %X3 CC", n, n, n);
        EXPECT_EQ(hexAt(colour.key, 4), expected) << colour.prefix;
        ++n;
    }
}

TEST_F(GfxPatchesTest, HexFieldsGoOutAsTheyStandOrReversed)
{
    set("LightingRAW1", "11");
    set("LightingRAW2", "22");
    set("LightingRAW3", "33");
    set("LightingRAW4", "44");
    set("LightingRAW5", "55");
    set("LightingRAW6", "66");
    set("LightingDispTime", "0A");
    set("LightingDispRange", "0B");
    set("BloodSize", "01");
    set("BloodIntensity", "02");
    set("BloodLifetime", "03");
    set("BloodSpreadX", "04");
    set("BloodSpreadY", "05");
    set("LightingSize", "0C");
    set("PistolSmokeDur", "2D");
    set("RevolverSmokeDur", "3E");
    set("GFXRandFactor", "1234");
    set("SkyDir", "0001");
    ASSERT_TRUE(runGroup(patchGfx).isOk());
    expectBytes({
        {"first shape pair, first at the position", "LightingRaw1Offset", 0, "11 22"},
        {"second shape pair", "LightingRaw2Offset", 0, "33 44"},
        {"third shape pair", "LightingRaw3Offset", 0, "55 66"},
        {"time", "LightingDispOffset", 0, "0A"},
        {"range", "LightingRangOffset", 0, "0B"},
        {"blood size", "BloodSizeOffset", 0, "01"},
        {"blood intensity", "BloodIntensityOffset", 0, "02"},
        {"blood lifetime", "BloodLifetimeOffset", 0, "03"},
        {"blood spread x", "BloodSpreadXOffset", 0, "04"},
        {"blood spread y", "BloodSpreadYOffset", 0, "05"},
        {"lightning size", "LightingSizeOffset", 0, "0C"},
        {"one pistol duration, right", "PistolSmokeDurRiteOffset", 0, "2D"},
        {"one pistol duration, left", "PistolSmokeDurLeftOffset", 0, "2D"},
        {"revolver", "RevolSmokeDurOffset", 0, "3E"},
        {"random factor reversed", "GFXRandFactorOffset", 0, "34 12"},
        {"sky direction 0001 reversed", "SkyDirOffset", 0, "01 00"},
    });
}

TEST_F(GfxPatchesTest, WaterfallSpeedIsWrittenNegated)
{
    struct Row {
        const char* speed;
        const char* bytes;
    };
    const Row rows[] = {{"7", "F9"}, {"0", "00"}, {"1", "FF"}, {"128", "80"}, {"-3", "03"}, {"127", "81"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.speed);
        set("WFallScrollSpeed", row.speed);
        ASSERT_TRUE(runGroup(patchGfx).isOk());
        EXPECT_EQ(hexAt("WFallScrollSpeedOffset", 1), row.bytes);
    }
}

TEST_F(GfxPatchesTest, AWaterfallSpeedThatIsNoNumberEndsTheRunAfterTheGradients)
{
    for (const char* speed : {"abc", ""}) {
        SCOPED_TRACE(speed);
        fillImage(0xCC);
        set("WFallScrollSpeed", speed);
        EXPECT_FALSE(runGroup(patchGfx).isOk());
        EXPECT_EQ(bytesAt(kBottomKeys), "FF FF FF FF FF FF");
        EXPECT_EQ(hexAt("WFallScrollSpeedOffset", 1), "CC");
        EXPECT_EQ(hexAt("SkyDirOffset", 2), "CC CC");
    }
}

TEST_F(GfxPatchesTest, GradientBoxesWriteTheirInverseAndGreyedLeavesTheirBytes)
{
    struct Row {
        const char* name;
        const char* top;
        const char* bottom;
        const char* topBytes;
        const char* bottomBytes;
    };
    const Row rows[] = {
        {"top checked, bottom greyed", "1", "2", "00 00 00 00 00 00", "CC CC CC CC CC CC"},
        {"top unchecked, bottom greyed", "0", "2", "FF FF FF FF FF FF", "CC CC CC CC CC CC"},
        {"top greyed, bottom checked", "2", "1", "CC CC CC CC CC CC", "00 00 00 00 00 00"},
        {"top greyed, bottom unchecked", "2", "0", "CC CC CC CC CC CC", "FF FF FF FF FF FF"},
        {"both checked", "1", "1", "00 00 00 00 00 00", "00 00 00 00 00 00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fillImage(0xCC);
        set("WallpaperGradTop", row.top);
        set("WallpaperGradBottom", row.bottom);
        ASSERT_TRUE(runGroup(patchGfx).isOk());
        EXPECT_EQ(bytesAt(kTopKeys), row.topBytes);
        EXPECT_EQ(bytesAt(kBottomKeys), row.bottomBytes);
    }
}

TEST_F(GfxPatchesTest, IndirectLightningIsOnOnlyWhenChecked)
{
    struct Row {
        const char* state;
        const char* bytes;
    };
    const Row rows[] = {{"1", "01 CC"}, {"0", "00 CC"}, {"2", "00 CC"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        fillImage(0xCC);
        set("LightingIndirect", row.state);
        ASSERT_TRUE(runGroup(patchGfx).isOk());
        EXPECT_EQ(hexAt("LightingNoCSOffset", 2), row.bytes);
    }
}

TEST_F(GfxPatchesTest, SwitchingAnOptionOnThenOffEqualsOffAlone)
{
    for (const char* box : {"LightingIndirect", "WallpaperGradTop", "WallpaperGradBottom"}) {
        SCOPED_TRACE(box);
        fillImage(0);
        set(box, "0");
        ASSERT_TRUE(runGroup(patchGfx).isOk());
        const std::string offAlone = image();

        fillImage(0);
        set(box, "1");
        ASSERT_TRUE(runGroup(patchGfx).isOk());
        EXPECT_FALSE(image() == offAlone);
        set(box, "0");
        ASSERT_TRUE(runGroup(patchGfx).isOk());
        EXPECT_TRUE(image() == offAlone);
    }
}

TEST_F(GfxPatchesTest, OddHexTextTakesTheCodecsShortTextPath)
{
    // One digit still gives one byte, after the codec's warning.
    set("BloodSize", "8");
    ASSERT_TRUE(runGroup(patchGfx).isOk());
    EXPECT_EQ(hexAt("BloodSizeOffset", 1), "08");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Resulting hex string length is less than 1 byte."), std::string::npos);

    // A shape pair is one write of both texts, so a short half makes it three
    // digits, which the codec refuses: the run ends before anything is written.
    fillImage(0xCC);
    set("LightingRAW1", "0");
    EXPECT_FALSE(runGroup(patchGfx).isOk());
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(hexAt("LightingRaw1Offset", 2), "CC CC");
}

} // namespace
} // namespace golv
