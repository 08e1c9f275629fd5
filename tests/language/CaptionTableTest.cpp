#include "language/CaptionTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace golv {
namespace {

TEST(CaptionTable, everyKeyIsLowerCaseAndEveryControlHasOneKey)
{
    std::set<std::string_view> keys;
    std::set<std::pair<Window, std::string_view>> controls;
    for (const CaptionEntry& entry : kCaptions) {
        SCOPED_TRACE(std::string(entry.key));
        EXPECT_TRUE(std::none_of(entry.key.begin(), entry.key.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
        EXPECT_TRUE(controls.emplace(entry.window, entry.control).second) << "a control set by two keys";
        keys.insert(entry.key);
    }
    for (const std::string_view key : kAlignmentKeys)
        EXPECT_EQ(keys.count(key), 0u);
}

} // namespace
} // namespace golv
