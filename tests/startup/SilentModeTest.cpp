#include "startup/SilentMode.h"

#include "config/ConfigFixture.h"
#include "config/VersionTables.h"
#include "patcher/PatchFixture.h"
#include "settings/SettingId.h"
#include "startup/Startup.h"

namespace golv {
namespace {

using Messages = std::vector<std::string>;

class SilentModeTest : public test::ConfigFixture {
protected:
    // The default configuration with SilentPatch=1, and a synthetic executable
    // at `exe`, which the configuration names by `exeName`.
    void prepare(const std::string& silent = "SilentPatch=1", const std::string& exeName = "quenb.exe",
        const std::string& exe = "quenb.exe")
    {
        std::vector<std::string> lines = defaultConfigLines();
        for (std::string& line : lines) {
            if (line == "SilentPatch=0")
                line = silent;
            else if (line == "ExeName=quenb.exe")
                line = "ExeName=" + exeName;
        }
        writeConfig(lines);
        ASSERT_EQ(test::makeSyntheticExecutable(folder / exe), 0);
        // Mark the drawing distance so a patch shows: the default run writes A0 46.
        std::string image = folder.read(exe);
        image.replace(730271 - 1, 2, std::string(2, '\0'));
        folder.write(exe, image);
    }

    std::string drawingDistanceBytes(const std::string& exe = "quenb.exe") const
    {
        return folder.read(exe).substr(730271 - 1, 2);
    }
};

TEST_F(SilentModeTest, patchesTheIdentifiedExecutableWithTheDefaults)
{
    prepare();
    ASSERT_EQ(runStartup(session, folder.path()), StartupResult::ShowWindow);
    EXPECT_EQ(runSilentPatch(session), SilentOutcome::Patched);
    EXPECT_EQ(drawingDistanceBytes(), "\xA0\x46");
    EXPECT_TRUE(ui.messages.empty());
    // The main-menu alignment was written too: it goes by the list's position.
    const std::string image = folder.read("quenb.exe");
    EXPECT_EQ(image.substr(static_cast<std::size_t>(session.offsets[offsetSlot("NewGameAlignOffset")] - 1), 5),
        std::string("\x68\x00\x80\x00\x00", 5));
}

// A configuration saved by an older Windows editor: CR LF line ends, and an
// executable in a folder of its own whose name is Windows-1252.
TEST_F(SilentModeTest, findsAnExecutableNamedInWindows1252InAFolderOfItsOwn)
{
    std::filesystem::create_directory(folder.native("bin"));
    prepare("SilentPatch=1", platform::joinPath("bin", "sp\xE4t.exe"), "bin/sp\xC3\xA4t.exe");
    ASSERT_EQ(runStartup(session, folder.path()), StartupResult::ShowWindow);
    EXPECT_EQ(runSilentPatch(session), SilentOutcome::Patched) << ::testing::PrintToString(ui.messageTexts());
    EXPECT_EQ(drawingDistanceBytes("bin/sp\xC3\xA4t.exe"), "\xA0\x46");
}

TEST_F(SilentModeTest, isNotSilentWithoutTheSwitchOrWithoutTheExecutable)
{
    prepare("SilentPatch=0");
    ASSERT_EQ(runStartup(session, folder.path()), StartupResult::ShowWindow);
    EXPECT_EQ(runSilentPatch(session), SilentOutcome::NotSilent);
    EXPECT_EQ(drawingDistanceBytes(), std::string(2, '\0'));

    // A missing executable keeps the main window open with the not-found message.
    test::RecordingInteraction otherUi;
    Session other(otherUi);
    prepare();
    std::filesystem::remove(folder.native("quenb.exe"));
    ASSERT_EQ(runStartup(other, folder.path()), StartupResult::ShowWindow);
    EXPECT_EQ(runSilentPatch(other), SilentOutcome::NotSilent);
    EXPECT_EQ(otherUi.messages.size(), 1u);
}

TEST_F(SilentModeTest, anUnidentifiedExecutableEndsWithoutPatching)
{
    prepare();
    std::string image = folder.read("quenb.exe");
    image[730225 - 1] = 'X'; // the detection bytes no longer match
    folder.write("quenb.exe", image);
    ASSERT_EQ(runStartup(session, folder.path()), StartupResult::ShowWindow);
    EXPECT_EQ(runSilentPatch(session), SilentOutcome::Ended);
    EXPECT_EQ(ui.messageTexts(), Messages{"Current config file have no support for your quenb.exe."});
    EXPECT_EQ(folder.read("quenb.exe"), image);
}

TEST_F(SilentModeTest, aRefusedRunShowsTheStartupMessageOnceWithItsReasonsAndWritesNothing)
{
    prepare();
    ASSERT_EQ(runStartup(session, folder.path()), StartupResult::ShowWindow);
    const std::string before = folder.read("quenb.exe");
    session.offsets[offsetSlot("HBarOffset")] = 0; // a position the run cannot write
    EXPECT_EQ(runSilentPatch(session), SilentOutcome::Ended);
    EXPECT_EQ(ui.messageTexts(), Messages{std::string(kStartupFailureMessage)});
    EXPECT_NE(ui.messages[0].details.find("HBarOffset is missing"), std::string::npos);
    EXPECT_TRUE(folder.read("quenb.exe") == before) << "not even the writes before it";
}

} // namespace
} // namespace golv
