#include "startup/SilentMode.h"

#include "config/ConfigFixture.h"
#include "config/VersionTables.h"
#include "patcher/PatchFixture.h"
#include "startup/Startup.h"

namespace golv {
namespace {

using Messages = std::vector<std::string>;
using SilentModeTest = test::ConfigFixture;

// Start-up beside the default configuration, with the given lines in place of
// those of their keys, and a synthetic executable whose drawing distance is
// zeroed, so that a patch shows (the default run writes A0 46 there); then the
// silent run.
TEST_F(SilentModeTest, patchesOnlyAnIdentifiedExecutableAndOnlyWhenSwitchedOn)
{
    constexpr std::size_t kDrawingDistance = 730271 - 1;
    using enum SilentOutcome;
    struct Row {
        const char* name;
        std::vector<std::string> config;
        SilentOutcome outcome;
        Messages messages;
        std::string exe = "quenb.exe";
    };
    const Row rows[] = {
        {"switched on", {"SilentPatch=1"}, Patched, {}},
        {"switched off", {"SilentPatch=0"}, NotSilent, {}},
        // As an older Windows editor saves it: in a folder of its own, in Windows-1252.
        {"an executable named in Windows-1252",
            {"SilentPatch=1", "ExeName=" + platform::joinPath("bin", "sp\xE4t.exe")}, Patched, {},
            "bin/sp\xC3\xA4t.exe"},
        {"detection bytes of no build", {"SilentPatch=1", "VersionCheckOffset=730226"}, Ended,
            {"Current config file have no support for your quenb.exe."}},
        // The start-up message once, with the reasons; not even the writes before it.
        {"a position the run cannot write", {"SilentPatch=1", "HBarOffset=0"}, Ended,
            {std::string(kStartupFailureMessage)}},
    };
    std::filesystem::create_directory(folder.native("bin"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> lines = defaultConfigLines();
        for (std::string& line : lines) {
            for (const std::string& edit : row.config) {
                if (line.starts_with(edit.substr(0, edit.find('=') + 1)))
                    line = edit;
            }
        }
        writeConfig(lines);
        ASSERT_EQ(test::makeSyntheticExecutable(folder / row.exe), 0);
        std::string before = folder.read(row.exe);
        before.replace(kDrawingDistance, 2, std::string(2, '\0'));
        folder.write(row.exe, before);

        ui.messages.clear();
        Session run(ui);
        ASSERT_EQ(runStartup(run, folder.path()), StartupResult::ShowWindow);
        EXPECT_EQ(runSilentPatch(run), row.outcome);
        EXPECT_EQ(ui.messageTexts(), row.messages);
        const std::string image = folder.read(row.exe);
        if (row.outcome != Patched) {
            EXPECT_TRUE(image == before);
            continue;
        }
        EXPECT_EQ(image.substr(kDrawingDistance, 2), "\xA0\x46");
        // The main-menu alignment goes by the list's position.
        EXPECT_EQ(image.substr(static_cast<std::size_t>(run.offsets[offsetSlot("NewGameAlignOffset")] - 1), 5),
            std::string("\x68\x00\x80\x00\x00", 5));
    }
    EXPECT_NE(ui.messages.back().details.find("HBarOffset is missing"), std::string::npos);
}

} // namespace
} // namespace golv
