#pragma once

#include "config/DefaultConfig.h"
#include "config/Session.h"
#include "support/RecordingInteraction.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace golv::test {

// A session working in a fresh temporary folder.
class ConfigFixture : public ::testing::Test {
protected:
    ConfigFixture() { session.configPath = (folder / "golv.cfg"); }

    void writeConfig(const std::vector<std::string>& lines) const { folder.write("golv.cfg", crlfText(lines)); }

    std::string configText() const { return folder.read("golv.cfg"); }

    // What RecreateConfig writes.
    static std::string defaultFileText()
    {
        std::vector<std::string> lines = defaultConfigLines();
        lines.emplace_back();
        return crlfText(lines);
    }

    // A valid common section around the given setting lines.
    static std::vector<std::string> commonSection(
        const std::vector<std::string>& settings, const std::string& version = "Version=0.673")
    {
        std::vector<std::string> lines = {"; test configuration", "[common]", "ExeName=quenb.exe",
            "VersionCheckOffset=5", "NumBytesToRead=3", "SilentPatch=0"};
        if (!version.empty())
            lines.push_back(version);
        lines.insert(lines.end(), settings.begin(), settings.end());
        lines.push_back("[end common]");
        return lines;
    }

    TempFolder folder;
    RecordingInteraction ui;
    Session session{ui};
};

inline constexpr char kCannotFindConfig[] = "Can't find proper config file. Recreating config file now.";
inline constexpr char kOldConfig[] = "Old config file detected. Recreating config file now.";

} // namespace golv::test
