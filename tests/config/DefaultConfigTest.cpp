#include "config/DefaultConfig.h"

#include "config/SplitKeyValue.h"
#include "config/VersionTables.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace golv {
namespace {

// The default text's lines, its common keys in order, and the values of its
// one version section by lower-case key, with how often each key appears.
struct DefaultText {
    DefaultText()
    {
        std::string section;
        for (const std::string& line : lines) {
            if (line.starts_with("[")) {
                section = toLowerAscii(line);
                continue;
            }
            const KeyValueLine split = SplitKeyValue(line);
            if (split.kind != KeyValueLine::Kind::Pair)
                continue;
            if (section == "[common]")
                commonKeys.push_back(split.key);
            if (section.starts_with("[version ")) {
                ++counts[split.key];
                values[split.key] = split.value;
            }
        }
    }

    const std::string& value(std::string_view key) const { return values.at(toLowerAscii(key)); }

    std::vector<std::string> lines = defaultConfigLines();
    std::vector<std::string> commonKeys;
    std::map<std::string, std::string> values;
    std::map<std::string, int> counts;
};

const DefaultText& defaults()
{
    static const DefaultText text;
    return text;
}

bool contains(const std::vector<std::string>& lines, std::string_view line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(DefaultConfig, hasTheFixedHeaderAndEnd)
{
    const std::vector<std::string> header = {"; GOLV v.0.67 RC3 alpha config file", "",
        "; WARNING! If you are about to create new entry for new quenb.exe version, be",
        "; sure that it will have this format:", "", "; [version (test byte pattern);(version label)]",
        "; (offsets and data)", "; [end version]", "", "; COMMANDS ARE CASE SENSITIVE!",
        "; DO NOT CHANGE SETTING ORDER!", "; DO NOT REMOVE COMMON SECTION!!!", "", "[common]"};
    const auto& lines = defaults().lines;
    ASSERT_GE(lines.size(), header.size());
    EXPECT_TRUE(std::equal(header.begin(), header.end(), lines.begin()));
    EXPECT_EQ(lines.back(), "[end version]");
    EXPECT_TRUE(
        contains(lines, "[version 65636B005F494E495400000057696E50;ZDWK, EU, orig. or XP mod \\ 9 (11) Dec 2002]"));
    EXPECT_TRUE(contains(lines, ";LanguageFile=golv.lng"));
}

TEST(DefaultConfig, holdsEveryKeyOnceWithVersionFirst)
{
    const auto& text = defaults();
    ASSERT_EQ(text.commonKeys.size(), 336u);
    EXPECT_EQ(std::vector<std::string>(text.commonKeys.begin(), text.commonKeys.begin() + 5),
        (std::vector<std::string>{"exename", "versioncheckoffset", "numbytestoread", "silentpatch", "version"}))
        << "Version stands before every setting, which the legacy converters rely on";
    EXPECT_EQ(std::set<std::string>(text.commonKeys.begin(), text.commonKeys.end()).size(), 336u) << "a key twice";

    auto onceWith = [&](std::string_view key, std::string_view digits) {
        const std::string lower = toLowerAscii(key);
        EXPECT_EQ(text.counts.count(lower) ? text.counts.at(lower) : 0, 1) << key;
        const std::string& value = text.values.count(lower) ? text.values.at(lower) : "";
        EXPECT_TRUE(!value.empty() && value.find_first_not_of(digits) == std::string::npos) << key << "=" << value;
        return value;
    };
    int offsets = 0;
    for (const std::string_view key : kOffsetKeys) {
        if (key.empty() || key == kOffsetKeys[0]) // slot 1 comes from the common section
            continue;
        ++offsets;
        EXPECT_NE(onceWith(key, "0123456789").find_first_not_of('0'), std::string::npos) << key;
    }
    EXPECT_EQ(offsets, 272);
    for (const std::string_view key : kEngineDataKeys)
        EXPECT_EQ(onceWith(key, "0123456789ABCDEF").size() % 2, 0u) << key;
}

TEST(DefaultConfig, everyReplacementHasTheLengthOfTheBytesItReplaces)
{
    // Switching an option back must restore exactly the bytes it replaced.
    std::vector<std::vector<std::string>> groups;
    for (const char* stem : {"GunflashDefProc", "GunflashNearJump", "GunflashExtProc", "DefFEProc", "ExtFEProc",
             "SaveTriggerExtHandler", "SaveTriggerDefHandler", "UPSLabel", "CompassCodz", "CompassCheats",
             "SmallScorpCommPatch", "SmallScorpFarJump", "SBarAnim", "ABarAnim", "HBarAnim"})
        groups.push_back({std::string(stem) + "DefData", std::string(stem) + "ModData"});
    for (const char* stem : {"Crowbar", "PistolData", "SeparateMediFlare", "XBowData", "FixHolsters"})
        groups.push_back({std::string(stem) + "Default", std::string(stem) + "Mod"});
    for (int entry = 1; entry <= 9; ++entry) {
        const std::string stem = "FlareColourData" + std::to_string(entry);
        groups.push_back({stem + "Def", stem + "Mod", stem + "Red"});
    }
    for (int pony = 1; pony <= 5; ++pony) {
        const std::string stem = "TwinPony" + std::to_string(pony);
        groups.push_back({stem + "DefData", stem + (pony == 2 ? "ModDataT" : "ModDataS"), "=9090"});
    }
    groups.push_back({"ShotgunDivNSAmmoDefData", "ShotgunDivWSAmmoDefData", "ShotgunDivAmmoModData"});
    for (const char* bar : {"SBarData", "ABarData", "HBarData", "LBarData"})
        groups.push_back({bar, "=C390909090"});
    for (const char* nopped :
        {"LockCameraData", "BLData", "LoadShowDefault", "SaveShowDefault", "UWDoorDefData", "NoAmmoDefData"})
        groups.push_back({nopped, "=9090909090"});
    groups.push_back({"NEscData", "=9090"});
    groups.push_back({"GrabClimbDelayDefData", "=909090909090"});
    groups.push_back({"SparklesUnifyDefAmount", "=08"}); // the one byte of the sparkle amount

    auto hex = [](const std::string& name) {
        return name.front() == '=' ? name.substr(1) : defaults().value(name); // "=" marks a literal
    };
    for (const auto& group : groups) {
        for (const std::string& other : group)
            EXPECT_EQ(hex(other).size(), hex(group.front()).size()) << group.front() << " / " << other;
    }
}

TEST(RecreateConfig, replacesTheWholeFileWithTheDefaultTextInCrLfLines)
{
    const test::TempFolder folder;
    folder.write("golv.cfg", "[version 1234;a section of the user's own]\n[end version]\n" + std::string(100000, 'x'));
    ASSERT_TRUE(RecreateConfig(folder / "golv.cfg"));
    const std::string text = folder.read("golv.cfg");
    EXPECT_TRUE(text.ends_with("\r\n[end version]\r\n\r\n")) << "the section end, then an empty line";
    std::vector<std::string> lines = defaultConfigLines();
    lines.emplace_back();
    EXPECT_EQ(text, test::crlfText(lines));
}

} // namespace
} // namespace golv
