#include "config/DefaultConfig.h"

#include "config/SplitKeyValue.h"
#include "config/VersionTables.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

namespace golv {
namespace {

// The default text's lines, its common keys in order, and its one version
// section's values by lower-case key.
struct DefaultText {
    DefaultText()
    {
        lines = defaultConfigLines();
        bool inCommon = false;
        bool inSection = false;
        for (const std::string& line : lines) {
            const std::string lower = toLowerAscii(line);
            if (lower == "[common]" || lower == "[end common]") {
                inCommon = lower == "[common]";
                continue;
            }
            if (lower.rfind("[version ", 0) == 0) {
                sectionLine = line;
                inSection = true;
                continue;
            }
            if (lower == "[end version]") {
                inSection = false;
                continue;
            }
            const KeyValueLine split = SplitKeyValue(line);
            if (split.kind != KeyValueLine::Kind::Pair)
                continue;
            if (inCommon)
                commonKeys.push_back(split.key);
            if (inSection) {
                ++sectionKeyCount[split.key];
                section[split.key] = split.value;
            }
        }
    }

    const std::string& value(std::string_view key) const { return section.at(toLowerAscii(key)); }

    std::vector<std::string> lines;
    std::vector<std::string> commonKeys;
    std::string sectionLine;
    std::map<std::string, std::string> section;
    std::map<std::string, int> sectionKeyCount;
};

const DefaultText& defaults()
{
    static const DefaultText text;
    return text;
}

TEST(DefaultConfig, hasTheFixedHeaderAndEnd)
{
    const std::vector<std::string> header = {
        "; GOLV v.0.67 RC3 alpha config file",
        "",
        "; WARNING! If you are about to create new entry for new quenb.exe version, be",
        "; sure that it will have this format:",
        "",
        "; [version (test byte pattern);(version label)]",
        "; (offsets and data)",
        "; [end version]",
        "",
        "; COMMANDS ARE CASE SENSITIVE!",
        "; DO NOT CHANGE SETTING ORDER!",
        "; DO NOT REMOVE COMMON SECTION!!!",
        "",
        "[common]",
    };
    const auto& lines = defaults().lines;
    ASSERT_GE(lines.size(), header.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(header.size())), header);
    EXPECT_EQ(lines.back(), "[end version]");
    EXPECT_EQ(defaults().sectionLine,
        "[version 65636B005F494E495400000057696E50;ZDWK, EU, orig. or XP mod \\ 9 (11) Dec 2002]");
    EXPECT_NE(std::find(lines.begin(), lines.end(), ";LanguageFile=golv.lng"), lines.end());
}

TEST(DefaultConfig, commonSectionHoldsEverySettingOnceWithVersionFirst)
{
    const auto& keys = defaults().commonKeys;
    EXPECT_EQ(keys.size(), 336u);
    const std::vector<std::string> programKeys
        = {"exename", "versioncheckoffset", "numbytestoread", "silentpatch", "version"};
    ASSERT_GE(keys.size(), programKeys.size());
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 5), programKeys)
        << "Version stands before every setting, which the legacy converters rely on";
    std::vector<std::string> sorted = keys;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "a key twice";
}

TEST(DefaultConfig, versionSectionHasEveryOffsetAndDataKeyOnce)
{
    const auto& text = defaults();
    int offsets = 0;
    for (std::size_t slot = 2; slot <= kOffsetSlots; ++slot) {
        const std::string_view key = kOffsetKeys[slot - 1];
        if (key.empty())
            continue;
        ++offsets;
        SCOPED_TRACE(std::string(key));
        ASSERT_EQ(text.sectionKeyCount.count(toLowerAscii(key)), 1u);
        EXPECT_EQ(text.sectionKeyCount.at(toLowerAscii(key)), 1);
        const std::string& value = text.value(key);
        ASSERT_FALSE(value.empty());
        EXPECT_TRUE(std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }));
        EXPECT_GT(std::stol(value), 0);
    }
    EXPECT_EQ(offsets, 272);
    for (const std::string_view key : kEngineDataKeys) {
        SCOPED_TRACE(std::string(key));
        ASSERT_EQ(text.sectionKeyCount.count(toLowerAscii(key)), 1u);
        EXPECT_EQ(text.sectionKeyCount.at(toLowerAscii(key)), 1);
        const std::string& hex = text.value(key);
        EXPECT_FALSE(hex.empty());
        EXPECT_EQ(hex.size() % 2, 0u);
        EXPECT_TRUE(std::all_of(hex.begin(), hex.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
        })) << "upper-case hex digits only";
    }
}

