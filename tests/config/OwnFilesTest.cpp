#include "config/OwnFiles.h"

#include "config/ConfigFixture.h"

namespace golv {
namespace {

using OwnFilesTest = test::ConfigFixture;

#ifdef _WIN32
constexpr bool kNamesIgnoreCase = true;
#else
constexpr bool kNamesIgnoreCase = false;
#endif

TEST_F(OwnFilesTest, nothingIsSavedOverTheFilesASessionWorksOn)
{
    session.executable = {"quenb.exe", folder / "quenb.exe"};
    folder.write("quenb.exe", std::string_view("MZ"));
    std::filesystem::create_hard_link(folder.native("quenb.exe"), folder.native("linked.exe"));
    folder.write("golv.cfg.bak.2", std::string_view("kept"));
    std::filesystem::create_hard_link(folder.native("golv.cfg.bak.2"), folder.native("linked.bak"));
    const struct {
        const char* name;
        const char* role; // null: the name may be written
    } rows[] = {
        {"quenb.exe", "the game's executable"},
        {"linked.exe", "the game's executable"},
        {"missing/../quenb.exe", "the game's executable"},
        {"QUENB.EXE", kNamesIgnoreCase ? "the game's executable" : nullptr},
        {"quenb.exe.orig", "a kept original of the game's executable"},
        {"Quenb.Exe.Orig", kNamesIgnoreCase ? "a kept original of the game's executable" : nullptr},
        {"quenb.exe.orig.3", "a kept original of the game's executable"},
        {"golv.cfg", "GOLV's configuration"},
        {"golv.cfg.bak", "a kept copy of GOLV's configuration"},
        {"linked.bak", "a kept copy of GOLV's configuration"},
        {"golv.cfg.bak.12", "a kept copy of GOLV's configuration"},
        {"golv.cfg.bak.x", nullptr},
        {"quenb.exe.qpt", nullptr},
        {"quenb", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = folder / row.name;
        const Status refused = refuseOwnFile(session, path);
        if (row.role == nullptr)
            EXPECT_TRUE(refused) << refused.reason();
        else
            EXPECT_EQ(refused.reason(), "Cannot write " + path + ": it is " + row.role + ". Choose another name.");
    }
}

} // namespace
} // namespace golv
