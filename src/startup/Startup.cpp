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

// golv.cfg may name only a file of the folder GOLV works in: a
// configuration shared for a new build must not reach any other file the
// user may write. Nothing is read or written then, in silent mode neither.
void refuseExeName(Session& session)
{
    session.ui.message("golv.cfg names the executable \"" + session.exeName
        + "\", which is not a file inside the folder GOLV works in (" + session.folder
        + "). ExeName must be a file name, or a path below that folder without \"..\".");
    session.window.statusLabel = session.exeName + " is outside GOLV's folder!";
    session.window.modifyEnabled = false;
    session.exeRead = false;
    session.exeRefused = true;
    session.exePath.clear();
}

void failureBranchB(Session& session)
{
    session.ui.message(kStartupFailureMessage);
    session.window.statusLabel = "Error loading patcher!";
    session.window.modifyEnabled = false;
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

    if (!platform::isNameInsideFolder(session.exeName)) {
        refuseExeName(session);
        applyBuiltInCaptions(session);
        return StartupResult::ShowWindow;
    }
    session.exePath = platform::joinPath(folder, session.exeName);
    if (session.writesFiles) {
        platform::removeLeftoverReplacements(folder);
        platform::removeLeftoverReplacements(platform::detail::folderOf(session.exePath));
    }
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
