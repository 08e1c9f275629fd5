#pragma once

#include <string>
#include <string_view>

namespace golv {

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// The text of a file as UTF-8, in whichever encoding plain text files come
// in: a byte-order mark selects UTF-8 or UTF-16 (either byte order) and is
// dropped; without one the bytes are UTF-8 when they are valid UTF-8 and
// Windows-1252 otherwise, the encoding of files from older Windows editors.
// Bytes that have no character in the chosen encoding become U+FFFD.
std::string decodeText(std::string_view bytes);

} // namespace golv
