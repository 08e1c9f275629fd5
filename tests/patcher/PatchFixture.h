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
#include <cstdlib>
#include <initializer_list>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace golv::test {

// Bytes expected at a version-section key plus a displacement, spaced like hexAt.
struct ExpectedBytes {
    const char* what;
    const char* key;
    int displacement;
    const char* bytes;
};

// How many bytes a spaced hex text such as "A0 46" stands for.
inline std::size_t byteCount(std::string_view hex) { return (hex.size() + 1) / 3; }

// A byte as two upper-case hex digits, the way hexAt shows it.
inline std::string hexByte(unsigned value)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

// The bytes of a recorded write, spaced like hexAt.
inline std::string spaced(std::span<const std::uint8_t> bytes)
{
    std::string hex;
    for (const std::uint8_t byte : bytes) {
        hex += hex.empty() ? "" : " ";
        hex += hexByte(byte);
    }
    return hex;
}

// Writes the synthetic executable (the build's own bytes at every patch site)
// to a path; gives the exit status of the program that makes it.
inline int makeSyntheticExecutable(const std::string& path)
{
    const std::string command = std::string(GOLV_MAKE_TEST_EXE) + " '" + path + "'";
    return std::system(command.c_str());
}

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

    // The whole executable, to compare one run's result with another's.
    std::string image() const { return folder.read("quenb.exe"); }

    // The bytes at a 1-based position as "A0 46".
    std::string hexAt(std::int64_t position, std::size_t count) const
    {
        const std::string whole = image();
        std::vector<std::uint8_t> bytes(count, 0);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t index = static_cast<std::size_t>(position - 1) + i;
            if (index < whole.size())
                bytes[i] = static_cast<std::uint8_t>(whole[index]);
        }
        return spaced(bytes);
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

    // The byte at each of several keys, joined like hexAt.
    std::string bytesAt(std::span<const char* const> keys) const
    {
        std::string bytes;
        for (const char* key : keys)
            bytes += (bytes.empty() ? "" : " ") + hexAt(key, 1);
        return bytes;
    }

    // Checks each row's bytes in the executable, naming the row that differs.
    void expectBytes(std::initializer_list<ExpectedBytes> rows) const
    {
        for (const ExpectedBytes& row : rows)
            EXPECT_EQ(hexAt(row.key, byteCount(row.bytes), row.displacement), row.bytes) << row.what;
    }

    // Every byte the last run wrote is one of the rows' bytes, and the reverse.
    void expectOnlyTheseWritten(std::initializer_list<ExpectedBytes> rows) const
    {
        std::set<std::int64_t> expected;
        for (const ExpectedBytes& row : rows) {
            for (std::size_t i = 0; i < byteCount(row.bytes); ++i)
                expected.insert(offset(row.key) + row.displacement + static_cast<std::int64_t>(i));
        }
        std::set<std::int64_t> written;
        for (const PatchWrite& write : writes) {
            for (std::size_t i = 0; i < write.bytes.size(); ++i)
                written.insert(write.position + static_cast<std::int64_t>(i));
        }
        EXPECT_EQ(written, expected);
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
