#include "config/CommonSection.h"

#include "config/CommonKey.h"
#include "config/ConfigFixture.h"
#include "config/DefaultConfig.h"
#include "config/PlatformFile.h"
#include "config/VersionSection.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <tuple>

namespace golv {
namespace {

using test::kCannotFindConfig;
using test::kOldConfig;
using Messages = std::vector<std::string>;

class CommonSectionTest : public test::ConfigFixture { };

TEST_F(CommonSectionTest, readsTheProgramKeysByTheirValueRules)
{
    // Lines before [common] are no part of it, even a Version line.
    std::vector<std::string> lines = {"this line has no equals sign", "Version=0.1"};
    for (const std::string& line : commonSection({"LanguageFile=golv.lng", "ExeName=   other.exe",
             "EXENAME =ignored.exe", "SilentPatch=1 ; patch at start-up", "NumBytesToRead=2.5", "Misspelt=1"}))
        lines.push_back(line);
    writeConfig(lines);
    ASSERT_TRUE(LoadCommonConfig(session));
    EXPECT_EQ(session.configuredExeName, "other.exe")
        << "spaces after = are dropped, a space before it makes another key";
    EXPECT_EQ(session.offsets[1], 5);
    EXPECT_EQ(session.numBytesToRead, 2) << "halves round to even";
    EXPECT_EQ(session.silentPatch, 1) << "the leading number counts";
    EXPECT_EQ(session.configVersion, "0.673");
    EXPECT_EQ(session.languageFile, "golv.lng");
    EXPECT_TRUE(ui.messages.empty()) << "unknown keys are no error";
}

// The language chosen in the window is kept in golv.cfg; nothing else changes.
TEST_F(CommonSectionTest, aCommonKeyIsSetKeepingEveryOtherByte)
{
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"replaced where it stands, LF kept", "[common]\nExeName=a.exe\nlanguagefile=old.lng\n[end common]\n",
            "[common]\nExeName=a.exe\nLanguageFile=deutsch.lng\n[end common]\n"},
        {"after its commented example", "; x\r\n[common]\r\n;LanguageFile=golv.lng\r\nExeName=a.exe",
            "; x\r\n[common]\r\n;LanguageFile=golv.lng\r\nLanguageFile=deutsch.lng\r\nExeName=a.exe"},
        {"in the common section only", "[common]\r\nExeName=a.exe\r\n[version 1;x]\r\nLanguageFile=x\r\n",
            "[common]\r\nLanguageFile=deutsch.lng\r\nExeName=a.exe\r\n[version 1;x]\r\nLanguageFile=x\r\n"},
    };
    for (const auto& [name, before, after] : rows) {
        SCOPED_TRACE(name);
        folder.write("golv.cfg", before);
        ASSERT_TRUE(setCommonKey(session.configPath, "LanguageFile", "deutsch.lng"));
        EXPECT_EQ(configText(), after);
    }
}

TEST_F(CommonSectionTest, aDamagedOrOutdatedFileIsRegeneratedAndReadAgain)
{
    struct Row {
        const char* name;
        std::vector<std::string> lines;
        const char* message;
    };
    const std::vector<Row> rows = {
        {"missing file", {}, kCannotFindConfig},
        {"no Version line", commonSection({}, ""), kOldConfig},
        {"Version 0.672", commonSection({}, "Version=0.672"), kOldConfig},
        {"Version with a trailing space", commonSection({}, "Version=0.673 "), kOldConfig},
        {"VersionCheckOffset 0", commonSection({"VersionCheckOffset=0"}), kCannotFindConfig},
        {"VersionCheckOffset beyond 32 bits", commonSection({"VersionCheckOffset=3000000000"}), kCannotFindConfig},
        {"NumBytesToRead not a number", commonSection({"NumBytesToRead=many"}), kCannotFindConfig},
        {"NumBytesToRead above 32767", commonSection({"NumBytesToRead=40000"}), kCannotFindConfig},
        {"SilentPatch above 255", commonSection({"SilentPatch=256"}), kCannotFindConfig},
        {"SilentPatch below 0", commonSection({"SilentPatch=-1"}), kCannotFindConfig},
        {"a value its control refuses", commonSection({"HHide=3"}), kCannotFindConfig},
        {"line without =", commonSection({"DrawingDistanceRange 2"}), kCannotFindConfig},
        {"no [common]", {"ExeName=quenb.exe"}, kCannotFindConfig},
        {"no [end common]", {"[common]", "ExeName=quenb.exe", "Version=0.673"}, kCannotFindConfig},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ui.messages.clear();
        session.configVersion = "";
        std::filesystem::remove(folder.native("golv.cfg"));
        std::filesystem::remove(folder.native("golv.cfg.bak"));
        if (!row.lines.empty())
            writeConfig(row.lines);
        ASSERT_TRUE(LoadCommonConfig(session));
        // What was replaced is kept beside it, and the message says where.
        const std::string kept = row.lines.empty() ? "" : "\nThe replaced file was kept as golv.cfg.bak.";
        EXPECT_EQ(ui.messageTexts(), Messages{row.message + kept});
        if (!row.lines.empty()) {
            EXPECT_EQ(folder.read("golv.cfg.bak"), test::crlfText(row.lines));
        }
        EXPECT_EQ(configText(), defaultFileText());
        EXPECT_EQ(session.configVersion, "0.673") << "the default text was read after the regeneration";
    }
}

