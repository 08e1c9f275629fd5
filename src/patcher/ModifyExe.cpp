#include "patcher/ModifyExe.h"

#include "UserInteraction.h"
#include "config/BinaryFile.h"
#include "config/Session.h"
#include "patcher/PatchGroups.h"

namespace golv {

Status ModifyExe(Session& session, std::vector<PatchWrite>* record)
{
    std::string error;
    const auto file = BinaryFile::open(session.exePath, BinaryFile::Mode::ReadWrite, error);
    if (!file)
        return Status::failure(error);

    PatchWriter writer(session, *file, record);
    for (void (*group)(PatchWriter&) : {patchMainWindow, patchWeapons, patchBars, patchFonts, patchGfx, patchGfx2,
             patchLights, patchInventory, patchEnemies, patchPhysics, patchDamage}) {
        group(writer);
        if (writer.failed())
            break;
    }
    Status closed = file->close();
    if (writer.failed())
        return writer.status();
    return closed;
}

std::string confirmModifyPrompt(const Session& session)
{
    return "Are you sure you want to update " + session.exeName + " file?";
}

std::string cannotModifyMessage(const Session& session)
{
    return "Cannot process with " + session.exeName
        + " modifying. Make sure game is not launched or write-protected.\n"
          "If so, check that config file contains all necessary offsets and data.";
}

bool modifyCommand(Session& session)
{
    if (!session.ui.confirm(confirmModifyPrompt(session), kConfirmTitle))
        return false;
    if (Status run = ModifyExe(session); !run) {
        session.ui.message(cannotModifyMessage(session), kCannotModifyTitle);
        return false;
    }
    return true;
}

} // namespace golv
