#include "presets/Presets.h"

#include "config/CommonSection.h"
#include "config/ConfigFixture.h"
#include "settings/SettingId.h"
#include "support/RandomSettings.h"

#include <algorithm>
#include <random>

namespace golv {
namespace {

using Lines = std::vector<std::string>;

class PresetsTest : public test::ConfigFixture {
protected:
    PresetsTest()
    {
        EXPECT_TRUE(LoadCommonConfig(session));
        session.settings.setAlignmentCaptions({"left", "center", "rite"});
        session.settings.showAlignmentCaptions();
        ui.messages.clear();
    }

    SettingsStore& store() { return session.settings; }

    // Loads a preset file holding `lines` through the load command.
    void loadLines(const Lines& lines)
    {
        folder.write("in.qpt", test::crlfText(lines));
        ui.fileAnswers.push_back((folder / "in.qpt"));
        loadPreset(session);
    }

    std::string textOf(std::string_view key) { return store().text(*findSetting(key)); }
};

// Values every window would take, saved and loaded again, and with them
// which controls are enabled; every setting differs from its default in one
// seed or another.
TEST_F(PresetsTest, aSavedPresetLoadsBackEverySettingAndEnabledState)
{
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        SettingValues values = test::randomValues(random, store());
        for (SettingId id = 0; id < kSettings.size(); ++id) {
            if (kSettings[id].conversion == Conversion::Number) // read as shortest decimal: "08" loads as "8"
                values[id].text = std::to_string(std::stoi(values[id].text));
        }
        store().load(values);
        const Lines saved = presetLines(store());
        std::vector<bool> enabled;
        for (SettingId id = 0; id < kSettings.size(); ++id)
            enabled.push_back(store().isEnabled(id));
        ui.fileAnswers.push_back((folder / "all.qpt"));
        savePreset(session);

        ASSERT_TRUE(LoadCommonConfig(session));
        ASSERT_NE(presetLines(store()), saved);
        ui.fileAnswers.push_back((folder / "all.qpt"));
        loadPreset(session);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(presetLines(store()), saved);
        for (SettingId id = 0; id < kSettings.size(); ++id)
            EXPECT_EQ(store().isEnabled(id), enabled[id]) << kSettings[id].key;
    }
}

TEST_F(PresetsTest, aPresetFileHasTheHeaderAndOneCrLfLinePerSetting)
{
    ASSERT_TRUE(writePreset(store(), folder / "p.qpt"));
    const std::string text = folder.read("p.qpt");
    EXPECT_TRUE(
        text.starts_with("[preset]\r\n\r\nversion=0.673\r\n\r\nDrawingDistanceRange=2\r\nDistantFogRange=2\r\n"));
    EXPECT_TRUE(text.ends_with("\r\nLittleBeetleDisp=0400\r\nMagicAttackDivider=02\r\n"));
    // No option selected, and no alignment chosen: nothing to write.
    const std::size_t all = presetLines(store()).size();
    store().setState(settingId("PonytailMode"), -1);
    store().setState(settingId("MainMenuAlign"), -1);
    EXPECT_EQ(presetLines(store()).size(), all - 2);
}

TEST_F(PresetsTest, olderPresetVersionsAreConverted)
{
    // The version line ("" for none), a setting's line, and the text it loads as.
    const std::tuple<const char*, const char*, std::string, const char*> rows[] = {
        {"no version: hex colour", "", "HMainColourR=FF", "255"},
        {"no version: hex signed byte, negated", "", "BatDmg=F6", "10"},
        {"no version: hex signed word, negated", "", "SphinxDmg=FFF6", "10"},
        {"0.671: damages stored negated", "version=0.671", "BatDmg=10", "-10"},
        {"0.671: hex fields are decimal", "version=0.671", "HMainColourR=12", "12"},
        {"0.672: as written", "version=0.672", "BatDmg=10", "10"},
        {"0.673: FF stays text", "version=0.673", "HMainColourR=FF", "FF"},
        {"a listed number keeps the list's spelling", "version=0.673", "BinocsRange=5", "05"},
        {"a listed number with text after it, too", "version=0.673", "BinocsRange=5[x", "05"},
        {"a blank list text chooses no entry", "version=0.673", "BinocsRange=", ""},
        {"secrets keep their characters", "version=0.673", "Secrets=07", "07"},
    };
    for (const auto& [name, version, line, expected] : rows) {
        SCOPED_TRACE(name);
        loadLines({"[preset]", version, line});
        EXPECT_EQ(textOf(line.substr(0, line.find('='))), expected);
        EXPECT_TRUE(ui.messages.empty());
    }
}

// Damaged hex digits of an old preset read as 0 and warn once a load.
TEST_F(PresetsTest, damagedHexDigitsWarnOnceALoad)
{
    for (std::size_t load = 1; load <= 2; ++load) {
        loadLines({"[preset]", "HMainColourR=ZZ", "HMainColourG=YY"});
        ASSERT_EQ(ui.messages.size(), load);
        EXPECT_EQ(ui.messages.back().text.rfind("There was an error when converting", 0), 0u);
        EXPECT_EQ(textOf("HMainColourR"), "0");
    }
}

// The alignment list is saved and read by its position; older files hold the
// text the list showed, which loads to that text's position.
TEST_F(PresetsTest, theAlignmentGoesByPositionAndOlderTextsLoadToTheirs)
{
    struct Row {
        const char* name;
        bool translated; // a language file renamed the entries
        const char* value;
        int position;
        const char* shown; // what the list shows afterwards
    };
    const Row rows[] = {
        {"a position", false, "2", 2, "right"},
        {"left", false, "left", 0, "left"},
        {"the list's own right", false, "right", 2, "right"},
        {"the caption rite", false, "rite", 2, "right"},
        {"a translated caption", true, "rechts", 2, "rechts"},
        {"a translated caption, first entry", true, "links", 0, "links"},
        {"the English texts after a language file", true, "center", 1, "mittig"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session fresh(ui);
        fresh.settings.setAlignmentCaptions({"left", "center", "rite"});
        if (row.translated) {
            fresh.settings.setAlignmentCaptions({"links", "mittig", "rechts"});
            fresh.settings.showAlignmentCaptions();
        }
        fresh.settings.setState(settingId("MainMenuAlign"), -1);
        folder.write("align.qpt", test::crlfText({"[preset]", std::string("MainMenuAlign=") + row.value}));
        ASSERT_TRUE(readPresetFile(fresh, folder / "align.qpt"));
        EXPECT_EQ(fresh.settings.state(settingId("MainMenuAlign")), row.position);
        EXPECT_EQ(fresh.settings.text(settingId("MainMenuAlign")), row.shown);
        const Lines saved = presetLines(fresh.settings);
        EXPECT_NE(std::ranges::find(saved, "MainMenuAlign=" + std::to_string(row.position)), saved.end());
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PresetsTest, aPresetChangesOnlyTheSettingsItHolds)
{
    Lines expected = presetLines(store());
    std::ranges::replace(expected, std::string("PistolDamage=1"), std::string("PistolDamage=7"));
    loadLines({"; saved by hand", "", "[PRESET]", "PistolDamage=7"});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(presetLines(store()), expected);
}

TEST_F(PresetsTest, aDamagedPresetStopsAtItsErrorWithTheMessage)
{
    struct Row {
        const char* name;
        Lines lines;
        const char* pistolDamage; // set by a line before the error, if the file has one
        const char* reason;       // what the command line shows
    };
    const std::vector<Row> rows = {
        {"value outside its control", {"[preset]", "PistolDamage=7", "HHide=5", "PistolRate=8"}, "7",
            "The value \"5\" is out of the range of HHide."},
        {"a flag no letter stands for", {"[preset]", "PistolDamage=7", "GrenNormFlag=9", "PistolRate=8"}, "7",
            "The value \"9\" is out of the range of GrenNormFlag."},
        {"line without =, blank lines counted", {"", "[preset]", "PistolDamage=7", "", "garbage", "PistolRate=8"}, "7",
            "Line 5 has no \"=\"."},
        {"no [preset] line", {"PistolDamage=7", "PistolRate=8"}, "1", "The file has no [preset] line."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(LoadCommonConfig(session));
        ui.messages.clear();
        loadLines(row.lines);
        EXPECT_EQ(ui.messageTexts(), Lines{std::string(kPresetErrorMessage)});
        EXPECT_EQ(textOf("PistolDamage"), row.pistolDamage);
        EXPECT_EQ(textOf("PistolRate"), "9") << "lines after the error are not applied";
        EXPECT_EQ(readPresetFile(session, folder / "in.qpt").reason(), row.reason);
    }

    ui.messages.clear();
    ui.fileAnswers.push_back((folder / "missing.qpt"));
    loadPreset(session);
    EXPECT_EQ(ui.messageTexts(), Lines{std::string(kPresetErrorMessage)}) << "a file that cannot be read";
}

TEST_F(PresetsTest, followUpActionsRunInFileOrder)
{
    // While the amounts are coupled the later line wins; separated first, each keeps its own.
    loadLines({"[preset]", "SeperateAmount=0", "DefSmallMedkits=5", "DefFlares=7"});
    EXPECT_EQ(textOf("DefSmallMedkits"), "7");
    loadLines({"[preset]", "SeperateAmount=0", "DefFlares=7", "DefSmallMedkits=5"});
    EXPECT_EQ(textOf("DefFlares"), "5");
    loadLines({"[preset]", "SeperateAmount=1", "DefSmallMedkits=5", "DefFlares=7"});
    EXPECT_EQ(textOf("DefSmallMedkits"), "5");
    EXPECT_EQ(textOf("DefFlares"), "7");
    loadLines({"[preset]", "DefSmallMedkits=4", "SeperateAmount=0"});
    EXPECT_EQ(textOf("DefFlares"), "4") << "unchecking after the amount copies it";
}

TEST_F(PresetsTest, theDialogsAndCancelling)
{
    session.configVersion = "0.673";
    const Lines before = presetLines(store());
    loadPreset(session); // nothing queued: the user cancels
    savePreset(session);
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_EQ(ui.fileDialogs[0].title, "Load GOLV preset");
    EXPECT_EQ(ui.fileDialogs[0].filter, "GOLV preset (*.qpt)|*.qpt|All Files (*.*)|*.*");
    EXPECT_EQ(ui.fileDialogs[1].title, "Save GOLV preset");
    EXPECT_EQ(ui.fileDialogs[1].filter, ui.fileDialogs[0].filter);
    EXPECT_EQ(presetLines(store()), before);
    EXPECT_EQ(session.configVersion, "") << "a cancelled load still clears the version";
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
} // namespace golv
