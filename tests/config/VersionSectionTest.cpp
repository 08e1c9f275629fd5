#include "config/VersionSection.h"

#include "config/ConfigFixture.h"
#include "config/VersionTables.h"

namespace golv {
namespace {

using Messages = std::vector<std::string>;

class VersionSectionTest : public test::ConfigFixture {
protected:
    VersionSectionTest()
    {
        session.executable.name = "quenb.exe";
        session.versionHex = "A00FF";
        session.offsets[1] = 5;
    }

    static std::vector<std::string> withSections(const std::vector<std::string>& sections)
    {
        std::vector<std::string> lines = commonSection({});
        lines.insert(lines.end(), sections.begin(), sections.end());
        return lines;
    }
};

TEST_F(VersionSectionTest, everySectionWhosePatternBeginsWithVersionHexApplies)
{
    struct Row {
        const char* name;
        const char* versionHex;
        std::vector<std::string> sections;
        const char* label;
        int ddOffset;
        int ltOffset;
        int fadeoutsSpeed = 0;
        const char* nEscData = "";
    };
    const std::vector<Row> rows = {
        {"keys in any case, spaces after =, halves to even; the detection position stays", "A00FF",
            {"[version 1234;Another build]", "DDOffset=111", "[end version]", "[version A00FF;Test build]", "; offsets",
                "DDOffset=                 730271", "ltoffset=2.5", "NEscData=       7509",
                "FadeoutsSpeedOffset=  1234", "VersionCheckOffset=99", "SomethingElse=1", "[end version]"},
            "Found: Test build", 730271, 2, 1234, "7509"},
        {"the later of two matches wins, and within one the last line", "A00FF",
            {"[version A00FF;First]", "DDOffset=100", "LTOffset=200", "LTOffset=250", "[end version]",
                "[version A00FF;Second]", "DDOffset=300", "[end version]"},
            "Found: Second", 300, 250},
        // The character after VersionHex is taken to be the ";" untested.
        {"a longer pattern's surplus starts the label", "A00FF", {"[version A00FF12;label]", "[end version]"},
            "Found: 2;label", 0, 0},
        {"no detection bytes (NumBytesToRead -1) match every section", "",
            {"[version 1111;One]", "DDOffset=1", "[end version]", "[version 2222;Two]", "LTOffset=2", "[end version]"},
            "Found: 222;Two", 1, 2},
        {"an empty label", "A00FF", {"[version A00FF;]", "DDOffset=7", "[end version]"}, "Found: ", 7, 0},
        {"a lower-case pattern matches nothing", "A00FF", {"[version a00ff;x]", "DDOffset=5", "[end version]"}, "", 0,
            0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        session.versionHex = row.versionHex;
        session.offsets.clearVersionSlots();
        session.engineData = {};
        ui.messages.clear();
        writeConfig(withSections(row.sections));
        ASSERT_TRUE(LoadConfig(session));
        const bool found = *row.label != '\0';
        EXPECT_EQ(session.executable.state, found ? ExecutableState::Identified : ExecutableState::NotCompatible);
        EXPECT_EQ(found ? session.foundLabel : "", row.label);
        EXPECT_EQ(ui.messageTexts(),
            found ? Messages{} : Messages{"Current config file have no support for your quenb.exe."});
        EXPECT_EQ(session.offsets[offsetSlot("DDOffset")], row.ddOffset);
        EXPECT_EQ(session.offsets[offsetSlot("LTOffset")], row.ltOffset);
        EXPECT_EQ(session.offsets[1], 5) << "a version section cannot move the detection position";
        EXPECT_EQ(session.offsets[offsetSlot("FadeoutsSpeedOffset")], row.fadeoutsSpeed);
        EXPECT_EQ(session.engineData[engineDataIndex("NEscData")], row.nEscData);
    }
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
        {"position beyond 32 bits", {"[version A00FF;x]", "DDOffset=99999999999", "[end version]"}},
        {"line without =", {"[version A00FF;x]", "DDOffset", "[end version]"}},
        {"section line ends after its pattern", {"[version A00FF", "[end version]"}},
        {"section line ends after the ; that follows it", {"[version A00FF;", "[end version]"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ui.messages.clear();
        writeConfig(withSections(row.section));
        ASSERT_TRUE(LoadConfig(session));
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages[0].text,
            "Can't find proper golv.cfg. Recreating config file now.\n(config dir: " + session.configPath
                + ")\nThe replaced file was kept as golv.cfg.bak.");
        std::filesystem::remove(folder.native("golv.cfg.bak"));
        EXPECT_EQ(configText(), defaultFileText());
        // The default build's pattern is not A00FF: nothing matches now, and
        // nothing the broken section set may be used to patch.
        EXPECT_FALSE(session.versionFound);
        EXPECT_EQ(session.executable.state, ExecutableState::NotCompatible);
        EXPECT_EQ(session.offsets[offsetSlot("DDOffset")], 0);
    }
}

} // namespace
} // namespace golv
