#include "config/CommonSection.h"

#include "config/ConfigFixture.h"

namespace golv {
namespace {

using test::kCannotFindConfig;
using test::kOldConfig;
using Messages = std::vector<std::string>;

class CommonSectionTest : public test::ConfigFixture { };

TEST_F(CommonSectionTest, readsTheProgramKeys)
{
    writeConfig(commonSection({"LanguageFile=golv.lng"}));
    ASSERT_TRUE(LoadCommonConfig(session));
    EXPECT_EQ(session.exeName, "quenb.exe");
    EXPECT_EQ(session.offsets[1], 5);
    EXPECT_EQ(session.numBytesToRead, 3);
    EXPECT_EQ(session.silentPatch, 0);
    EXPECT_EQ(session.codec.configVersion(), "0.673");
    EXPECT_EQ(session.languageFile, "golv.lng");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CommonSectionTest, valueRulesOfTheProgramKeys)
{
    writeConfig(commonSection(
        {"ExeName=   other.exe", "EXENAME =ignored.exe", "SilentPatch=1 ; patch at start-up", "NumBytesToRead=2.5"}));
    ASSERT_TRUE(LoadCommonConfig(session));
    EXPECT_EQ(session.exeName, "other.exe") << "spaces after = are dropped, a space before it makes another key";
    EXPECT_EQ(session.silentPatch, 1) << "the leading number counts";
    EXPECT_EQ(session.numBytesToRead, 2) << "halves round to even";
}

TEST_F(CommonSectionTest, readsFilesWithAnyLineEnd)
{
    std::string text;
    for (const std::string& line : commonSection({}))
        text += line + "\n";
    folder.write("golv.cfg", text);
    ASSERT_TRUE(LoadCommonConfig(session));
    EXPECT_EQ(session.exeName, "quenb.exe");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CommonSectionTest, aDamagedOrOutdatedFileIsRegeneratedAndReadAgain)
{
    struct Row {
        const char* name;
        std::vector<std::string> lines;
        const char* message;
    };
    const std::vector<Row> rows = {
        {"no Version line", commonSection({}, ""), kOldConfig},
        {"Version 0.672", commonSection({}, "Version=0.672"), kOldConfig},
        {"Version with a trailing space", commonSection({}, "Version=0.673 "), kOldConfig},
        {"VersionCheckOffset 0", commonSection({"VersionCheckOffset=0"}), kCannotFindConfig},
        {"NumBytesToRead not a number", commonSection({"NumBytesToRead=many"}), kCannotFindConfig},
        {"NumBytesToRead above 32767", commonSection({"NumBytesToRead=40000"}), kCannotFindConfig},
        {"SilentPatch above 255", commonSection({"SilentPatch=256"}), kCannotFindConfig},
        {"SilentPatch below 0", commonSection({"SilentPatch=-1"}), kCannotFindConfig},
        {"VersionCheckOffset beyond 32 bits", commonSection({"VersionCheckOffset=3000000000"}), kCannotFindConfig},
        {"line without =", commonSection({"DrawingDistanceRange 2"}), kCannotFindConfig},
        {"no [common]", {"ExeName=quenb.exe"}, kCannotFindConfig},
        {"no [end common]", {"[common]", "ExeName=quenb.exe", "Version=0.673"}, kCannotFindConfig},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ui.messages.clear();
        session.codec.setConfigVersion("");
        writeConfig(row.lines);
        ASSERT_TRUE(LoadCommonConfig(session));
        EXPECT_EQ(ui.messageTexts(), Messages{row.message});
        EXPECT_EQ(configText(), defaultFileText());
        EXPECT_EQ(session.codec.configVersion(), "0.673") << "the default text was read after the regeneration";
    }
}

TEST_F(CommonSectionTest, aMissingFileIsWrittenFromTheDefaultText)
{
    ASSERT_TRUE(LoadCommonConfig(session));
    EXPECT_EQ(ui.messageTexts(), Messages{kCannotFindConfig});
    EXPECT_EQ(configText(), defaultFileText());
    EXPECT_EQ(session.exeName, "quenb.exe");
    EXPECT_EQ(session.offsets[1], 730225);
    EXPECT_EQ(session.numBytesToRead, 16);
}

TEST_F(CommonSectionTest, aFailureOfTheRenewedReadingGoesToTheCaller)
{
    // A folder that does not exist can hold no regenerated file.
    session.configPath = (folder / "missing-folder" / "golv.cfg").string();
    const Status status = LoadCommonConfig(session);
    ASSERT_FALSE(status);
    EXPECT_NE(status.reason().find(session.configPath), std::string::npos);
    EXPECT_EQ(ui.messageTexts(), Messages{kCannotFindConfig}) << "the error path is taken once per call";
}

TEST_F(CommonSectionTest, everyLineGoesToEveryCategoryInTheOrderOfAll)
{
    writeConfig(commonSection({"HMainColourR=255", "Misspelt=1"}));
    ASSERT_TRUE(LoadCommonConfig(session));
    std::vector<test::RecordingParsers::Call> forBars;
    for (const auto& call : parsers.calls) {
        if (call.key == "hmaincolourr")
            forBars.push_back(call);
    }
    ASSERT_EQ(forBars.size(), kAllCategories.size());
    for (std::size_t i = 0; i < kAllCategories.size(); ++i)
        EXPECT_EQ(forBars[i].category, kAllCategories[i]);
    EXPECT_EQ(forBars[0].value, "255");
    EXPECT_TRUE(ui.messages.empty()) << "unknown keys are no error";
}

TEST_F(CommonSectionTest, aKeywordAppliesOnlyItsOwnCategory)
{
    writeConfig(commonSection({"HMainColourR=255"}));
    session.currentCategory = "bars";
    ASSERT_TRUE(ReadCommonSection(session));
    ASSERT_FALSE(parsers.calls.empty());
    for (const auto& call : parsers.calls)
        EXPECT_EQ(call.category, Category::Bars);

    parsers.calls.clear();
    session.currentCategory = "everything";
    ASSERT_TRUE(ReadCommonSection(session));
    EXPECT_TRUE(parsers.calls.empty()) << "an unknown category applies nothing";
    EXPECT_EQ(session.exeName, "quenb.exe") << "the program keys are read all the same";
}

TEST_F(CommonSectionTest, aValueOutOfItsControlsRangeRegeneratesTheFile)
{
    // A key of this test alone, so the regenerated default text passes.
    writeConfig(commonSection({"TestOnlySetting=7"}));
    parsers.refusedKey = "testonlysetting";
    ASSERT_TRUE(LoadCommonConfig(session));
    EXPECT_EQ(ui.messageTexts(), Messages{kCannotFindConfig});
    EXPECT_EQ(configText(), defaultFileText());
}

TEST_F(CommonSectionTest, linesBeforeTheCommonSectionAreSkipped)
{
    std::vector<std::string> lines = {"this line has no equals sign", "Version=0.1"};
    for (const std::string& line : commonSection({}))
        lines.push_back(line);
    writeConfig(lines);
    ASSERT_TRUE(LoadCommonConfig(session));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(session.codec.configVersion(), "0.673");
}

} // namespace
} // namespace golv