TEST(DefaultConfig, usesTheValuesThatDescribeTheSupportedBuild)
{
    const auto& lines = defaults().lines;
    for (const char* line :
        {"VersionCheckOffset=730225", "NumBytesToRead=16", "Version=0.673", "DDOffset=                 730271",
            "NEscData=       7509", "CrowbarDefault= 7907", "CrowbarMod=     9090"}) {
        SCOPED_TRACE(line);
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end());
    }
    struct Row {
        const char* key;
        const char* value;
    };
    const Row rows[] = {
        {"LTOffset", "118977"},
        {"UWDoorOffset", "45098"},
        {"DefFEProcOffset", "305767"},
        {"ExtFEProcOffset", "727596"},
        {"UWDoorDefData", "E811340500"},
        {"NoAmmoDefData", "E8270C0300"},
        {"XBowDataDefault", "4866894522"},
        {"XBowDataMod", "66836D2200"},
        {"SBarData", "A070D17F00"},
        {"ABarData", "A070D17F00"},
        {"HBarData", "A070D17F00"},
        {"LBarData", "A070D17F00"},
        {"SBarAnimDefData", "1BFA"},
        {"SBarAnimModData", "DBD7"},
        {"PistolDataMod", "C605FFDF800000"},
        {"SmallScorpFarJumpModData", "66C705C8D152001500E965A5FAFF90"},
        {"GrabClimbDelayDefData", "0F855A010000"},
        {"SparklesUnifyDefAmount", "03"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(defaults().value(row.key), row.value);
    }
}

TEST(DefaultConfig, flareSetsWriteTheBuildsOwnAndTheRedFlareCode)
{
    // The bytes of the twelve flare writes, entry 6 twice and entry 9 three times.
    auto writes = [](const char* set) {
        const int order[] = {1, 2, 3, 4, 5, 6, 7, 6, 8, 9, 9, 9};
        std::string joined;
        for (const int entry : order)
            joined += defaults().value("FlareColourData" + std::to_string(entry) + set) + " ";
        return joined;
    };
    EXPECT_EQ(writes("Def"), "E21F 80 3F C0 40 50 51 50 50 05C0000000 05C0000000 05C0000000 ");
    EXPECT_EQ(writes("Red"), "E21F 80 3F C0 40 51 50 51 52 83C0009090 83C0009090 83C0009090 ");
}

TEST(DefaultConfig, gunflashProcedureCarriesTheMeshPositionOperands)
{
    const std::string& code = defaults().value("GunflashExtProcModData");
    ASSERT_GE(code.size(), 2u * 19);
    EXPECT_EQ(code.substr(2 * 10, 4), "B400") << "180 at byte 10";
    EXPECT_EQ(code.substr(2 * 17, 4), "2800") << "40 at byte 17";
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
    groups.push_back({"TwinPony1DefData", "TwinPony1ModDataS", "=9090"});
    groups.push_back({"TwinPony2DefData", "TwinPony2ModDataT", "=9090"});
    for (int pony = 3; pony <= 5; ++pony)
        groups.push_back(
            {"TwinPony" + std::to_string(pony) + "DefData", "TwinPony" + std::to_string(pony) + "ModDataS", "=9090"});
    groups.push_back({"ShotgunDivNSAmmoDefData", "ShotgunDivWSAmmoDefData", "ShotgunDivAmmoModData"});
    for (const char* bar : {"SBarData", "ABarData", "HBarData", "LBarData"})
        groups.push_back({bar, "=C390909090"});
    for (const char* nopped :
        {"LockCameraData", "BLData", "LoadShowDefault", "SaveShowDefault", "UWDoorDefData", "NoAmmoDefData"})
        groups.push_back({nopped, "=9090909090"});
    groups.push_back({"NEscData", "=9090"});
    groups.push_back({"GrabClimbDelayDefData", "=909090909090"});
    groups.push_back({"SparklesUnifyDefAmount", "=08"}); // the one byte of the sparkle amount

    for (const auto& group : groups) {
        SCOPED_TRACE(group.front());
        auto hex = [](const std::string& name) {
            return name.front() == '=' ? name.substr(1) : defaults().value(name); // "=" marks a literal
        };
        for (const std::string& other : group)
            EXPECT_EQ(hex(other).size(), hex(group.front()).size()) << other;
    }
}

} // namespace
} // namespace golv

namespace golv {
namespace {

TEST(RecreateConfig, writesTheDefaultTextWithCrLfAndAnEmptyLastLine)
{
    const test::TempFolder folder;
    const auto path = folder / "golv.cfg";
    {
        std::ofstream old(path, std::ios::trunc);
        old << "[version 1234;a section of the user's own]\n[end version]\n" << std::string(100000, 'x');
    }
    ASSERT_TRUE(RecreateConfig(path));
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});

    EXPECT_EQ(text.rfind("[end version]\r\n\r\n"), text.size() - 17) << "ends with the section end and an empty line";
    EXPECT_EQ(text.find("user's own"), std::string::npos) << "the whole file is replaced";
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(text[i - 1], '\r') << "at byte " << i;
            ++lineEnds;
        }
    }
    EXPECT_EQ(lineEnds, defaultConfigLines().size() + 1);
}

} // namespace
} // namespace golv
