#include "config/DefaultConfig.h"

#include "config/TextFile.h"

namespace golv {

std::vector<std::string> defaultConfigLines() { return splitTextLines(defaultConfigSource()); }

Status RecreateConfig(const std::filesystem::path& configPath)
{
    std::vector<std::string> lines = defaultConfigLines();
    lines.emplace_back();
    return writeTextLines(configPath, lines);
}

} // namespace golv
