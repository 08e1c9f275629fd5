#include "patcher/Vcdiff.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace golv {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

TEST(Vcdiff, adler32IsTheChecksumThatDecodersVerify)
{
    const std::pair<Bytes, std::uint32_t> rows[] = {
        {{}, 1},
        {bytesOf("Wikipedia"), 0x11E60398},
        // Long enough for both sums to pass the modulus.
        {Bytes(5552, 0xFF), 0xF18F9B8C},
        {Bytes(100000, 0xFF), 0x149A302C},
    };
    for (const auto& [bytes, sum] : rows)
        EXPECT_EQ(adler32(bytes), sum) << bytes.size() << " bytes";
}

#ifndef _WIN32
// What xdelta3 makes of the source and the delta: the target, byte for byte.
TEST(Vcdiff, xdelta3TurnsTheSourceIntoTheTarget)
{
    std::mt19937 random(7);
    Bytes image(3 << 19); // one and a half windows
    for (std::uint8_t& byte : image)
        byte = static_cast<std::uint8_t>(random());
    auto changed = [&](std::initializer_list<std::size_t> positions, std::size_t size) {
        Bytes target = image;
        target.resize(size, 0x5A);
        for (const std::size_t at : positions)
            target[at] ^= 0xFF;
        return target;
    };
    struct Row {
        const char* name;
        Bytes source;
        Bytes target;
    };
    const Row rows[] = {
        {"nothing changed", image, image},
        {"the first and the last byte", image, changed({0, image.size() - 1}, image.size())},
        {"short runs between changes", image, changed({10, 12, 15, 19, 24, 1 << 20, (1 << 20) + 1}, image.size())},
        {"a changed stretch", image, changed({100, 101, 102, 103, 104, 105, 106, 107}, image.size())},
        {"bytes past the source's end", image, changed({5}, image.size() + 300)},
        {"a shorter target", image, changed({5}, 1000)},
        {"no source at all", {}, bytesOf("added, all of it")},
        {"a source of one byte", bytesOf("a"), bytesOf("ab")},
    };
    const test::TempFolder folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        folder.write("source", std::vector<unsigned char>(row.source.begin(), row.source.end()));
        const Bytes delta = encodeVcdiff(row.source, row.target);
        folder.write("delta", std::vector<unsigned char>(delta.begin(), delta.end()));
        ASSERT_EQ(test::runProgram("xdelta3", {"-d", "-f", "-s", folder / "source", folder / "delta", folder / "target"}), 0);
        const std::string target = folder.read("target");
        EXPECT_TRUE(Bytes(target.begin(), target.end()) == row.target);
    }
}
#endif

} // namespace
} // namespace golv
