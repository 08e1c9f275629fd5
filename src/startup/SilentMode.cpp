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
    // An executable outside the folder is refused, not missing: there is
    // nothing for the window to wait for.
    if (session.exeRefused)
        return SilentOutcome::Ended;
    if (!session.exeRead)
        return SilentOutcome::NotSilent;
    // "modify" stays disabled exactly when start-up could not identify the
    // build or failed reading it.
    if (!session.window.modifyEnabled)
        return SilentOutcome::Ended;
    const PatchOutcome outcome = ModifyExe(session);
    if (outcome.patched())
        return SilentOutcome::Patched;
    session.ui.message(kStartupFailureMessage, {}, describeProblems(outcome));
    return SilentOutcome::Ended;
}

} // namespace golv
