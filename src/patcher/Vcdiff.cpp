#include "patcher/Vcdiff.h"

#include <algorithm>

namespace golv {
namespace {

// A run of equal bytes shorter than this is cheaper added than copied.
constexpr std::size_t kShortestCopy = 4;

// Instruction codes of the default code table: an ADD or a COPY in the
// address mode VCD_SELF, each with its size given after the code.
constexpr std::uint8_t kAdd = 1;
constexpr std::uint8_t kCopySelf = 19;

// Window_Indicator bits: the window copies from the source; xdelta3's
// extension: a checksum of the target window follows the section lengths.
constexpr std::uint8_t kFromSource = 0x01;
constexpr std::uint8_t kAdler32 = 0x04;

// An unsigned integer in base 128, most significant digit first, every
// digit but the last with its high bit set.
void putInteger(std::vector<std::uint8_t>& out, std::uint64_t value)
{
    std::uint8_t digits[10];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(static_cast<std::uint8_t>(digits[--count] | 0x80));
    out.push_back(digits[0]);
}

void append(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

} // namespace

std::vector<std::uint8_t> encodeVcdiffWindow(
    std::span<const std::uint8_t> source, std::span<const std::uint8_t> target, std::uint64_t start)
{
    // The window's source segment is the same stretch of the source, as far
    // as the source reaches.
    const std::size_t end = target.size();
    const std::size_t sourceLength = std::min(source.size(), end);
    auto same = [&](std::size_t at) { return at < sourceLength && source[at] == target[at]; };

    std::vector<std::uint8_t> data, instructions, addresses;
    std::size_t at = 0;
    while (at < end) {
        std::size_t run = at;
        while (run < end && same(run))
            ++run;
        if (run - at >= kShortestCopy) {
            instructions.push_back(kCopySelf);
            putInteger(instructions, run - at);
            putInteger(addresses, at); // from the start of the source segment
            at = run;
            continue;
        }
        // Added bytes run up to the next stretch worth copying.
        auto copyWorthy = [&](std::size_t from) {
            if (from + kShortestCopy > end)
                return false;
            for (std::size_t i = from; i < from + kShortestCopy; ++i) {
                if (!same(i))
                    return false;
            }
            return true;
        };
        std::size_t added = at;
        while (added < end && !copyWorthy(added))
            ++added;
        instructions.push_back(kAdd);
        putInteger(instructions, added - at);
        data.insert(data.end(), target.begin() + static_cast<std::ptrdiff_t>(at),
            target.begin() + static_cast<std::ptrdiff_t>(added));
        at = added;
    }

    const std::uint32_t checksum = adler32(target);
    std::vector<std::uint8_t> encoding;
    putInteger(encoding, end); // the target window's length
    encoding.push_back(0);     // Delta_Indicator: no section is compressed
    putInteger(encoding, data.size());
    putInteger(encoding, instructions.size());
    putInteger(encoding, addresses.size());
    for (const int shift : {24, 16, 8, 0})
        encoding.push_back(static_cast<std::uint8_t>(checksum >> shift));
    append(encoding, data);
    append(encoding, instructions);
    append(encoding, addresses);

    std::vector<std::uint8_t> window;
    window.push_back(static_cast<std::uint8_t>((sourceLength > 0 ? kFromSource : 0) | kAdler32));
    if (sourceLength > 0) {
        putInteger(window, sourceLength);
        putInteger(window, start);
    }
    putInteger(window, encoding.size());
    append(window, encoding);
    return window;
}

std::uint32_t adler32(std::span<const std::uint8_t> bytes)
{
    constexpr std::uint32_t kModulus = 65521;
    // The most bytes whose sums cannot overflow 32 bits before the modulus
    // is taken (RFC 1950's NMAX): one division per stretch, not per byte.
    constexpr std::size_t kStretch = 5552;
    std::uint32_t low = 1;
    std::uint32_t high = 0;
    while (!bytes.empty()) {
        const std::size_t count = std::min(bytes.size(), kStretch);
        for (const std::uint8_t byte : bytes.first(count)) {
            low += byte;
            high += low;
        }
        low %= kModulus;
        high %= kModulus;
        bytes = bytes.subspan(count);
    }
    return (high << 16) | low;
}

std::vector<std::uint8_t> vcdiffHeader()
{
    // "VCD" with the high bits set, version 0, no secondary compressor, code
    // table or application data.
    return {0xD6, 0xC3, 0xC4, 0x00, 0x00};
}

std::vector<std::uint8_t> encodeVcdiff(std::span<const std::uint8_t> source, std::span<const std::uint8_t> target)
{
    std::vector<std::uint8_t> delta = vcdiffHeader();
    constexpr auto kWindow = static_cast<std::size_t>(kVcdiffWindow);
    for (std::size_t start = 0; start < target.size(); start += kWindow) {
        const std::size_t length = std::min(kWindow, target.size() - start);
        const std::span<const std::uint8_t> stretch = start < source.size()
            ? source.subspan(start, std::min(length, source.size() - start))
            : std::span<const std::uint8_t>();
        append(delta, encodeVcdiffWindow(stretch, target.subspan(start, length), start));
    }
    return delta;
}

} // namespace golv
