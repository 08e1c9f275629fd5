#pragma once

#include <string_view>

// The controls of the windows that neither a setting nor a caption key
// names: pictures, timers, commands that show a picture or a caption of
// their own, the status line. Each window makes them under these names, the
// ones tests address; an array's element adds its index ("Command1(10)").
namespace golv::own {

// Every customizer window: "?".
inline constexpr std::string_view kHelp = "Command4";

// The main window.
inline constexpr std::string_view kWindowPicture = "Picture1";
inline constexpr std::string_view kStatusLine = "Label6";

// The about box.
inline constexpr std::string_view kLogo = "Image1";
inline constexpr std::string_view kCreditPanel = "Shape1";
inline constexpr std::string_view kCreditLine = "Label2";
inline constexpr std::string_view kCreditTimer = "Timer1";

// The weapons window: the grid's shotgun rate, which is no setting, and the
// gunflash preview.
inline constexpr std::string_view kShotgunRate = "Text5(12)";
inline constexpr std::string_view kPreviewWeapons = "Option1"; // an array, a weapon of the grid each
inline constexpr std::string_view kPreviewButton = "Command10";
inline constexpr std::string_view kPreviewFrame = "Picture1";
inline constexpr std::string_view kWeaponPicture = "Image1";
inline constexpr std::string_view kGunflashPicture = "Image2";
inline constexpr std::string_view kPreviewTimer = "Timer1";

// The bars window's blinking poisoned preview.
inline constexpr std::string_view kBlinkTimer = "Timer1";

// The fonts window's legend test.
inline constexpr std::string_view kLegendTestButton = "Command18";
inline constexpr std::string_view kLegendTimer = "Timer2";

// The enemy window's picture beside "Set:".
inline constexpr std::string_view kSetPicture = "Image2";

// The physics window's picture buttons: an array whose index is that of the
// speed field each leads into.
inline constexpr std::string_view kSpeedButtons = "Command1";

} // namespace golv::own
