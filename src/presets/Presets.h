#pragma once

#include "Status.h"
#include "config/TextFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace golv {

class SettingsStore;
struct Session;

inline constexpr std::string_view kPresetFilter = "GOLV preset (*.qpt)|*.qpt|All Files (*.*)|*.*";
inline constexpr std::string_view kSavePresetTitle = "Save GOLV preset";
inline constexpr std::string_view kLoadPresetTitle = "Load GOLV preset";
inline constexpr std::string_view kPresetErrorMessage
    = "Error opening file! Make sure that selected config isn't corrupted.";

// The lines of a preset holding every setting as it stands: the header, then
// one line a setting in the fixed order. A setting with nothing to write (no
// option selected, an alignment that matches no caption) is left out, and so
// is InDartsLeakage, which presets have never held.
std::vector<std::string> presetLines(const SettingsStore& settings);

// The lines of a preset that puts every setting back as it stands, for
// settings read from an executable: as presetLines, with InDartsLeakage and,
// for an alignment list that shows no entry, "MainMenuAlign=-1", which a
// load takes. The settings `leftOut` flags (by SettingId) are left out.
std::vector<std::string> wholePresetLines(const SettingsStore& settings, const std::vector<bool>& leftOut);

// Writes the preset with CR LF line ends through a new file that replaces the
// old one only once it is whole on disk.
Status writePreset(const SettingsStore& settings, const std::string& path);
Status writePresetLines(const std::vector<std::string>& lines, const std::string& path);

// Applies the lines after the first "[preset]" line through every category
// parser, line by line; the lines before a failure keep their effect.
Status applyPreset(Session& session, LineSource& lines);
inline Status applyPreset(Session& session, std::vector<std::string> lines)
{
    LineList list(std::move(lines));
    return applyPreset(session, list);
}

// Applies a preset file, as "load preset" does once the file is chosen.
Status readPresetFile(Session& session, const std::string& path);

// "save preset": asks for a file and writes it. Cancelling ends the command
// without a message; a failed write says why, and leaves an earlier preset of
// that name whole.
void savePreset(Session& session);

// "load preset": asks for a file and applies it; a damaged file shows the
// preset error message.
void loadPreset(Session& session);

} // namespace golv
