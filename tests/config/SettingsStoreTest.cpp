#include "config/SettingsStore.h"

#include "config/CommonSection.h"
#include "config/ConfigFixture.h"
#include "config/SettingId.h"
#include "config/SplitKeyValue.h"
#include "presets/Presets.h"

#include <map>

namespace golv {
namespace {

class SettingsStoreTest : public test::ConfigFixture {
protected:
    SettingsStoreTest()
    {
        session.parsers = &session.settings;
        session.codec.setConfigVersion("0.673");
    }

    SettingsStore& store() { return session.settings; }

    Status put(std::string_view key, std::string_view value)
    {
        const SettingId id = *findSetting(key);
        return store().parse(kSettings[id].category, toLowerAscii(key), value);
    }

    std::string textOf(std::string_view key) { return store().text(*findSetting(key)); }
    int stateOf(std::string_view key) { return store().state(*findSetting(key)); }
    bool enabled(std::string_view key) { return store().isEnabled(*findSetting(key)); }

    void loadDefaults()
    {
        ASSERT_TRUE(LoadCommonConfig(session));
        ui.messages.clear();
    }
};

TEST_F(SettingsStoreTest, startUpGivesEverySettingItsDefaultFromTheConfiguration)
{
    loadDefaults();
    std::map<std::string, std::string> defaults;
    bool inCommon = false;
    for (const std::string& line : defaultConfigLines()) {
        const std::string lower = toLowerAscii(line);
        if (lower == "[common]" || lower == "[end common]")
            inCommon = lower == "[common]";
        const KeyValueLine split = SplitKeyValue(line);
        if (inCommon && split.kind == KeyValueLine::Kind::Pair && findSetting(split.key))
            defaults[split.key] = split.value;
    }
    store().setAlignmentCaptions({"left", "center", "rite"});

    // A preset written now holds exactly the defaults, but for the one value
    // whose conversion shortens it.
    std::size_t compared = 0;
    for (const std::string& line : presetLines(store())) {
        const KeyValueLine split = SplitKeyValue(line);
        if (split.kind != KeyValueLine::Kind::Pair || split.key == "version")
            continue;
        SCOPED_TRACE(line);
        const std::string expected = split.key == "defbigmedkits" ? "1" : defaults.at(split.key);
        EXPECT_EQ(split.value, expected);
        ++compared;
    }
    EXPECT_EQ(compared, 327u);
}

TEST_F(SettingsStoreTest, valuesOutsideTheirControlAreRefused)
{
    struct Row {
        const char* key;
        const char* value;
        bool accepted;
    };
    const Row rows[] = {
        {"HHide", "2", true}, {"HHide", "3", false}, {"HHide", "-1", false}, {"HHide", "abc", true},
        {"HHide", "1e10", false}, {"PonytailMode", "2", true}, {"PonytailMode", "3", false},
        {"PonytailMode", "-1", false}, {"FlareColour", "4", true}, {"FlareColour", "5", false},
        {"DrawingDistanceRange", "-3", true}, {"DrawingDistanceRange", "11", false}, {"DistantFogRange", "29", true},
        {"SampleRate", "4", false}, {"DynLightPower", "-1", true}, {"DynLightPower", "-2", false},
        {"MainMenuAlign", "-1", true}, {"MainMenuAlign", "3", false}, {"XBowExplosiveFlag", "255", true},
        {"XBowExplosiveFlag", "256", false}, {"XBowNormFlag", "1e5", true},
        {"BatDmg", "x", true}, // a current file keeps the text; the patch run refuses it later
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.key) + "=" + row.value);
        EXPECT_EQ(put(row.key, row.value).isOk(), row.accepted);
    }
}

TEST_F(SettingsStoreTest, eachParserTakesOnlyItsOwnKeys)
{
    const SettingId red = settingId("HMainColourR");
    EXPECT_TRUE(store().parse(Category::Weapons, "hmaincolourr", "1"));
    EXPECT_EQ(store().text(red), "255");
    EXPECT_TRUE(store().parse(Category::Bars, "hmaincolourr", "1"));
    EXPECT_EQ(store().text(red), "1");
    EXPECT_TRUE(store().parse(Category::Main, "version", "0.5")) << "recognised and ignored";
    EXPECT_TRUE(store().parse(Category::Main, "enabletwinponytail", "2"));
    EXPECT_EQ(stateOf("PonytailMode"), 2) << "the older name of the ponytail setting";
}

