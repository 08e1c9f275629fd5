#include "config/TextFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>

namespace golv {
namespace {

using Lines = std::vector<std::string>;

Lines readAll(LineSource& source)
{
    Lines lines;
    while (auto line = source.next())
        lines.push_back(std::move(*line));
    return lines;
}

// Every line end, read from a file in pieces and split in memory alike; a CR
// LF that the reader's pieces cut apart is still one line end.
TEST(TextFile, acceptsEveryLineEnd)
{
    const std::string longLine(65535, 'x');
    const std::pair<std::string, Lines> rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}}, // a last line without an end counts
        {"a\n\rb", {"a", "", "b"}},     // LF CR is two line ends
        {"", {}},
        {longLine + "\r\nz", {longLine, "z"}},
    };
    test::TempFolder folder;
    for (const auto& [text, lines] : rows) {
        SCOPED_TRACE(text.substr(0, 12));
        EXPECT_EQ(splitTextLines(text), lines);
        folder.write("lines.txt", text);
        std::string error;
        const auto reader = TextFileReader::open(folder / "lines.txt", error);
        ASSERT_TRUE(reader) << error;
        EXPECT_EQ(readAll(*reader), lines);
        EXPECT_EQ(reader->error(), "");
    }
}

TEST(TextFile, onlyRegularFilesAreReadAndAnEndlessLineStops)
{
    test::TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "folder");
    for (const char* name : {"fifo", "folder", "missing"}) {
        SCOPED_TRACE(name);
        const auto started = std::chrono::steady_clock::now();
        std::string error;
        EXPECT_FALSE(TextFileReader::open(folder / name, error)) << "never waits for a writer";
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
        EXPECT_NE(error, "");
    }

    folder.write("long.txt", std::string(TextFileReader::kLongestLine + 10, 'x'));
    std::string error;
    const auto reader = TextFileReader::open(folder / "long.txt", error);
    ASSERT_TRUE(reader);
    EXPECT_FALSE(reader->next());
    EXPECT_NE(reader->error().find("is too long"), std::string::npos);
}

std::vector<std::filesystem::path> entries(const test::TempFolder& folder)
{
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// A replaced file is the old one or the new one, never a mix, and nothing is
// left behind; what may not be replaced is left alone.
TEST(TextFile, replacingAFileIsAllOrNothing)
{
    test::TempFolder folder;
    folder.write("preset.qpt", std::string_view("old"));
    ::chmod((folder / "preset.qpt").c_str(), 0640);
    ASSERT_TRUE(platform::replaceFile(folder / "preset.qpt", "new"));
    EXPECT_EQ(folder.read("preset.qpt"), "new");
    struct stat status { };
    ::stat((folder / "preset.qpt").c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u) << "the permissions are kept";

    // A link in place of the target is replaced, not written through.
    folder.write("other.txt", std::string_view("someone else's"));
    std::filesystem::create_symlink(folder / "other.txt", folder / "linked.qpt");
    ASSERT_TRUE(platform::replaceFile(folder / "linked.qpt", "preset"));
    EXPECT_EQ(folder.read("other.txt"), "someone else's");
    EXPECT_EQ(folder.read("linked.qpt"), "preset");

    folder.write("locked.qpt", std::string_view("kept"));
    ::chmod((folder / "locked.qpt").c_str(), 0444);
    const Status locked = platform::replaceFile(folder / "locked.qpt", "x");
    EXPECT_FALSE(locked);
    EXPECT_NE(locked.reason().find("read-only"), std::string::npos);
    EXPECT_EQ(folder.read("locked.qpt"), "kept");

    std::filesystem::create_directories(folder / "taken" / "inside");
    EXPECT_FALSE(platform::replaceFile(folder / "taken", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken" / "inside"));

    // A disk that fills up halfway: the write fails, the old file stays.
    const auto before = entries(folder);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    rlimit small = original;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Status full = platform::replaceFile(folder / "preset.qpt", std::string(5000, 'z'));
    ::setrlimit(RLIMIT_FSIZE, &original);
    EXPECT_FALSE(full);
    EXPECT_EQ(folder.read("preset.qpt"), "new");
    EXPECT_EQ(entries(folder), before) << "no temporary file is left behind";
}

} // namespace
} // namespace golv
