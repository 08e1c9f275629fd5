#pragma once

#include "commandline/Options.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace golv {

struct Session;

// GOLV's command line, for scripts: --silent, --plan, --export-patch,
// --read-settings, --compare and --restore run without a window or a
// message box and end with an exit code (see the README); --help and
// --version say what they say. Without arguments, or with --folder alone,
// the window starts.

// How a run that shows no window ends, so that a script can tell.
enum class ExitCode : int {
    Done = 0,                  // patched or written; --compare: no setting differs
    UnusableConfiguration = 1, // golv.cfg can be neither read nor written anew, or there is no such folder
    NothingWritten = 2,        // the executable is as it was; nothing could be read or compared
    SettingsDiffer = 3,        // --compare found settings that differ
    Usage = 64,                // the command line is not understood
};

// Whether the arguments ask for a command rather than the window.
bool isCommandLineRun(const Arguments& arguments);

// Runs the command the arguments ask for: what it prints goes to `out`,
// every message to `err`, since nobody is there to answer a box.
ExitCode runCommandLine(const Arguments& arguments, std::ostream& out, std::ostream& err);

// Start-up for the window, in the folder --folder names or the current one:
// the configuration, the executable, silent mode and the language file.
// The exit code when the program ends without the window; messages go
// through the session's UserInteraction.
std::optional<ExitCode> startForTheWindow(Session& session, const Arguments& arguments);

} // namespace golv
