#include "presets/Presets.h"

#include "config/CommonSection.h"
#include "config/ConfigFixture.h"
#include "config/SettingId.h"

namespace golv {
namespace {

using Lines = std::vector<std::string>;

class PresetsTest : public test::ConfigFixture {
protected:
    PresetsTest()
    {
        session.parsers = &session.settings;
        EXPECT_TRUE(LoadCommonConfig(session));
        session.settings.setAlignmentCaptions({"left", "center", "rite"});
        ui.messages.clear();
    }

    SettingsStore& store() { return session.settings; }

    // Loads a preset file holding `lines` through the load command.
    void loadLines(const Lines& lines)
    {
        folder.write("in.qpt", test::crlfText(lines));
        ui.fileAnswers.push_back((folder / "in.qpt").string());
        loadPreset(session);
    }

    std::string textOf(std::string_view key) { return store().text(*findSetting(key)); }
};

// A value for every setting that differs from the default, within its control.
void changeEverySetting(SettingsStore& store)
{
    for (SettingId id = 0; id < kSettings.size(); ++id) {
        const SettingDef& def = kSettings[id];
        switch (def.conversion) {
        case Conversion::CheckState:
            store.setState(id, store.state(id) == 1 ? 2 : 1);
            break;
        case Conversion::ScrollPosition:
        case Conversion::OptionIndex:
        case Conversion::ListIndex:
            store.setState(id, def.high);
            break;
        case Conversion::ListText:
            store.setText(id, "90");
            break;
        case Conversion::VariantFlag:
            store.setFlag(id, 2.5);
            break;
        case Conversion::ByteFlag:
            store.setFlag(id, 2);
            break;
        default:
            store.setText(id, std::to_string(10 + id % 90));
            break;
        }
    }
}

TEST_F(PresetsTest, aSavedPresetLoadsBackEverySettingAndEnabledState)
{
    changeEverySetting(store());
    ui.fileAnswers.push_back((folder / "all.qpt").string());
    savePreset(session);
    const Lines saved = presetLines(store());

    test::RecordingInteraction otherUi;
    Session other(otherUi);
    other.configPath = session.configPath;
    ASSERT_TRUE(LoadCommonConfig(other));
    other.settings.setAlignmentCaptions({"left", "center", "rite"});
    otherUi.fileAnswers.push_back((folder / "all.qpt").string());
    loadPreset(other);

    EXPECT_TRUE(otherUi.messages.empty());
    EXPECT_EQ(presetLines(other.settings), saved);
    for (SettingId id = 0; id < kSettings.size(); ++id) {
        SCOPED_TRACE(std::string(kSettings[id].key));
        EXPECT_EQ(other.settings.isEnabled(id), store().isEnabled(id));
        if (id != settingId("InDartsLeakage")) {
            EXPECT_EQ(other.settings.text(id), store().text(id));
        }
    }
    EXPECT_EQ(other.settings.text(settingId("InDartsLeakage")), "25") << "presets do not hold the darts drain";
}

TEST_F(PresetsTest, aPresetFileHasTheHeaderAndOneCrLfLinePerSetting)
{
    ASSERT_TRUE(writePreset(store(), folder / "p.qpt"));
    const std::string text = folder.read("p.qpt");
    EXPECT_EQ(
        text.rfind("[preset]\r\n\r\nversion=0.673\r\n\r\nDrawingDistanceRange=2\r\nDistantFogRange=2\r\n", 0), 0u);
    EXPECT_TRUE(text.ends_with("\r\nLittleBeetleDisp=0400\r\nMagicAttackDivider=02\r\n"));
    EXPECT_EQ(presetLines(store()).size(), 4u + 327u);
    EXPECT_EQ(text.find("InDartsLeakage"), std::string::npos);
}

TEST_F(PresetsTest, linesWithNothingToWriteAreLeftOut)
{
    auto hasLine = [](const SettingsStore& settings, std::string_view key) {
        for (const std::string& line : presetLines(settings)) {
            if (line.rfind(std::string(key) + "=", 0) == 0)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(hasLine(store(), "PonytailMode"));
    EXPECT_TRUE(hasLine(store(), "MainMenuAlign"));
    store().setState(settingId("PonytailMode"), -1);
    store().setState(settingId("MainMenuAlign"), -1);
    EXPECT_FALSE(hasLine(store(), "PonytailMode")) << "no option selected";
    EXPECT_FALSE(hasLine(store(), "MainMenuAlign")) << "the list shows no caption";

    // Before the captions are set, the list's own "center" names none of them.
    test::RecordingInteraction otherUi;
    Session other(otherUi);
    EXPECT_FALSE(hasLine(other.settings, "MainMenuAlign"));
}

TEST_F(PresetsTest, olderPresetVersionsAreConverted)
{
    struct Row {
        const char* name;
        Lines lines;
        const char* key;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {"no version: hex colour", {"[preset]", "HMainColourR=FF"}, "HMainColourR", "255"},
        {"no version: hex signed byte, negated", {"[preset]", "BatDmg=F6"}, "BatDmg", "10"},
        {"0.671: damages stored negated", {"[preset]", "version=0.671", "BatDmg=10"}, "BatDmg", "-10"},
        {"0.671: hex fields are decimal", {"[preset]", "version=0.671", "HMainColourR=12"}, "HMainColourR", "12"},
        {"0.672: as written", {"[preset]", "version=0.672", "BatDmg=10"}, "BatDmg", "10"},
        {"0.673: FF stays text", {"[preset]", "version=0.673", "HMainColourR=FF"}, "HMainColourR", "FF"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        loadLines(row.lines);
        EXPECT_EQ(textOf(row.key), row.expected);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(PresetsTest, aPresetChangesOnlyTheSettingsItHolds)
{
    Lines before = presetLines(store());
    loadLines({"; saved by hand", "", "[PRESET]", "PistolDamage=7"});
    EXPECT_TRUE(ui.messages.empty());
    Lines after = presetLines(store());
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (before[i].rfind("PistolDamage=", 0) == 0)
            EXPECT_EQ(after[i], "PistolDamage=7");
        else
            EXPECT_EQ(after[i], before[i]);
    }
}

TEST_F(PresetsTest, aDamagedPresetStopsAtItsErrorWithTheMessage)
{
    struct Row {
        const char* name;
        Lines lines;
        const char* pistolDamage; // set by a line before the error, if the file has one
    };
    const std::vector<Row> rows = {
        {"value outside its control", {"[preset]", "PistolDamage=7", "HHide=5", "PistolRate=8"}, "7"},
        {"line without =", {"[preset]", "PistolDamage=7", "garbage", "PistolRate=8"}, "7"},
        {"no [preset] line", {"PistolDamage=7", "PistolRate=8"}, "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(LoadCommonConfig(session));
        ui.messages.clear();
        loadLines(row.lines);
        EXPECT_EQ(ui.messageTexts(), Lines{std::string(kPresetErrorMessage)});
        EXPECT_EQ(textOf("PistolDamage"), row.pistolDamage);
        EXPECT_EQ(textOf("PistolRate"), "9") << "lines after the error are not applied";
    }
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

TEST_F(PresetsTest, aLoadedSaveTriggerGreysTheDisableSaveBox)
{
    loadLines({"[preset]", "DisableSave=1", "SaveTrigger=1"});
    EXPECT_FALSE(store().isEnabled(settingId("DisableSave")));
    EXPECT_EQ(store().state(settingId("DisableSave")), 1);
}

TEST_F(PresetsTest, theDialogsAndCancelling)
{
    session.codec.setConfigVersion("0.673");
    const Lines before = presetLines(store());
    loadPreset(session); // nothing queued: the user cancels
    savePreset(session);
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_EQ(ui.fileDialogs[0].title, "Load GOLV preset");
    EXPECT_EQ(ui.fileDialogs[0].filter, "GOLV preset (*.qpt)|*.qpt|All Files (*.*)|*.*");
    EXPECT_EQ(ui.fileDialogs[1].title, "Save GOLV preset");
    EXPECT_EQ(ui.fileDialogs[1].filter, ui.fileDialogs[0].filter);
    EXPECT_EQ(presetLines(store()), before);
    EXPECT_EQ(session.codec.configVersion(), "") << "a cancelled load still clears the version";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PresetsTest, aFailedSaveLeavesTheEarlierPresetWhole)
{
    ASSERT_TRUE(writePreset(store(), folder / "keep.qpt"));
    const std::string earlier = folder.read("keep.qpt");
    std::filesystem::create_directory(folder / "keep.qpt.golv-tmp"); // the temporary file cannot be made
    store().setText(settingId("PistolDamage"), "99");
    ui.fileAnswers.push_back((folder / "keep.qpt").string());
    savePreset(session);
    EXPECT_EQ(folder.read("keep.qpt"), earlier);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PresetsTest, everyLoadMayWarnOnceAboutBadHexDigits)
{
    loadLines({"[preset]", "HMainColourR=ZZ", "HMainColourG=YY"});
    loadLines({"[preset]", "HMainColourR=ZZ"});
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(textOf("HMainColourR"), "0");
}

TEST_F(PresetsTest, aFileThatCannotBeReadGivesTheMessage)
{
    ui.fileAnswers.push_back((folder / "missing.qpt").string());
    loadPreset(session);
    EXPECT_EQ(ui.messageTexts(), Lines{std::string(kPresetErrorMessage)});
}

} // namespace
} // namespace golv