// A reading that stops names the line it stopped at, counted from the file's first.
TEST_F(CommonSectionTest, aLineThatCannotBeReadIsNamedByItsNumber)
{
    const std::string path = session.configPath;
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"; x", "[common]", "", "HHide=3", "[end common]"}, "Line 4 of " + path + " is not valid: "},
        {{"[common]", "Version=0.673", "DrawingDistanceRange 2"}, "Line 3 of " + path + " has no \"=\"."},
        {{"[commons]", "ExeName=quenb.exe"}, path + " has no [common] section."},
        {{"[common]", "ExeName=quenb.exe"}, "The [common] section of " + path + " has no [end common] line."},
    };
    for (const auto& [lines, reason] : rows) {
        SCOPED_TRACE(reason);
        EXPECT_TRUE(applyCommonSection(session, kAllCategories, lines).reason().starts_with(reason));
    }
}

#ifndef _WIN32 // another program cannot write a file that Windows' GOLV holds open
// A golv.cfg that some other program keeps turning back into an old one
// ends the renewals after a few, with a reason, instead of going on forever.
TEST_F(CommonSectionTest, aFileThatDoesNotKeepTheDefaultTextEndsTheRenewals)
{
    static std::filesystem::path watched;
    watched = folder.native("");
    writeConfig(commonSection({}, "Version=0.1"));
    // Just before the renewed text takes golv.cfg's place, the old one replaces it.
    platform::detail::setFaultHook([](platform::detail::Operation operation) {
        if (operation == platform::detail::Operation::Rename)
            for (const auto& entry : std::filesystem::directory_iterator(watched))
                if (entry.path().filename().string().starts_with(".golv.cfg.golv-"))
                    std::filesystem::copy_file(
                        watched / "golv.cfg", entry.path(), std::filesystem::copy_options::overwrite_existing);
        return platform::detail::Fault{};
    });
    const Status loaded = LoadCommonConfig(session);
    platform::detail::setFaultHook(nullptr);
    EXPECT_EQ(loaded.reason(), session.configPath + " does not keep the default configuration written to it.");
    EXPECT_EQ(ui.messages.size(), 4U);
    EXPECT_TRUE(std::filesystem::exists(folder.native("golv.cfg.bak.4")));
    EXPECT_FALSE(std::filesystem::exists(folder.native("golv.cfg.bak.5")));
}
#endif

TEST_F(CommonSectionTest, anEarlierCopyIsNeverOverwritten)
{
    folder.write("golv.cfg.bak", std::string_view("first"));
    folder.write("golv.cfg.bak.2", std::string_view("second"));
    writeConfig({"[common]", "Version=0.1", "[end common]"});
    ASSERT_TRUE(LoadCommonConfig(session));
    EXPECT_EQ(folder.read("golv.cfg.bak"), "first");
    EXPECT_EQ(folder.read("golv.cfg.bak.2"), "second");
    EXPECT_EQ(folder.read("golv.cfg.bak.3"), test::crlfText({"[common]", "Version=0.1", "[end common]"}));
    EXPECT_EQ(ui.messageTexts(), Messages{std::string(kOldConfig) + "\nThe replaced file was kept as golv.cfg.bak.3."});
}

// A golv.cfg that cannot be replaced is not copied aside either, and no
// message says it was: each start would add copies of a file it never replaces.
TEST_F(CommonSectionTest, aFileThatCannotBeReplacedIsNotCopiedAside)
{
    writeConfig({"[common]", "Version=0.1", "[end common]"});
    std::filesystem::permissions(folder.native("golv.cfg"), std::filesystem::perms::owner_read);
    const Status loaded = LoadCommonConfig(session);
    EXPECT_EQ(loaded.reason(), "Cannot replace " + (folder / "golv.cfg") + ": it is read-only.");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.native("golv.cfg.bak")));
}

// The same reader serves every system; the child process that measures it
// is the POSIX one's.
#if !defined(__SANITIZE_ADDRESS__) && !defined(_WIN32)
// 50 MB of blank lines inside the common section: read in pieces, a line at a
// time, the whole start-up reading stays far below the file's size. Measured in
// a child process, whose peak memory the system reports on its own.
TEST_F(CommonSectionTest, aHugeConfigurationIsReadInLittleMemory)
{
    std::vector<std::string> lines = defaultConfigLines();
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
        if (line == "[common]")
            text += std::string(50 << 20, '\n');
    }
    folder.write("golv.cfg", text);
    text = {};
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        std::_Exit(LoadCommonConfig(session) && LoadConfig(session) && ui.messages.empty() ? 0 : 1);
    int status = 0;
    rusage usage{};
    ASSERT_EQ(::wait4(child, &status, 0, &usage), child);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_LT(usage.ru_maxrss, 64 * 1024) << "peak memory in KiB";
}
#endif

} // namespace
} // namespace golv
