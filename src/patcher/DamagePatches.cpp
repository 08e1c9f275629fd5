#include "patcher/PatchGroups.h"

#include "patcher/PatchWriter.h"

namespace golv {

void patchDamage(PatchWriter& /*writer*/) { }

} // namespace golv
