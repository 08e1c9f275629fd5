#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
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

// A scroll bar's display box: its control name and what it shows at each
// position of the bar. A setting's row in the settings table holds its box.
struct DisplayBox {
    std::string_view control;
    std::span<const DisplayRow> rows;
};

constexpr std::optional<DisplayRow> displayRow(const DisplayBox& box, int position)
{
    for (const DisplayRow& row : box.rows) {
        if (row.position == position)
            return row;
    }
    return std::nullopt;
}

// The rows of the main window's three scroll bars and the light window's
// blend intensity.
namespace displays {

inline constexpr Rgb kWhite{255, 255, 255};

// clang-format off
// Below the default the box turns blue, above it red. -3 shows 5024, not 5120.
inline constexpr std::array kDrawingDistance = {
    DisplayRow{-3, "5024.00",   {180, 180, 255}},
    DisplayRow{-2, "10240.00",  {190, 190, 255}},
    DisplayRow{-1, "15360.00",  {200, 200, 255}},
    DisplayRow{ 0, "16384.00",  {210, 210, 255}},
    DisplayRow{ 1, "19072.00",  {230, 230, 255}},
    DisplayRow{ 2, "20480.00",  {255, 255, 255}},
    DisplayRow{ 3, "22400.00",  {255, 240, 240}},
    DisplayRow{ 4, "25600.00",  {255, 230, 230}},
    DisplayRow{ 5, "28160.00",  {255, 220, 220}},
    DisplayRow{ 6, "30080.00",  {255, 210, 210}},
    DisplayRow{ 7, "40192.00",  {255, 200, 200}},
    DisplayRow{ 8, "50176.00",  {255, 190, 190}},
    DisplayRow{ 9, "80384.00",  {255, 180, 180}},
    DisplayRow{10, "102400.00", {255, 170, 170}},
};

// Only the short ranges are tinted; from 2 up the box is white.
inline constexpr std::array kDistantFog = {
    DisplayRow{-2, "2048.00",   {190, 190, 255}},
    DisplayRow{-1, "5024.00",   {200, 200, 255}},
    DisplayRow{ 0, "8192.00",   {210, 210, 255}},
    DisplayRow{ 1, "10048.00",  {220, 220, 255}},
    DisplayRow{ 2, "12288.00",  kWhite}, DisplayRow{ 3, "14016.00",  kWhite},
    DisplayRow{ 4, "18048.00",  kWhite}, DisplayRow{ 5, "20096.00",  kWhite},
    DisplayRow{ 6, "22016.00",  kWhite}, DisplayRow{ 7, "24064.00",  kWhite},
    DisplayRow{ 8, "28032.00",  kWhite}, DisplayRow{ 9, "30080.00",  kWhite},
    DisplayRow{10, "32000.00",  kWhite}, DisplayRow{11, "34048.00",  kWhite},
    DisplayRow{12, "36352.00",  kWhite}, DisplayRow{13, "38144.00",  kWhite},
    DisplayRow{14, "40192.00",  kWhite}, DisplayRow{15, "42240.00",  kWhite},
    DisplayRow{16, "44032.00",  kWhite}, DisplayRow{17, "46080.00",  kWhite},
    DisplayRow{18, "48128.00",  kWhite}, DisplayRow{19, "50176.00",  kWhite},
    DisplayRow{20, "55040.00",  kWhite}, DisplayRow{21, "60160.00",  kWhite},
    DisplayRow{22, "65024.00",  kWhite}, DisplayRow{23, "70144.00",  kWhite},
    DisplayRow{24, "75264.00",  kWhite}, DisplayRow{25, "80384.00",  kWhite},
    DisplayRow{26, "84992.00",  kWhite}, DisplayRow{27, "90112.00",  kWhite},
    DisplayRow{28, "95232.00",  kWhite}, DisplayRow{29, "102400.00", kWhite},
};

inline constexpr std::array kSampleRate = {
    DisplayRow{0, "11025 Hz", kWhite},
    DisplayRow{1, "22050 Hz", kWhite},
    DisplayRow{2, "44100 Hz", kWhite},
    DisplayRow{3, "48000 Hz", kWhite},
};

inline constexpr std::array kBlendIntensity = {
    DisplayRow{-1, "0",         {0, 0, 0}},
    DisplayRow{ 0, "0.0009...", {140, 140, 140}},
    DisplayRow{ 1, "0.0019...", {150, 150, 150}},
    DisplayRow{ 2, "0.0029...", {160, 160, 160}},
    DisplayRow{ 3, "0.0039...", {176, 176, 176}},
    DisplayRow{ 4, "0.0049...", {180, 180, 180}},
    DisplayRow{ 5, "0.0059...", {190, 190, 190}},
    DisplayRow{ 6, "0.0069...", {200, 200, 200}},
    DisplayRow{ 7, "0.0079...", {210, 210, 210}},
    DisplayRow{ 8, "0.0089...", {220, 220, 220}},
    DisplayRow{ 9, "0.0099...", {230, 230, 230}},
    DisplayRow{10, "0.0109...", {255, 255, 255}},
};
// clang-format on

} // namespace displays

} // namespace golv
