#include "config/PlatformFile.h"

#include "codec/TextEncoding.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <memory>

namespace golv {
namespace {

using platform::joinPath;

std::vector<std::filesystem::path> entries(const test::TempFolder& folder)
{
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.native()))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

bool opens(const std::string& path, std::string& error)
{
    std::FILE* file = platform::openRegularFile(path, error);
    return file != nullptr && std::fclose(file) == 0;
}

TEST(PlatformFile, pathsAreJoinedTheWayTheSystemReadsThem)
{
    struct Row {
        const char* what;
        const char* folder;
        const char* name;
        const char* joined;
    };
#ifdef _WIN32
    const Row rows[] = {
        {"a name in a folder", "C:\\games\\level", "quenb.exe", "C:\\games\\level\\quenb.exe"},
        {"a folder that ends in its separator", "C:\\", "quenb.exe", "C:\\quenb.exe"},
        {"a name with a folder of its own", "C:\\games", "bin\\quenb.exe", "C:\\games\\bin\\quenb.exe"},
        {"a name with a drive stays whole", "C:\\games", "D:\\engine\\quenb.exe", "D:\\engine\\quenb.exe"},
        {"a share stays whole", "C:\\games", "\\\\server\\engine\\quenb.exe", "\\\\server\\engine\\quenb.exe"},
    };
#else
    const Row rows[] = {
        {"a name in a folder", "/games/level", "quenb.exe", "/games/level/quenb.exe"},
        {"a folder that ends in its separator", "/", "quenb.exe", "/quenb.exe"},
        {"a name with a folder of its own", "/games", "bin/quenb.exe", "/games/bin/quenb.exe"},
        {"a name from the root stays whole", "/games", "/engine/quenb.exe", "/engine/quenb.exe"},
    };
#endif
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(joinPath(row.folder, row.name), row.joined);
    }
}

// A name from a file written in an older Windows editor is Windows-1252;
// once decoded it names the same file as its UTF-8 spelling. (Every test
// works in a folder whose name is UTF-8 outside ASCII.)
TEST(PlatformFile, namesKeepTheirLettersInEveryEncoding)
{
    test::TempFolder folder;
    folder.write("sp\xC3\xA4t.exe", std::string_view("bytes"));
    std::string error;
    EXPECT_TRUE(opens(folder / decodeText("sp\xE4t.exe"), error)) << error;
}

// Only regular files are opened; nothing else is waited on or written.
TEST(PlatformFile, onlyRegularFilesAreOpened)
{
    test::TempFolder folder;
    std::filesystem::create_directory(folder.native("folder"));
    std::vector<std::string> names = {"folder", "missing"};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    names.push_back("fifo");
#endif
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const auto started = std::chrono::steady_clock::now();
        std::string error;
        EXPECT_FALSE(opens(folder / name, error));
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << "never waits for a writer";
        EXPECT_NE(error.find(folder / name), std::string::npos) << "the reason names the file: " << error;
    }
}

// What may not be replaced is left alone, with nothing beside it (a
// read-only file: the preset tests; a replacement cut short: the tests of
// interrupted writes).
TEST(PlatformFile, whatIsNoRegularFileIsNotReplaced)
{
    test::TempFolder folder;
    std::filesystem::create_directories(folder.native("taken") / "inside");
    const Status taken = platform::replaceFile(folder / "taken", "x");
    EXPECT_EQ(taken.reason(), "Cannot replace " + (folder / "taken") + ": it is not a regular file.");
    EXPECT_TRUE(std::filesystem::is_directory(folder.native("taken") / "inside"));
    EXPECT_EQ(entries(folder), std::vector<std::filesystem::path>{"taken"}) << "no temporary file is left behind";
}

