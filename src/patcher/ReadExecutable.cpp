#include "patcher/ReadExecutable.h"

#include "UserInteraction.h"
#include "codec/Numbers.h"
#include "config/BinaryFile.h"
#include "config/Session.h"
#include "config/VersionSection.h"
#include "patcher/ModifyExe.h"
#include "patcher/PatchPreview.h"
#include "settings/SettingId.h"

#include <algorithm>
#include <array>

namespace golv {
namespace {

// A long list in a question is cut; the details hold it whole.
constexpr std::size_t kMostListed = 10;

std::string shownValue(const SettingsReading& reading, SettingId id)
{
    const auto undetermined = std::find_if(reading.undetermined.begin(), reading.undetermined.end(),
        [id](const UndeterminedSetting& setting) { return setting.setting == id; });
    if (undetermined != reading.undetermined.end())
        return "undetermined (" + hexBytes(undetermined->found) + " at " + std::to_string(undetermined->position) + ")";
    if (!reading.read[id])
        return "-";
    const SettingDef& def = kSettings[id];
    const ControlKind kind = kindOf(def.conversion);
    if (kind == ControlKind::Text || def.conversion == Conversion::ListText)
        return reading.values[id].text.empty() ? "\"\"" : reading.values[id].text;
    return formatNumber(reading.values[id].number);
}

} // namespace

Status readBuildBytes(const Session& session, const std::string& path, ExecutableBytes& bytes, bool* otherBuild)
{
    if (otherBuild != nullptr)
        *otherBuild = false;
    std::string error;
    const auto file = BinaryFile::open(path, error);
    if (!file)
        return Status::failure(error);
    const auto versionHex = readVersionHex(session, *file);
    if (!versionHex)
        return Status::failure("Cannot read the build-detection bytes of " + path + ".");
    if (!session.versionFound || *versionHex != session.versionHex) {
        if (otherBuild != nullptr)
            *otherBuild = true;
        return Status::failure(path + " is not of the build GOLV found in " + session.executable.name
            + " at start-up: its detection bytes differ.");
    }
    return ExecutableBytes::read(*file, writableRanges(session.offsets, session.engineData), bytes);
}

std::vector<std::string> undeterminedLines(const SettingsReading& reading)
{
    std::vector<std::string> lines;
    for (const UndeterminedSetting& setting : reading.undetermined) {
        const SettingDef& def = kSettings[setting.setting];
        lines.push_back("  " + std::string(def.key) + " (" + std::string(windowDescription(def.window)) + ") at "
            + std::to_string(setting.position) + ": " + hexBytes(setting.found));
    }
    return lines;
}

std::vector<std::string> differingSettings(
    const SettingsReading& here, std::string_view hereName, const SettingsReading& there, std::string_view thereName)
{
    std::vector<std::array<std::string, 3>> rows = {{"setting", std::string(hereName), std::string(thereName)}};
    for (SettingId id = 0; id < kSettingCount; ++id) {
        std::string mine = shownValue(here, id);
        std::string theirs = shownValue(there, id);
        if (mine != theirs)
            rows.push_back({std::string(kSettings[id].key), std::move(mine), std::move(theirs)});
    }
    if (rows.size() == 1)
        return {};
    std::array<std::size_t, 2> widths{};
    for (const auto& row : rows) {
        widths[0] = std::max(widths[0], row[0].size());
        widths[1] = std::max(widths[1], row[1].size());
    }
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        lines.push_back(row[0] + std::string(widths[0] - row[0].size() + 2, ' ') + row[1]
            + std::string(widths[1] - row[1].size() + 2, ' ') + row[2]);
    }
    return lines;
}

std::string confirmReadPrompt(const Session& session, const SettingsReading& reading)
{
    std::string prompt = "Load the settings that " + session.executable.name
        + " holds into every window?\nCtrl+Z undoes the load as one step.";
    const std::vector<std::string> listed = undeterminedLines(reading);
    if (listed.empty())
        return prompt;
    prompt += "\n\nThese settings keep their values: " + session.executable.name
        + " holds bytes there that no value their window takes would write.";
    for (std::size_t i = 0; i < listed.size() && i < kMostListed; ++i)
        prompt += "\n" + listed[i];
    if (listed.size() > kMostListed)
        prompt += "\n  and " + std::to_string(listed.size() - kMostListed) + " more, in the details.";
    return prompt;
}

bool readExecutableCommand(Session& session)
{
    ExecutableBytes bytes;
    bool otherBuild = false;
    if (Status read = readBuildBytes(session, session.executable.path, bytes, &otherBuild); !read) {
        if (!otherBuild) {
            session.ui.message("Cannot read " + session.executable.name + ".", kCannotReadTitle, read.reason());
            return false;
        }
        // Positions of the build read at start-up would be read from another file.
        if (session.ui.confirm(
                executableChangedMessage(session) + "\nRead " + session.executable.name + " again?", kCannotReadTitle))
            rereadExecutable(session);
        return false;
    }
    const SettingsReading reading = readSettings(session, bytes, session.settings.values());
    std::string details;
    for (const std::string& line : undeterminedLines(reading))
        details += line + "\n";
    if (!reading.problems.empty())
        details += "The run with the settings read cannot be made:\n" + describeProblems(reading.problems);
    if (!details.empty() && details.back() == '\n')
        details.pop_back();
    if (!session.ui.confirm(confirmReadPrompt(session, reading), kConfirmReadTitle, details))
        return false;
    session.firstLoads.load(reading.values);
    return true;
}

} // namespace golv
