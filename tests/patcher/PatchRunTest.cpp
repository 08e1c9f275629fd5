#include "patcher/ModifyExe.h"

#include "patcher/PatchFixture.h"
#include "patcher/PatchGroups.h"

#include <algorithm>
#include <map>
#include <set>

namespace golv {
namespace {

class PatchRunTest : public test::PatchFixture {
protected:
    void setAllChecks(int state)
    {
        for (SettingId id = 0; id < kSettings.size(); ++id) {
            if (kSettings[id].conversion == Conversion::CheckState)
                store().setState(id, state);
        }
    }

    void loadDefaults()
    {
        session.currentCategory = "all";
        ASSERT_TRUE(ReadCommonSection(session));
    }
};

// The settings that write inside another setting's bytes: an operand inside a
// code string, the pick-up amount where the unlimited-ammo switch otherwise
// writes its marker, and the save hot key inside the save handler that the
// save trigger replaces.
const std::set<std::pair<std::string_view, std::string_view>> kNested = {
    {"EnablePoisonDamageChanging", "XBowPoisonDamage"},
    {"ReviveShotGunflash", "SGFlashXPos"},
    {"ReviveShotGunflash", "SGFlashYPos"},
    {"RemovePistolAmmo", "StartUpPistolAmmo"},
    {"DisableUnlPistAmmoLabel", "PistolAmmo"},
    {"EnableSmallScorpionHPChange", "SmallScorpionHP"},
    {"SaveTrigger", "DisableSave"},
};

TEST_F(PatchRunTest, bytesOfDifferentSettingsNeverOverlapButWhereOneLiesInsideAnother)
{
    // Every state of every option: defaults, all boxes checked, all greyed,
    // and every option index and alignment.
    std::vector<PatchWrite> all;
    auto record = [&] {
        std::vector<PatchWrite> run;
        ASSERT_TRUE(ModifyExe(session, &run));
        all.insert(all.end(), run.begin(), run.end());
    };
    record();
    for (const int state : {1, 2}) {
        setAllChecks(state);
        record();
    }
    for (const auto& [key, values] : std::map<std::string_view, std::vector<int>>{
             {"PonytailMode", {1, 2}}, {"FlareColour", {1, 2}}, {"MainMenuAlign", {0, 2}}}) {
        for (const int value : values) {
            store().setState(*findSetting(key), value);
            record();
        }
    }

    struct Range {
        std::int64_t first;
        std::int64_t last;
        SettingId setting;
    };
    std::vector<Range> ranges;
    for (const PatchWrite& write : all)
        ranges.push_back(
            {write.position, write.position + static_cast<std::int64_t>(write.bytes.size()) - 1, write.setting});
    std::sort(ranges.begin(), ranges.end(), [](const Range& a, const Range& b) { return a.first < b.first; });

    std::set<std::string> clashes;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        for (std::size_t j = i + 1; j < ranges.size() && ranges[j].first <= ranges[i].last; ++j) {
            if (ranges[i].setting == ranges[j].setting)
                continue;
            const std::string_view a = kSettings[ranges[i].setting].key;
            const std::string_view b = kSettings[ranges[j].setting].key;
            if (kNested.count({a, b}) || kNested.count({b, a}))
                continue;
            clashes.insert(std::string(a) + " / " + std::string(b) + " at " + std::to_string(ranges[j].first));
        }
    }
    EXPECT_TRUE(clashes.empty()) << [&] {
        std::string list;
        for (const std::string& clash : clashes)
            list += clash + "\n";
        return list;
    }();

