#include "config/TextFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace golv {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, acceptsEveryLineEnd)
{
    EXPECT_EQ(splitTextLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitTextLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitTextLines("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(splitTextLines("a\r\n\r\nb"), (Lines{"a", "", "b"})) << "a last line without end counts";
    EXPECT_EQ(splitTextLines("a\n\rb"), (Lines{"a", "", "b"})) << "LF CR is two line ends";
    EXPECT_EQ(splitTextLines(""), Lines{});
}

TEST(TextFile, anAtomicWriteThatFailsLeavesTheOldFileWhole)
{
    test::TempFolder folder;
    folder.write("preset.qpt", std::string_view("old"));
    ASSERT_TRUE(writeFileAtomically(folder / "preset.qpt", "new"));
    EXPECT_EQ(folder.read("preset.qpt"), "new");

    // A target that cannot be replaced: a non-empty folder of that name.
    std::filesystem::create_directories(folder / "taken" / "inside");
    EXPECT_FALSE(writeFileAtomically(folder / "taken", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken" / "inside"));
    EXPECT_FALSE(std::filesystem::exists(folder / "taken.golv-tmp")) << "no temporary file is left behind";
}

} // namespace
} // namespace golv
