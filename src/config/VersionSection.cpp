#include "config/VersionSection.h"

#include "UserInteraction.h"
#include "codec/Numbers.h"
#include "config/BinaryFile.h"
#include "config/DefaultConfig.h"
#include "config/Session.h"
#include "config/SplitKeyValue.h"
#include "config/TextFile.h"
#include "config/VersionTables.h"

namespace golv {
namespace {

constexpr std::size_t kMaxLabelLength = 253;
constexpr std::string_view kSectionStart = "[version ";

// Both fade-out positions are read as whole-number text; anything else in
// them means the section was edited by hand and went wrong.
bool takesWholeNumber(int slot)
{
    return slot == offsetSlot("FadeoutsSpeedOffset") || slot == offsetSlot("FadeoutsDurationOffset");
}

Status applySectionLine(
    BuildTables& build, const std::string& configPath, const KeyValueLine& line, std::size_t lineNumber)
{
    auto invalid = [&](std::string_view what) {
        return Status::failure(
            "Line " + std::to_string(lineNumber) + " of " + configPath + " " + std::string(what) + ".");
    };
    if (line.kind == KeyValueLine::Kind::MissingEquals)
        return invalid("has no \"=\"");
    if (line.kind != KeyValueLine::Kind::Pair)
        return Status::ok();

    // Slot 1 belongs to the common section; a version section cannot move it.
    if (const auto slot = findOffsetSlot(line.key); slot && *slot > 1) {
        std::optional<std::int32_t> position;
        if (takesWholeNumber(*slot)) {
            position = wholeNumber(line.value);
        } else if (const auto number = leadingNumber(line.value)) {
            position = roundToInt32(*number);
        }
        if (!position)
            return invalid("holds a position that is not a valid number");
        build.offsets[*slot] = *position;
    } else if (const auto index = findEngineDataIndex(line.key)) {
        build.engineData[*index] = line.value;
    }
    return Status::ok();
}

Status readOnce(Session& session)
{
    std::string error;
    const auto file = openConfiguration(session, error);
    if (!file)
        return Status::failure(error);
    return applyVersionSections(session, *file);
}

} // namespace

Status applyVersionSections(Session& session, LineSource& lines)
{
    BuildTables build{session.offsets, session.engineData, session.versionFound, session.foundLabel};
    const Status applied = applyVersionSections(build, session.versionHex, session.configPath, lines);
    session.offsets = build.offsets;
    session.engineData = std::move(build.engineData);
    session.versionFound = build.found;
    session.foundLabel = std::move(build.foundLabel);
    return applied;
}

Status applyVersionSections(
    BuildTables& build, std::string_view pattern, const std::string& configPath, LineSource& lines)
{
    std::size_t lineNumber = 0;
    while (true) {
        const auto read = lines.next();
        if (!read)
            return lines.error().empty() ? Status::ok() : Status::failure(lines.error());
        const std::string line = *read;
        ++lineNumber;
        const bool matches = line.size() >= kSectionStart.size() + pattern.size()
            && toLowerAscii(line.substr(0, kSectionStart.size())) == kSectionStart
            && line.compare(kSectionStart.size(), pattern.size(), pattern) == 0;
        if (!matches)
            continue;

        // The character after the pattern is taken to be the ";" without a
        // test; the label runs from the next one to just before the last.
        const std::size_t labelStart = kSectionStart.size() + pattern.size() + 1;
        if (line.size() < labelStart + 1)
            return Status::failure("The section line \"" + line + "\" of " + configPath + " has no label.");
        build.foundLabel = "Found: " + line.substr(labelStart, std::min(line.size() - labelStart - 1, kMaxLabelLength));
        build.found = true;

        std::string current = line;
        while (toLowerAscii(current) != "[end version]") {
            auto following = lines.next();
            if (!following)
                return Status::failure(lines.error().empty()
                        ? "The section \"" + line + "\" of " + configPath + " has no [end version] line."
                        : lines.error());
            current = std::move(*following);
            ++lineNumber;
            if (Status applied = applySectionLine(build, configPath, SplitKeyValue(current), lineNumber); !applied)
                return applied;
        }
    }
}

std::string versionHexOf(std::span<const std::uint8_t> bytes)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const std::uint8_t byte : bytes) {
        if (byte == 0) {
            hex += "00";
            continue;
        }
        if (byte >= 0x10)
            hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

Status LoadConfig(Session& session)
{
    bool errorPathTaken = false;
    while (true) {
        session.versionFound = false;
        Status read = readOnce(session);
        if (read)
            break;
        if (errorPathTaken) {
            session.executable.state = ExecutableState::Unreadable;
            return read;
        }
        errorPathTaken = true;
        // The renewed reading starts from empty tables and a cleared flag:
        // positions left by a damaged section must never be patched with,
        // even when the regenerated file matches no section.
        session.offsets.clearVersionSlots();
        session.engineData.clear();
        if (Status recreated
            = renewConfig(session, "Can't find proper golv.cfg.", "\n(config dir: " + session.configPath + ")");
            !recreated) {
            session.executable.state = ExecutableState::Unreadable;
            return recreated;
        }
    }

    if (session.versionFound) {
        session.executable.state = ExecutableState::Identified;
    } else {
        session.ui.message("Current config file have no support for your " + session.executable.name + ".");
        session.executable.state = ExecutableState::NotCompatible;
    }
    return Status::ok();
}

} // namespace golv

namespace golv {

std::optional<std::string> readVersionHex(const Session& session, BinaryFile& file)
{
    // NumBytesToRead + 1 bytes are read and the last one is not used; bytes
    // past the end of the file read as zeros, as the platform's binary read
    // gives them.
    const int count = session.numBytesToRead + 1;
    if (count < 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    if (!file.readAt(session.offsets[1], static_cast<std::size_t>(count), bytes))
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(session.numBytesToRead < 0 ? 0 : session.numBytesToRead));
    return versionHexOf(bytes);
}

Status detectBuild(Session& session)
{
    std::string error;
    const auto file = BinaryFile::open(session.executable.path, error);
    if (!file) {
        session.executable.state = ExecutableState::Unreadable;
        return Status::failure(error);
    }
    const auto versionHex = readVersionHex(session, *file);
    if (!versionHex) {
        session.executable.state = ExecutableState::Unreadable;
        return Status::failure("Cannot read the build-detection bytes of " + session.executable.path + ".");
    }
    session.versionHex = *versionHex;
    return LoadConfig(session);
}

std::optional<BuildTables> findBuild(const Session& session, std::string_view versionHex)
{
    if (session.versionFound && versionHex == session.versionHex)
        return BuildTables{session.offsets, session.engineData, true, session.foundLabel};
    BuildTables build{session.offsets, {}, false, {}};
    build.offsets.clearVersionSlots();
    std::string error;
    const auto file = openConfiguration(session, error);
    if (!file || !applyVersionSections(build, versionHex, session.configPath, *file) || !build.found)
        return std::nullopt;
    return build;
}

} // namespace golv
