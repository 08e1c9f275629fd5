#include "patcher/ModifyExe.h"

#include "config/TextFile.h"
#include "config/VersionTables.h"
#include "patcher/PatchFixture.h"
#include "patcher/PatchPreview.h"
#include "patcher/ReadSettings.h"
#include "presets/Presets.h"
#include "support/RandomSettings.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <set>

namespace golv {
namespace {

class PatchRunTest : public test::PatchFixture {
protected:
    // The bytes a run with these values leaves; every write lies inside the
    // writable ranges.
    Bytes patched(const SettingValues& values, Bytes bytes)
    {
        const PatchPlan plan = planPatchRun(session, values, static_cast<std::int64_t>(bytes.size()));
        EXPECT_EQ(plan.problems, std::vector<PatchProblem>{});
        const std::vector<ByteRange> ranges = writableRanges(session.offsets, session.engineData);
        for (const PatchWrite& write : plan.writes) {
            EXPECT_TRUE(std::any_of(ranges.begin(), ranges.end(), [&](const ByteRange& range) {
                return range.position <= write.position
                    && write.position + std::ssize(write.bytes) <= range.position + range.length;
            })) << kSettings[write.setting].key;
            std::copy(write.bytes.begin(), write.bytes.end(), bytes.begin() + (write.position - 1));
        }
        return bytes;
    }

