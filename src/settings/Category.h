#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace golv {

// The eleven setting groups; `all` applies them in the order of kAllCategories.
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

inline constexpr std::string_view kAllKeyword = "all";

constexpr std::string_view keyword(Category category)
{
    constexpr std::array<std::string_view, 11> keywords = {
        "physics",
        "weapons",
        "inventory",
        "main",
        "bars",
        "gfx",
        "gfx2",
        "lite",
        "enemies",
        "fonts",
        "oxmahp",
    };
    return keywords[static_cast<std::size_t>(category)];
}

constexpr std::optional<Category> categoryFromKeyword(std::string_view word)
{
    for (const Category category : kAllCategories) {
        if (keyword(category) == word)
            return category;
    }
    return std::nullopt;
}

} // namespace golv
