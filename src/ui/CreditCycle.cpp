#include "ui/CreditCycle.h"

// CMake stamps the day it configured the build; a build outside CMake says so.
#ifndef GOLV_BUILD_DATE
#define GOLV_BUILD_DATE "on an unknown day"
#endif

namespace golv {

const std::array<std::string_view, kCreditLineCount>& creditLines()
{
    static constexpr std::array<std::string_view, kCreditLineCount> lines = {
        "GOLV - the engine patcher for custom levels",
        "GOLV",
        "GOLV v. 0.67 alpha RC3, built " GOLV_BUILD_DATE,
        "Written by the GOLV developers",
        "* * *",
        "Greetings to:",
        "every level builder who keeps the engine alive,",
        "the testers who tried build after build,",
        "and everyone who shared what they found.",
        "...",
        "Thanks to the makers of the engine",
        "* * *",
        "...",
        "Contact:",
        "Found a build GOLV does not know?",
        "Send its version section to the GOLV developers.",
        "",
        "",
    };
    return lines;
}

} // namespace golv
