#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace golv {
namespace {

class PatchGroupsTest : public test::PatchFixture { };

TEST_F(PatchGroupsTest, menuAlignmentFollowsTheListsPositionWhateverItsEntriesAreCalled)
{
    struct Row {
        const char* name;
        std::optional<std::array<std::string, 3>> language; // captions a language file gave, shown in the list
        int selected;
        const char* bytes; // at each of the four align positions
    };
    const std::array<std::string, 3> builtIn = {"left", "center", "rite"};
    const std::array<std::string, 3> german = {"links", "mittig", "rechts"};
    const Row rows[] = {
        {"no language file, the list's own right", std::nullopt, 2, "6A 00 90 90 90"},
        {"built-in captions, rite", builtIn, 2, "6A 00 90 90 90"},
        {"translated, links", german, 0, "68 00 40 00 00"},
        {"translated, mittig", german, 1, "68 00 80 00 00"},
        {"translated, rechts", german, 2, "6A 00 90 90 90"},
        {"two captions alike still write their own position", std::array<std::string, 3>{"same", "same", "x"}, 1,
            "68 00 80 00 00"},
        {"no entry chosen: nothing written", builtIn, -1, "CC CC CC CC CC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // A session of its own, whose list has not shown any captions yet.
        Session fresh(ui);
        fresh.configPath = session.configPath;
        ASSERT_TRUE(LoadCommonConfig(fresh));
        fresh.offsets = session.offsets;
        fresh.engineData = session.engineData;
        fillImage(0xCC);
        SettingsStore& settings = fresh.settings;
        settings.setAlignmentCaptions(builtIn);
        if (row.language) {
            settings.setAlignmentCaptions(*row.language);
            settings.showAlignmentCaptions();
        }
        settings.setState(settingId("MainMenuAlign"), row.selected);
        ASSERT_TRUE(runGroup(patchFonts, fresh));
        for (const char* key : {"NewGameAlignOffset", "LoadGameAlignOffset", "OptsAlignOffset", "ExitAlignOffset"})
            EXPECT_EQ(hexAt(key, 5), row.bytes) << key;
        EXPECT_TRUE(ui.messages.empty());
    }
}

} // namespace
} // namespace golv