    SettingsReading readBack(const Bytes& bytes, const SettingValues& start)
    {
        MemoryBytes source(bytes);
        ExecutableBytes read;
        EXPECT_TRUE(ExecutableBytes::read(source, writableRanges(session.offsets, session.engineData), read));
        return readSettings(session, read, start);
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

std::vector<std::string> split(const std::string& text, std::string_view separator)
{
    std::vector<std::string> pieces;
    for (std::size_t from = 0, to = 0; !text.empty() && to != std::string::npos; from = to + separator.size()) {
        to = text.find(separator, from);
        pieces.push_back(text.substr(from, to - from));
    }
    return pieces;
}

// The record of what the patch run writes, tests/patcher/PatchRunWrites.txt:
// the default run as lines "position bytes setting", then states, each a
// line "[Key=value, ...]" followed by the lines the state adds (+) to the
// default run and takes (-) from it. A state starts from the defaults; its
// items are settings as a file line gives them, "every box=N" for every
// check box, "data Key=hex" for an engine data entry and "captions=a|b|c"
// for the alignment list's entries. A write one byte
// off, a condition turned round or a wrong literal changes a line. To add a
// case, add its state line; after a deliberate change to what GOLV writes,
// GOLV_RECORD_WRITES=1 writes the lines anew, and their diff is the change
// to review. The runs patch the synthetic executable, which the defaults
// leave as it is, and which every state leaves so again once the defaults
// are chosen once more: every option switches back.
TEST_F(PatchRunTest, everyStateWritesWhatTheRecordHolds)
{
    const std::string path = std::string(GOLV_SOURCE_DIR) + "/tests/patcher/PatchRunWrites.txt";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    const std::string recorded((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(test::makeSyntheticExecutable(session.executable.path), 0);
    const std::string synthetic = image();

    std::vector<PatchWrite> all; // of every state, for the overlap check below
    auto lines = [&] {
        std::vector<PatchWrite> run;
        EXPECT_TRUE(ModifyExe(session, &run));
        all.insert(all.end(), run.begin(), run.end());
        std::set<std::pair<std::int64_t, std::string>> result; // in the order of the file
        for (const PatchWrite& write : run) {
            const std::string bytes = write.bytes.empty() ? "" : " " + hexBytes(write.bytes);
            result.insert({write.position,
                std::to_string(write.position) + bytes + " " + std::string(kSettings[write.setting].key)});
        }
        return result;
    };
    auto apply = [&](const std::string& state) {
        ASSERT_TRUE(LoadCommonConfig(session) && LoadConfig(session));
        store().setAlignmentCaptions({"left", "center", "rite"});
        for (const std::string& item : split(state.substr(1, state.size() - 2), ", ")) {
            const std::size_t equals = item.find('=');
            ASSERT_NE(equals, std::string::npos) << item;
            const std::string key = item.substr(0, equals), value = item.substr(equals + 1);
            if (key == "every box") {
                for (SettingId id = 0; id < kSettings.size(); ++id) {
                    if (kSettings[id].conversion == Conversion::CheckState)
                        store().setState(id, std::stoi(value));
                }
            } else if (key == "captions") { // as a language file names the alignment list's entries
                const std::vector<std::string> captions = split(value, "|");
                ASSERT_EQ(captions.size(), 3u) << item;
                store().setAlignmentCaptions({captions[0], captions[1], captions[2]});
                store().showAlignmentCaptions();
            } else if (key.starts_with("data ")) {
                session.engineData[*findEngineDataIndex(key.substr(5))] = value;
            } else {
                set(key, value);
            }
        }
    };

    const auto defaults = lines();
    EXPECT_TRUE(image() == synthetic) << "a run with the defaults changes nothing";
    std::string record;
    for (const auto& [position, line] : defaults)
        record += line + "\n";
    for (const std::string& state : splitTextLines(recorded)) {
        if (!state.starts_with("["))
            continue;
        record += state + "\n";
        apply(state);
        const auto written = lines();
        for (const auto& entry : written) {
            if (!defaults.contains(entry))
                record += "+" + entry.second + "\n";
        }
        for (const auto& entry : defaults) {
            if (!written.contains(entry))
                record += "-" + entry.second + "\n";
        }
        apply("[]");
        ASSERT_TRUE(ModifyExe(session));
        EXPECT_TRUE(image() == synthetic) << state << " does not switch back";
    }

    if (std::getenv("GOLV_RECORD_WRITES")) {
        std::ofstream(path, std::ios::binary) << record;
        GTEST_SKIP() << "recorded " << path;
    }
    // The lines that differ, with those around them (EXPECT_EQ would print the whole record first).
    EXPECT_TRUE(record == recorded) << ::testing::internal::edit_distance::CreateUnifiedDiff(
        splitTextLines(recorded), splitTextLines(record));

    // Bytes of two settings never overlap, but where one lies inside another.
    std::map<std::int64_t, std::set<std::string_view>> owners;
    for (const PatchWrite& write : all) {
        for (std::size_t i = 0; i < write.bytes.size(); ++i)
            owners[write.position + static_cast<std::int64_t>(i)].insert(kSettings[write.setting].key);
    }
    std::set<std::string> clashes;
    for (const auto& [position, keys] : owners) {
        for (const std::string_view a : keys) {
            for (const std::string_view b : keys) {
                if (a < b && !kNested.count({a, b}) && !kNested.count({b, a}))
                    clashes.insert(std::string(a) + " / " + std::string(b) + " at " + std::to_string(position));
            }
        }
    }
    EXPECT_EQ(clashes, std::set<std::string>{});
}

// An executable patched with values the windows take reads back as values
// that patch it to the same bytes, whatever the settings held before: on the
// synthetic executable, and on configurations whose writes cover one another
// at random. Switches and the values inside the code they switch on, greyed
// boxes and lists with no entry are among them.
TEST_F(PatchRunTest, anExecutablePatchedWithAnySettingsReadsBackAsSettingsThatPatchItTheSame)
{
    ASSERT_EQ(test::makeSyntheticExecutable(session.executable.path), 0);
    const std::string synthetic = image();
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        ASSERT_TRUE(LoadConfig(session));
        Bytes base(synthetic.begin(), synthetic.end());
        if (seed % 2 == 0) {
            // Every position within 1500 bytes: writes cover one another.
            constexpr std::int32_t kFirst = 256, kSpread = 1500;
            for (int slot = 2; slot <= static_cast<int>(kOffsetSlots); ++slot) {
                if (session.offsets[slot] != 0)
                    session.offsets[slot] = kFirst + static_cast<std::int32_t>(random() % kSpread);
            }
            base.resize(kFirst + kSpread + 256);
            for (std::uint8_t& byte : base)
                byte = static_cast<std::uint8_t>(random());
        }
        const Bytes executable = patched(test::randomValues(random, store()), base);
        const SettingValues start = test::randomValues(random, store());
        const SettingsReading reading = readBack(executable, start);
        EXPECT_EQ(reading.undetermined.size(), 0u);
        EXPECT_EQ(reading.problems, std::vector<PatchProblem>{});
        EXPECT_TRUE(patched(reading.values, executable) == executable);
        // On the engine's own layout, a choice leaves its value only where
        // the bytes tell another (a greyed box, which writes nothing, is read
        // as the state the bytes show).
        for (SettingId id = 0; id < kSettingCount; ++id) {
            const ControlKind kind = kindOf(kSettings[id].conversion);
            if (seed % 2 == 0 || kind == ControlKind::Text || reading.values[id] == start[id]
                || (kind == ControlKind::Check && start[id].number == 2))
                continue;
            SettingValues kept = reading.values;
            kept[id] = start[id];
            EXPECT_FALSE(patched(kept, executable) == executable) << kSettings[id].key;
        }
        // Loaded into the windows, where the store's rules run on each value.
        store().load(reading.values);
        EXPECT_TRUE(patched(store().values(), executable) == executable);

        // The marks "modify" shows: one number changed marks that setting
        // alone when its bytes change, also where they share a write with
        // others. (Where writes cover one another, a shorter value can
        // uncover the bytes of another setting, which then change too.)
        if (seed % 2 == 0)
            continue;
        MemoryBytes source(executable);
        ExecutableBytes read;
        ASSERT_TRUE(ExecutableBytes::read(source, writableRanges(session.offsets, session.engineData), read));
        const SettingValues other = test::randomValues(random, store());
        for (SettingId id = 0; id < kSettingCount; ++id) {
            if (kindOf(kSettings[id].conversion) != ControlKind::Text)
                continue;
            SettingValues values = reading.values;
            values[id] = other[id];
            const PlanChanges changes = planChanges(planPatchRun(session, values, std::ssize(executable)).writes, read);
            std::vector<SettingId> marked;
            for (SettingId at = 0; at < kSettingCount; ++at)
                if (changes.settings[at])
                    marked.push_back(at);
            EXPECT_EQ(marked,
                patched(values, executable) == executable ? std::vector<SettingId>{} : std::vector<SettingId>{id})
                << kSettings[id].key;
        }
    }
}

// The synthetic executable holds the engine's own bytes: it reads as the
// defaults, but for values inside code that is switched off, which keep what
// they were. Bytes that no value a window takes would write leave their
// setting undetermined: kept and listed with the bytes of its write, never
// guessed. A box whose code is neither state's reads as greyed where greyed
// writes nothing, and a switch is read with the value written into its code.
TEST_F(PatchRunTest, theSyntheticExecutableReadsAsTheEnginesOwnValues)
{
    ASSERT_EQ(test::makeSyntheticExecutable(session.executable.path), 0);
    const Bytes synthetic = [&] {
        const std::string bytes = image();
        return Bytes(bytes.begin(), bytes.end());
    }();
    const SettingValues defaults = store().values();
    std::mt19937 random(1);
    const SettingValues start = test::randomValues(random, store());
    const SettingsReading asMade = readBack(synthetic, start);
    EXPECT_EQ(asMade.undetermined.size(), 0u);
    std::vector<std::string_view> kept;
    for (SettingId id = 0; id < kSettingCount; ++id) {
        EXPECT_EQ(asMade.values[id], asMade.read[id] ? defaults[id] : start[id]) << kSettings[id].key;
        if (!asMade.read[id])
            kept.push_back(kSettings[id].key);
    }
    EXPECT_EQ(kept,
        (std::vector<std::string_view>{"XBowPoisonDamage", "SGFlashXPos", "SGFlashYPos", "DefSmallMedkits",
            "StartUpPistolAmmo", "PistolAmmo", "SmallScorpionHP"}));

    const struct {
        const char* name;
        const char* key;
        int displacement;
        Bytes bytes;
        const char* setting;
        SettingValue value;     // as read
        std::size_t listed = 0; // undetermined: the length of its write
    } rows[] = {
        {"a byte above its field's limit", "LBarXOffset", 0, {0xC8}, "LLeft", {}, 1},
        {"a distance no scroll position shows", "DDOffset", 0, {0x12, 0x34}, "DrawingDistanceRange", {}, 2},
        {"code of neither state, where greyed writes the unchecked code", "UWDoorOffset", 1, {0xCC}, "FixUWDoorBug", {},
            5},
        {"a flag no behaviour letter stands for", "XBowNormFlagOffset", 0, {0x07}, "XBowNormFlag", {}, 1},
        {"code of neither state, where greyed writes nothing", "FDisOffset", 0, {0xCC}, "TurnOffDistFog", {2, ""}},
        {"a colour's middle byte", "SndBarMainOffset", 1, {0x01}, "SndBarMainColourG", {0, "1"}},
        {"a switch and the damage written into its code", "PoisonDamageModOffset", 0, {0x66, 0x83, 0x6D, 0x22, 0x07},
            "XBowPoisonDamage", {0, "7"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Bytes bytes = synthetic;
        const std::int64_t position = offset(row.key) + row.displacement;
        const auto at = bytes.begin() + (position - 1);
        std::copy(row.bytes.begin(), row.bytes.end(), at);
        const SettingsReading reading = readBack(bytes, defaults);
        const SettingId id = *findSetting(row.setting);
        std::vector<UndeterminedSetting> listed;
        if (row.listed != 0)
            listed.push_back({id, position, Bytes(at, at + static_cast<std::ptrdiff_t>(row.listed))});
        EXPECT_EQ(reading.undetermined, listed);
        SettingValue expected = row.listed != 0 ? defaults[id] : row.value;
        if (kindOf(kSettings[id].conversion) == ControlKind::Text)
            expected.number = defaults[id].number;
        EXPECT_EQ(reading.values[id], expected);
    }
}

// Damaged settings, positions and engine data: the run refuses them all
// before it writes anything, and names every fault.
TEST_F(PatchRunTest, aDamagedInputLeavesTheExecutableAsItWasAndIsNamed)
{
    // Each damage a key and its value: a setting's, a position's or engine data's.
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, std::string>> damage;
        std::vector<PatchProblem> problems;
    };
    const std::vector<Row> rows = {
        {"an offset key missing late in the section", {{"WildBoarDmgOffset", "0"}},
            {{"WildBoarDmg", "its position WildBoarDmgOffset is missing from the version section."}}},
        {"a position beyond the end", {{"WildBoarDmgOffset", "2147483647"}},
            {{"WildBoarDmg",
                "its position WildBoarDmgOffset (2147483647) lies outside the executable, which has "
                "1048576 bytes."}}},
        {"a damage wider than its byte", {{"PistolDamage", "300"}},
            {{"PistolDamage", "\"300\" is above 255, the most it takes."}}},
        {"a hex setting with a trailing space", {{"SkyDir", "7FF8 "}},
            {{"SkyDir", "\"7FF8 \" is not made of hexadecimal digits."}}},
        {"a word damage with letters after its number", {{"SphinxDmg", "1x"}},
            {{"SphinxDmg", "\"1x\" is not a number."}}},
        {"a negative number in a byte", {{"ShellGravity", "-5"}},
            {{"ShellGravity", "\"-5\" does not fit in one byte."}}},
        {"engine data with other letters", {{"UWDoorDefData", "E8ZZ340500"}},
            {{"UWDoorDefData", "\"E8ZZ340500\" is not made of hexadecimal digits."}}},
        {"empty engine data", {{"NoAmmoDefData", ""}}, {{"NoAmmoDefData", "\"\" is not made of hexadecimal digits."}}},
        {"a count its field would not take, though it fits the byte", {{"UziAmmo", "200"}},
            {{"UziAmmo", "\"200\" is above 127, the most it takes."}}},
        {"a secrets count running past its two characters", {{"Secrets", "123"}},
            {{"Secrets", "\"123\" is longer than 2 characters, the most it takes."}}},
        {"a two-byte speed of one byte's digits, which leaves the high byte as it was", {{"ShotgunDisp", "12"}},
            {{"ShotgunDisp", "\"12\" is shorter than 4 digits, the least it takes."}}},
        {"a lightning shape byte of three digits", {{"LightingRAW1", "0018"}},
            {{"LightingRAW1", "\"0018\" is longer than 2 digits."}}},
        {"ammunition flags no letter stands for", {{"XBowPoisonFlag", "4"}, {"GrenSupaFlag", "9"}},
            {{"XBowPoisonFlag", "\"4\" is not one of the values 1 to 3 that the weapons window offers."},
                {"GrenSupaFlag", "\"9\" is not one of the values 1 to 5 that the weapons window offers."}}},
        {"two faults: both are named", {{"BatDmg", "x"}, {"DDOffset", "0"}},
            {{"DrawingDistanceRange", "its position DDOffset is missing from the version section."},
                {"DistantFogRange", "its position DDOffset is missing from the version section."},
                {"BatDmg", "\"x\" is not a number."}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(LoadCommonConfig(session) && LoadConfig(session));
        fillImage(0xCC);
        const std::string before = image();
        for (const auto& [key, value] : row.damage) {
            if (const auto slot = findOffsetSlot(key))
                session.offsets[*slot] = std::stoi(value);
            else if (const auto index = findEngineDataIndex(key))
                session.engineData[*index] = value;
            else
                set(key, value);
        }
        std::vector<PatchWrite> made;
        const PatchOutcome outcome = ModifyExe(session, &made);
        EXPECT_EQ(outcome.result, PatchOutcome::Result::NothingWritten);
        EXPECT_EQ(outcome.problems, row.problems);
        EXPECT_TRUE(made.empty());
        EXPECT_TRUE(image() == before) << "not one byte was written";
        EXPECT_TRUE(ui.messages.empty()) << "warnings are part of the report";
    }
}

// Cut short after its detection bytes, the executable is still the build,
// but positions lie outside it; cut before them, it is no longer the build.
TEST_F(PatchRunTest, anExecutableCutShortIsNotPaddedOut)
{
    const std::string whole = image();
    const struct {
        std::size_t size;
        PatchOutcome::Result result;
        std::string why;
    } rows[] = {
        {730300, PatchOutcome::Result::NothingWritten, "lies outside the executable, which has 730300 bytes"},
        {0, PatchOutcome::Result::ExecutableChanged, "changed since GOLV read it"},
    };
    for (const auto& row : rows) {
        folder.write("quenb.exe", whole.substr(0, row.size));
        const PatchOutcome outcome = ModifyExe(session);
        EXPECT_EQ(outcome.result, row.result);
        ASSERT_FALSE(outcome.problems.empty());
        EXPECT_NE(outcome.problems[0].why.find(row.why), std::string::npos) << outcome.problems[0].why;
        EXPECT_EQ(image(), whole.substr(0, row.size));
    }
}

// What --plan prints: the columns as wide as their widest entry.
TEST(PatchPreview, theChangeTableLinesUpItsColumns)
{
    using Bytes = std::vector<std::uint8_t>;
    PatchPreview preview;
    // One by one: a braced list of them trips a false "maybe uninitialized" of GCC 12.
    preview.changes.push_back(
        {PatchWrite{7, Bytes{0xA0, 0x46}, settingId("DrawingDistanceRange"), {}}, Bytes{0x9D, 0x45}});
    preview.changes.push_back({PatchWrite{730271, Bytes{0x01}, settingId("PistolDamage"), {}}, Bytes{0xFF}});
    EXPECT_EQ(changeTable(preview),
        (std::vector<std::string>{"position  old bytes  new bytes  setting",
            "       7  9D 45      A0 46      DrawingDistanceRange", "  730271  FF         01         PistolDamage",
            "2 writes change the executable."}));
    preview.changes.resize(1);
    EXPECT_EQ(changeTable(preview).back(), "1 write changes the executable.");
}

TEST_F(PatchRunTest, theModifyCommandAsksFirst)
{
    fillImage(0xCC);
    const std::string untouched = image();
    ui.confirmAnswers.push_back(false);
    EXPECT_FALSE(modifyCommand(session));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].title, "Confirm file modifying");
    EXPECT_EQ(image(), untouched);
    ASSERT_TRUE(ModifyExe(session));

    // The question's details tell what will change, by window, before it does.
    store().setText(settingId("PistolDamage"), "7");
    store().setText(settingId("SkeletonHP"), "16");
    ui.confirmAnswers = {false, true, false};
    modifyCommand(session);
    EXPECT_EQ(ui.questions.back().details,
        "weapons window:\n  PistolDamage at " + std::to_string(offset("WeaponOffset") + 5) + ": 01 -> 07\n"
            + "enemy HP window:\n  SkeletonHP at " + std::to_string(offset("SkeletonHPOffset")) + ": 0F 00 -> 10 00");
    modifyCommand(session);
    modifyCommand(session);
    EXPECT_EQ(ui.questions.back().details, "Nothing will change.") << "once it is written";

    // A write counts only where its bytes survive the run: the poison damage
    // covers the last byte of the code written just before it.
    store().setState(settingId("EnablePoisonDamageChanging"), 1);
    ui.confirmAnswers = {true, false};
    modifyCommand(session);
    store().setText(settingId("XBowPoisonDamage"), "9");
    modifyCommand(session);
    EXPECT_EQ(ui.questions.back().details,
        "weapons window:\n  XBowPoisonDamage at " + std::to_string(offset("PoisonDamageModOffset") + 4) + ": 01 -> 09");
}

// The question says truthfully what becomes of the kept original and of a
// name the executable shares, and the run does what it said.
TEST_F(PatchRunTest, theQuestionSaysWhatHappensToTheOriginalAndToALinkedName)
{
    const std::string before = image();
    const std::string question = "Are you sure you want to update quenb.exe file?\n";
    const struct {
        const char* name;
        std::function<void()> setUp;
        std::string said;
        std::vector<std::pair<std::string, std::string>> after; // files and what they hold once the run is made
        bool toldAfter;                                         // the run repeats what it did with the original
    } rows[] = {
        {"an original of another executable", [&] { folder.write("quenb.exe.orig", std::string_view("older")); },
            "quenb.exe.orig is not the original of this quenb.exe: quenb.exe.orig has 5 bytes and quenb.exe 1048576. "
            "It is kept as quenb.exe.orig.1, and quenb.exe as it is now is kept as quenb.exe.orig.",
            {{"quenb.exe.orig.1", "older"}, {"quenb.exe.orig", before}}, true},
        {"a folder where the original would go",
            [&] { std::filesystem::create_directory(folder.native("quenb.exe.orig")); },
            "No original of quenb.exe can be kept: Cannot open " + (folder / "quenb.exe.orig")
                + ": it is not a regular file.",
            {}, true},
        {"a name shared with another",
            [&] { std::filesystem::create_hard_link(folder.native("quenb.exe"), folder.native("copy.exe")); },
            "The original of quenb.exe is kept as quenb.exe.orig.\nquenb.exe has 2 names: the patched file takes "
            "this one alone, and the other names keep the file as it is.",
            {{"copy.exe", before}, {"quenb.exe.orig", before}}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        folder.write("quenb.exe", before);
        row.setUp();
        ui.questions.clear();
        ui.messages.clear();
        ui.confirmAnswers = {true};
        EXPECT_TRUE(modifyCommand(session));
        ASSERT_EQ(ui.questions.size(), 1u);
        EXPECT_EQ(ui.questions[0].text, question + row.said);
        EXPECT_EQ(ui.messageTexts(), row.toldAfter ? std::vector<std::string>{row.said} : std::vector<std::string>{});
        for (const auto& [name, content] : row.after)
            EXPECT_TRUE(folder.read(name) == content) << name;
        EXPECT_NE(image(), before);
        std::error_code ignored;
        for (const char* name : {"quenb.exe.orig", "quenb.exe.orig.1", "copy.exe"})
            std::filesystem::remove_all(folder.native(name), ignored);
    }
}

// The executable another file after it was read: nothing is written, and
// the window may read it again instead.
TEST_F(PatchRunTest, anExecutableThatChangedSinceItWasReadIsNotWritten)
{
    const std::string other = blankImage('\x5A');
    const PatchPreview preview = previewPatchRun(session);
    folder.write("quenb.exe", other);
    EXPECT_EQ(ModifyExe(session, preview, LinkedName::Part).result, PatchOutcome::Result::ExecutableChanged)
        << "bytes the plan replaces are other now";
    EXPECT_TRUE(image() == other);

    std::string anotherBuild = image();
    anotherBuild[static_cast<std::size_t>(session.offsets[1] - 1)] = 'X';
    folder.write("quenb.exe", anotherBuild);
    ui.confirmAnswers = {true};
    EXPECT_FALSE(modifyCommand(session));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text,
        "quenb.exe changed since GOLV read it: it is no longer the build found at start-up. Nothing was written.\n"
        "Read quenb.exe again?");
    EXPECT_EQ(session.executable.state, ExecutableState::NotCompatible);
    EXPECT_TRUE(image() == anotherBuild);
    EXPECT_FALSE(std::filesystem::exists(folder.native("quenb.exe.orig")));
}

TEST_F(PatchRunTest, aRefusedRunShowsCannotModifyFileWithItsReasons)
{
    session.executable.path = (folder / "missing.exe");
    std::vector<PatchWrite> run;
    EXPECT_FALSE(ModifyExe(session, &run));
    EXPECT_TRUE(run.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.native("missing.exe"))) << "a missing executable is not created";

    session.executable.path = (folder / "quenb.exe");
    store().setText(settingId("PistolDamage"), "300");
    store().setText(settingId("BatDmg"), "abc");
    ui.confirmAnswers.push_back(true);
    EXPECT_FALSE(modifyCommand(session));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Cannot modify file");
    EXPECT_EQ(ui.messages[0].text,
        "Cannot process with quenb.exe modifying. Make sure game is not launched or write-protected.\n"
        "If so, check that config file contains all necessary offsets and data.\n\n"
        "PistolDamage: \"300\" is above 255, the most it takes.");
    EXPECT_EQ(ui.messages[0].details,
        "PistolDamage: \"300\" is above 255, the most it takes.\nBatDmg: \"abc\" is not a number.");
}

// A preset or a patch saved at the executable's name, picked by a slip in
// the file dialog, would put a text file in the game's place.
TEST_F(PatchRunTest, aPresetOrAPatchIsNeverSavedOverTheExecutable)
{
    fillImage(0xCC);
    const std::string untouched = image();
    const std::string reason
        = "Cannot write " + (folder / "quenb.exe") + ": it is the game's executable. Choose another name.";
    const struct {
        const char* name;
        void (*save)(Session&);
        std::string text;
        std::string details;
    } rows[] = {
        {"preset", savePreset, "The preset could not be saved.\n" + reason, ""},
        {"patch", exportPatchCommand, "The patch could not be exported.", reason},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ui.messages.clear();
        ui.fileAnswers.push_back(folder / "quenb.exe");
        row.save(session);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, row.text);
        EXPECT_EQ(ui.messages[0].details, row.details);
        EXPECT_EQ(image(), untouched);
    }
}

} // namespace
} // namespace golv
