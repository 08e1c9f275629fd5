#include "config/TextFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace golv {
namespace {

using Lines = std::vector<std::string>;

// Every line end, read from a file in pieces and split in memory alike; a CR
// LF that the reader's pieces cut apart is still one line end. A line as long
// as the reader holds is still read; one byte more stops the reading there,
// with the line's number.
TEST(TextFile, acceptsEveryLineEndAndStopsAtAnEndlessLine)
{
    const std::size_t longest = TextFileReader::kLongestLine;
    const std::string longLine(65535, 'x');
    struct Row {
        std::string text;
        Lines lines;
        int tooLong = 0; // the line number in "Line N of <path> is too long."
    };
    const Row rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}}, // a last line without an end counts
        {"a\n\rb", {"a", "", "b"}},     // LF CR is two line ends
        {"\r\nb", {"", "b"}},           // a text may begin with a line end
        {"", {}},
        {longLine + "\r\nz", {longLine, "z"}},
        {std::string(longest, 'x') + "\nz", {std::string(longest, 'x'), "z"}},
        {std::string(longest + 1, 'x'), {}, 1},
        {"a\r\n" + std::string(longest + 1, 'x'), {"a"}, 2},
    };
    test::TempFolder folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 12));
        if (row.tooLong == 0) {
            EXPECT_EQ(splitTextLines(row.text), row.lines);
        }
        folder.write("lines.txt", row.text);
        std::string error;
        const auto reader = TextFileReader::open(folder / "lines.txt", error);
        ASSERT_TRUE(reader) << error;
        Lines lines;
        while (auto line = reader->next())
            lines.push_back(std::move(*line));
        EXPECT_EQ(lines, row.lines);
        EXPECT_EQ(reader->error(),
            row.tooLong ? "Line " + std::to_string(row.tooLong) + " of " + (folder / "lines.txt") + " is too long."
                        : "");
    }
}

} // namespace
} // namespace golv
