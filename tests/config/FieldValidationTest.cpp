#include "config/FieldValidation.h"

#include "config/SettingId.h"

#include <gtest/gtest.h>

namespace golv {
namespace {

using Messages = std::vector<std::string>;

FieldVerdict leave(std::string_view key, std::string text)
{
    return checkField(kSettings[*findSetting(key)].checks, std::move(text));
}

TEST(FieldValidation, limitsCorrectTheTextAndKeepTheFocus)
{
    struct Row {
        const char* name;
        const char* key;
        const char* text;
        Messages messages;
        const char* after;
    };
    const std::vector<Row> rows = {
        {"sound ID above 127", "UWDoorBugSoundID", "200", {"Maximum value for this field is 127!"}, "127"},
        {"sound ID 0 is fine", "UWDoorBugSoundID", "0", {}, "0"},
        {"empty sound ID", "NoAmmoBugSoundID", "", {"You must fill this field with at least one digit!"}, ""},
        {"shot amount: 6, then 255, then empty", "ShotgunShotAmount", "9", {"Maximum value for this field is 6!"}, "6"},
        {"grid field above 255", "PistolDamage", "300", {"Maximum value for this field is 255!"}, "255"},
        {"fly speed above 65535", "XBowFlySpeed", "70000", {"Maximum value for this field is 65535!"}, "65535"},
        {"shotgun dispersion short", "ShotgunDisp", "155", {"You must fill this field with four hexadecimal symbols!"},
            "155"},
        {"loading bar x above 127", "LLeft", "200", {"Maximum value for this field is 127!"}, "127"},
        {"air bar x 490 is fine", "ALeft", "490", {}, "490"},
        {"waterfall below -128", "WFallScrollSpeed", "-200", {"Minimum value for this field is -128!"}, "-128"},
        {"lightning raw one digit", "LightingRAW1", "0", {"You must fill this field with two hexadecimal symbols!"},
            "0"},
        // An empty frame interval counts as 0: the minimum corrects it, so the
        // one-digit message does not follow.
        {"frame interval empty", "AnimTextInterval", "", {"Minimum value for this field is 1!"}, "1"},
        {"sparkles: empty is checked first", "SparkleAmount", "", {"You must fill this field with at least one digit!"},
            ""},
        {"secrets above 99", "Secrets", "150", {"Maximum value for this field is 99!"}, "99"},
        {"wideshot above 21", "ShotgunWideAmmo", "30", {"Maximum value for this field is 21!"}, "21"},
        {"rotate speed three characters", "ItemRotateSpeed", "3FE", {}, "3FE"},
        {"enemy HP above 32767", "SphinxHP", "40000", {"Maximum value for this field is 32767!"}, "32767"},
        {"damage below -128", "BatDmg", "-200", {"Minimum value for this field is -128!"}, "-128"},
        {"attack accepts -200", "SphinxDmg", "-200", {}, "-200"},
        {"attack below -256", "SetAttack2Dmg", "-300", {"Minimum value for this field is -256!"}, "-256"},
        {"magic divider one digit", "MagicAttackDivider", "2", {"You must fill this field with two decimal symbols!"},
            "2"},
        {"physics speed short", "SwimSpeed", "0C8", {"You must fill this field with four hexadecimal symbols!"}, "0C8"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FieldVerdict verdict = leave(row.key, row.text);
        EXPECT_EQ(verdict.messages, row.messages);
        EXPECT_EQ(verdict.text, row.after);
        EXPECT_EQ(verdict.keepFocus, !row.messages.empty());
    }
}

TEST(FieldValidation, keyFiltersLetThroughOnlyTheirCharacters)
{
    const std::string all = "0123456789ABCDEFabcdefXYZ-+. ";
    auto passed = [&](Input input) {
        std::string kept;
        for (const char c : all) {
            if (keyFilterAccepts(input, c))
                kept += c;
        }
        return kept;
    };
    EXPECT_EQ(passed(Input::Digits), "0123456789");
    EXPECT_EQ(passed(Input::Hex), "0123456789ABCDEF") << "lower-case hex digits are swallowed";
    EXPECT_EQ(passed(Input::SignedDigits), "0123456789-");
    EXPECT_EQ(passed(Input::Any), all);
}

} // namespace
} // namespace golv
