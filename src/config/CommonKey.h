#pragma once

#include "Status.h"

#include <string>
#include <string_view>

namespace golv {

// Puts `key=value` into the common section of the configuration file at
// `configPath`, through the safe replace: the first line of the section that
// sets the key (compared in lower case) gets the new value, or, when none
// does, a new line follows the section's commented example of the key (or
// its "[common]" line). Every other byte stays as it was, line ends and
// comments included.
Status setCommonKey(const std::string& configPath, std::string_view key, std::string_view value);

} // namespace golv
