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
        const char* key;
        std::string value;
    };
    const Row rows[] = {
        {"key is lower-cased, value keeps its case", "ExeName=Quenb.EXE", "exename", "Quenb.EXE"},
        {"spaces after = are dropped", "ExeName=   quenb.exe", "exename", "quenb.exe"},
        {"space before = stays in the key", "ExeName =quenb.exe", "exename ", "quenb.exe"},
        {"trailing spaces stay in the value", "Version=0.673  ", "version", "0.673  "},
        {"a further = belongs to the value", "key=a=b", "key", "a=b"},
        {"empty value", "key=", "key", ""},
        {"semicolon after spaces is no comment", "  ;x=1", "  ;x", "1"},
        {"value cut at 5000 characters", "key=" + std::string(6000, 'x'), "key", std::string(5000, 'x')},
        {"characters of two bytes count once", "key=" + repeat("\xC3\xA4", 6000), "key", repeat("\xC3\xA4", 5000)},
        {"a cut never splits a character", "key=" + std::string(4999, 'x') + "\xF0\x9F\x98\x80yz", "key",
            std::string(4999, 'x') + "\xF0\x9F\x98\x80"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const KeyValueLine split = SplitKeyValue(row.line);
        EXPECT_EQ(split.kind, Kind::Pair);
        EXPECT_EQ(split.key, row.key);
        EXPECT_EQ(split.value, row.value);
    }
    // A comment may hold "=", and a tab is no blank.
    for (const char* line : {"", "    ", "; DO NOT CHANGE SETTING ORDER!", "[common]", ";LanguageFile=golv.lng"})
        EXPECT_EQ(SplitKeyValue(line).kind, Kind::Skipped) << line;
    for (const char* line : {"quenb.exe", "\t"})
        EXPECT_EQ(SplitKeyValue(line).kind, Kind::MissingEquals) << line;
}

} // namespace
} // namespace golv