    // Every written byte lies inside the synthetic image, which is what the
    // default configuration's positions promise.
    const auto last = std::max_element(
        ranges.begin(), ranges.end(), [](const Range& a, const Range& b) { return a.last < b.last; });
    EXPECT_LE(last->last, 753664);
    EXPECT_GE(ranges.front().first, 1);
}

TEST_F(PatchRunTest, aRunTwiceEqualsARunOnce)
{
    ASSERT_EQ(test::makeSyntheticExecutable(session.exePath), 0);
    setAllChecks(1);
    ASSERT_TRUE(ModifyExe(session));
    const std::string once = image();
    ASSERT_TRUE(ModifyExe(session));
    EXPECT_EQ(image(), once);
}

TEST_F(PatchRunTest, theSyntheticExecutableLooksUnpatchedAndEveryOptionSwitchesBack)
{
    ASSERT_EQ(test::makeSyntheticExecutable(session.exePath), 0);
    const std::string original = image();
    ASSERT_TRUE(ModifyExe(session));
    EXPECT_EQ(image(), original) << "a run with the defaults changes nothing";

    for (SettingId id = 0; id < kSettings.size(); ++id) {
        if (kSettings[id].conversion != Conversion::CheckState)
            continue;
        SCOPED_TRACE(std::string(kSettings[id].key));
        const int off = store().state(id);
        store().setState(id, off == 1 ? 0 : 1);
        ASSERT_TRUE(ModifyExe(session));
        store().setState(id, off);
        ASSERT_TRUE(ModifyExe(session));
        EXPECT_EQ(image(), original);
    }
    for (const auto& [key, values] : std::map<std::string_view, std::vector<int>>{
             {"PonytailMode", {1, 2}}, {"FlareColour", {1, 2}}, {"MainMenuAlign", {0, 2}}}) {
        const SettingId id = *findSetting(key);
        const int off = store().state(id);
        for (const int value : values) {
            SCOPED_TRACE(std::string(key) + " " + std::to_string(value));
            store().setState(id, value);
            ASSERT_TRUE(ModifyExe(session));
            store().setState(id, off);
            ASSERT_TRUE(ModifyExe(session));
            EXPECT_EQ(image(), original);
        }
    }
}

// The files this process holds open, where the system tells.
std::size_t openFiles()
{
    std::error_code error;
    std::size_t count = 0;
    for (std::filesystem::directory_iterator it("/proc/self/fd", error), end; !error && it != end; it.increment(error))
        ++count;
    return count;
}

TEST_F(PatchRunTest, aMissingPositionStopsTheRunAtItsFirstWrite)
{
    fillImage(0xCC);
    const std::size_t openBefore = openFiles();
    // A key missing from the version section leaves its slot 0.
    session.offsets[offsetSlot("SBarOffset")] = 0;
    std::vector<PatchWrite> run;
    const Status status = ModifyExe(session, &run);
    ASSERT_FALSE(status);
    EXPECT_NE(status.reason().find("SBarOffset"), std::string::npos);
    ASSERT_FALSE(run.empty());
    EXPECT_EQ(kSettings[run.back().setting].key, "SGSmokePuffYPos") << "the weapons group's last write came before";
    EXPECT_EQ(hexAt("DDOffset", 2), "A0 46") << "the main window group was written";
    EXPECT_EQ(hexAt("MainColourOffset", 3), "CC CC CC") << "the font group after it was not";
    EXPECT_EQ(openFiles(), openBefore) << "the executable was closed";
}

TEST_F(PatchRunTest, anEmptyCodeStringStopsTheRunAfterTheWarning)
{
    fillImage(0xCC);
    session.engineData[engineDataIndex("UWDoorDefData")].clear();
    ASSERT_FALSE(ModifyExe(session));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("less than 1 byte"), std::string::npos);
    EXPECT_EQ(hexAt("DDOffset", 2), "A0 46");
    EXPECT_EQ(hexAt("UWDoorOffset", 1), "CC") << "the sound number comes after the failed write";
}

TEST_F(PatchRunTest, anExecutableThatCannotBeOpenedFailsBeforeAnyWrite)
{
    session.exePath = (folder / "missing.exe").string();
    std::vector<PatchWrite> run;
    EXPECT_FALSE(ModifyExe(session, &run));
    EXPECT_TRUE(run.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.exe")) << "a missing executable is not created";
}

TEST_F(PatchRunTest, theModifyCommandAsksFirst)
{
    fillImage(0xCC);
    const std::string untouched = image();
    ui.confirmAnswers.push_back(false);
    EXPECT_FALSE(modifyCommand(session));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Are you sure you want to update quenb.exe file?");
    EXPECT_EQ(ui.questions[0].title, "Confirm file modifying");
    EXPECT_EQ(image(), untouched);

    ui.confirmAnswers.push_back(true);
    EXPECT_TRUE(modifyCommand(session));
    EXPECT_EQ(hexAt("DDOffset", 2), "A0 46");
    EXPECT_TRUE(ui.messages.empty()) << "a successful run says nothing";
}

TEST_F(PatchRunTest, aFailedModifyCommandShowsCannotModifyFile)
{
    session.exePath = (folder / "missing.exe").string();
    ui.confirmAnswers.push_back(true);
    EXPECT_FALSE(modifyCommand(session));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Cannot modify file");
    EXPECT_EQ(ui.messages[0].text,
        "Cannot process with quenb.exe modifying. Make sure game is not launched or write-protected.\n"
        "If so, check that config file contains all necessary offsets and data.");
}

} // namespace
} // namespace golv
