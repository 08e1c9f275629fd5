#include "patcher/PatchGroups.h"

#include "patcher/PatchWriter.h"

namespace golv {

void patchInventory(PatchWriter& /*writer*/) { }

} // namespace golv
