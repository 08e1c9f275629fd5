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
    std::string text = "Error loading patcher. " + session.executable.name
        + " not found.\n(exe dir: " + session.executable.path + ")";
    if (!reason.empty())
        text += "\n" + reason;
    session.ui.message(text);
    session.executable.state = ExecutableState::Missing;
}

// golv.cfg may name only a file of the folder GOLV works in: a
// configuration shared for a new build must not reach any other file the
// user may write. Nothing is read or written then, in silent mode neither.
void refuseExeName(Session& session)
{
    session.ui.message("golv.cfg names the executable \"" + session.executable.name
        + "\", which is not a file inside the folder GOLV works in (" + session.folder
        + "). ExeName must be a file name, or a path below that folder without \"..\".");
    session.executable.state = ExecutableState::Refused;
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

    if (Status loaded = LoadCommonConfig(session); !loaded) {
        session.ui.message("GOLV cannot start: the configuration file " + session.configPath
            + " can be neither read nor written anew.\n" + loaded.reason());
        return StartupResult::Fatal;
    }

    // The executable is fixed here for the whole run: a "defaults" that reads
    // golv.cfg again never changes the file GOLV names or writes.
    session.executable = {session.configuredExeName, {}, ExecutableState::Unread};
    if (!platform::isNameInsideFolder(session.executable.name)) {
        refuseExeName(session);
        applyBuiltInCaptions(session);
        return StartupResult::ShowWindow;
    }
    session.executable.path = platform::joinPath(folder, session.executable.name);
    if (session.writesFiles) {
        platform::removeLeftoverReplacements(folder);
        platform::removeLeftoverReplacements(platform::detail::folderOf(session.executable.path));
    }
    if (std::string reason; !canOpenForReading(session.executable.path, reason)) {
        failureBranchA(session, reason);
        applyBuiltInCaptions(session);
        return StartupResult::ShowWindow;
    }
    if (!detectBuild(session))
        session.ui.message(kStartupFailureMessage);
    applyBuiltInCaptions(session);
    return StartupResult::ShowWindow;
}

} // namespace golv
