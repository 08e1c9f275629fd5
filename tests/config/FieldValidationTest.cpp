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
        {"shot amount above 6", "ShotgunShotAmount", "9", {"Maximum value for this field is 6!"}, "6"},
        {"shotgun dispersion short", "ShotgunDisp", "155", {"You must fill this field with four hexadecimal symbols!"},
            "155"},
        // An empty frame interval counts as 0: the minimum corrects it, so the
        // one-digit message does not follow.
        {"frame interval empty", "AnimTextInterval", "", {"Minimum value for this field is 1!"}, "1"},
        {"sparkles: empty is checked first", "SparkleAmount", "", {"You must fill this field with at least one digit!"},
            ""},
        {"attack accepts -200", "SphinxDmg", "-200", {}, "-200"},
        {"attack below -256", "SetAttack2Dmg", "-300", {"Minimum value for this field is -256!"}, "-256"},
        {"magic divider one digit", "MagicAttackDivider", "2", {"You must fill this field with two decimal symbols!"},
            "2"},
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
