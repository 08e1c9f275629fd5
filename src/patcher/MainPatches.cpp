#include "patcher/PatchGroups.h"

#include "patcher/PatchWriter.h"

namespace golv {

void patchMainWindow(PatchWriter& /*writer*/) { }

} // namespace golv
