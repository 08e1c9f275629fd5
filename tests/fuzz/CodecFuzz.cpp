// The hex codec on any text: conversions may warn, never crash, and keep
// their promises about lengths.

#include "codec/Codec.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = golv::fuzz::textOf(data, size);
    for (const std::size_t width : {2, 4, 8}) {
        const std::string hex = golv::TrueHex2(text, width).value;
        golv::fuzz::require(hex.size() >= width, "TrueHex2 gives fewer digits than asked");
        golv::fuzz::require(hex.size() <= 8 || hex.size() == width, "TrueHex2 gives more than 32 bits");
    }
    if (const auto bytes = golv::wb(text).value)
        golv::fuzz::require(bytes->size() == (text.size() + 1) / 2, "wb gives a byte per two digits");
    golv::fuzz::require(golv::Invrt(golv::Invrt(text)) == text, "Invrt twice is no round trip");
    golv::fuzz::require(golv::HexTail(text, 6).size() <= 255, "HexTail keeps at most 255 characters");
    (void)golv::HexToLong(text);
    for (const std::string_view version : {"", "0.671", "0.673"}) {
        (void)golv::LegacyHexValue(text, version);
        (void)golv::LegacyNegValue(golv::LegacyHexSByte(text, version).value, version);
        (void)golv::LegacyNegValue(golv::LegacyHexSWord(text, version).value, version);
    }
    return 0;
}
