#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace golv {
namespace {

class BarPatchesTest : public test::PatchFixture { };

TEST_F(BarPatchesTest, DefaultsWriteTheEnginesOwnBarsAndNothingElse)
{
    const std::initializer_list<test::ExpectedBytes> rows = {
        {"sprint main colour, blue first", "SBarOffset", 0, "00 FF 00"},
        {"sprint fade colour", "SBarOffset", 5, "00 00 00"},
        {"sprint height 12", "SBarOffset", 19, "0C"},
        {"sprint width 150, low byte first", "SBarOffset", 21, "96 00"},
        {"sprint position 490 as a word", "SBarXOffset", 0, "EA 01"},
        {"sprint animation off", "SBarAnimOffset", 0, "1B FA"},
        {"sprint shown", "SBarOffset", -19, "A0 70 D1 7F 00"},
        {"air main colour", "ABarOffset", 0, "FF 00 00"},
        {"air fade colour", "ABarOffset", 8, "00 00 00"},
        {"air height", "ABarOffset", 16, "0C"},
        {"air width", "ABarOffset", 20, "96 00"},
        {"air position", "ABarXOffset", 0, "EA 01"},
        {"air animation off", "ABarAnimOffset", 0, "1B F9"},
        {"air shown", "ABarOffset", -21, "A0 70 D1 7F 00"},
        {"health main colour (R 255) ends in FF", "HBarOffset", 0, "00 00 FF"},
        {"health fade colour", "HBarOffset", 10, "00 00 00"},
        {"health poisoned colour", "HBarOffset", -5, "00 FF 00"},
        {"health height", "HBarOffset", 19, "0C"},
        {"health width", "HBarOffset", 21, "96 00"},
        {"health animation off", "HBarAnimOffset", 0, "1B FB"},
        {"health shown", "HBarOffset", -32, "A0 70 D1 7F 00"},
        {"loading main colour (R 159, G 31, B 128)", "LBarOffset", 0, "80 1F 9F"},
        {"loading fade colour", "LBarOffset", 5, "00 00 00"},
        {"loading height 15", "LBarOffset", 53, "0F"},
        {"loading width 600", "LBarOffset", 57, "58 02"},
        {"loading position 20 in one byte", "LBarXOffset", 0, "14"},
        {"loading shown", "LBarOffset", -90, "A0 70 D1 7F 00"},
        {"music bar main", "MusBarMainOffset", 0, "FF 3F 3F"},
        {"music bar fade", "MusBarFadeOffset", 0, "1F 1F 1F"},
        {"music bar active overlay", "MusBarABOOffset", 0, "7F 7F 7F"},
        {"sound bar main (R 63, G 63, B 255)", "SndBarMainOffset", 0, "FF 3F 3F"},
        {"sound bar fade", "SndBarFadeOffset", 0, "1F 1F 1F"},
        {"sound bar active overlay", "SndBarABOOffset", 0, "7F 7F 7F"},
        {"passive overlay", "PBOOffset", 0, "3F 3F 3F"},
    };
    ASSERT_TRUE(runGroup(patchBars).isOk());
    expectBytes(rows);
    expectOnlyTheseWritten(rows);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BarPatchesTest, EveryColourLandsBlueGreenRedAtItsOwnPlace)
{
    struct Colour {
        const char* prefix; // the keys are prefix + "B", "G", "R"
        const char* key;
        int displacement;
    };
    const Colour colours[] = {
        {"SMainColour", "SBarOffset", 0},
        {"SFadeColour", "SBarOffset", 5},
        {"AMainColour", "ABarOffset", 0},
        {"AFadeColour", "ABarOffset", 8},
        {"HMainColour", "HBarOffset", 0},
        {"HFadeColour", "HBarOffset", 10},
        {"HPoisonColour", "HBarOffset", -5},
        {"LMainColour", "LBarOffset", 0},
        {"LFadeColour", "LBarOffset", 5},
        {"MusBarMainColour", "MusBarMainOffset", 0},
        {"MusBarFadeColour", "MusBarFadeOffset", 0},
        {"MusBarABOColour", "MusBarABOOffset", 0},
        {"SndBarMainColour", "SndBarMainOffset", 0},
        {"SndBarFadeColour", "SndBarFadeOffset", 0},
        {"SndBarABOColour", "SndBarABOOffset", 0},
        {"PBOColour", "PBOOffset", 0},
    };
    // Colour n has the components n*16 + 1 (blue), + 2 (green), + 3 (red), so
    // a swapped component or a colour written at another's place shows.
    int n = 0;
    for (const Colour& colour : colours) {
        const std::string prefix = colour.prefix;
        set(prefix + "B", std::to_string(n * 16 + 1));
        set(prefix + "G", std::to_string(n * 16 + 2));
        set(prefix + "R", std::to_string(n * 16 + 3));
        ++n;
    }
    ASSERT_TRUE(runGroup(patchBars).isOk());
    n = 0;
    for (const Colour& colour : colours) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%X1 %X2 %X3", n, n, n);
        EXPECT_EQ(hexAt(colour.key, 3, colour.displacement), expected) << colour.prefix;
        ++n;
    }
}

