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

#include <cstdio>
#include <string>
#include <vector>

namespace golv::test {

// A session on the default configuration and an executable of zeros, for
// running one patch group (or the whole run) and reading back what it wrote.
class PatchFixture : public ::testing::Test {
protected:
    static constexpr std::size_t kImageSize = 1 << 20;

    PatchFixture()
    {
        session.configPath = (folder / "golv.cfg").string();
        session.exePath = (folder / "quenb.exe").string();
        EXPECT_TRUE(RecreateConfig(session.configPath));
        EXPECT_TRUE(LoadCommonConfig(session));
        session.versionHex = "65636B005F494E495400000057696E50";
        EXPECT_TRUE(LoadConfig(session));
        session.settings.setAlignmentCaptions({"left", "center", "rite"});
        folder.write("quenb.exe", std::vector<unsigned char>(kImageSize, 0));
        EXPECT_TRUE(ui.messages.empty());
    }

    SettingsStore& store() { return session.settings; }

    // The position that a version-section key gives.
    std::int64_t offset(std::string_view key) const { return session.offsets[*findOffsetSlot(key)]; }

    // Puts a value into a setting's control the way a file line would:
    // a number for check boxes, scroll bars, option groups and lists, text
    // otherwise, the number for flags.
    void set(std::string_view key, std::string_view value)
    {
        const SettingId id = *findSetting(key);
        switch (kindOf(kSettings[id].conversion)) {
        case ControlKind::Text:
            store().setText(id, std::string(value));
            break;
        case ControlKind::Flag:
            store().setFlag(id, std::stod(std::string(value)));
            break;
        case ControlKind::List:
            if (kSettings[id].conversion == Conversion::ListText) {
                store().setText(id, std::string(value));
                break;
            }
            [[fallthrough]];
        default:
            store().setState(id, std::stoi(std::string(value)));
            break;
        }
    }

    // Runs one group against the executable; the writes it made are in `writes`.
    Status runGroup(void (*group)(PatchWriter&))
    {
        std::string error;
        auto file = BinaryFile::open(session.exePath, BinaryFile::Mode::ReadWrite, error);
        EXPECT_NE(file, nullptr) << error;
        if (!file)
            return Status::failure(error);
        writes.clear();
        PatchWriter writer(session, *file, &writes);
        group(writer);
        const Status closed = file->close();
        return writer.failed() ? writer.status() : closed;
    }

    // The bytes at a 1-based position as "A0 46".
    std::string hexAt(std::int64_t position, std::size_t count) const
    {
        const std::string image = folder.read("quenb.exe");
        std::string hex;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t index = static_cast<std::size_t>(position - 1) + i;
            char pair[4];
            std::snprintf(
                pair, sizeof pair, "%02X", index < image.size() ? static_cast<unsigned char>(image[index]) : 0);
            if (!hex.empty())
                hex += ' ';
            hex += pair;
        }
        return hex;
    }

    // The bytes at the position of a version-section key plus a displacement.
    std::string hexAt(std::string_view key, std::size_t count, std::int64_t displacement = 0) const
    {
        return hexAt(offset(key) + displacement, count);
    }

    // The hex string of an Engine data entry, spaced like hexAt.
    std::string dataHex(std::string_view key) const
    {
        const std::string& data = session.engineData[*findEngineDataIndex(key)];
        std::string hex;
        for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
            if (!hex.empty())
                hex += ' ';
            hex += data.substr(i, 2);
        }
        return hex;
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
