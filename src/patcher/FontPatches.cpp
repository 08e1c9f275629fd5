#include "patcher/PatchGroups.h"

#include "patcher/PatchWriter.h"

namespace golv {

void patchFonts(PatchWriter& /*writer*/) { }

} // namespace golv
