#include "settings/SettingsStore.h"

#include "config/CommonSection.h"
#include "config/ConfigFixture.h"
#include "config/SplitKeyValue.h"
#include "presets/Presets.h"
#include "settings/Rules.h"
#include "settings/SettingId.h"

namespace golv {
namespace {

class SettingsStoreTest : public test::ConfigFixture {
protected:
    SettingsStore& store() { return session.settings; }

    Status put(std::string_view key, std::string_view value)
    {
        const SettingId id = *findSetting(key);
        const std::string lower = toLowerAscii(key);
        return session.parsers->parse(kSettings[id].category, {lower, value, LineOrigin::Configuration, "0.673"})
            .status;
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
    // A preset written now holds exactly the defaults (the table's initial
    // values are those of the default text), but for the one value whose
    // conversion shortens it once read; a store that no configuration has
    // reached yet holds the initial values as they are.
    Session untouched(ui);
    loadDefaults();
    for (SettingsStore* settings : {&untouched.settings, &store()}) {
        const bool started = settings == &store();
        SCOPED_TRACE(started ? "after start-up" : "before any configuration");
        settings->setAlignmentCaptions({"left", "center", "rite"});
        settings->showAlignmentCaptions();
        std::size_t compared = 0;
        for (const std::string& line : presetLines(*settings)) {
            const KeyValueLine split = SplitKeyValue(line);
            if (split.kind != KeyValueLine::Kind::Pair || split.key == "version")
                continue;
            const std::string_view initial = definition(*findSetting(split.key)).initial;
            EXPECT_EQ(split.value, started && split.key == "defbigmedkits" ? "1" : initial) << line;
            ++compared;
        }
        EXPECT_EQ(compared, 327u);
        EXPECT_EQ(settings->display(settingId("DynLightPower"))->text, "0.0039...");
    }
}

TEST_F(SettingsStoreTest, valuesOutsideTheirControlAreRefused)
{
    struct Row {
        const char* key;
        const char* value;
        bool accepted;
    };
    const Row rows[] = {{"HHide", "2", true}, {"HHide", "3", false}, {"HHide", "-1", false}, {"HHide", "abc", true},
        {"HHide", "1e10", false}, {"PonytailMode", "2", true}, {"PonytailMode", "3", false}, {"FlareColour", "4", true},
        {"FlareColour", "5", false}, {"DrawingDistanceRange", "-3", true}, {"DrawingDistanceRange", "11", false},
        {"DistantFogRange", "29", true}, {"SampleRate", "4", false}, {"DynLightPower", "-1", true},
        {"DynLightPower", "-2", false}, {"MainMenuAlign", "-1", true}, {"MainMenuAlign", "3", false},
        {"XBowExplosiveFlag", "255", true}, {"XBowExplosiveFlag", "256", false}, {"XBowNormFlag", "1e5", true},
        {"BatDmg", "x", true}}; // a current file keeps the text; the patch run refuses it later
    for (const Row& row : rows)
        EXPECT_EQ(put(row.key, row.value).isOk(), row.accepted) << row.key << "=" << row.value;
}

TEST_F(SettingsStoreTest, aParserTakesOnlyItsOwnKeys)
{
    loadDefaults();
    int changes = 0;
    store().addObserver([&](SettingId) { ++changes; });
    EXPECT_TRUE(store().parse(Category::Weapons, {"hmaincolourr", "1", LineOrigin::Configuration, "0.673"}).status)
        << "a key of another category";
    for (const char* key : {"forcelockstickastrigger", "enablesavetrigger", "enableremoveammotrigger", "version"}) {
        for (const Category category : kAllCategories)
            EXPECT_TRUE(store().parse(category, {key, "1", LineOrigin::Configuration, "0.673"}).status) << key;
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(textOf("HMainColourR"), "255");

    EXPECT_TRUE(store().parse(Category::Main, {"enabletwinponytail", "2", LineOrigin::Configuration, "0.673"}).status);
    EXPECT_EQ(stateOf("PonytailMode"), 2) << "the older name of the ponytail setting";
}

TEST_F(SettingsStoreTest, enablingRulesFollowTheirCheckBoxes)
{
    loadDefaults();
    for (const Rule& rule : kRules) {
        if (rule.kind == Rule::Kind::Couples)
            continue;
        SCOPED_TRACE(kSettings[rule.target].key);
        const bool greys = rule.kind == Rule::Kind::Greys;
        for (const auto& [state, checked] : {std::pair{"0", false}, {"1", true}, {"2", false}}) {
            ASSERT_TRUE(put(kSettings[rule.box].key, state));
            EXPECT_EQ(enabled(kSettings[rule.target].key), checked != greys) << state;
        }
    }
    EXPECT_TRUE(enabled("SGSmokePuffYPos"));

    // The save trigger greys the box but keeps its value, and the window showing it hears of it.
    ASSERT_TRUE(put("SaveTrigger", "0"));
    ASSERT_TRUE(put("DisableSave", "1"));
    std::vector<SettingId> told;
    store().addObserver([&](SettingId id) { told.push_back(id); });
    ASSERT_TRUE(put("SaveTrigger", "1"));
    EXPECT_FALSE(enabled("DisableSave"));
    EXPECT_EQ(stateOf("DisableSave"), 1);
    EXPECT_NE(std::find(told.begin(), told.end(), settingId("DisableSave")), told.end());
}

// Each change is a step, with what the rules changed in answer; a block of
// changes or a field's typing is one. Undo and redo reach every window.
TEST_F(SettingsStoreTest, undoAndRedoTakeWholeStepsAcrossWindows)
{
    loadDefaults();
    store().forgetHistory();
    EXPECT_FALSE(store().canUndo()) << "the values from golv.cfg are where the history starts";
    std::vector<std::pair<SettingId, std::string>> changed; // a setting of every window, as it was
    for (int window = 0; window <= static_cast<int>(Window::CustPhys); ++window) {
        const auto id
            = static_cast<SettingId>(std::find_if(kSettings.begin(), kSettings.end(), [window](const SettingDef& def) {
                  return def.window == static_cast<Window>(window) && kindOf(def.conversion) == ControlKind::Text;
              }) - kSettings.begin());
        changed.emplace_back(id, store().text(id));
        store().typeText(id, "9");
        store().typeText(id, "98"); // the same field: the same step
    }
    ASSERT_TRUE(put("SaveTrigger", "1"));
    {
        const SettingsStore::Step preset(store());
        ASSERT_TRUE(put("DefSmallMedkits", "5")); // the flares follow
        ASSERT_TRUE(put("HHide", "1"));
    }
    ASSERT_TRUE(store().undo());
    EXPECT_EQ(textOf("DefFlares"), "3");
    EXPECT_EQ(stateOf("HHide"), 0);
    std::vector<SettingId> told;
    store().addObserver([&](SettingId id) { told.push_back(id); });
    ASSERT_TRUE(store().undo());
    EXPECT_TRUE(enabled("DisableSave"));
    EXPECT_NE(std::find(told.begin(), told.end(), settingId("DisableSave")), told.end());
    for (auto one = changed.rbegin(); one != changed.rend(); ++one) {
        ASSERT_TRUE(store().undo());
        EXPECT_EQ(store().text(one->first), one->second) << kSettings[one->first].key;
    }
    EXPECT_FALSE(store().undo());
    for (const auto& [id, before] : changed) {
        ASSERT_TRUE(store().redo());
        EXPECT_EQ(store().text(id), "98") << kSettings[id].key;
    }
    store().closeStep(); // the field was left: typing it again is a step of its own
    store().typeText(changed.back().first, "7");
    EXPECT_FALSE(store().canRedo()) << "a new change ends the way forward";
    ASSERT_TRUE(store().undo());
    EXPECT_EQ(store().text(changed.back().first), "98");
}

// The warning stands while the fog reaches farther than the drawing distance.
TEST_F(SettingsStoreTest, theRangeWarningFollowsBothDistances)
{
    loadDefaults();
    const std::tuple<const char*, const char*, bool> rows[]
        = {{"10", "-2", false}, {"-3", "29", true}, {"-3", "-1", false}, {"-3", "0", true}}; // 5024 against 5024, 8192
    for (const auto& [drawing, fog, shown] : rows) {
        ASSERT_TRUE(put("DrawingDistanceRange", drawing));
        ASSERT_TRUE(put("DistantFogRange", fog));
        EXPECT_EQ(store().rangeWarningShown(), shown) << drawing << " / " << fog;
    }
}

// The grenade flags go to 1 when the weapons window gets its first value, and
// only then: a flag of its own or another window's value does not count.
TEST_F(SettingsStoreTest, theWeaponsWindowsFirstValueSetsTheGrenadeFlagsOnce)
{
    const SettingId grenade = settingId("GrenSupaFlag");
    store().setFlag(grenade, 5);
    ASSERT_TRUE(put("XBowNormFlag", "2"));
    ASSERT_TRUE(put("HHide", "1"));
    EXPECT_EQ(store().flag(grenade), 5);
    ASSERT_TRUE(put("PistolDamage", "3"));
    EXPECT_EQ(store().flag(grenade), 1);
    store().setFlag(grenade, 5);
    ASSERT_TRUE(put("PistolDamage", "4"));
    EXPECT_EQ(store().flag(grenade), 5);
}

TEST_F(SettingsStoreTest, flagLettersFallBackToNormalAndCycleOnAClick)
{
    struct Row {
        const char* key;
        const char* value;
        double flag;
        const char* letter;
    };
    const Row rows[] = {{"XBowExplosiveFlag", "3", 3, "e"}, {"XBowExplosiveFlag", "7", 1, "n"},
        {"GrenFlshFlag", "5", 5, "x"}, {"GrenFlshFlag", "6", 1, "n"}, {"XBowNormFlag", "2.5", 2.5, "?"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.key) + "=" + row.value);
        ASSERT_TRUE(put(row.key, row.value));
        EXPECT_EQ(store().flag(*findSetting(row.key)), row.flag);
        EXPECT_EQ(store().flagLetter(*findSetting(row.key)), row.letter);
    }

    const SettingId flash = settingId("GrenFlshFlag");
    store().setFlag(flash, 3);
    std::string seen;
    for (int click = 0; click < 5; ++click) {
        store().advanceFlag(flash);
        seen += store().flagLetter(flash);
    }
    EXPECT_EQ(seen, "uxnsf");
    const SettingId bolt = settingId("XBowPoisonFlag");
    store().setFlag(bolt, 9);
    store().advanceFlag(bolt);
    EXPECT_EQ(store().flag(bolt), 9) << "a flag with no letter is left as it is";
}

} // namespace
} // namespace golv
