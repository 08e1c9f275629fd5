#pragma once

#include "config/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share (the tests' recorder stands in for the person):
// the input as text, and a check that stops the run with a message a person
// can read.
namespace golv::fuzz {

inline std::string_view textOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

inline std::vector<std::string> linesOf(const std::uint8_t* data, std::size_t size)
{
    return splitTextLines(textOf(data, size));
}

// An invariant of the program that the input broke: a finding.
inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace golv::fuzz
