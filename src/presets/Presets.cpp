#include "presets/Presets.h"

#include "UserInteraction.h"
#include "codec/Numbers.h"
#include "config/CommonSection.h"
#include "config/OwnFiles.h"
#include "config/Session.h"
#include "config/SplitKeyValue.h"
#include "config/TextFile.h"
#include "settings/SettingId.h"

namespace golv {
namespace {

constexpr std::string_view kPresetVersion = "0.673";

// Whether a preset holds every setting a load can put back, or what "save
// preset" writes.
enum class Content { Saved, Whole };

// The text a setting's line carries, or nothing when the line is left out.
std::optional<std::string> presetValue(const SettingsStore& settings, SettingId id, Content content)
{
    const SettingDef& def = kSettings[id];
    if (content == Content::Whole && def.conversion == Conversion::ListIndex && settings.state(id) < 0)
        return "-1";
    switch (def.conversion) {
    case Conversion::CheckState:
    case Conversion::ScrollPosition:
        return std::to_string(settings.state(id));
    case Conversion::OptionIndex:
        if (settings.state(id) < 0)
            return std::nullopt;
        return std::to_string(settings.state(id));
    case Conversion::ListIndex:
        // The alignment list's position, whatever its entries are called.
        if (settings.state(id) < 0 || settings.state(id) >= static_cast<int>(settings.listEntries(id).size()))
            return std::nullopt;
        return std::to_string(settings.state(id));
    case Conversion::VariantFlag:
        return formatNumber(settings.flag(id));
    case Conversion::ByteFlag:
        return std::to_string(static_cast<int>(settings.flag(id)));
    default:
        return settings.text(id);
    }
}

std::vector<std::string> linesOf(const SettingsStore& settings, Content content, const std::vector<bool>& leftOut)
{
    std::vector<std::string> lines = {"[preset]", "", "version=" + std::string(kPresetVersion), ""};
    lines.reserve(lines.size() + kSettings.size());
    for (SettingId id = 0; id < kSettings.size(); ++id) {
        if ((content == Content::Saved && id == settingId("InDartsLeakage")) || (!leftOut.empty() && leftOut[id]))
            continue;
        if (const auto value = presetValue(settings, id, content))
            lines.push_back(std::string(kSettings[id].key) + "=" + *value);
    }
    return lines;
}

} // namespace

std::vector<std::string> presetLines(const SettingsStore& settings) { return linesOf(settings, Content::Saved, {}); }

std::vector<std::string> wholePresetLines(const SettingsStore& settings, const std::vector<bool>& leftOut)
{
    return linesOf(settings, Content::Whole, leftOut);
}

Status writePreset(const SettingsStore& settings, const std::string& path)
{
    return writePresetLines(presetLines(settings), path);
}

Status writePresetLines(const std::vector<std::string>& lines, const std::string& path)
{
    std::string content;
    for (const std::string& line : lines) {
        content += line;
        content += "\r\n";
    }
    return platform::replaceFile(path, content);
}

Status applyPreset(Session& session, LineSource& lines)
{
    std::size_t lineNumber = 0;
    while (true) {
        const auto line = lines.next();
        if (!line)
            return Status::failure(lines.error().empty() ? "The file has no [preset] line." : lines.error());
        ++lineNumber;
        if (toLowerAscii(*line) == "[preset]")
            break;
    }
    while (const auto line = lines.next()) {
        ++lineNumber;
        const KeyValueLine split = SplitKeyValue(*line);
        if (split.kind == KeyValueLine::Kind::MissingEquals)
            return Status::failure("Line " + std::to_string(lineNumber) + " has no \"=\".");
        if (split.kind == KeyValueLine::Kind::Skipped)
            continue;
        if (split.key == "version")
            session.configVersion = split.value;
        const SettingLine setting{split.key, split.value, LineOrigin::Preset, session.configVersion};
        for (const Category category : kAllCategories) {
            if (Status parsed = takeParsedLine(session, session.parsers->parse(category, setting)); !parsed)
                return parsed;
        }
    }
    return lines.error().empty() ? Status::ok() : Status::failure(lines.error());
}

void savePreset(Session& session)
{
    const auto path = session.ui.chooseFileToSave(kSavePresetTitle, kPresetFilter);
    if (!path)
        return;
    Status written = refuseOwnFile(session, *path);
    if (written)
        written = writePreset(session.settings, *path);
    if (!written)
        session.ui.message("The preset could not be saved.\n" + written.reason());
}

Status readPresetFile(Session& session, const std::string& path)
{
    session.configVersion.clear();
    std::string error;
    const auto file = TextFileReader::open(path, error);
    if (!file)
        return Status::failure(error);
    session.hexErrorShown = false;
    return applyPreset(session, *file);
}

void loadPreset(Session& session)
{
    session.configVersion.clear();
    const auto path = session.ui.chooseFileToOpen(kLoadPresetTitle, kPresetFilter);
    if (!path)
        return;
    if (!readPresetFile(session, *path))
        session.ui.message(kPresetErrorMessage);
}

} // namespace golv
