// Writes a synthetic engine executable for a configuration, so GOLV can be run
// and tested without the real engine: an image long enough for every position
// of the configuration's first version section, the detection bytes at
// VersionCheckOffset, the build's own bytes at every patch site (what a patch
// run with the configuration's defaults writes there), and reproducible
// pseudo-random bytes everywhere else.
//
//   make-test-exe [--config FILE] [--seed N] [--with-config] OUTPUT
//
// --config      read FILE instead of the built-in default configuration
// --seed        seed of the byte generator (default 1)
// --with-config also write the default configuration as golv.cfg beside
//               OUTPUT, unless one is there already

#include "UserInteraction.h"
#include "codec/Codec.h"
#include "config/CommonSection.h"
#include "config/DefaultConfig.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "config/SplitKeyValue.h"
#include "config/TextFile.h"
#include "config/VersionSection.h"
#include "config/VersionTables.h"
#include "patcher/ModifyExe.h"
#include "settings/SettingId.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

class StderrInteraction final : public golv::UserInteraction {
public:
    void message(std::string_view text, std::string_view, std::string_view) override { std::cerr << text << '\n'; }
    bool confirm(std::string_view, std::string_view, std::string_view) override { return false; }
    std::optional<std::string> chooseFileToOpen(std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> chooseFileToSave(std::string_view, std::string_view) override { return {}; }
};

struct Options {
    std::string configFile;
    std::uint32_t seed = 1;
    bool withConfig = false;
    std::string output;
};

[[noreturn]] void fail(const std::string& text)
{
    std::cerr << "make-test-exe: " << text << '\n';
    std::exit(1);
}

Options parseOptions(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--config" && i + 1 < argc) {
            options.configFile = argv[++i];
        } else if (argument == "--seed" && i + 1 < argc) {
            options.seed = static_cast<std::uint32_t>(std::stoul(argv[++i]));
        } else if (argument == "--with-config") {
            options.withConfig = true;
        } else if (!argument.empty() && argument[0] != '-' && options.output.empty()) {
            options.output = argument;
        } else {
            fail("usage: make-test-exe [--config FILE] [--seed N] [--with-config] OUTPUT");
        }
    }
    if (options.output.empty())
        fail("no output file given");
    return options;
}

// The pattern of the first version section, back as bytes: two digits a byte.
// A pattern with one-digit bytes (01 to 0F) cannot be read back unambiguously
// and is refused.
std::vector<std::uint8_t> firstSectionPattern(const std::vector<std::string>& lines, std::string& patternText)
{
    for (const std::string& line : lines) {
        if (golv::toLowerAscii(line.substr(0, 9)) != "[version ")
            continue;
        patternText = line.substr(9, line.find(';') == std::string::npos ? std::string::npos : line.find(';') - 9);
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i + 1 < patternText.size(); i += 2)
            bytes.push_back(static_cast<std::uint8_t>(std::stoul(patternText.substr(i, 2), nullptr, 16)));
        if (golv::versionHexOf(bytes) != patternText)
            fail("the pattern " + patternText + " cannot be turned back into bytes");
        return bytes;
    }
    fail("the configuration has no version section");
}

// A patch run with every check box checked, then one with the defaults: sites
// that only a checked box writes (such as the separate small-medkit count)
// keep what that state writes with default values, every other site holds
// the default run's bytes. So the image looks unpatched, and switching an
// option on and off again gives back the image.
void writePatchSites(golv::Session& session, const std::vector<std::string>& lines, const std::string& output)
{
    session.executable.path = output;
    session.settings.setAlignmentCaptions({"left", "center", "rite"});
    for (golv::SettingId id = 0; id < golv::kSettings.size(); ++id) {
        if (golv::kSettings[id].conversion == golv::Conversion::CheckState)
            session.settings.setState(id, 1);
    }
    if (const auto checked = golv::ModifyExe(session, nullptr, golv::KeepOriginal::No); !checked.patched())
        fail(golv::describeProblems(checked));
    if (golv::Status common = golv::applyCommonSection(session, golv::kAllCategories, lines); !common)
        fail(common.reason());
    if (const auto defaults = golv::ModifyExe(session, nullptr, golv::KeepOriginal::No); !defaults.patched())
        fail(golv::describeProblems(defaults));
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = parseOptions(argc, argv);

    std::vector<std::string> lines;
    if (options.configFile.empty()) {
        lines = golv::defaultConfigLines();
    } else {
        std::string error;
        const auto file = golv::TextFileReader::open(options.configFile, error);
        if (!file)
            fail(error);
        while (auto line = file->next())
            lines.push_back(std::move(*line));
        if (!file->error().empty())
            fail(file->error());
    }

    StderrInteraction interaction;
    golv::Session session(interaction);
    session.configPath = options.configFile.empty() ? "(built-in configuration)" : options.configFile;
    if (golv::Status common = golv::applyCommonSection(session, golv::kAllCategories, lines); !common)
        fail(common.reason());
    std::string patternText;
    const std::vector<std::uint8_t> pattern = firstSectionPattern(lines, patternText);
    session.versionHex = patternText;
    if (golv::Status sections = golv::applyVersionSections(session, lines); !sections)
        fail(sections.reason());

    // Room for every position with the widest displacement the patch groups
    // use and the longest code string, rounded up to whole pages.
    constexpr std::int64_t kDisplacementRoom = 128;
    constexpr std::int64_t kPage = 4096;
    std::int64_t end = static_cast<std::int64_t>(session.offsets[1]) + session.numBytesToRead;
    for (int slot = 2; slot <= static_cast<int>(golv::kOffsetSlots); ++slot)
        end = std::max<std::int64_t>(end, session.offsets[slot]);
    std::size_t longestData = 0;
    for (std::size_t i = 0; i < golv::kEngineDataEntries; ++i)
        longestData = std::max(longestData, session.engineData[i].size() / 2);
    end += kDisplacementRoom + static_cast<std::int64_t>(longestData);
    const std::int64_t size = (end + kPage - 1) / kPage * kPage;

    std::vector<std::uint8_t> image(static_cast<std::size_t>(size));
    std::mt19937 generator(options.seed);
    for (std::uint8_t& byte : image)
        byte = static_cast<std::uint8_t>(generator() >> 24);
    if (session.offsets[1] < 1)
        fail("VersionCheckOffset must be a position of 1 or more");
    std::copy(pattern.begin(), pattern.end(), image.begin() + (session.offsets[1] - 1));

    std::ofstream out(golv::platform::nativePath(options.output), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out)
        fail("cannot write " + options.output);

    writePatchSites(session, lines, options.output);

    if (options.withConfig) {
        const std::filesystem::path native = golv::platform::nativePath(options.output);
        const std::string config = golv::platform::utf8Path(native.parent_path() / "golv.cfg");
        if (!golv::platform::exists(config)) {
            if (golv::Status written = golv::RecreateConfig(config); !written)
                fail(written.reason());
        }
    }
    return 0;
}
