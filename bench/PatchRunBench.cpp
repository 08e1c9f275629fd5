// The whole patch run on the synthetic image, beside a baseline that writes
// the same list of (position, bytes) with plain positioned writes to the same
// file: what the run's conversions and bookkeeping cost on top of the I/O.
//
//   make bench   (or build/bench/golv_bench --benchmark_repetitions=9)

#include "UserInteraction.h"
#include "config/CommonSection.h"
#include "config/DefaultConfig.h"
#include "config/Session.h"
#include "config/VersionSection.h"
#include "patcher/ModifyExe.h"

#include <benchmark/benchmark.h>

#include <cstdio>
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

// A session on the default configuration with a 1 MiB executable in a
// temporary folder, as start-up leaves it.
struct Setup {
    Setup()
    {
        folder = std::filesystem::temp_directory_path() / ("golv-bench-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder);
        session.configPath = (folder / "golv.cfg").string();
        session.exePath = (folder / "quenb.exe").string();
        std::ofstream(session.exePath, std::ios::binary) << std::string(1 << 20, '\0');
        if (!golv::RecreateConfig(session.configPath) || !golv::LoadCommonConfig(session))
            throw std::runtime_error("no configuration");
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

void patchRun(benchmark::State& state)
{
    Setup setup;
    for (auto _ : state) {
        if (!golv::ModifyExe(setup.session).patched())
            state.SkipWithError("the patch run failed");
    }
}
BENCHMARK(patchRun)->Unit(benchmark::kMicrosecond);

void plainPositionedWrites(benchmark::State& state)
{
    Setup setup;
    std::vector<golv::PatchWrite> writes;
    if (!golv::ModifyExe(setup.session, &writes).patched())
        state.SkipWithError("the patch run failed");
    state.counters["writes"] = static_cast<double>(writes.size());
    for (auto _ : state) {
        std::FILE* file = std::fopen(setup.session.exePath.c_str(), "r+b");
        for (const golv::PatchWrite& write : writes) {
            std::fseek(file, static_cast<long>(write.position - 1), SEEK_SET);
            std::fwrite(write.bytes.data(), 1, write.bytes.size(), file);
        }
        std::fclose(file);
    }
}
BENCHMARK(plainPositionedWrites)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
