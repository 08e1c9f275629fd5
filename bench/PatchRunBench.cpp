// The whole patch run, which checks the kept original, writes a patched copy
// and renames it over the executable, beside the least any safe replace of
// the file costs: copying it and flushing the copy. For executables of 1, 5
// and 50 MiB. Then reading every setting back from an executable, and
// finding which settings would change bytes after one edit, as the marks of
// the windows do.
//
//   make bench   (or build/bench/golv_bench --benchmark_repetitions=9)

#include "UserInteraction.h"
#include "config/BinaryFile.h"
#include "config/CommonSection.h"
#include "config/DefaultConfig.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "config/VersionSection.h"
#include "patcher/ExecutableBytes.h"
#include "patcher/ModifyExe.h"
#include "patcher/ReadSettings.h"
#include "settings/SettingId.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace {

class SilentInteraction final : public golv::UserInteraction {
public:
    void message(std::string_view text, std::string_view, std::string_view) override
    {
        throw std::runtime_error(std::string(text));
    }
    bool confirm(std::string_view, std::string_view, std::string_view) override { return true; }
    std::optional<std::string> chooseFileToOpen(std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> chooseFileToSave(std::string_view, std::string_view) override { return {}; }
};

// A session on the default configuration with an executable of `size`
// bytes in a temporary folder, as start-up leaves it.
struct Setup {
    explicit Setup(std::int64_t size)
    {
        folder = std::filesystem::temp_directory_path() / ("golv-bench-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder);
        session.configPath = (folder / "golv.cfg").string();
        session.executable.name = "quenb.exe";
        session.executable.path = (folder / "quenb.exe").string();
        if (!golv::RecreateConfig(session.configPath) || !golv::LoadCommonConfig(session))
            throw std::runtime_error("no configuration");
        // Zeros, but for the bytes the default build is recognised by.
        std::string image(static_cast<std::size_t>(size), '\0');
        image.replace(static_cast<std::size_t>(session.offsets[1] - 1), 16,
            std::string("\x65\x63\x6B\x00\x5F\x49\x4E\x49\x54\x00\x00\x00\x57\x69\x6E\x50", 16));
        std::ofstream(session.executable.path, std::ios::binary) << image;
        session.versionHex = "65636B005F494E495400000057696E50";
        if (!golv::LoadConfig(session))
            throw std::runtime_error("no version section");
        session.settings.setAlignmentCaptions({"left", "center", "rite"});
    }
    ~Setup() { std::filesystem::remove_all(folder); }

    SilentInteraction ui;
    golv::Session session{ui};
    std::filesystem::path folder;
};

constexpr std::int64_t kMiB = std::int64_t{1} << 20;

// A run on an executable patched before: its original is kept and checked.
void patchRun(benchmark::State& state)
{
    Setup setup(state.range(0) * kMiB);
    if (!golv::ModifyExe(setup.session).patched())
        state.SkipWithError("the first patch run failed");
    for (auto _ : state) {
        if (!golv::ModifyExe(setup.session).patched())
            state.SkipWithError("the patch run failed");
    }
}
BENCHMARK(patchRun)->Arg(1)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

// The least a safe replace costs: the file copied to a new one, flushed and
// renamed, a megabyte at a time as the run copies it.
void copyAndFlush(benchmark::State& state)
{
    Setup setup(state.range(0) * kMiB);
    const std::string copy = (setup.folder / "copy.exe").string();
    for (auto _ : state) {
        std::string error;
        golv::Status status = golv::Status::ok();
        const auto file = golv::BinaryFile::open(setup.session.executable.path, error);
        const auto replacement = golv::platform::FileReplacement::begin(copy, status);
        if (!file || !replacement || !file->copyTo({replacement.get()}) || !replacement->commit())
            state.SkipWithError("the copy failed");
    }
}
BENCHMARK(copyAndFlush)->Arg(1)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

// Every setting read back from an executable patched with the defaults,
// starting from other values, the bytes read from the file included.
void readAllSettings(benchmark::State& state)
{
    Setup setup(state.range(0) * kMiB);
    if (!golv::ModifyExe(setup.session, nullptr, golv::KeepOriginal::No).patched())
        state.SkipWithError("the patch run failed");
    setup.session.settings.setText(golv::settingId("PistolDamage"), "7");
    setup.session.settings.setState(golv::settingId("SaveTrigger"), 1);
    for (auto _ : state) {
        std::string error;
        const auto file = golv::BinaryFile::open(setup.session.executable.path, error);
        const golv::SettingsReading reading = golv::readSettings(setup.session, *file);
        if (!reading.undetermined.empty() || !reading.problems.empty())
            state.SkipWithError("the executable did not read back");
    }
}
BENCHMARK(readAllSettings)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

// Which settings would change bytes, after one edit: the plan of the whole
// run against the executable's bytes, read once beforehand.
void changesAfterOneEdit(benchmark::State& state)
{
    Setup setup(kMiB);
    std::string error;
    const auto file = golv::BinaryFile::open(setup.session.executable.path, error);
    golv::ExecutableBytes executable;
    if (!golv::ExecutableBytes::read(
            *file, golv::writableRanges(setup.session.offsets, setup.session.engineData), executable))
        state.SkipWithError("the executable cannot be read");
    constexpr golv::SettingId kDamage = golv::settingId("PistolDamage");
    int edit = 0;
    for (auto _ : state) {
        setup.session.settings.setText(kDamage, std::to_string(++edit % 200));
        const golv::PatchPlan plan = golv::planPatchRun(setup.session, executable.fileSize());
        benchmark::DoNotOptimize(golv::planChanges(plan.writes, executable));
    }
}
BENCHMARK(changesAfterOneEdit)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
