#include "config/DefaultConfig.h"

#include "UserInteraction.h"
#include "config/TextFile.h"

#include <optional>
#include <utility>

namespace golv {
namespace {

// Renames the file aside; no copy when there was no file.
Status keepAside(const std::string& path, std::optional<std::string>& copy)
{
    if (!platform::exists(path))
        return Status::ok();
    for (int number = 1; number < 1000; ++number) {
        std::string candidate = path + (number == 1 ? std::string(".bak") : ".bak." + std::to_string(number));
        if (platform::exists(candidate))
            continue;
        if (Status renamed = platform::renameWithoutReplacing(path, candidate, "keep a copy of"); !renamed) {
            // Taken between the look and the rename: the next name is tried.
            if (platform::exists(candidate))
                continue;
            return renamed;
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
    std::optional<std::string> copy;
    if (Status kept = keepAside(configPath, copy); !kept)
        return kept;
    std::string text(message);
    if (copy)
        text += "\nThe replaced file was kept as " + platform::fileNameOf(*copy) + ".";
    ui.message(text);
    return RecreateConfig(configPath);
}

Status RecreateConfig(const std::string& configPath)
{
    std::vector<std::string> lines = defaultConfigLines();
    lines.emplace_back();
    return writeTextLines(configPath, lines);
}

} // namespace golv
