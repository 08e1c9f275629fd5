#include "patcher/PatchGroups.h"

#include "patcher/PatchWriter.h"

namespace golv {

void patchBars(PatchWriter& /*writer*/) { }

} // namespace golv
