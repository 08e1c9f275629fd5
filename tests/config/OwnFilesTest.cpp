#include "config/OwnFiles.h"

#include "config/ConfigFixture.h"

namespace golv {
namespace {

class OwnFilesTest : public test::ConfigFixture {
protected:
    OwnFilesTest()
    {
        session.exeName = "quenb.exe";
        session.exePath = folder / "quenb.exe";
        folder.write("quenb.exe", std::string_view("MZ"));
    }
};

#ifdef _WIN32
constexpr bool kNamesIgnoreCase = true;
#else
constexpr bool kNamesIgnoreCase = false;
#endif

TEST_F(OwnFilesTest, nothingIsSavedOverTheFilesASessionWorksOn)
{
    std::filesystem::create_hard_link(folder.native("quenb.exe"), folder.native("linked.exe"));
    const struct {
        const char* name;
        const char* role; // null: the name may be written
    } rows[] = {
        {"quenb.exe", "the game's executable"},
        {"linked.exe", "the game's executable"},
        {"missing/../quenb.exe", "the game's executable"},
        {"QUENB.EXE", kNamesIgnoreCase ? "the game's executable" : nullptr},
        {"quenb.exe.orig", "the kept original of the game's executable"},
        {"Quenb.Exe.Orig", kNamesIgnoreCase ? "the kept original of the game's executable" : nullptr},
        {"golv.cfg", "GOLV's configuration"},
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
