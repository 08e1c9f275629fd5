#include "config/DefaultConfig.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace golv {
namespace {

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
    const std::vector<std::string> lines = defaultConfigLines();
    ASSERT_GE(lines.size(), header.size());
    EXPECT_TRUE(std::equal(header.begin(), header.end(), lines.begin()));
    EXPECT_EQ(lines.back(), "[end version]");
    EXPECT_TRUE(
        contains(lines, "[version 65636B005F494E495400000057696E50;ZDWK, EU, orig. or XP mod \\ 9 (11) Dec 2002]"));
    EXPECT_TRUE(contains(lines, ";LanguageFile=golv.lng"));
}

} // namespace
} // namespace golv
