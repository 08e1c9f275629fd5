#pragma once

#include "config/CommonSection.h"
#include "config/DefaultConfig.h"
#include "config/Session.h"
#include "config/VersionSection.h"
#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"
#include "support/RecordingInteraction.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

// How a test shows a refused write.
inline void PrintTo(const PatchProblem& problem, std::ostream* out) { *out << problem.what << ": " << problem.why; }

} // namespace golv

namespace golv::test {

// Writes the synthetic executable (the build's own bytes at every patch site)
// to a path; gives the exit status of the program that makes it.
inline int makeSyntheticExecutable(const std::string& path) { return runProgram(GOLV_MAKE_TEST_EXE, {path}); }

// A session on the default configuration and an executable of zeros but
// for its build-detection bytes, for a patch run and reading back what it
// wrote.
class PatchFixture : public ::testing::Test {
protected:
    static constexpr std::size_t kImageSize = 1 << 20;

    PatchFixture()
    {
        session.configPath = (folder / "golv.cfg");
        session.executable.name = "quenb.exe";
        session.executable.path = (folder / "quenb.exe");
        EXPECT_TRUE(RecreateConfig(session.configPath));
        EXPECT_TRUE(LoadCommonConfig(session));
        session.versionHex = "65636B005F494E495400000057696E50";
        EXPECT_TRUE(LoadConfig(session));
        session.settings.setAlignmentCaptions({"left", "center", "rite"});
        session.settings.showAlignmentCaptions();
        folder.write("quenb.exe", blankImage());
        EXPECT_TRUE(ui.messages.empty());
    }

    // An executable of the default build: `size` bytes of one value, with
    // the detection bytes the default build is recognised by.
    std::string blankImage(char fill = '\0', std::size_t size = kImageSize) const
    {
        std::string image(size, fill);
        image.replace(static_cast<std::size_t>(session.offsets[1] - 1), kDetectionBytes.size(), kDetectionBytes);
        return image;
    }
    static inline const std::string kDetectionBytes{
        "\x65\x63\x6B\x00\x5F\x49\x4E\x49\x54\x00\x00\x00\x57\x69\x6E\x50", 16};

    SettingsStore& store() { return session.settings; }

    // The position that a version-section key gives.
    std::int64_t offset(std::string_view key) const { return session.offsets[*findOffsetSlot(key)]; }

    // Puts a value into a setting's control the way a file line would: text
    // for text boxes and text lists, a number for everything else.
    void set(std::string_view key, std::string_view value)
    {
        const SettingId id = *findSetting(key);
        const Conversion conversion = kSettings[id].conversion;
        if (kindOf(conversion) == ControlKind::Text || conversion == Conversion::ListText)
            store().setText(id, std::string(value));
        else if (kindOf(conversion) == ControlKind::Flag)
            store().setFlag(id, std::stod(std::string(value)));
        else
            store().setState(id, std::stoi(std::string(value)));
    }

    // The whole executable, to compare one run's result with another's.
    std::string image() const { return folder.read("quenb.exe"); }

    // Fills the executable with one byte value, to tell written bytes from untouched ones.
    void fillImage(unsigned char value) const { folder.write("quenb.exe", blankImage(static_cast<char>(value))); }

    TempFolder folder;
    RecordingInteraction ui;
    Session session{ui};
};

} // namespace golv::test
