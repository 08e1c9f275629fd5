#include "config/DefaultConfig.h"

#include "UserInteraction.h"
#include "config/BinaryFile.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "config/TextFile.h"

#include <filesystem>
#include <optional>
#include <utility>

namespace golv {
namespace {

// Copies the file aside; no copy when there was no file. A copy rather than
// a rename, so that the file stays whole in its place until the new one
// replaces it.
Status keepAside(const std::string& path, std::optional<std::string>& copy)
{
    if (!platform::exists(path))
        return Status::ok();
    std::string error;
    const auto file = BinaryFile::open(path, error);
    if (!file)
        return Status::failure(error);
    for (int number = 1; number < 1000; ++number) {
        std::string candidate = path + (number == 1 ? std::string(".bak") : ".bak." + std::to_string(number));
        if (platform::exists(candidate))
            continue;
        Status status = Status::ok();
        const auto kept
            = platform::FileReplacement::begin(candidate, status, platform::FileReplacement::Existing::Keep);
        if (kept)
            if (status = file->copyTo({kept.get()}); status)
                status = kept->commit();
        if (!status) {
            // Taken between the look and the copy: the next name is tried.
            if (platform::exists(candidate))
                continue;
            return Status::failure("Cannot keep a copy of " + path + ": " + status.reason());
        }
        copy = std::move(candidate);
        return Status::ok();
    }
    return Status::failure("Cannot keep a copy of " + path + ": every name for a copy is taken.");
}

} // namespace

std::vector<std::string> defaultConfigLines() { return splitTextLines(defaultConfigSource()); }

Status regenerateConfig(const std::string& configPath, UserInteraction& ui, std::string_view message)
{
    // The file is kept aside only once it is sure to be replaced: a
    // read-only golv.cfg gathers no copies and no word about one.
    Status status = Status::ok();
    const auto replacement = platform::FileReplacement::begin(configPath, status);
    if (!replacement)
        return status;
    std::optional<std::string> copy;
    if (Status kept = keepAside(configPath, copy); !kept)
        return kept;
    std::string text;
    for (const std::string& line : defaultConfigLines())
        text += line + "\r\n";
    text += "\r\n";
    if (status = replacement->append(text); status)
        status = replacement->commit();
    if (!status) {
        std::error_code ignored;
        if (copy)
            std::filesystem::remove(platform::nativePath(*copy), ignored);
        return status;
    }
    std::string said(message);
    if (copy)
        said += "\nThe replaced file was kept as " + platform::fileNameOf(*copy) + ".";
    ui.message(said);
    return Status::ok();
}

Status renewConfig(Session& session, std::string_view found, std::string_view where)
{
    std::string message(found);
    if (!session.writesFiles) {
        session.builtInConfig = true;
        message += " This run reads GOLV's built-in configuration instead and writes nothing; a normal start would "
                   "write golv.cfg anew.";
        session.ui.message(message + std::string(where));
        return Status::ok();
    }
    message += " Recreating config file now.";
    return regenerateConfig(session.configPath, session.ui, message + std::string(where));
}

std::unique_ptr<LineSource> openConfiguration(const Session& session, std::string& error)
{
    if (session.builtInConfig)
        return std::make_unique<LineList>(defaultConfigLines());
    return TextFileReader::open(session.configPath, error);
}

Status RecreateConfig(const std::string& configPath)
{
    std::vector<std::string> lines = defaultConfigLines();
    lines.emplace_back();
    return writeTextLines(configPath, lines);
}

} // namespace golv
