#pragma once

#include <string>
#include <string_view>

namespace golv {

struct Session;

inline constexpr std::string_view kStartupFailureMessage
    = "Error loading patcher. Possible cause: wrong config/executable or program error.";

enum class StartupResult {
    ShowWindow, // the main window shows what start-up found of the executable
    Fatal,      // the configuration could be neither read nor written anew; the program ends
};

// Start-up up to the point where the main window would show: the paths from
// `folder` (the process's current folder, UTF-8), the common section, the existence
// test, the detection read, VersionHex and the version section. Every message
// goes through the session's UserInteraction.
StartupResult runStartup(Session& session, const std::string& folder);

} // namespace golv
