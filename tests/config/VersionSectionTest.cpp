#include "config/VersionSection.h"

#include "config/ConfigFixture.h"

namespace golv {
namespace {

using Messages = std::vector<std::string>;

class VersionSectionTest : public test::ConfigFixture {
protected:
    VersionSectionTest()
    {
        session.exeName = "quenb.exe";
        session.versionHex = "A00FF";
    }

    static std::vector<std::string> withSections(const std::vector<std::string>& sections)
    {
        std::vector<std::string> lines = commonSection({});
        lines.insert(lines.end(), sections.begin(), sections.end());
        return lines;
    }

    std::string regenerationMessage() const
    {
        return "Can't find proper golv.cfg. Recreating config file now.\n(config dir: " + session.configPath + ")";
    }
};

TEST(VersionHex, writesZeroBytesAsTwoDigitsAndOthersWithoutLeadingZero)
{
    const std::uint8_t block[] = {0x0A, 0x00, 0xFF};
    EXPECT_EQ(versionHexOf(block), "A00FF");
    const std::uint8_t text[] = {0x65, 0x63, 0x6B, 0x00, 0x01};
    EXPECT_EQ(versionHexOf(text), "65636B001");
}

TEST_F(VersionSectionTest, fillsTheTablesFromTheMatchingSection)
{
    writeConfig(withSections({
        "[version 1234;Another build]",
        "DDOffset=111",
        "[end version]",
        "[version A00FF;Test build]",
        "; offsets",
        "DDOffset=                 730271",
        "ddisoffset1=2.5",
        "NEscData=       7509",
        "SomethingElse=1",
        "[end version]",
    }));
    ASSERT_TRUE(LoadConfig(session));
    EXPECT_TRUE(session.versionFound);
    EXPECT_EQ(session.foundLabel, "Found: Test build");
    EXPECT_EQ(session.window.statusLabel, "Found: Test build");
    EXPECT_TRUE(session.window.modifyEnabled);
    EXPECT_EQ(session.offsets[offsetSlot("DDOffset")], 730271);
    EXPECT_EQ(session.offsets[offsetSlot("DDisOffset1")], 2) << "keys match in any case, numbers round half to even";
    EXPECT_EQ(session.engineData[engineDataIndex("NEscData")], "7509");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(VersionSectionTest, noMatchingSectionDisablesModify)
{
    writeConfig(withSections({"[version a00ff;lower-case pattern]", "DDOffset=5", "[end version]"}));
    ASSERT_TRUE(LoadConfig(session));
    EXPECT_FALSE(session.versionFound);
    EXPECT_EQ(ui.messageTexts(), Messages{"Current config file have no support for your quenb.exe."});
    EXPECT_EQ(session.window.statusLabel, "Engine is not compatible with GOLV!");
    EXPECT_FALSE(session.window.modifyEnabled);
    EXPECT_EQ(session.offsets[offsetSlot("DDOffset")], 0);
}

TEST_F(VersionSectionTest, aLongerPatternMatchesAndItsSurplusStartsTheLabel)
{
    writeConfig(withSections({"[version A00FF12;label]", "[end version]"}));
    ASSERT_TRUE(LoadConfig(session));
    // The character after VersionHex is taken to be the ";" untested.
    EXPECT_EQ(session.foundLabel, "Found: 2;label");
}

TEST_F(VersionSectionTest, laterMatchingSectionsOverwriteEarlierOnes)
{
    writeConfig(withSections({
        "[version A00FF;First]",
        "DDOffset=100",
        "LTOffset=200",
        "DDOffset=150",
        "[end version]",
        "[version A00FF;Second]",
        "DDOffset=300",
        "[end version]",
    }));
    ASSERT_TRUE(LoadConfig(session));
    EXPECT_EQ(session.window.statusLabel, "Found: Second");
    EXPECT_EQ(session.offsets[offsetSlot("DDOffset")], 300);
    EXPECT_EQ(session.offsets[offsetSlot("LTOffset")], 200);
}

TEST_F(VersionSectionTest, anEmptyVersionHexMatchesEverySection)
{
    session.versionHex.clear(); // NumBytesToRead -1 reads no byte
    writeConfig(withSections(
        {"[version 1111;One]", "DDOffset=1", "[end version]", "[version 2222;Two]", "LTOffset=2", "[end version]"}));
    ASSERT_TRUE(LoadConfig(session));
    EXPECT_EQ(session.window.statusLabel, "Found: 222;Two");
    EXPECT_EQ(session.offsets[offsetSlot("DDOffset")], 1);
    EXPECT_EQ(session.offsets[offsetSlot("LTOffset")], 2);
}

TEST_F(VersionSectionTest, aDamagedSectionRegeneratesTheFileAndReadsItAgain)
{
    struct Row {
        const char* name;
        std::vector<std::string> section;
    };
    const std::vector<Row> rows = {
        {"no [end version]", {"[version A00FF;Broken]", "DDOffset=5"}},
        {"fade-out speed not a whole number", {"[version A00FF;x]", "FadeoutsSpeedOffset=12.5", "[end version]"}},
        {"fade-out duration not a number", {"[version A00FF;x]", "FadeoutsDurationOffset=abc", "[end version]"}},
        {"position beyond 32 bits", {"[version A00FF;x]", "DDOffset=99999999999", "[end version]"}},
        {"line without =", {"[version A00FF;x]", "DDOffset", "[end version]"}},
        {"section line ends after its pattern", {"[version A00FF", "[end version]"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ui.messages.clear();
        writeConfig(withSections(row.section));
        ASSERT_TRUE(LoadConfig(session));
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages[0].text, regenerationMessage());
        EXPECT_EQ(configText(), defaultFileText());
        // The default build's pattern is not A00FF: nothing matches now, and
        // nothing the broken section set may be used to patch.
        EXPECT_FALSE(session.versionFound);
        EXPECT_FALSE(session.window.modifyEnabled);
        EXPECT_EQ(session.offsets[offsetSlot("DDOffset")], 0);
    }
}

TEST_F(VersionSectionTest, wholeNumberFadeOutPositionsAreAccepted)
{
    writeConfig(withSections({"[version A00FF;x]", "FadeoutsSpeedOffset=  1234", "[end version]"}));
    ASSERT_TRUE(LoadConfig(session));
    EXPECT_EQ(session.offsets[offsetSlot("FadeoutsSpeedOffset")], 1234);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(VersionSectionTest, aVersionSectionCannotMoveTheDetectionPosition)
{
    session.offsets[1] = 5;
    writeConfig(withSections({"[version A00FF;x]", "VersionCheckOffset=99", "[end version]"}));
    ASSERT_TRUE(LoadConfig(session));
    EXPECT_EQ(session.offsets[1], 5);
}

TEST_F(VersionSectionTest, aFailureOfTheRenewedReadingGoesToTheCaller)
{
    session.configPath = (folder / "missing-folder" / "golv.cfg").string();
    EXPECT_FALSE(LoadConfig(session));
    EXPECT_EQ(ui.messageTexts(), Messages{regenerationMessage()});
}

} // namespace
} // namespace golv
