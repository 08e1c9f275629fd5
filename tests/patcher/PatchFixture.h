#pragma once

#include "config/BinaryFile.h"
#include "config/CommonSection.h"
#include "config/DefaultConfig.h"
#include "config/Session.h"
#include "config/SettingId.h"
#include "config/VersionSection.h"
#include "patcher/PatchWriter.h"
#include "support/RecordingInteraction.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

// How a test shows a refused write.
inline void PrintTo(const PatchProblem& problem, std::ostream* out) { *out << problem.what << ": " << problem.why; }

} // namespace golv

namespace golv::test {

// How many bytes a spaced hex text such as "A0 46" stands for.
inline std::size_t byteCount(std::string_view hex) { return (hex.size() + 1) / 3; }

// Writes the synthetic executable (the build's own bytes at every patch site)
// to a path; gives the exit status of the program that makes it.
inline int makeSyntheticExecutable(const std::string& path) { return runProgram(GOLV_MAKE_TEST_EXE, {path}); }

// A session on the default configuration and an executable of zeros, for
// running one patch group (or the whole run) and reading back what it wrote.
class PatchFixture : public ::testing::Test {
protected:
    static constexpr std::size_t kImageSize = 1 << 20;

    PatchFixture()
    {
        session.configPath = (folder / "golv.cfg");
        session.exePath = (folder / "quenb.exe");
        EXPECT_TRUE(RecreateConfig(session.configPath));
        EXPECT_TRUE(LoadCommonConfig(session));
        session.versionHex = "65636B005F494E495400000057696E50";
        EXPECT_TRUE(LoadConfig(session));
        session.settings.setAlignmentCaptions({"left", "center", "rite"});
        session.settings.showAlignmentCaptions();
        folder.write("quenb.exe", std::vector<unsigned char>(kImageSize, 0));
        EXPECT_TRUE(ui.messages.empty());
    }

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

    // Runs one group against the executable, as the patch run would: all
    // its writes, or none when one cannot be made. The writes are in `writes`.
    Status runGroup(void (*group)(PatchWriter&)) { return runGroup(group, session); }
    Status runGroup(void (*group)(PatchWriter&), Session& settingsOf)
    {
        std::string error;
        auto file = BinaryFile::open(session.exePath, BinaryFile::Mode::ReadWrite, error);
        EXPECT_NE(file, nullptr) << error;
        if (!file)
            return Status::failure(error);
        std::int64_t size = 0;
        EXPECT_TRUE(file->size(size));
        writes.clear();
        PatchWriter writer(settingsOf, size);
        group(writer);
        if (!writer.problems().empty())
            return Status::failure(writer.problems().front().what + ": " + writer.problems().front().why);
        writes = writer.writes();
        for (const PatchWrite& write : writes)
            EXPECT_TRUE(file->writeAt(write.position, write.bytes));
        return file->close();
    }

    // The whole executable, to compare one run's result with another's.
    std::string image() const { return folder.read("quenb.exe"); }

    // The bytes at a 1-based position as "A0 46".
    std::string hexAt(std::int64_t position, std::size_t count) const
    {
        const std::string whole = image();
        std::string hex;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t index = static_cast<std::size_t>(position - 1) + i;
            const unsigned byte = index < whole.size() ? static_cast<unsigned char>(whole[index]) : 0;
            char text[4];
            std::snprintf(text, sizeof text, i == 0 ? "%02X" : " %02X", byte);
            hex += text;
        }
        return hex;
    }

    // The bytes at the position of a version-section key plus a displacement.
    std::string hexAt(std::string_view key, std::size_t count, std::int64_t displacement = 0) const
    {
        return hexAt(offset(key) + displacement, count);
    }

    // Fills the executable with one byte value, to tell written bytes from untouched ones.
    void fillImage(unsigned char value) const
    {
        folder.write("quenb.exe", std::vector<unsigned char>(kImageSize, value));
    }

    TempFolder folder;
    RecordingInteraction ui;
    Session session{ui};
    std::vector<PatchWrite> writes;
};

} // namespace golv::test
