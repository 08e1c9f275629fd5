#include "config/SplitKeyValue.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace golv {
namespace {

using Kind = KeyValueLine::Kind;

std::string repeat(std::string_view text, std::size_t times)
{
    std::string result;
    for (std::size_t i = 0; i < times; ++i)
        result += text;
    return result;
}

TEST(SplitKeyValue, splitsAtTheFirstEqualsSign)
{
    struct Row {
        const char* name;
        std::string line;
        Kind kind;
        const char* key;
        std::string value;
    };
    const Row rows[] = {
        {"key is lower-cased, value keeps its case", "ExeName=Quenb.EXE", Kind::Pair, "exename", "Quenb.EXE"},
        {"spaces after = are dropped", "ExeName=   quenb.exe", Kind::Pair, "exename", "quenb.exe"},
        {"space before = stays in the key", "ExeName =quenb.exe", Kind::Pair, "exename ", "quenb.exe"},
        {"trailing spaces stay in the value", "Version=0.673  ", Kind::Pair, "version", "0.673  "},
        {"a further = belongs to the value", "key=a=b", Kind::Pair, "key", "a=b"},
        {"empty value", "key=", Kind::Pair, "key", ""},
        {"semicolon after spaces is no comment", "  ;x=1", Kind::Pair, "  ;x", "1"},
        {"value cut at 5000 characters", "key=" + std::string(6000, 'x'), Kind::Pair, "key", std::string(5000, 'x')},
        {"characters of two bytes count once", "key=" + repeat("\xC3\xA4", 6000), Kind::Pair, "key",
            repeat("\xC3\xA4", 5000)},
        {"a cut never splits a character", "key=" + std::string(4999, 'x') + "\xF0\x9F\x98\x80yz", Kind::Pair, "key",
            std::string(4999, 'x') + "\xF0\x9F\x98\x80"},
        {"empty line", "", Kind::Skipped, "", ""},
        {"spaces only", "    ", Kind::Skipped, "", ""},
        {"comment", "; DO NOT CHANGE SETTING ORDER!", Kind::Skipped, "", ""},
        {"section line", "[common]", Kind::Skipped, "", ""},
        {"comment holding =", ";LanguageFile=golv.lng", Kind::Skipped, "", ""},
        {"no equals sign", "quenb.exe", Kind::MissingEquals, "", ""},
        {"a tab is not a blank", "\t", Kind::MissingEquals, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const KeyValueLine split = SplitKeyValue(row.line);
        EXPECT_EQ(split.kind, row.kind);
        EXPECT_EQ(split.key, row.key);
        EXPECT_EQ(split.value, row.value);
    }
}

} // namespace
} // namespace golv
