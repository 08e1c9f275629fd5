#pragma once

#include "codec/AsciiCase.h"

#include <string>
#include <string_view>

namespace golv {

// One line of a configuration, preset or language file as the readers see it.
struct KeyValueLine {
    enum class Kind {
        Skipped,       // empty, spaces only, a comment (";") or a section line ("[")
        Pair,          // key = value
        MissingEquals, // any other line: a read error for every reader but the language file
    };
    Kind kind = Kind::Skipped;
    std::string key;   // CurrentKey: lower case, spaces around it kept, so "a =1" matches no "a"
    std::string value; // CurrentValue: leading spaces removed, trailing kept, at most 5000 characters
};

// The one splitter that every reader shares.
KeyValueLine SplitKeyValue(std::string_view line);

} // namespace golv
