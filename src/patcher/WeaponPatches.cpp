#include "patcher/PatchGroups.h"

#include "patcher/PatchWriter.h"

namespace golv {

void patchWeapons(PatchWriter& /*writer*/) { }

} // namespace golv
