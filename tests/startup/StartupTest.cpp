#include "startup/Startup.h"

#include "config/CommonSection.h"
#include "config/ConfigFixture.h"
#include "startup/SilentMode.h"

#include <sys/stat.h>

#include <cstdlib>

namespace golv {
namespace {

using Messages = std::vector<std::string>;

class StartupTest : public test::ConfigFixture {
protected:
    StartupTest() { session.parsers = nullptr; }

    // A configuration whose build is told by the detection bytes at position 5.
    void writeSmallConfig(const std::vector<std::string>& common = {"NumBytesToRead=3"})
    {
        std::vector<std::string> lines = commonSection(common);
        for (const char* line : {"[version A00FF;Small build]", "DDOffset=9", "[end version]"})
            lines.emplace_back(line);
        writeConfig(lines);
    }
};

TEST_F(StartupTest, findsTheDefaultBuildInTheFolderItIsGiven)
{
    ASSERT_EQ(test::runProgram(GOLV_MAKE_TEST_EXE, {folder / "quenb.exe"}), 0);
    ASSERT_EQ(runStartup(session, folder.path()), StartupResult::ShowWindow);
    // No golv.cfg was there: it is written into that folder, not elsewhere.
    EXPECT_EQ(ui.messageTexts(), Messages{test::kCannotFindConfig});
    EXPECT_EQ(configText(), defaultFileText());
    EXPECT_EQ(session.versionHex, "65636B005F494E495400000057696E50");
    EXPECT_EQ(session.foundLabel, "Found: ZDWK, EU, orig. or XP mod \\ 9 (11) Dec 2002");
    EXPECT_EQ(session.executable.state, ExecutableState::Identified);

    // A "defaults" after golv.cfg was edited reads it again; the questions
    // still name the file the run writes.
    writeConfig(commonSection({"ExeName=other.exe"}));
    ASSERT_TRUE(ReadCommonSection(session, Category::Bars));
    ASSERT_TRUE(LoadCommonConfig(session));
    EXPECT_EQ(session.executable.name, "quenb.exe");
    EXPECT_EQ(session.executable.path, (folder / "quenb.exe"));
}

// The detection bytes at the configured position pick the build; a count
// of bytes that cannot be read ends start-up's reading with its message.
TEST_F(StartupTest, readsTheDetectionBlockAsVersionHex)
{
    struct Row {
        const char* name;
        const char* numBytes;
        std::vector<unsigned char> exe;
        const char* versionHex;
        ExecutableState state;
        Messages messages;
    };
    using enum ExecutableState;
    const Messages noSupport = {"Current config file have no support for your quenb.exe."};
    const std::vector<Row> rows = {
        {"0A 00 FF", "3", {1, 2, 3, 4, 0x0A, 0x00, 0xFF, 7, 8}, "A00FF", Identified, {}},
        {"bytes past the end read as zeros", "3", {1, 2, 3, 4, 0x0A}, "A0000", NotCompatible, noSupport},
        // A byte below 10 gives one digit, but for 00.
        {"0F 10 00", "3", {1, 2, 3, 4, 0x0F, 0x10, 0x00}, "F1000", NotCompatible, noSupport},
        {"-1 bytes read nothing, which every pattern begins with", "-1", std::vector<unsigned char>(16, 0), "",
            Identified, {}},
        {"fewer than no bytes cannot be read", "-2", std::vector<unsigned char>(16, 0), "", Unreadable,
            {std::string(kStartupFailureMessage)}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session run(ui);
        ui.messages.clear();
        writeSmallConfig({std::string("NumBytesToRead=") + row.numBytes});
        folder.write("quenb.exe", row.exe);
        ASSERT_EQ(runStartup(run, folder.path()), StartupResult::ShowWindow);
        EXPECT_EQ(run.versionHex, row.versionHex);
        EXPECT_EQ(run.executable.state, row.state);
        EXPECT_EQ(ui.messageTexts(), row.messages);
    }
}

// No executable to read: missing, or a folder or a FIFO of its name, which is
// never waited on (the message says why it was not read), or a name outside
// golv.cfg's folder, which a shared configuration must not reach, in silent
// mode neither. Silent mode leaves a missing one to the main window.
TEST_F(StartupTest, anExecutableThatCannotBeReadIsNamedAndNotPatched)
{
    test::TempFolder elsewhere;
    elsewhere.write("quenb.exe", std::vector<unsigned char>{1, 2, 3, 4, 0x0A, 0x00, 0xFF, 7});
    const std::string notFound
        = "Error loading patcher. quenb.exe not found.\n(exe dir: " + (folder / "quenb.exe") + ")";
    const std::string notRegular = "\nCannot open " + (folder / "quenb.exe") + ": it is not a regular file.";
    using enum ExecutableState;
    const std::tuple<std::string, std::string, ExecutableState> rows[]
        = {{"missing", notFound, Missing}, {"folder", notFound + notRegular, Missing},
            {"fifo", notFound + notRegular, Missing}, {elsewhere / "quenb.exe", "", Refused},
            {"../" + platform::fileNameOf(elsewhere.path()) + "/quenb.exe", "", Refused},
            {"bin\\..\\..\\quenb.exe", "", Refused}, {"C:quenb.exe", "", Refused}};
    for (const auto& [name, notRead, state] : rows) {
        SCOPED_TRACE(name);
        writeSmallConfig({"ExeName=" + (state == Missing ? "quenb.exe" : name), "SilentPatch=1"});
        std::filesystem::remove(folder.native("quenb.exe"));
        if (name == "folder")
            std::filesystem::create_directory(folder.native("quenb.exe"));
        if (name == "fifo") {
#ifdef _WIN32
            continue; // Windows has no FIFOs in its folders
#else
            ASSERT_EQ(::mkfifo((folder / "quenb.exe").c_str(), 0600), 0);
#endif
        }
        ui.messages.clear();
        Session run(ui);
        run.parsers = nullptr;
        ASSERT_EQ(runStartup(run, folder.path()), StartupResult::ShowWindow);
        EXPECT_EQ(ui.messageTexts(),
            Messages{state == Missing ? notRead
                                      : "golv.cfg names the executable \"" + name
                        + "\", which is not a file inside the folder GOLV works in (" + folder.path()
                        + "). ExeName must be a file name, or a path below that folder without \"..\"."});
        EXPECT_EQ(run.executable.state, state);
        EXPECT_EQ(runSilentPatch(run), state == Missing ? SilentOutcome::NotSilent : SilentOutcome::Ended);
    }
}

// Neither read nor written: the message names the folder, not a file GOLV
// meant to make in it.
TEST_F(StartupTest, aConfigurationThatCanBeNeitherReadNorWrittenEndsTheProgram)
{
    const std::string missing = folder / "no-such-folder";
    ASSERT_EQ(runStartup(session, missing), StartupResult::Fatal);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Cannot write in the folder " + missing + ":"), std::string::npos)
        << ui.messages[0].text;
}

} // namespace
} // namespace golv
