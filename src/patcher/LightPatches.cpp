#include "patcher/PatchGroups.h"

#include "patcher/PatchWriter.h"

namespace golv {

void patchLights(PatchWriter& /*writer*/) { }

} // namespace golv
