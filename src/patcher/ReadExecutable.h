#pragma once

#include "Status.h"
#include "patcher/ExecutableBytes.h"
#include "patcher/ReadSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace golv {

struct Session;

// The bytes of the file at `path` wherever a write of the matched build can
// fall, read through one handle, and only when its detection bytes are those
// of the build found at start-up: in a file of another build these positions
// would land on whatever lies there. `otherBuild` tells that case from a file
// that cannot be read.
Status readBuildBytes(const Session& session, const std::string& path, ExecutableBytes& bytes, bool* otherBuild);

// The undetermined settings of a reading, a line each: the setting, its
// window, where its write stands and the bytes found there.
std::vector<std::string> undeterminedLines(const SettingsReading& reading);

// The settings whose values two readings of the build differ in, as an
// aligned table under a header naming both (setting, value here, value
// there); nothing when none differs. An undetermined value is shown as such
// with its bytes, and "-" stands for a value the executable does not hold
// (it is written inside code that is switched off).
std::vector<std::string> differingSettings(
    const SettingsReading& here, std::string_view hereName, const SettingsReading& there, std::string_view thereName);

inline constexpr std::string_view kConfirmReadTitle = "Confirm file reading";
inline constexpr std::string_view kCannotReadTitle = "Cannot read file";
std::string confirmReadPrompt(const Session& session, const SettingsReading& reading);

// "read executable": reads the settings the executable holds, asks OK/Cancel
// with the undetermined ones listed, and on OK puts them into the Settings
// store as one step, as a preset load would; the undetermined keep their
// values. An executable that is no longer the build read at start-up is not
// read: the user may have it detected again. True when the settings were
// loaded.
bool readExecutableCommand(Session& session);

} // namespace golv
