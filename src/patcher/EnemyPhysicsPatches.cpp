#include "patcher/PatchGroups.h"

#include "patcher/PatchWriter.h"

namespace golv {

void patchEnemies(PatchWriter& /*writer*/) { }

void patchPhysics(PatchWriter& /*writer*/) { }

} // namespace golv
