#pragma once

#include "patcher/WriteRows.h"

#include <span>

namespace golv {

// The writes of the patch run's setting groups, each in the fixed order of
// its group.
std::span<const WriteRow> mainWindowWrites(); // also the inventory window's DisableInventory
std::span<const WriteRow> weaponWrites();
std::span<const WriteRow> barWrites();
std::span<const WriteRow> fontWrites();
std::span<const WriteRow> gfxWrites();
std::span<const WriteRow> gfx2Writes();
std::span<const WriteRow> lightWrites();
std::span<const WriteRow> inventoryWrites();
std::span<const WriteRow> enemyWrites();
std::span<const WriteRow> physicsWrites();
std::span<const WriteRow> damageWrites();

// Every write of the run: the groups above, in this order.
std::span<const WriteRow> patchRunRows();

} // namespace golv
