#include "patcher/PatchGroups.h"

#include "patcher/PatchWriter.h"

namespace golv {

void patchGfx2(PatchWriter& /*writer*/) { }

} // namespace golv
