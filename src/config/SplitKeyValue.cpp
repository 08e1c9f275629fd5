#include "config/SplitKeyValue.h"

namespace golv {
namespace {

// The limit counts characters, not bytes: a language file reaches here as
// UTF-8, where one character is a lead byte and up to three continuation
// bytes, and a cut inside one would leave a broken character behind.
std::string_view firstCharacters(std::string_view text, std::size_t count)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation && characters++ == count)
            return text.substr(0, i);
    }
    return text;
}

} // namespace

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
    result.value = std::string(firstCharacters(value, kMaxValueLength));
    return result;
}

} // namespace golv
