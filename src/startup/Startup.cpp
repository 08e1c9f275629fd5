#include "startup/Startup.h"

#include "UserInteraction.h"
#include "config/BinaryFile.h"
#include "config/CommonSection.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "config/VersionSection.h"
#include "language/CaptionTable.h"

#include <vector>

namespace golv {
namespace {

// Whether the executable opens for reading; when it exists but does not, why.
bool canOpenForReading(const std::string& path, std::string& reason)
{
    std::string error;
    if (BinaryFile::open(path, error) != nullptr)
        return true;
    if (platform::exists(path))
        reason = error;
    return false;
}

// NumBytesToRead + 1 bytes from the 1-based position in slot 1; bytes past the
// end of the file read as zeros, as the platform's binary read gives them.
// No value when the file cannot be read there.
std::optional<std::vector<std::uint8_t>> readDetectionBytes(const Session& session)
{
    const int count = session.numBytesToRead + 1;
    if (count < 0)
        return std::nullopt;
    std::string error;
    const auto file = BinaryFile::open(session.exePath, error);
    std::vector<std::uint8_t> bytes;
    if (!file || !file->readAt(session.offsets[1], static_cast<std::size_t>(count), bytes))
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(session.numBytesToRead < 0 ? 0 : session.numBytesToRead));
    return bytes;
}

void failureBranchA(Session& session, const std::string& reason)
{
    std::string text = "Error loading patcher. " + session.exeName + " not found.\n(exe dir: " + session.exePath + ")";
    if (!reason.empty())
        text += "\n" + reason;
    session.ui.message(text);
    session.window.statusLabel = session.exeName + " not found!";
    session.window.modifyEnabled = false;
    session.exeRead = false;
}

void failureBranchB(Session& session)
{
    session.ui.message(kStartupFailureMessage);
    session.window.statusLabel = "Error loading patcher!";
    session.window.modifyEnabled = false;
}

// Steps 6 to 8: any failure here is branch B.
bool detectBuild(Session& session)
{
    const auto bytes = readDetectionBytes(session);
    if (!bytes)
        return false;
    session.versionHex = versionHexOf(*bytes);
    return LoadConfig(session).isOk();
}

// The language step begins by giving the fonts window's alignment list its
// built-in captions; the main-menu alignment patch compares the list's text
// with them.
void applyBuiltInCaptions(Session& session)
{
    const auto& captions = kBuiltInAlignmentCaptions;
    session.settings.setAlignmentCaptions(
        {std::string(captions[0]), std::string(captions[1]), std::string(captions[2])});
}

} // namespace

StartupResult runStartup(Session& session, const std::string& folder)
{
    session.folder = folder;
    session.configPath = platform::joinPath(folder, "golv.cfg");
    session.window = {};

    if (Status loaded = LoadCommonConfig(session); !loaded) {
        session.ui.message("GOLV cannot start: the configuration file " + session.configPath
            + " can be neither read nor written anew.\n" + loaded.reason());
        return StartupResult::Fatal;
    }

    session.exePath = platform::joinPath(folder, session.exeName);
    if (std::string reason; !canOpenForReading(session.exePath, reason)) {
        failureBranchA(session, reason);
        applyBuiltInCaptions(session);
        return StartupResult::ShowWindow;
    }
    session.exeRead = true;
    if (!detectBuild(session))
        failureBranchB(session);
    applyBuiltInCaptions(session);
    return StartupResult::ShowWindow;
}

} // namespace golv
