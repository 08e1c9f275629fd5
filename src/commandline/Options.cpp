#include "commandline/Options.h"

#include <algorithm>

namespace golv {
namespace {

struct OptionDef {
    Option option;
    std::string_view name;
    std::string_view shortNames; // each character one short option
    std::string_view valueName;  // empty for an option that takes no value
    std::string_view description;
};

#ifdef _WIN32
// Windows programs answer "-?" as well.
constexpr std::string_view kHelpShortNames = "?h";
#else
constexpr std::string_view kHelpShortNames = "h";
#endif

// clang-format off
// Each option: what it is, its long name, its short names, the name of its
// value in the help, and its help text, in the order the help lists them.
constexpr OptionDef kOptions[] = {
    {Option::Help,         "help",          kHelpShortNames, "",      "Displays help on commandline options."},
    {Option::Version,      "version",       "v",             "",      "Displays version information."},
    {Option::Silent,       "silent",        "",              "",
        "Patch the executable with the settings of golv.cfg, without a window; messages go to standard error."},
    {Option::Plan,         "plan",          "",              "",
        "Print every write that \"modify\" would make that changes the executable: position, old bytes, new bytes, "
        "setting. Writes nothing, golv.cfg included."},
    {Option::ExportPatch,  "export-patch",  "",              "FILE",
        "Write the changes as a VCDIFF patch to FILE (for xdelta3 -d -s quenb.exe FILE out.exe), without touching "
        "the executable."},
    {Option::ReadSettings, "read-settings", "",              "FILE",
        "Write the settings the executable holds to the preset FILE; settings whose bytes no value of theirs would "
        "write are named on standard error and left out."},
    {Option::Compare,      "compare",       "",              "OTHER",
        "Print the settings whose values differ between the executable and OTHER, an executable of the same build "
        "(quenb.exe.orig, say): setting, value here, value there."},
    {Option::Restore,      "restore",       "",              "",
        "Put back the executable's original, kept beside it with \".orig\" added to its name by the first patch, "
        "when it is this executable's own."},
    {Option::Preset,       "preset",        "",              "FILE",
        "Apply the preset FILE on top of golv.cfg's settings first."},
    {Option::Folder,       "folder",        "",              "DIR",
        "Work in DIR, as if GOLV were started there (also for the window)."},
};
// clang-format on
static_assert(std::size(kOptions) == kOptionCount);

constexpr std::string_view kDescription
    = "GOLV changes engine behaviour that level data cannot reach, in the engine executable named by golv.cfg.\n"
      "Without arguments it opens its window.\n"
      "Exit codes: 0 done (--compare: no setting differs), 1 golv.cfg can be neither read nor written\n"
      "anew, 2 nothing written (the executable is as it was) or nothing could be read or compared,\n"
      "3 --compare found settings that differ, 64 the command line is not understood.\n";

const OptionDef* longOption(std::string_view name)
{
    const auto found = std::ranges::find(kOptions, name, &OptionDef::name);
    return found == std::end(kOptions) ? nullptr : found;
}

const OptionDef* shortOption(char name)
{
    const auto found = std::ranges::find_if(
        kOptions, [name](const OptionDef& def) { return def.shortNames.find(name) != std::string_view::npos; });
    return found == std::end(kOptions) ? nullptr : found;
}

std::string namesOf(const OptionDef& def)
{
    std::string names;
    for (const char name : def.shortNames)
        names += std::string("-") + name + ", ";
    names += "--" + std::string(def.name);
    if (!def.valueName.empty())
        names += " <" + std::string(def.valueName) + ">";
    return names;
}

} // namespace

ParsedOptions parseOptions(const Arguments& arguments)
{
    ParsedOptions parsed;
    std::vector<std::string> unknown;
    auto set = [&](const OptionDef& def, std::string value) {
        parsed.given[static_cast<std::size_t>(def.option)] = std::move(value);
    };
    bool argumentsOnly = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argumentsOnly || argument.size() < 2 || argument[0] != '-') {
            parsed.positional.push_back(argument);
        } else if (argument == "--") {
            argumentsOnly = true;
        } else if (argument[1] == '-') {
            const std::size_t assign = argument.find('=');
            const std::string name = argument.substr(2, assign == std::string::npos ? assign : assign - 2);
            const OptionDef* def = longOption(name);
            if (def == nullptr)
                unknown.push_back(name);
            else if (def->valueName.empty() && assign != std::string::npos)
                parsed.error = "Unexpected value after '" + argument.substr(0, assign) + "'.";
            else if (def->valueName.empty())
                set(*def, "");
            else if (assign != std::string::npos)
                set(*def, argument.substr(assign + 1));
            else if (i + 1 < arguments.size())
                set(*def, arguments[++i]);
            else
                parsed.error = "Missing value after '" + argument + "'.";
        } else {
            // No short option takes a value.
            for (std::size_t position = 1; position < argument.size(); ++position) {
                if (argument[position] == '=') {
                    parsed.error = "Unexpected value after '" + argument.substr(0, position) + "'.";
                    break;
                }
                if (const OptionDef* def = shortOption(argument[position]))
                    set(*def, "");
                else
                    unknown.emplace_back(1, argument[position]);
            }
        }
    }
    if (parsed.error.empty() && unknown.size() == 1)
        parsed.error = "Unknown option '" + unknown.front() + "'.";
    if (parsed.error.empty() && unknown.size() > 1) {
        parsed.error = "Unknown options: " + unknown.front();
        for (std::size_t i = 1; i < unknown.size(); ++i)
            parsed.error += ", " + unknown[i];
        parsed.error += ".";
    }
    return parsed;
}

std::string helpText(std::string_view program)
{
    // The descriptions stand in a column after the longest names and are
    // wrapped to fit 80 columns.
    constexpr std::size_t kLineWidth = 79;
    std::size_t namesWidth = 0;
    for (const OptionDef& def : kOptions)
        namesWidth = std::max(namesWidth, namesOf(def).size());
    const std::size_t column = 2 + namesWidth + 2;

    std::string text = "Usage: " + std::string(program) + " [options]\n" + std::string(kDescription) + "\nOptions:\n";
    for (const OptionDef& def : kOptions) {
        std::string line = "  " + namesOf(def);
        line.resize(column, ' ');
        std::size_t words = 0;
        std::string_view rest = def.description;
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find(' '), rest.size());
            if (words > 0 && line.size() + 1 + end > kLineWidth) {
                text += line + "\n";
                line.assign(column, ' ');
                words = 0;
            }
            if (words++ > 0)
                line += ' ';
            line += rest.substr(0, end);
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
        text += line + "\n";
    }
    return text;
}

} // namespace golv
