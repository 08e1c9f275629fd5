// Every file GOLV writes is replaced whole or not at all: a system call that
// fails in the middle of a run, or a run killed outright, leaves each file
// wholly as it was or wholly as a finished run makes it, and a run that
// failed says so.

#include "patcher/ModifyExe.h"
#include "patcher/PatchFixture.h"
#include "patcher/PatchPreview.h"
#include "presets/Presets.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <random>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace golv {
namespace {

using platform::detail::Fault;
using platform::detail::Operation;

const std::pair<Operation, const char*> kOperations[] = {
    {Operation::Open, "open"}, {Operation::Write, "write"}, {Operation::Flush, "flush"}, {Operation::Rename, "rename"}};

// The calls a run has made so far, and the one that is to fail, or to have
// something happen beside it.
struct Injection {
    std::map<Operation, int> calls;
    Operation operation = Operation::Open;
    int nth = 0; // 0: none fails
    Fault fault;
    std::function<void()> meanwhile = {};
};
Injection injection;

Fault injectFault(Operation operation)
{
    const int call = ++injection.calls[operation];
    if (operation != injection.operation || call != injection.nth)
        return {};
    if (injection.meanwhile)
        injection.meanwhile();
    return injection.fault;
}

// A file's content, or none when it does not exist.
using Content = std::optional<std::string>;

// The hook counts every call of every test, and lets one fail when a test asks.
class InterruptedWritesTest : public test::PatchFixture {
protected:
    InterruptedWritesTest()
    {
        injection = {};
        platform::detail::setFaultHook(injectFault);
    }
    ~InterruptedWritesTest() override { platform::detail::setFaultHook(nullptr); }

    Content content(const std::string& name) const
    {
        return std::filesystem::exists(folder.native(name)) ? Content(folder.read(name)) : std::nullopt;
    }

    void put(const std::string& name, const Content& value) const
    {
        std::error_code ignored;
        std::filesystem::remove(folder.native(name), ignored);
        if (value)
            folder.write(name, *value);
    }

    // Names of unfinished replacements left in the folder.
    std::vector<std::string> leftovers() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.native())) {
            const std::string name = platform::utf8Path(entry.path().filename());
            if (name.find(".golv-") != std::string::npos)
                names.push_back(name);
        }
        return names;
    }

    void removeLeftovers() const
    {
        for (const std::string& name : leftovers())
            std::filesystem::remove(folder.native(name));
    }
};

