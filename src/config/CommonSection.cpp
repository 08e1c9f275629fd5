#include "config/CommonSection.h"
#include "codec/TextEncoding.h"

#include "UserInteraction.h"
#include "codec/Numbers.h"
#include "config/DefaultConfig.h"
#include "config/Session.h"
#include "config/SplitKeyValue.h"
#include "config/TextFile.h"
#include "settings/Category.h"

namespace golv {
namespace {

constexpr std::string_view kCurrentVersion = "0.673";
constexpr std::string_view kCannotFind = "Can't find proper config file.";
constexpr std::string_view kOldConfig = "Old config file detected.";

std::string lineReason(const Session& session, std::size_t lineNumber, std::string_view what)
{
    return "Line " + std::to_string(lineNumber) + " of " + session.configPath + " " + std::string(what) + ".";
}

template <typename Int>
Status readInteger(std::string_view value, std::optional<Int> (*round)(double), Int& target, std::string_view what)
{
    const auto number = leadingNumber(value);
    const auto rounded = number ? round(*number) : std::nullopt;
    if (!rounded)
        return Status::failure("The value of " + std::string(what) + " is out of range.");
    target = *rounded;
    return Status::ok();
}

Status applyProgramKey(Session& session, const std::string& key, const std::string& value)
{
    // File names are the one text of the file that reaches the system; one
    // saved by an older Windows editor names its files in Windows-1252.
    if (key == "exename") {
        session.configuredExeName = decodeText(value);
    } else if (key == "version") {
        session.configVersion = value;
    } else if (key == "versioncheckoffset") {
        return readInteger(value, &roundToInt32, session.offsets[1], "VersionCheckOffset");
    } else if (key == "numbytestoread") {
        return readInteger(value, &roundToInt16, session.numBytesToRead, "NumBytesToRead");
    } else if (key == "silentpatch") {
        return readInteger(value, &roundToByte, session.silentPatch, "SilentPatch");
    } else if (key == "languagefile") {
        session.languageFile = decodeText(value);
    }
    return Status::ok();
}

Status dispatch(
    Session& session, std::span<const Category> categories, const std::string& key, const std::string& value)
{
    if (session.parsers == nullptr)
        return Status::ok();
    const SettingLine line{key, value, LineOrigin::Configuration, session.configVersion};
    for (const Category category : categories) {
        if (Status parsed = takeParsedLine(session, session.parsers->parse(category, line)); !parsed)
            return parsed;
    }
    return Status::ok();
}

Status readOnce(Session& session, std::span<const Category> categories)
{
    std::string error;
    const auto file = openConfiguration(session, error);
    if (!file)
        return Status::failure(error);
    return applyCommonSection(session, categories, *file);
}

} // namespace

Status applyCommonSection(Session& session, std::span<const Category> categories, LineSource& lines)
{
    std::size_t lineNumber = 0;
    while (true) {
        const auto line = lines.next();
        if (!line)
            return Status::failure(
                lines.error().empty() ? session.configPath + " has no [common] section." : lines.error());
        ++lineNumber;
        if (toLowerAscii(*line) == "[common]")
            break;
    }
    std::string current = "[common]";
    while (toLowerAscii(current) != "[end common]") {
        auto line = lines.next();
        if (!line)
            return Status::failure(lines.error().empty()
                    ? "The [common] section of " + session.configPath + " has no [end common] line."
                    : lines.error());
        current = std::move(*line);
        ++lineNumber;
        const KeyValueLine split = SplitKeyValue(current);
        if (split.kind == KeyValueLine::Kind::MissingEquals)
            return Status::failure(lineReason(session, lineNumber, "has no \"=\""));
        // A blank, comment or section line has an empty key, which no reader knows.
        if (split.kind == KeyValueLine::Kind::Skipped)
            continue;
        if (Status applied = applyProgramKey(session, split.key, split.value); !applied)
            return Status::failure(lineReason(session, lineNumber, "is not valid: " + applied.reason()));
        if (Status parsed = dispatch(session, categories, split.key, split.value); !parsed)
            return Status::failure(lineReason(session, lineNumber, "is not valid: " + parsed.reason()));
    }
    return Status::ok();
}

Status ReadCommonSection(Session& session, std::span<const Category> categories)
{
    // The default text passes the version gate, so a regeneration that worked
    // ends the gate's retries; the bound only guards against a file that does
    // not keep what was written to it.
    constexpr int kMaxRegenerations = 4;

    bool errorPathTaken = false;
    int regenerations = 0;

    // The error path runs once per call: a second failure goes to the caller.
    auto takeErrorPath = [&](Status failure) -> Status {
        if (errorPathTaken)
            return failure;
        errorPathTaken = true;
        ++regenerations;
        return renewConfig(session, kCannotFind);
    };
    auto regenerate = [&](std::string_view found) -> Status {
        if (++regenerations > kMaxRegenerations)
            return Status::failure(session.configPath + " does not keep the default configuration written to it.");
        if (Status recreated = renewConfig(session, found); !recreated)
            return takeErrorPath(recreated);
        return Status::ok();
    };

    while (true) {
        if (Status read = readOnce(session, categories); !read) {
            if (Status handled = takeErrorPath(read); !handled)
                return handled;
            continue;
        }
        if (session.configVersion != kCurrentVersion) {
            if (Status handled = regenerate(kOldConfig); !handled)
                return handled;
            continue;
        }
        if (session.offsets[1] == 0 || session.numBytesToRead == 0) {
            if (Status handled = regenerate(kCannotFind); !handled)
                return handled;
            continue;
        }
        return Status::ok();
    }
}

Status takeParsedLine(Session& session, ParsedLine parsed)
{
    if (!parsed.warnings.empty() && !session.hexErrorShown) {
        session.hexErrorShown = true;
        session.ui.message(parsed.warnings.front());
    }
    return std::move(parsed.status);
}

Status LoadCommonConfig(Session& session) { return ReadCommonSection(session, kAllCategories); }

} // namespace golv
