#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace golv {
namespace {

constexpr const char* kAlignKeys[]
    = {"NewGameAlignOffset", "LoadGameAlignOffset", "OptsAlignOffset", "ExitAlignOffset"};

class FontPatchesTest : public test::PatchFixture { };

TEST_F(FontPatchesTest, DefaultsWriteRedFirstColoursTheLegendTimeEffectsAndCentredMenu)
{
    const std::initializer_list<test::ExpectedBytes> rows = {
        {"main font (128, 128, 128)", "MainColourOffset", 0, "80 80 80"},
        {"main font fade", "MainColourOffset", 4, "80 80 80"},
        {"option title (R 192, G 128, B 64): red first", "OptionTitleOffset", 0, "C0 80 40"},
        {"option title fade", "OptionTitleOffset", 4, "40 10 00"},
        {"inventory title", "InventoryTitleOffset", 0, "E0 C0 00"},
        {"inventory title fade", "InventoryTitleOffset", 4, "40 20 00"},
        {"inventory item", "InventoryItemOffset", 0, "80 80 80"},
        {"inventory item fade", "InventoryItemOffset", 4, "10 10 10"},
        {"legend time 150", "LegendDispTimeOffset", 0, "96"},
        {"new game effect", "NewGameEffectOffset", 0, "01"},
        {"load game effect", "LoadGameEffectOffset", 0, "01"},
        {"options effect", "OptsEffectOffset", 0, "01"},
        {"exit effect", "ExitEffectOffset", 0, "01"},
        {"new game centred", "NewGameAlignOffset", 0, "68 00 80 00 00"},
        {"load game centred", "LoadGameAlignOffset", 0, "68 00 80 00 00"},
        {"options centred", "OptsAlignOffset", 0, "68 00 80 00 00"},
        {"exit centred", "ExitAlignOffset", 0, "68 00 80 00 00"},
    };
    ASSERT_TRUE(runGroup(patchFonts).isOk());
    expectBytes(rows);
    expectOnlyTheseWritten(rows);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FontPatchesTest, EveryColourLandsRedGreenBlueByTheSettingsNames)
{
    struct Colour {
        const char* prefix; // the keys are prefix + "R", "G", "B"
        const char* key;
        int displacement;
    };
    // Several fade colours sit in the window's fields in reverse order; the
    // bytes must follow the names, not the field numbers.
    const Colour colours[] = {
        {"MainFontMainColour", "MainColourOffset", 0},
        {"MainFontFadeColour", "MainColourOffset", 4},
        {"OptsFontMainColour", "OptionTitleOffset", 0},
        {"OptsFontFadeColour", "OptionTitleOffset", 4},
        {"InvtFontMainColour", "InventoryTitleOffset", 0},
        {"InvtFontFadeColour", "InventoryTitleOffset", 4},
        {"ItemFontMainColour", "InventoryItemOffset", 0},
        {"ItemFontFadeColour", "InventoryItemOffset", 4},
    };
    // Colour n has the components n*16 + 1 (red), + 2 (green), + 3 (blue).
    int n = 0;
    for (const Colour& colour : colours) {
        const std::string prefix = colour.prefix;
        set(prefix + "R", std::to_string(n * 16 + 1));
        set(prefix + "G", std::to_string(n * 16 + 2));
        set(prefix + "B", std::to_string(n * 16 + 3));
        ++n;
    }
    fillImage(0xCC);
    ASSERT_TRUE(runGroup(patchFonts).isOk());
    n = 0;
    for (const Colour& colour : colours) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%X1 %X2 %X3", n, n, n);
        EXPECT_EQ(hexAt(colour.key, 3, colour.displacement), expected) << colour.prefix;
        ++n;
    }
    // The byte between a main colour and its fade colour is not the group's.
    EXPECT_EQ(hexAt("MainColourOffset", 1, 3), "CC");
}

TEST_F(FontPatchesTest, EachMenuEntryTakesItsOwnEffect)
{
    set("MainMenuNewGameEffectID", "2");
    set("MainMenuLoadGameEffectID", "3");
    set("MainMenuOptsEffectID", "4");
    set("MainMenuExitEffectID", "10");
    set("LegendDispTime", "255");
    ASSERT_TRUE(runGroup(patchFonts).isOk());
    expectBytes({
        {"new game", "NewGameEffectOffset", 0, "02"},
        {"load game", "LoadGameEffectOffset", 0, "03"},
        {"options", "OptsEffectOffset", 0, "04"},
        {"exit", "ExitEffectOffset", 0, "0A"},
        {"legend time", "LegendDispTimeOffset", 0, "FF"},
    });
}

TEST_F(FontPatchesTest, AlignmentFollowsTheListTextComparedWithTheCaptions)
{
    struct Row {
        const char* name;
        std::array<std::string, 3> captions;
        int selected;
        const char* bytes; // at each of the four align positions
    };
    const Row rows[] = {
        {"left", {"left", "center", "rite"}, 0, "68 00 40 00 00"},
        {"center", {"left", "center", "rite"}, 1, "68 00 80 00 00"},
        {"rite: push 0 and pad", {"left", "center", "rite"}, 2, "6A 00 90 90 90"},
        {"captions from a language file still match", {"links", "mitte", "rechts"}, 2, "6A 00 90 90 90"},
        {"no entry selected writes nothing", {"left", "center", "rite"}, -1, "CC CC CC CC CC"},
        {"the text decides, not the index: the first equal caption wins", {"same", "same", "other"}, 1,
            "68 00 40 00 00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fillImage(0xCC);
        store().setAlignmentCaptions(row.captions);
        set("MainMenuAlign", std::to_string(row.selected));
        ASSERT_TRUE(runGroup(patchFonts).isOk());
        for (const char* key : kAlignKeys)
            EXPECT_EQ(hexAt(key, 5), row.bytes) << key;
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(FontPatchesTest, AlignmentComesLastNewGameLoadGameOptionsExit)
{
    ASSERT_TRUE(runGroup(patchFonts).isOk());
    ASSERT_GE(writes.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const PatchWrite& write = writes[writes.size() - 4 + i];
        EXPECT_EQ(write.position, offset(kAlignKeys[i])) << kAlignKeys[i];
        EXPECT_EQ(write.setting, settingId("MainMenuAlign"));
    }
}

} // namespace
} // namespace golv