TEST_F(InterruptedWritesTest, aFailedCallLeavesEveryFileWholeAndTheRunSaysSo)
{
    const std::string zeros = blankImage();
    const std::string oldConfig = "[common]\r\nthis golv.cfg is damaged\r\n";
    auto patchRun = [&] {
        const PatchOutcome outcome = ModifyExe(session);
        return outcome.patched() ? Status::ok() : Status::failure(describeProblems(outcome));
    };
    struct Row {
        const char* name;
        // The files the run writes, the first the one it replaces, each with
        // its content before the run.
        std::vector<std::pair<std::string, Content>> files;
        std::function<Status()> run;
    };
    std::string patched = zeros;
    patched.replace(static_cast<std::size_t>(offset("DDOffset") - 1), 2, "\xA0\x46");
    const std::vector<Row> rows = {
        {"patch run", {{"quenb.exe", zeros}, {"quenb.exe.orig", std::nullopt}}, patchRun},
        {"patch run with the original kept already", {{"quenb.exe", zeros}, {"quenb.exe.orig", patched}}, patchRun},
        {"patch run that sets aside an original of another executable",
            {{"quenb.exe", zeros}, {"quenb.exe.orig", "an older game"}, {"quenb.exe.orig.1", std::nullopt}}, patchRun},
        {"restore of the original", {{"quenb.exe", patched}, {"quenb.exe.orig", zeros}},
            [&] { return restoreOriginal(session); }},
        {"golv.cfg written anew", {{"golv.cfg", oldConfig}, {"golv.cfg.bak", std::nullopt}},
            [&] { return regenerateConfig(session.configPath, ui, "golv.cfg is damaged."); }},
        {"preset save", {{"mine.qpt", "[preset]\r\nan older preset\r\n"}},
            [&] { return writePreset(store(), folder / "mine.qpt"); }},
        {"patch export", {{"changes.vcdiff", "an older patch"}},
            [&] { return exportPatch(session, folder / "changes.vcdiff"); }},
    };

    const std::string config = folder.read("golv.cfg");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto prepare = [&] {
            folder.write("golv.cfg", config);
            folder.write("quenb.exe", zeros);
            put("quenb.exe.orig", std::nullopt);
            for (const auto& [name, before] : row.files)
                put(name, before);
            removeLeftovers();
            ui.messages.clear();
        };

        // A run without faults: what each file becomes, and how many calls
        // of each kind the run makes.
        prepare();
        injection = {};
        const Status clean = row.run();
        ASSERT_TRUE(clean) << clean.reason();
        const std::map<Operation, int> calls = injection.calls;
        std::vector<Content> after;
        for (const auto& file : row.files)
            after.push_back(content(file.first));
        ASSERT_NE(after.front(), row.files.front().second) << "the run changes its file";

        for (const auto& [operation, name] : kOperations) {
            const int reached = calls.count(operation) != 0 ? calls.at(operation) : 0;
            for (int nth = 1; nth <= reached; ++nth) {
                for (const Fault& fault : {Fault{EIO, false}, Fault{ENOSPC, false}, Fault{0, true}}) {
                    if (fault.shortWrite && operation != Operation::Write)
                        continue; // only a write can be taken in part
                    SCOPED_TRACE(std::string(name) + " call " + std::to_string(nth)
                        + (fault.shortWrite ? " writes half" : " fails with errno " + std::to_string(fault.error)));
                    prepare();
                    injection = {{}, operation, nth, fault};
                    const Status done = row.run();

                    // A write the system takes only in part is finished by
                    // the next; every failure the system reports ends the run.
                    EXPECT_EQ(done.isOk(), fault.shortWrite) << done.reason();
                    if (done.isOk()) {
                        for (std::size_t i = 0; i < row.files.size(); ++i)
                            EXPECT_TRUE(content(row.files[i].first) == after[i]) << row.files[i].first;
                    } else {
                        EXPECT_FALSE(done.reason().empty()) << "a failed run says why";
                        EXPECT_TRUE(content(row.files.front().first) == row.files.front().second)
                            << row.files.front().first << " is as it was";
                        // A kept copy is there whole, or not at all, and none is lost.
                        for (std::size_t i = 1; i < row.files.size(); ++i) {
                            const Content now = content(row.files[i].first);
                            EXPECT_TRUE(now == row.files[i].second || now == after[i]) << row.files[i].first;
                            EXPECT_TRUE(!row.files[i].second
                                || std::ranges::any_of(row.files,
                                    [&](const auto& file) { return content(file.first) == row.files[i].second; }))
                                << row.files[i].first << " is lost";
                        }
                    }
                    EXPECT_EQ(leftovers(), std::vector<std::string>{});
                }
            }
        }
    }
}

#ifndef _WIN32
// SIGKILL gives the run no chance to tidy up: the files must be whole by the
// order of the steps alone. A large executable widens the window in which
// the kill falls.
TEST_F(InterruptedWritesTest, aKilledPatchRunLeavesTheExecutableOldOrNew)
{
    const std::string before = blankImage('\0', std::size_t{48} << 20);
    folder.write("quenb.exe", before);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(ModifyExe(session));
    const auto duration
        = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    const std::string after = image();

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, duration.count() * 5 / 4);
    for (int kill = 0; kill < 12; ++kill) {
        folder.write("quenb.exe", before);
        std::filesystem::remove(folder.native("quenb.exe.orig"));
        removeLeftovers();
        const long wait = delay(random);
        SCOPED_TRACE("killed after " + std::to_string(wait) + " us");

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            ::_exit(ModifyExe(session) ? 0 : 1);
        ::usleep(static_cast<useconds_t>(wait));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const std::string now = image();
        EXPECT_TRUE(now == before || now == after) << "a half-patched executable";
        if (std::filesystem::exists(folder.native("quenb.exe.orig"))) {
            EXPECT_TRUE(folder.read("quenb.exe.orig") == before) << "a half-kept original";
        }
        // A kill can leave an unfinished replacement behind, but never under
        // the name of a file GOLV reads.
        for (const std::string& name : leftovers())
            EXPECT_EQ(name.front(), '.') << name;
    }
}
#endif

