#include "patcher/PatchGroups.h"

#include "patcher/PatchWriter.h"

namespace golv {

void patchGfx(PatchWriter& /*writer*/) { }

} // namespace golv
