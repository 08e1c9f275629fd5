#include "startup/SilentMode.h"

#include "UserInteraction.h"
#include "config/Session.h"
#include "patcher/ModifyExe.h"
#include "startup/Startup.h"

namespace golv {

SilentOutcome runSilentPatch(Session& session)
{
    if (session.silentPatch != 1)
        return SilentOutcome::NotSilent;
    switch (session.executable.state) {
    case ExecutableState::Identified:
        break;
    // A missing executable leaves the window open, so that the user can
    // mend golv.cfg; one outside the folder is refused, not missing, and
    // there is nothing to wait for.
    case ExecutableState::Unread:
    case ExecutableState::Missing:
        return SilentOutcome::NotSilent;
    // An executable that was read but not identified, or a start-up that
    // failed, ends after the message already shown rather than patch with
    // an unusable Offset table.
    case ExecutableState::Refused:
    case ExecutableState::NotCompatible:
    case ExecutableState::Unreadable:
        return SilentOutcome::Ended;
    }
    const PatchOutcome outcome = ModifyExe(session);
    if (outcome.patched())
        return SilentOutcome::Patched;
    session.ui.message(kStartupFailureMessage, {}, describeProblems(outcome));
    return SilentOutcome::Ended;
}

} // namespace golv