// What a killed run left goes at the next start; a replacement still being
// written, and anything else, stays.
TEST(PlatformFile, leftoversOfAKilledRunAreRemoved)
{
    test::TempFolder folder;
    folder.write(".quenb.exe.golv-0123456789abcdef", std::string_view("left by a killed run"));
    folder.write(".quenb.exe.golv-notours", std::string_view("someone else's"));
    Status status = Status::ok();
    const auto running = platform::FileReplacement::begin(folder / "golv.cfg", status);
    ASSERT_TRUE(running) << status.reason();
    platform::removeLeftoverReplacements(folder.path());
    const auto names = entries(folder);
    EXPECT_EQ(names.size(), 2u);
    EXPECT_TRUE(platform::detail::isSiblingName(platform::utf8Path(names[0]))) << "the running one stays";
    EXPECT_EQ(names[1], ".quenb.exe.golv-notours");
}

// Renaming to a free name: the patch run's tests, where an original is set aside.
TEST(PlatformFile, aCopyIsRenamedAsideOnlyToAFreeName)
{
    test::TempFolder folder;
    folder.write("golv.cfg", std::string_view("current"));
    folder.write("golv.cfg.bak", std::string_view("earlier"));
    EXPECT_FALSE(platform::renameWithoutReplacing(folder / "golv.cfg", folder / "golv.cfg.bak", "keep"));
    EXPECT_EQ(folder.read("golv.cfg.bak"), "earlier");
    EXPECT_EQ(folder.read("golv.cfg"), "current");
}

#ifdef _WIN32

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using HeldFile = std::unique_ptr<void, HandleCloser>;

// The running game keeps its executable open and lets nobody write it.
HeldFile holdAsTheGameDoes(const test::TempFolder& folder, std::string_view name)
{
    return HeldFile(::CreateFileW(folder.native(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST(PlatformFile, aFileTheGameHoldsOpenIsNamedInAPlainSentence)
{
    test::TempFolder folder;
    folder.write("quenb.exe", std::string_view("engine"));
    const HeldFile held = holdAsTheGameDoes(folder, "quenb.exe");
    ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
    std::string error;
    EXPECT_TRUE(opens(folder / "quenb.exe", error)) << "reading alongside the game is fine: " << error;

    const Status replaced = platform::replaceFile(folder / "quenb.exe", "patched");
    EXPECT_EQ(replaced.reason(),
        "Cannot replace " + (folder / "quenb.exe") + ": another program has it open. Close the game and try again.");
    EXPECT_EQ(folder.read("quenb.exe"), "engine");
}

TEST(PlatformFile, aReplacedFileKeepsItsAttributes)
{
    test::TempFolder folder;
    folder.write("preset.qpt", std::string_view("old"));
    const std::wstring name = folder.native("preset.qpt").native();
    ASSERT_TRUE(::SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(platform::replaceFile(folder / "preset.qpt", "new"));
    EXPECT_EQ(folder.read("preset.qpt"), "new");
    EXPECT_NE(::GetFileAttributesW(name.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

#else

TEST(PlatformFile, aReplacedFileKeepsItsPermissionsAndLinksAreNotFollowed)
{
    test::TempFolder folder;
    folder.write("preset.qpt", std::string_view("old"));
    ::chmod((folder / "preset.qpt").c_str(), 0640);
    ASSERT_TRUE(platform::replaceFile(folder / "preset.qpt", "new"));
    struct stat status { };
    ::stat((folder / "preset.qpt").c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    // Root writing another user's file leaves it theirs.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown((folder / "preset.qpt").c_str(), 4321, 4321), 0);
        ASSERT_TRUE(platform::replaceFile(folder / "preset.qpt", "newer"));
        ::stat((folder / "preset.qpt").c_str(), &status);
        EXPECT_EQ(status.st_uid, 4321u);
        EXPECT_EQ(status.st_gid, 4321u);
    }

    // A link in place of the target is replaced, not written through.
    folder.write("other.txt", std::string_view("someone else's"));
    std::filesystem::create_symlink(folder.native("other.txt"), folder.native("linked.qpt"));
    ASSERT_TRUE(platform::replaceFile(folder / "linked.qpt", "preset"));
    EXPECT_EQ(folder.read("other.txt"), "someone else's");
    EXPECT_EQ(folder.read("linked.qpt"), "preset");
}

#endif

} // namespace
} // namespace golv
