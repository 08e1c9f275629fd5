#include "commandline/CommandLine.h"

#include "UserInteraction.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "language/CaptionTable.h"
#include "language/LanguageFile.h"
#include "patcher/ModifyExe.h"
#include "patcher/PatchPreview.h"
#include "patcher/ReadExecutable.h"
#include "presets/Presets.h"
#include "settings/SettingId.h"
#include "startup/SilentMode.h"
#include "startup/Startup.h"

#include <filesystem>
#include <ostream>
#include <system_error>

namespace golv {
namespace {

// Every message goes to standard error; nobody is there to answer.
class StreamInteraction final : public UserInteraction {
public:
    explicit StreamInteraction(std::ostream& err) : m_err(err) { }

    void message(std::string_view text, std::string_view, std::string_view details) override
    {
        m_err << text << '\n';
        if (!details.empty())
            m_err << details << '\n';
    }
    bool confirm(std::string_view, std::string_view, std::string_view) override { return false; }
    std::optional<std::string> chooseFileToOpen(std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> chooseFileToSave(std::string_view, std::string_view) override { return {}; }

private:
    std::ostream& m_err;
};

ExitCode usage(std::ostream& err, const std::string& reason)
{
    err << "golv: " << reason << "\nTry golv --help.\n";
    return ExitCode::Usage;
}

// The folder GOLV works in, whole, as UTF-8: the one given, or the current
// one; why not, when it is no folder.
std::optional<std::string> wholeFolder(const std::optional<std::string>& given, std::string& error)
{
    std::error_code problem;
    const std::filesystem::path folder = given ? std::filesystem::absolute(platform::nativePath(*given), problem)
                                               : std::filesystem::current_path(problem);
    const std::string name = given ? *given : std::string(".");
    if (problem) {
        error = "the folder " + name + " cannot be found (" + problem.message() + ").";
        return std::nullopt;
    }
    if (!std::filesystem::is_directory(folder, problem)) {
        error = "the folder " + platform::utf8Path(folder)
            + (std::filesystem::exists(folder, problem) ? " is not a folder." : " does not exist.");
        return std::nullopt;
    }
    return platform::utf8Path(folder);
}

// Start-up in the folder the options name; the exit code when it cannot go on.
std::optional<ExitCode> startUp(Session& session, const ParsedOptions& options)
{
    std::string noFolder;
    const auto folder = wholeFolder(
        options.isSet(Option::Folder) ? std::optional(options.value(Option::Folder)) : std::nullopt, noFolder);
    if (!folder) {
        session.ui.message("GOLV cannot start: " + noFolder);
        return ExitCode::UnusableConfiguration;
    }
    if (runStartup(session, *folder) == StartupResult::Fatal)
        return ExitCode::UnusableConfiguration;
    return std::nullopt;
}

// Reads the executable for --read-settings and --compare; says why not.
std::optional<SettingsReading> readingOf(Session& session, const std::string& path)
{
    ExecutableBytes bytes;
    if (Status read = readBuildBytes(session, path, bytes, nullptr); !read) {
        session.ui.message("Cannot read " + path + ".", {}, read.reason());
        return std::nullopt;
    }
    SettingsReading reading = readSettings(session, bytes, session.settings.values());
    if (!reading.problems.empty())
        session.ui.message(
            "The run with the settings read from " + path + " cannot be made.", {}, describeProblems(reading.problems));
    return reading;
}

ExitCode readSettingsInto(Session& session, const std::string& preset)
{
    if (Status own = refuseOwnFile(session, preset); !own) {
        session.ui.message("The preset could not be saved.\n" + own.reason());
        return ExitCode::NothingWritten;
    }
    const auto reading = readingOf(session, session.executable.path);
    if (!reading)
        return ExitCode::NothingWritten;
    std::vector<bool> leftOut(kSettingCount, false);
    std::string undetermined;
    for (const UndeterminedSetting& setting : reading->undetermined)
        leftOut[setting.setting] = true;
    for (const std::string& line : undeterminedLines(*reading))
        undetermined += "\n" + line;
    if (!undetermined.empty())
        session.ui.message("Left out of " + preset + ": " + session.executable.name
            + " holds bytes there that no value their window takes would write." + undetermined);
    session.firstLoads.load(reading->values);
    if (Status written = writePresetLines(wholePresetLines(session.settings, leftOut), preset); !written) {
        session.ui.message("The preset could not be saved.\n" + written.reason());
        return ExitCode::NothingWritten;
    }
    return ExitCode::Done;
}

ExitCode compareWith(Session& session, const std::string& other, std::ostream& out)
{
    const auto here = readingOf(session, session.executable.path);
    const auto there = here ? readingOf(session, other) : std::nullopt;
    if (!there)
        return ExitCode::NothingWritten;
    const std::vector<std::string> lines = differingSettings(*here, session.executable.name, *there, other);
    if (lines.empty())
        out << "No setting differs between " << session.executable.name << " and " << other << ".\n";
    for (const std::string& line : lines)
        out << line << '\n';
    return lines.empty() ? ExitCode::Done : ExitCode::SettingsDiffer;
}

ExitCode patchSilently(Session& session)
{
    const PatchOutcome outcome = ModifyExe(session);
    for (const std::string& note : outcome.notes)
        session.ui.message(note);
    if (outcome.patched())
        return ExitCode::Done;
    if (outcome.result == PatchOutcome::Result::ExecutableChanged)
        session.ui.message(describeProblems(outcome));
    else
        session.ui.message(cannotModifyMessage(session), {}, describeProblems(outcome));
    return ExitCode::NothingWritten;
}

ExitCode printPlan(Session& session, std::ostream& out)
{
    const PatchPreview preview = previewPatchRun(session);
    if (!preview.problems.empty()) {
        session.ui.message(cannotModifyMessage(session), {}, describeProblems(preview.problems));
        return ExitCode::NothingWritten;
    }
    for (const std::string& line : changeTable(preview))
        out << line << '\n';
    return ExitCode::Done;
}

// The command of options that start-up has gone through.
ExitCode runCommand(Session& session, const ParsedOptions& options, std::ostream& out)
{
    // Putting the original back needs only the executable's name: it is the
    // way out of an executable that start-up no longer recognises.
    if (options.isSet(Option::Restore)) {
        if (session.executable.state == ExecutableState::Refused)
            return ExitCode::NothingWritten;
        return restoreCommand(session, Asking::Nobody) ? ExitCode::Done : ExitCode::NothingWritten;
    }
    // Start-up has said why there is no executable to patch.
    if (session.executable.state != ExecutableState::Identified)
        return ExitCode::NothingWritten;
    if (options.isSet(Option::Preset)) {
        const std::string path = options.value(Option::Preset);
        if (Status read = readPresetFile(session, path); !read) {
            session.ui.message("The preset " + path + " cannot be applied: " + read.reason());
            return ExitCode::NothingWritten;
        }
    }
    if (options.isSet(Option::ReadSettings))
        return readSettingsInto(session, options.value(Option::ReadSettings));
    if (options.isSet(Option::Compare))
        return compareWith(session, options.value(Option::Compare), out);
    if (options.isSet(Option::Silent))
        return patchSilently(session);
    if (options.isSet(Option::Plan))
        return printPlan(session, out);
    const std::string file = options.value(Option::ExportPatch);
    if (Status written = exportPatch(session, file); !written) {
        session.ui.message("The patch could not be exported.", {}, written.reason());
        return ExitCode::NothingWritten;
    }
    return ExitCode::Done;
}

} // namespace

bool isCommandLineRun(const Arguments& arguments)
{
    const std::size_t given = arguments.empty() ? 0 : arguments.size() - 1;
    if (given == 0)
        return false;
    return !(given == 2 && arguments[1] == "--folder") && !(given == 1 && arguments[1].starts_with("--folder="));
}

ExitCode runCommandLine(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const ParsedOptions options = parseOptions(arguments);
    if (!options.error.empty())
        return usage(err, options.error);
    if (options.isSet(Option::Help)) {
        out << helpText(arguments.empty() ? "golv" : arguments.front());
        return ExitCode::Done;
    }
    if (options.isSet(Option::Version)) {
        out << "GOLV v. " << kProgramVersion << '\n';
        return ExitCode::Done;
    }
    if (!options.positional.empty())
        return usage(err, "Unexpected argument: " + options.positional.front());
    const bool reads = options.isSet(Option::ReadSettings) || options.isSet(Option::Compare);
    int commands = 0;
    for (const Option command :
        {Option::Silent, Option::Plan, Option::ExportPatch, Option::ReadSettings, Option::Compare, Option::Restore})
        commands += options.isSet(command) ? 1 : 0;
    if (commands != 1)
        return usage(err, "Give one of --silent, --plan, --export-patch, --read-settings, --compare and --restore.");
    if (reads && options.isSet(Option::Preset))
        return usage(err, "--read-settings and --compare read the executable, not a preset.");

    StreamInteraction interaction(err);
    Session session(interaction);
    // A plan, an exported patch or a reading only reads: it leaves golv.cfg as it is.
    session.writesFiles = !options.isSet(Option::Plan) && !options.isSet(Option::ExportPatch) && !reads;
    if (const auto ended = startUp(session, options))
        return *ended;
    return runCommand(session, options, out);
}

std::optional<ExitCode> startForTheWindow(Session& session, const Arguments& arguments)
{
    // Only --folder reaches the window; isCommandLineRun sent every other option to the command line.
    if (const auto ended = startUp(session, parseOptions(arguments)))
        return ended;
    switch (runSilentPatch(session)) {
    case SilentOutcome::Patched:
        return ExitCode::Done;
    case SilentOutcome::Ended:
        return ExitCode::NothingWritten;
    case SilentOutcome::NotSilent:
        break;
    }
    LoadLanguageFile(session);
    return std::nullopt;
}

} // namespace golv
