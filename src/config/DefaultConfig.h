#pragma once

#include "Status.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

// The default configuration exactly as src/config/golv.cfg holds it; the file
// is embedded at build time, so it stays the single source of every default.
std::string_view defaultConfigSource();

// Its lines, without line ends.
std::vector<std::string> defaultConfigLines();

// Writes the default text over the configuration file with CR LF line ends,
// followed by one more CR LF, so the file ends with an empty line.
Status RecreateConfig(const std::filesystem::path& configPath);

} // namespace golv
