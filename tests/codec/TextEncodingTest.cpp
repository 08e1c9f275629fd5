#include "codec/TextEncoding.h"

#include <gtest/gtest.h>

namespace golv {
namespace {

constexpr char kBad[] = "\xEF\xBF\xBD"; // U+FFFD

std::string utf16le(std::initializer_list<unsigned> units)
{
    std::string bytes = "\xFF\xFE";
    for (const unsigned unit : units)
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

// The limits of each encoding: the first and last character of each UTF-8
// length, forms that look like UTF-8 but are not (which send the whole file
// to Windows-1252), and UTF-16 surrogates with and without their partner.
TEST(TextEncoding, everyEncodingDecodesToItsCharactersUpToItsLimits)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const std::string be = "\xFE\xFF";
    const std::string utf8Limits = "a=b\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    const Row rows[] = {
        // Were any one of them refused, the whole text would read as Windows-1252.
        {"ASCII, and the first and last UTF-8 character of each length", utf8Limits, utf8Limits},
        {"beyond the last character: Windows-1252", "\xF4\x90\x80\x80",
            std::string("\xC3\xB4") + kBad + "\xE2\x82\xAC\xE2\x82\xAC"},
        {"overlong: Windows-1252", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"surrogate in UTF-8: Windows-1252", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"the last surrogate in UTF-8: Windows-1252", "\xED\xBF\xBF", "\xC3\xAD\xC2\xBF\xC2\xBF"},
        {"cut short at the end: Windows-1252", "a\xC3", "a\xC3\x83"},
        {"Windows-1252 euro, a byte without a character, y diaeresis", "\x80\x81\x9F\xFF",
            std::string("\xE2\x82\xAC") + kBad + "\xC5\xB8\xC3\xBF"},
        {"Windows-1252 above 9F is Latin-1", "\xA0\xE9", "\xC2\xA0\xC3\xA9"},
        {"UTF-8 mark, bad bytes each replaced", std::string("\xEF\xBB\xBF") + "a\xFF\xC3\xA9\xC3",
            std::string("a") + kBad + "\xC3\xA9" + kBad},
        {"UTF-16 LE, the limits of one to four UTF-8 bytes; a pair is one character",
            utf16le({0x41, 0x7F, 0x80, 0x7FF, 0x800, 0xFFFF, 0xD800, 0xDC00, 0xD83D, 0xDE00, 0xDBFF, 0xDFFF}),
            "A\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"},
        {"UTF-16 LE, a high surrogate at the end", utf16le({0x41, 0xD800}), std::string("A") + kBad},
        {"UTF-16 LE, a high surrogate before a letter, lone low ones", utf16le({0xD800, 0x41, 0xDC00, 0x41, 0xDFFF}),
            std::string(kBad) + "A" + kBad + "A" + kBad},
        {"UTF-16 LE, a byte left over", utf16le({0x41}) + "B", std::string("A") + kBad},
        {"UTF-16 BE", be + std::string("\x00\x41\x00\xE9\xD8\x3D\xDE\x00", 8), "A\xC3\xA9\xF0\x9F\x98\x80"},
        {"UTF-16 BE, nothing after the mark", be, ""},
        {"UTF-16 BE, a high surrogate and half a low one", be + "\xD8\x3D\xDC", std::string(kBad) + kBad},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(decodeText(row.bytes), row.text);
    }
}

} // namespace
} // namespace golv
