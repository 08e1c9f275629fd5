#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace golv {

// A delta in the VCDIFF format (RFC 3284) that turns `source` into `target`,
// as the common delta tools apply it ("xdelta3 -d -s source delta output").
// No library that writes VCDIFF is packaged for Debian, so this is a small
// encoder of our own: it finds no moved data, only what a patch run makes,
// bytes changed in place. Each window of the target copies the unchanged runs
// from the same place of the source and adds the changed bytes, and carries
// the Adler-32 checksum of its target bytes that xdelta3 verifies.
std::vector<std::uint8_t> encodeVcdiff(std::span<const std::uint8_t> source, std::span<const std::uint8_t> target);

// The same a window at a time, for files too large to hold: the header,
// then one window per kVcdiffWindow bytes of the target, each from the
// target's bytes from `start` on and the source's bytes at the same place
// (as far as the source reaches). Well below what decoders take in one window.
inline constexpr std::int64_t kVcdiffWindow = std::int64_t{1} << 20;
std::vector<std::uint8_t> vcdiffHeader();
std::vector<std::uint8_t> encodeVcdiffWindow(
    std::span<const std::uint8_t> source, std::span<const std::uint8_t> target, std::uint64_t start);

// Adler-32 of the bytes (RFC 1950).
std::uint32_t adler32(std::span<const std::uint8_t> bytes);

} // namespace golv
