#include "commandline/CommandLine.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace golv {
namespace {

// The options the command line takes, those it refuses, what it prints and
// how it ends, each run in a folder with golv.cfg and a synthetic
// executable. What the commands write is checked on the real program in
// ProgramRunTest.
TEST(CommandLineTest, readsItsOptionsAsScriptsWriteThem)
{
    const test::TempFolder folder;
    ASSERT_EQ(test::runProgram(GOLV_MAKE_TEST_EXE, {"--with-config", folder / "quenb.exe"}), 0);
    struct Row {
        Arguments arguments;
        ExitCode code;
        std::string printed; // a part of standard output for Done, else of standard error
    };
    using enum ExitCode;
    const std::vector<Row> rows = {
        {{"--version"}, Done, "GOLV v. 0.67 alpha RC3\n"},
        {{"-hv"}, Done,
            "Usage: golv [options]\n"
            "GOLV changes engine behaviour"},
        // The longest names set the column; a line ends before the 80th.
        {{"--help"}, Done,
            "\n  --read-settings <FILE>  Write the settings the executable holds to the preset\n"
            "                          FILE; settings whose bytes"},
        {{"--plan", "--silent"}, Usage,
            "golv: Give one of --silent, --plan, --export-patch, --read-settings, --compare and --restore.\n"
            "Try golv --help.\n"},
        {{"--bogus", "-x"}, Usage, "golv: Unknown options: bogus, x.\n"},
        {{"--plan", "-xv"}, Usage, "golv: Unknown option 'x'.\n"},
        {{"--plan", "--preset"}, Usage, "golv: Missing value after '--preset'.\n"},
        {{"--plan=3"}, Usage, "golv: Unexpected value after '--plan'.\n"},
        {{"-h=3"}, Usage, "golv: Unexpected value after '-h'.\n"},
        {{"--plan", "extra"}, Usage, "golv: Unexpected argument: extra\n"},
        {{"--plan", "--", "--silent"}, Usage, "golv: Unexpected argument: --silent\n"},
        {{"--plan", "-"}, Usage, "golv: Unexpected argument: -\n"},
        // What follows an option that takes a value is its value.
        {{"--preset", "--plan"}, Usage, "golv: Give one of"},
        {{"--read-settings=a.qpt", "--preset", "b.qpt"}, Usage,
            "golv: --read-settings and --compare read the executable, not a preset.\n"},
        {{"--folder", "no-such-folder", "--folder=no-such-folder-either", "--plan"}, UnusableConfiguration,
            "no-such-folder-either does not exist.\n"},
        {{"--plan"}, Done, " writes change the executable.\n"},
        {{"--compare", folder / "quenb.exe"}, Done, "No setting differs between quenb.exe and "},
        {{"--restore"}, NothingWritten, "No original of quenb.exe is kept: quenb.exe.orig is missing.\n"},
        {{"--silent", "--preset", "none.qpt"}, NothingWritten, "The preset none.qpt cannot be applied: "},
    };
    for (const Row& row : rows) {
        Arguments arguments = {"golv", "--folder=" + folder.path()};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        SCOPED_TRACE(testing::PrintToString(arguments));
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runCommandLine(arguments, out, err), row.code);
        const std::string printed = row.code == Done ? out.str() : err.str();
        EXPECT_NE(printed.find(row.printed), std::string::npos) << printed;
        EXPECT_TRUE((row.code == Done ? err : out).str().empty());
    }
}

TEST(CommandLineTest, theWindowStartsWithoutArgumentsOrWithAFolderAlone)
{
    const std::pair<Arguments, bool> rows[] = {{{"golv"}, false}, {{"golv", "--folder", "x"}, false},
        {{"golv", "--folder=x"}, false}, {{"golv", "--folder"}, true}, {{"golv", "--plan"}, true},
        {{"golv", "--folder", "x", "--plan"}, true}, {{"golv", "x", "--folder"}, true}};
    for (const auto& [arguments, command] : rows)
        EXPECT_EQ(isCommandLineRun(arguments), command) << testing::PrintToString(arguments);
}

} // namespace
} // namespace golv
