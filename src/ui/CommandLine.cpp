#include "ui/CommandLine.h"

#include "UserInteraction.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "language/CaptionTable.h"
#include "patcher/ModifyExe.h"
#include "patcher/PatchPreview.h"
#include "patcher/ReadExecutable.h"
#include "presets/Presets.h"
#include "settings/SettingId.h"
#include "startup/Startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace golv {
namespace {

// Exit codes; 0 to 2 are those of silent mode.
constexpr int kPatched = 0;
constexpr int kUnusableConfiguration = 1;
constexpr int kNothingWritten = 2;
constexpr int kSettingsDiffer = 3;
constexpr int kUsage = 64;

// Every message goes to standard error; nobody is there to answer.
class StderrInteraction final : public UserInteraction {
public:
    void message(std::string_view text, std::string_view, std::string_view details) override
    {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
        if (!details.empty())
            std::fprintf(stderr, "%.*s\n", static_cast<int>(details.size()), details.data());
    }
    bool confirm(std::string_view, std::string_view, std::string_view) override { return false; }
    std::optional<std::string> chooseFileToOpen(std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> chooseFileToSave(std::string_view, std::string_view) override { return {}; }
};

struct Options {
    QCommandLineOption silent{QStringLiteral("silent"),
        QStringLiteral("Patch the executable with the settings of golv.cfg, without a window; messages go to "
                       "standard error.")};
    QCommandLineOption plan{QStringLiteral("plan"),
        QStringLiteral("Print every write that \"modify\" would make that changes the executable: position, old "
                       "bytes, new bytes, setting. Writes nothing, golv.cfg included.")};
    QCommandLineOption exportPatch{QStringLiteral("export-patch"),
        QStringLiteral("Write the changes as a VCDIFF patch to FILE (for xdelta3 -d -s quenb.exe FILE out.exe), "
                       "without touching the executable."),
        QStringLiteral("FILE")};
    QCommandLineOption readSettings{QStringLiteral("read-settings"),
        QStringLiteral("Write the settings the executable holds to the preset FILE; settings whose bytes no value "
                       "of theirs would write are named on standard error and left out."),
        QStringLiteral("FILE")};
    QCommandLineOption compare{QStringLiteral("compare"),
        QStringLiteral("Print the settings whose values differ between the executable and OTHER, an executable "
                       "of the same build (quenb.exe.orig, say): setting, value here, value there."),
        QStringLiteral("OTHER")};
    QCommandLineOption restore{QStringLiteral("restore"),
        QStringLiteral("Put back the executable's original, kept beside it with \".orig\" added to its name by the "
                       "first patch, when it is this executable's own.")};
    QCommandLineOption preset{QStringLiteral("preset"),
        QStringLiteral("Apply the preset FILE on top of golv.cfg's settings first."), QStringLiteral("FILE")};
    QCommandLineOption folder{QStringLiteral("folder"),
        QStringLiteral("Work in DIR, as if GOLV were started there (also for the window)."), QStringLiteral("DIR")};
};

void describe(QCommandLineParser& parser, const Options& options)
{
    parser.setApplicationDescription(QStringLiteral(
        "GOLV changes engine behaviour that level data cannot reach, in the engine executable named by golv.cfg.\n"
        "Without arguments it opens its window.\n"
        "Exit codes: 0 done (--compare: no setting differs), 1 golv.cfg can be neither read nor written\n"
        "anew, 2 nothing written (the executable is as it was) or nothing could be read or compared,\n"
        "3 --compare found settings that differ, 64 the command line is not understood."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const QCommandLineOption* option : {&options.silent, &options.plan, &options.exportPatch,
             &options.readSettings, &options.compare, &options.restore, &options.preset, &options.folder})
        parser.addOption(*option);
}

int usage(const QString& reason)
{
    std::fprintf(stderr, "golv: %s\nTry golv --help.\n", qPrintable(reason));
    return kUsage;
}

// The folder as the system names it, made whole; why not, when it is no folder.
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

int readSettingsInto(Session& session, const std::string& preset)
{
    if (Status own = refuseOwnFile(session, preset); !own) {
        session.ui.message("The preset could not be saved.\n" + own.reason());
        return kNothingWritten;
    }
    const auto reading = readingOf(session, session.executable.path);
    if (!reading)
        return kNothingWritten;
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
        return kNothingWritten;
    }
    return kPatched;
}

int compareWith(Session& session, const std::string& other)
{
    const auto here = readingOf(session, session.executable.path);
    const auto there = here ? readingOf(session, other) : std::nullopt;
    if (!there)
        return kNothingWritten;
    const std::vector<std::string> lines = differingSettings(*here, session.executable.name, *there, other);
    if (lines.empty())
        std::printf("No setting differs between %s and %s.\n", session.executable.name.c_str(), other.c_str());
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    return lines.empty() ? kPatched : kSettingsDiffer;
}

} // namespace

bool isCommandLineRun(const QStringList& arguments)
{
    const QStringList given = arguments.mid(1);
    if (given.isEmpty())
        return false;
    return !(given.size() == 2 && given[0] == QLatin1String("--folder"))
        && !(given.size() == 1 && given[0].startsWith(QLatin1String("--folder=")));
}

std::optional<std::string> workingFolder(const QStringList& arguments, std::string& error)
{
    std::optional<std::string> given;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--folder") && i + 1 < arguments.size())
            given = arguments[i + 1].toStdString();
        else if (arguments[i].startsWith(QLatin1String("--folder=")))
            given = arguments[i].mid(9).toStdString();
    }
    return wholeFolder(given, error);
}