TEST_F(BarPatchesTest, SizesAndPositionsTakeTheirWidthAndNoMore)
{
    fillImage(0xCC);
    set("SHeight", "10");
    set("SWidth", "300");
    set("SLeft", "491");
    set("AHeight", "11");
    set("AWidth", "320");
    set("ALeft", "500");
    set("HHeight", "13");
    set("HWidth", "150");
    set("LHeight", "15");
    set("LWidth", "600");
    set("LLeft", "20");
    ASSERT_TRUE(runGroup(patchBars).isOk());
    // The untouched CC bytes between and after the fields show each one's width.
    expectBytes({
        {"sprint height, gap, width", "SBarOffset", 19, "0A CC 2C 01 CC"},
        {"sprint position is a word", "SBarXOffset", 0, "EB 01 CC"},
        {"air height, gaps, width", "ABarOffset", 16, "0B CC CC CC 40 01 CC"},
        {"air position is a word", "ABarXOffset", 0, "F4 01 CC"},
        {"health height, gap, width", "HBarOffset", 19, "0D CC 96 00 CC"},
        {"loading height", "LBarOffset", 53, "0F CC"},
        {"loading width", "LBarOffset", 57, "58 02 CC"},
        {"loading position is a single byte", "LBarXOffset", 0, "14 CC"},
    });
}

TEST_F(BarPatchesTest, SwitchesWriteTheirCodeWhenCheckedAndTheEnginesOtherwise)
{
    struct Switch {
        const char* box;
        const char* key;
        int displacement;
        const char* checked;
        const char* dataKey; // what any other state writes back
    };
    const Switch switches[] = {
        {"SAnim", "SBarAnimOffset", 0, "DB D7", "SBarAnimDefData"},
        {"SHide", "SBarOffset", -19, "C3 90 90 90 90", "SBarData"},
        {"AAnim", "ABarAnimOffset", 0, "DB D6", "ABarAnimDefData"},
        {"AHide", "ABarOffset", -21, "C3 90 90 90 90", "ABarData"},
        {"HAnim", "HBarAnimOffset", 0, "DB D8", "HBarAnimDefData"},
        {"HHide", "HBarOffset", -32, "C3 90 90 90 90", "HBarData"},
        {"LHide", "LBarOffset", -90, "C3 90 90 90 90", "LBarData"},
    };
    for (const Switch& option : switches) {
        SCOPED_TRACE(option.box);
        const std::size_t count = test::byteCount(option.checked);

        fillImage(0);
        set(option.box, "0");
        ASSERT_TRUE(runGroup(patchBars).isOk());
        EXPECT_EQ(hexAt(option.key, count, option.displacement), dataHex(option.dataKey));
        const std::string offAlone = image();

        fillImage(0);
        set(option.box, "1");
        ASSERT_TRUE(runGroup(patchBars).isOk());
        EXPECT_EQ(hexAt(option.key, count, option.displacement), option.checked);
        EXPECT_FALSE(image() == offAlone);

        set(option.box, "0");
        ASSERT_TRUE(runGroup(patchBars).isOk());
        EXPECT_TRUE(image() == offAlone) << "on, then off differs from off alone";

        set(option.box, "1");
        ASSERT_TRUE(runGroup(patchBars).isOk());
        set(option.box, "2");
        ASSERT_TRUE(runGroup(patchBars).isOk());
        EXPECT_TRUE(image() == offAlone) << "greyed differs from off";

        set(option.box, "0");
    }
}

} // namespace
} // namespace golv
