# Turns a text file into a C++ source that defines `std::string_view NAME()`,
# so that the file in the repository stays the single source of the text.
# Invoked at build time: cmake -DINPUT=... -DOUTPUT=... -DNAME=... -P EmbedText.cmake
file(READ "${INPUT}" content HEX)
string(LENGTH "${content}" hexLength)
math(EXPR byteCount "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
# Break the array into lines of 16 bytes so the generated file stays readable.
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]',){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT} at build time; do not edit.
#include <string_view>

namespace golv {
std::string_view ${NAME}();

namespace {
constexpr char kBytes[] = {
    ${bytes}'\\0'};
} // namespace

std::string_view ${NAME}()
{
    return {kBytes, ${byteCount}};
}
} // namespace golv
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