// Another file takes the executable's name while the run makes its copy: the
// copy does not take its place, and no original is kept of a file that is
// gone.
TEST_F(InterruptedWritesTest, aFileThatTakesTheExecutablesNameMeanwhileIsLeftAsItIs)
{
    const std::string before = image();
    std::string patched = before;
    patched.replace(static_cast<std::size_t>(offset("DDOffset") - 1), 2, "\xA0\x46");
    const std::string other = blankImage('\x5A');
    auto swap = [this, &other] {
        folder.write("other.exe", other);
        std::filesystem::rename(folder.native("other.exe"), folder.native("quenb.exe"));
    };
    const struct {
        const char* name;
        Content original;
        std::function<Status()> run;
    } rows[] = {
        {"patch run", std::nullopt,
            [this] {
                const PatchOutcome outcome = ModifyExe(session);
                EXPECT_EQ(outcome.result, PatchOutcome::Result::ExecutableChanged);
                return outcome ? Status::ok() : Status::failure(describeProblems(outcome));
            }},
        {"restore", before, [this] { return restoreOriginal(session); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        folder.write("quenb.exe", row.original ? patched : before);
        put("quenb.exe.orig", row.original);
        // The first flush is that of the first file the run makes.
        injection = {{}, Operation::Flush, 1, {}, swap};
        const Status done = row.run();
        EXPECT_NE(done.reason().find("changed since GOLV read it"), std::string::npos) << done.reason();
        EXPECT_TRUE(image() == other);
        EXPECT_TRUE(content("quenb.exe.orig") == row.original);
        EXPECT_EQ(leftovers(), std::vector<std::string>{});
    }
}

TEST_F(InterruptedWritesTest, theOriginalIsKeptOnceAndPutBackAfterTheQuestion)
{
    const std::string original = image();
    ui.confirmAnswers = {true};
    EXPECT_FALSE(restoreCommand(session));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No original of quenb.exe is kept: quenb.exe.orig is missing.");
    EXPECT_TRUE(ui.questions.empty()) << "nothing to ask about";

    ASSERT_TRUE(ModifyExe(session));
    const std::string patched = image();
    store().setText(settingId("PistolDamage"), "7");
    ASSERT_TRUE(ModifyExe(session));
    EXPECT_EQ(folder.read("quenb.exe.orig"), original) << "a later run keeps the first original";
    EXPECT_NE(image(), patched);

    ui.confirmAnswers = {false};
    EXPECT_FALSE(restoreCommand(session));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text,
        "Put back the original quenb.exe kept as quenb.exe.orig?\nEvery change made to quenb.exe since is lost.");
    EXPECT_NE(image(), original) << "Cancel puts nothing back";

    ui.confirmAnswers = {true};
    EXPECT_TRUE(restoreCommand(session));
    EXPECT_EQ(image(), original);
    EXPECT_EQ(folder.read("quenb.exe.orig"), original) << "the original stays for another time";
    EXPECT_EQ(ui.messages.size(), 1u) << "a restore that worked says nothing more";

    // An original that is not this executable's own is never put back: the
    // game was updated, or the file is of another build, or of none.
    folder.write("golv.cfg",
        folder.read("golv.cfg") + "[version " + std::string(32, '4') + ";Another build]\r\n[end version]\r\n");
    std::string updated = original, anotherBuild = original;
    updated[16] = 'U';
    anotherBuild.replace(static_cast<std::size_t>(session.offsets[1] - 1), 16, std::string(16, 'D'));
    const std::pair<std::string, std::string> refused[]
        = {{"", "quenb.exe.orig is empty."}, {"older", "quenb.exe.orig is of no build that golv.cfg knows."},
            {anotherBuild, "quenb.exe.orig is not the original of this quenb.exe: "},
            {updated, "quenb.exe.orig is not the original of this quenb.exe: "}};
    for (const auto& [kept, said] : refused) {
        folder.write("quenb.exe.orig", kept);
        ui.messages.clear();
        EXPECT_FALSE(restoreCommand(session));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_TRUE(ui.messages[0].details.starts_with(said)) << ui.messages[0].details;
        EXPECT_EQ(image(), original);
    }
}

} // namespace
} // namespace golv