TEST_F(SettingsStoreTest, conversionsFollowTheFileVersion)
{
    struct Row {
        const char* name;
        const char* version;
        const char* key;
        const char* value;
        const char* expected;
    };
    const Row rows[] = {
        {"legacy hex, current file", "0.673", "HMainColourR", "FF", "FF"},
        {"legacy hex, file without version", "", "HMainColourR", "FF", "255"},
        {"text of the number", "0.673", "DefBigMedkits", "08", "8"},
        {"plain text keeps hex digits", "", "BloodSize", "08", "08"},
        {"signed byte, 0.671 negates", "0.671", "BatDmg", "10", "-10"},
        {"signed byte, 0.672 keeps", "0.672", "BatDmg", "10", "10"},
        {"signed byte, no version: hex byte then negated", "", "BatDmg", "FF", "1"},
        {"signed word, no version", "", "SphinxDmg", "FFF6", "10"},
        {"list text keeps the list's spelling", "0.673", "BinocsRange", "5", "05"},
        {"list text of an entry", "0.673", "BinocsRange", "00", "00"},
        {"list text outside the list", "0.673", "BinocsRange", "15", "15"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        session.codec.setConfigVersion(row.version);
        ASSERT_TRUE(put(row.key, row.value));
        EXPECT_EQ(textOf(row.key), row.expected);
    }
}

TEST_F(SettingsStoreTest, enablingRulesFollowTheirCheckBoxes)
{
    loadDefaults();
    struct Row {
        const char* box;
        const char* field;
    };
    const Row rows[] = {
        {"SaveTrigger", "DisableSave"}, // inverted: the trigger greys the box
        {"EnablePoisonDamageChanging", "XBowPoisonDamage"},
        {"ReviveShotGunflash", "SGFlashXPos"},
        {"ReviveShotGunflash", "SGFlashYPos"},
        {"RemovePistolAmmo", "StartUpPistolAmmo"},
        {"DisableUnlPistAmmoLabel", "PistolAmmo"},
        {"EnableSmallScorpionHPChange", "SmallScorpionHP"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        const bool inverted = std::string_view(row.box) == "SaveTrigger";
        ASSERT_TRUE(put(row.box, "0"));
        EXPECT_EQ(enabled(row.field), inverted);
        ASSERT_TRUE(put(row.box, "1"));
        EXPECT_EQ(enabled(row.field), !inverted);
        ASSERT_TRUE(put(row.box, "2"));
        EXPECT_EQ(enabled(row.field), inverted) << "greyed is not checked";
    }
    EXPECT_TRUE(enabled("SGSmokePuffYPos"));
}

TEST_F(SettingsStoreTest, theSaveTriggerGreysTheDisableSaveBoxAndKeepsItsValue)
{
    loadDefaults();
    ASSERT_TRUE(put("DisableSave", "1"));
    std::vector<SettingId> told;
    store().addObserver([&](SettingId id) { told.push_back(id); });
    ASSERT_TRUE(put("SaveTrigger", "1"));
    EXPECT_FALSE(enabled("DisableSave"));
    EXPECT_EQ(stateOf("DisableSave"), 1);
    EXPECT_NE(std::find(told.begin(), told.end(), settingId("DisableSave")), told.end())
        << "the window showing the box hears of it";
}

TEST_F(SettingsStoreTest, smallMedkitsAndFlaresMirrorEachOtherUntilSeparated)
{
    loadDefaults();
    store().setText(settingId("DefSmallMedkits"), "5");
    EXPECT_EQ(textOf("DefFlares"), "5");
    store().setText(settingId("DefFlares"), "6");
    EXPECT_EQ(textOf("DefSmallMedkits"), "6");

    store().setState(settingId("SeperateAmount"), 1);
    store().setText(settingId("DefFlares"), "7");
    EXPECT_EQ(textOf("DefSmallMedkits"), "6");

    store().setState(settingId("SeperateAmount"), 0);
    EXPECT_EQ(textOf("DefFlares"), "6") << "unchecking copies the medkits into the flares";
}

TEST_F(SettingsStoreTest, byteFlagsOutsideTheirLettersFallBackToNormal)
{
    struct Row {
        const char* key;
        const char* value;
        double flag;
        const char* letter;
    };
    const Row rows[] = {
        {"XBowExplosiveFlag", "3", 3, "e"},
        {"XBowExplosiveFlag", "7", 1, "n"},
        {"XBowExplosiveFlag", "0", 1, "n"},
        {"GrenFlshFlag", "5", 5, "x"},
        {"GrenFlshFlag", "6", 1, "n"},
        {"XBowNormFlag", "2.5", 2.5, "?"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.key) + "=" + row.value);
        ASSERT_TRUE(put(row.key, row.value));
        EXPECT_EQ(store().flag(*findSetting(row.key)), row.flag);
        EXPECT_EQ(store().flagLetter(*findSetting(row.key)), row.letter);
    }
}

TEST_F(SettingsStoreTest, clickingAFlagLabelCyclesThroughItsLetters)
{
    const SettingId flash = settingId("GrenFlshFlag");
    store().setFlag(flash, 3);
    std::string seen;
    for (int click = 0; click < 5; ++click) {
        store().advanceFlag(flash);
        seen += store().flagLetter(flash);
    }
    EXPECT_EQ(seen, "uxnsf");
    EXPECT_EQ(store().flag(flash), 3);

    const SettingId bolt = settingId("XBowPoisonFlag");
    store().setFlag(bolt, 3);
    store().advanceFlag(bolt);
    EXPECT_EQ(store().flagLetter(bolt), "n");
    store().setFlag(bolt, 9);
    store().advanceFlag(bolt);
    EXPECT_EQ(store().flag(bolt), 9) << "a flag with no letter is left as it is";
}

TEST_F(SettingsStoreTest, theWeaponsWindowSetsTheGrenadeFlagsToOneWhenItLoads)
{
    const SettingId super = settingId("GrenSupaFlag");
    EXPECT_EQ(store().flag(super), 2);
    ASSERT_TRUE(put("GrenSupaFlag", "4"));
    EXPECT_EQ(store().flag(super), 4) << "a flag alone does not load the window";
    ASSERT_TRUE(put("PistolDamage", "2"));
    EXPECT_EQ(store().flag(super), 1);
    ASSERT_TRUE(put("GrenSupaFlag", "4"));
    ASSERT_TRUE(put("PistolRate", "3"));
    EXPECT_EQ(store().flag(super), 4) << "the window loads once";
}

TEST_F(SettingsStoreTest, displaysAndTheRangeWarning)
{
    loadDefaults();
    EXPECT_EQ(store().display(settingId("DrawingDistanceRange"))->text, "20480.00");
    EXPECT_EQ(store().display(settingId("DistantFogRange"))->text, "12288.00");
    EXPECT_EQ(store().display(settingId("SampleRate"))->text, "22050 Hz");
    EXPECT_EQ(store().display(settingId("DynLightPower"))->text, "0.0039...");
    EXPECT_FALSE(store().display(settingId("PistolDamage")).has_value());

    struct Row {
        int drawing;
        int fog;
        bool warning;
    };
    for (const Row row :
        {Row{-3, -2, false}, Row{0, 4, true}, Row{6, 9, false}, Row{2, 2, false}, Row{10, 29, false}}) {
        SCOPED_TRACE(std::to_string(row.drawing) + "/" + std::to_string(row.fog));
        store().setState(settingId("DrawingDistanceRange"), row.drawing);
        store().setState(settingId("DistantFogRange"), row.fog);
        EXPECT_EQ(store().rangeWarningShown(), row.warning);
    }
}

TEST_F(SettingsStoreTest, aCategorysDefaultsLeaveTheOtherCategoriesAlone)
{
    loadDefaults();
    store().setText(settingId("HMainColourR"), "1");
    store().setState(settingId("HHide"), 1);
    store().setText(settingId("PistolDamage"), "9");
    store().setState(settingId("SaveTrigger"), 1);

    session.currentCategory = "bars";
    ASSERT_TRUE(ReadCommonSection(session));
    EXPECT_EQ(textOf("HMainColourR"), "255");
    EXPECT_EQ(stateOf("HHide"), 0);
    EXPECT_EQ(textOf("PistolDamage"), "9");
    EXPECT_EQ(stateOf("SaveTrigger"), 1);
}

TEST_F(SettingsStoreTest, keysThatBelongToNoCategoryChangeNothing)
{
    loadDefaults();
    int changes = 0;
    store().addObserver([&](SettingId) { ++changes; });
    for (const char* key : {"forcelockstickastrigger", "enablesavetrigger", "enableremoveammotrigger", "exename"}) {
        for (const Category category : kAllCategories)
            EXPECT_TRUE(store().parse(category, key, "1"));
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(SettingsStoreTest, alignmentCaptionsBecomeTheListEntries)
{
    const SettingId align = settingId("MainMenuAlign");
    store().setState(align, 2);
    EXPECT_EQ(store().text(align), "right");
    store().setAlignmentCaptions({"left", "center", "rite"});
    EXPECT_EQ(store().text(align), "rite");
    EXPECT_EQ(store().listEntries(align), (std::vector<std::string>{"left", "center", "rite"}));
}

} // namespace
} // namespace golv
