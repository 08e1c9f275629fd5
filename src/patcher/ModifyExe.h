#pragma once

#include "Status.h"
#include "patcher/PatchWriter.h"

#include <string>
#include <vector>

namespace golv {

struct Session;

// The patch run: opens ExePath once for reading and writing, writes every
// setting of every group in the fixed order and closes the file. The first
// failure ends the run; the writes made before it stay in the file. When
// `record` is given, every write made is appended to it.
Status ModifyExe(Session& session, std::vector<PatchWrite>* record = nullptr);

inline constexpr std::string_view kConfirmTitle = "Confirm file modifying";
inline constexpr std::string_view kCannotModifyTitle = "Cannot modify file";
std::string confirmModifyPrompt(const Session& session);
std::string cannotModifyMessage(const Session& session);

// The "modify" command: asks for confirmation, runs the patch run on OK and
// reports a failure in the "Cannot modify file" box. Cancel opens nothing.
// True when the run was made and succeeded.
bool modifyCommand(Session& session);

} // namespace golv