int runCommandLine(const QStringList& arguments)
{
    QCoreApplication::setApplicationName(QStringLiteral("GOLV"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion.data(), kProgramVersion.size()));
    QCommandLineParser parser;
    const Options options;
    describe(parser, options);
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return kPatched;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("GOLV v. %s\n", kProgramVersion.data());
        return kPatched;
    }
    if (!parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first()));
    const bool reads = parser.isSet(options.readSettings) || parser.isSet(options.compare);
    const int commands = int(parser.isSet(options.silent)) + int(parser.isSet(options.plan))
        + int(parser.isSet(options.exportPatch)) + int(parser.isSet(options.readSettings))
        + int(parser.isSet(options.compare)) + int(parser.isSet(options.restore));
    if (commands != 1)
        return usage(
            QStringLiteral("Give one of --silent, --plan, --export-patch, --read-settings, --compare and --restore."));
    if (reads && parser.isSet(options.preset))
        return usage(QStringLiteral("--read-settings and --compare read the executable, not a preset."));

    StderrInteraction interaction;
    std::string noFolder;
    const auto folder = wholeFolder(
        parser.isSet(options.folder) ? std::optional(parser.value(options.folder).toStdString()) : std::nullopt,
        noFolder);
    if (!folder) {
        interaction.message("GOLV cannot start: " + noFolder, {}, {});
        return kUnusableConfiguration;
    }
    Session session(interaction);
    // A plan, an exported patch or a reading only reads: it leaves golv.cfg as it is.
    session.writesFiles = !parser.isSet(options.plan) && !parser.isSet(options.exportPatch) && !reads;
    if (runStartup(session, *folder) == StartupResult::Fatal)
        return kUnusableConfiguration;
    // Putting the original back needs only the executable's name: it is the
    // way out of an executable that start-up no longer recognises.
    if (parser.isSet(options.restore)) {
        if (session.executable.state == ExecutableState::Refused)
            return kNothingWritten;
        if (!platform::exists(originalPath(session))) {
            interaction.message(noOriginalMessage(session), {}, {});
            return kNothingWritten;
        }
        if (Status restored = restoreOriginal(session); !restored) {
            interaction.message(
                "Cannot restore " + session.executable.name + "; it is as it was.", {}, restored.reason());
            return kNothingWritten;
        }
        return kPatched;
    }
    // Start-up has said why there is no executable to patch.
    if (session.executable.state != ExecutableState::Identified)
        return kNothingWritten;
    if (parser.isSet(options.preset)) {
        const std::string path = parser.value(options.preset).toStdString();
        if (Status read = readPresetFile(session, path); !read) {
            interaction.message("The preset " + path + " cannot be applied: " + read.reason(), {}, {});
            return kNothingWritten;
        }
    }

    if (parser.isSet(options.readSettings))
        return readSettingsInto(session, parser.value(options.readSettings).toStdString());
    if (parser.isSet(options.compare))
        return compareWith(session, parser.value(options.compare).toStdString());

    if (parser.isSet(options.silent)) {
        const PatchOutcome outcome = ModifyExe(session);
        for (const std::string& note : outcome.notes)
            interaction.message(note, {}, {});
        if (outcome.patched())
            return kPatched;
        if (outcome.result == PatchOutcome::Result::ExecutableChanged)
            interaction.message(describeProblems(outcome), {}, {});
        else
            interaction.message(cannotModifyMessage(session), {}, describeProblems(outcome));
        return kNothingWritten;
    }
    if (parser.isSet(options.plan)) {
        const PatchPreview preview = previewPatchRun(session);
        if (!preview.problems.empty()) {
            interaction.message(cannotModifyMessage(session), {}, describeProblems(preview.problems));
            return kNothingWritten;
        }
        for (const std::string& line : changeTable(preview))
            std::printf("%s\n", line.c_str());
        return kPatched;
    }
    const std::string file = parser.value(options.exportPatch).toStdString();
    if (Status written = exportPatch(session, file); !written) {
        interaction.message("The patch could not be exported.", {}, written.reason());
        return kNothingWritten;
    }
    return kPatched;
}

} // namespace golv
