#pragma once

#include "settings/SettingDef.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace golv {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// What a read-only display box beside a scroll bar shows for a position: the
// text, which the patch run looks up again, and the box's tint.
struct DisplayRow {
    int position = 0;
    std::string_view text;
    Rgb background{255, 255, 255};
};

// The displays of the main window's three scroll bars and the light window's
// blend intensity. No value for a position outside the bar.
std::optional<DisplayRow> drawingDistanceDisplay(int position); // Form1.Text2
std::optional<DisplayRow> distantFogDisplay(int position);      // Form1.Text3
std::optional<DisplayRow> sampleRateDisplay(int position);      // Form1.Text1
std::optional<DisplayRow> blendIntensityDisplay(int position);  // CustLite.Text4

// The display of a scroll-bar setting at a position; none for a setting
// without a display box.
std::optional<DisplayRow> displayOf(SettingId id, int position);

} // namespace golv
