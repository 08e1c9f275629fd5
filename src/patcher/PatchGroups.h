#pragma once

namespace golv {

class PatchWriter;

// The setting groups of the patch run, each writing its settings in the fixed
// order of its group; ModifyExe calls them in the order declared here.
void patchMainWindow(PatchWriter& writer); // also the inventory window's DisableInventory
void patchWeapons(PatchWriter& writer);
void patchBars(PatchWriter& writer);
void patchFonts(PatchWriter& writer);
void patchGfx(PatchWriter& writer);
void patchGfx2(PatchWriter& writer);
void patchLights(PatchWriter& writer);
void patchInventory(PatchWriter& writer);
void patchEnemies(PatchWriter& writer);
void patchPhysics(PatchWriter& writer);
void patchDamage(PatchWriter& writer);

} // namespace golv
