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
    EXPECT_EQ(keys.size(), kCaptionKeyCount);
    for (const std::string_view key : kAlignmentKeys)
        EXPECT_EQ(keys.count(key), 0u);
    // Every window has a title key.
    for (int window = 0; window <= static_cast<int>(Window::Form2); ++window)
        EXPECT_TRUE(builtInCaption(static_cast<Window>(window), kWindowTitle).has_value()) << window;
}

TEST(CaptionTable, aKeyThatSetsSeveralControlsListsThemInOrder)
{
    std::vector<std::pair<Window, std::string_view>> defaults;
    for (const CaptionEntry& entry : kCaptions) {
        if (entry.key == "defaults")
            defaults.emplace_back(entry.window, entry.control);
    }
    ASSERT_EQ(defaults.size(), 12u);
    EXPECT_EQ(defaults.front(), std::make_pair(Window::Form1, std::string_view("Command9")));
    // The physics window's apply button comes last, with its own caption.
    EXPECT_EQ(defaults.back(), std::make_pair(Window::CustPhys, std::string_view("Command3")));
    EXPECT_EQ(builtInCaption(Window::CustPhys, "Command3"), "apply");
    EXPECT_EQ(builtInCaption(Window::CustEnemy, "Label1(1)"), "Baddy 1:");
}

} // namespace
} // namespace golv
