#include "config/DefaultConfig.h"

#include "UserInteraction.h"
#include "config/TextFile.h"

#include <system_error>

namespace golv {
namespace {

// Renames the file aside; no copy when there was no file.
Status keepAside(const std::filesystem::path& path, std::optional<std::filesystem::path>& copy)
{
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return Status::ok();
    for (int number = 1; number < 1000; ++number) {
        std::filesystem::path candidate = path;
        candidate += number == 1 ? std::string(".bak") : ".bak." + std::to_string(number);
        if (std::filesystem::exists(std::filesystem::symlink_status(candidate, error)))
            continue;
        std::filesystem::rename(path, candidate, error);
        if (error)
            return Status::failure(describeFileError(path, "keep a copy of", error.value()));
        copy = candidate;
        return Status::ok();
    }
    return Status::failure("Cannot keep a copy of " + path.string() + ": every name for a copy is taken.");
}

} // namespace

std::vector<std::string> defaultConfigLines() { return splitTextLines(defaultConfigSource()); }

Status regenerateConfig(const std::filesystem::path& configPath, UserInteraction& ui, std::string_view message)
{
    std::optional<std::filesystem::path> copy;
    if (Status kept = keepAside(configPath, copy); !kept)
        return kept;
    std::string text(message);
    if (copy)
        text += "\nThe replaced file was kept as " + copy->filename().string() + ".";
    ui.message(text);
    return RecreateConfig(configPath);
}

Status RecreateConfig(const std::filesystem::path& configPath)
{
    std::vector<std::string> lines = defaultConfigLines();
    lines.emplace_back();
    return writeTextLines(configPath, lines);
}

} // namespace golv
