#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

// The program's arguments as UTF-8 text, the program's own name first.
using Arguments = std::vector<std::string>;

enum class Option { Help, Version, Silent, Plan, ExportPatch, ReadSettings, Compare, Restore, Preset, Folder };
inline constexpr std::size_t kOptionCount = 10;

// What the arguments say, read the way most command lines are: `--name
// value` or `--name=value`, short options together (`-hv`), and everything
// after `--` an argument of its own. An option given twice keeps its last
// value.
struct ParsedOptions {
    std::array<std::optional<std::string>, kOptionCount> given; // "" for an option without a value
    std::vector<std::string> positional;
    std::string error; // why the arguments are not understood; empty when they are

    bool isSet(Option option) const { return given[static_cast<std::size_t>(option)].has_value(); }
    // The option's value; empty when it is not set.
    std::string value(Option option) const { return given[static_cast<std::size_t>(option)].value_or(""); }
};

ParsedOptions parseOptions(const Arguments& arguments);

// What --help prints: how to call `program`, what GOLV does, every option.
std::string helpText(std::string_view program);

} // namespace golv
