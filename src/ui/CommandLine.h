#pragma once

#include <QStringList>

#include <optional>
#include <string>

namespace golv {

// GOLV's command line, for scripts: --silent, --plan, --export-patch,
// --read-settings, --compare and --restore run without a window or a
// message box and end with an exit code (see the README); --help and
// --version say what they say. Without arguments, or
// with --folder alone, the window starts.

// Whether the arguments ask for a command rather than the window.
bool isCommandLineRun(const QStringList& arguments);
// The folder GOLV works in, whole, as UTF-8: the one --folder names, or the
// current one. No value, and why in `error`, when there is no such folder.
std::optional<std::string> workingFolder(const QStringList& arguments, std::string& error);
// Runs the command the arguments ask for and gives the exit code; needs a
// QCoreApplication.
int runCommandLine(const QStringList& arguments);

} // namespace golv
