#include "language/TextEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace golv {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The platform's converter (iconv) from `encoding` to UTF-8; a byte sequence
// it cannot convert is replaced and skipped, `unit` bytes at a time.
std::string convert(std::string_view bytes, const char* encoding, std::size_t unit)
{
    iconv_t converter = ::iconv_open("UTF-8", encoding);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::string(bytes);
    std::string text;
    char buffer[4096];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = ::iconv(converter, &in, &inLeft, &out, &outLeft);
        text.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ or, at the very end, EINVAL: no character for these bytes.
        text += kReplacement;
        const std::size_t skipped = std::min(unit, inLeft);
        in += skipped;
        inLeft -= skipped;
    }
    ::iconv_close(converter);
    return text;
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        std::size_t length = 0;
        std::uint32_t lowest = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, lowest = 0x80, code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, lowest = 0x800, code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, lowest = 0x10000, code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string decodeText(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return convert(bytes.substr(3), "UTF-8", 1);
    if (bytes.starts_with("\xFF\xFE"))
        return convert(bytes.substr(2), "UTF-16LE", 2);
    if (bytes.starts_with("\xFE\xFF"))
        return convert(bytes.substr(2), "UTF-16BE", 2);
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return convert(bytes, "WINDOWS-1252", 1);
}

} // namespace golv
