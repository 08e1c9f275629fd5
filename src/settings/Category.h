#pragma once

#include <array>

namespace golv {

// The eleven setting groups; a reader that applies every one ("all") goes in
// the order of kAllCategories.
enum class Category { Physics, Weapons, Inventory, Main, Bars, Gfx, Gfx2, Lite, Enemies, Fonts, OxmaHP };

inline constexpr std::array<Category, 11> kAllCategories = {
    Category::Physics,
    Category::Weapons,
    Category::Inventory,
    Category::Main,
    Category::Bars,
    Category::Gfx,
    Category::Gfx2,
    Category::Lite,
    Category::Enemies,
    Category::Fonts,
    Category::OxmaHP,
};

} // namespace golv
