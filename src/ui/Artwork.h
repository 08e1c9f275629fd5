#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// GOLV's own pictures, drawn for it as SVG and built into the program. Each
// is rendered at the size asked for, keeping its proportions (the rest stays
// transparent), and sharp on screens with more than one pixel per point.
namespace golv::artwork {

// A build without Qt's SVG module (the Windows program) carries the pictures
// as PNGs rendered from the same SVGs at this many times their drawn size:
// sharp up to three pixels a point, and smoothly scaled below.
inline constexpr int kPrebuiltArtworkScale = 3;

// The about box's picture: a gear rising behind a level's silhouette, "GOLV".
QPixmap logo(const QSize& size);
// The main window's banner: two meshed gears over a level's skyline.
QPixmap windowPicture(const QSize& size);
// The program's icon, with sizes for title bars, task bars and file managers.
QIcon programIcon();

// The size each picture was drawn at, for windows that lay out around it.
QSize logoSize();
QSize windowPictureSize();

// Small pictures of the customizer windows, each drawn for GOLV.
enum class Picture {
    Weapon,        // weapons window preview: a side view of a generic handgun, muzzle pointing right, drawn 120x60
    Gunflash,      // a muzzle flash drawn to be laid exactly over Weapon at the same size, its centre at the muzzle
    PreviewStart,  // the preview toggle's "play" mark, 24x24
    PreviewStop,   // the preview toggle's "stop" mark, 24x24
    LegendTest,    // "show a test text on screen": a speech bubble with a play mark, 24x24
    TurnLeft,      // physics window, 28x28: turning left while moving forward
    TurnRight,     // mirror of TurnLeft
    TurnBackLeft,  // turning left while moving backwards
    TurnBackRight, // mirror of TurnBackLeft
    SwimForward,   // swimming forward: waves with a forward arrow
    OnGround,      // 40x40 group picture: a figure standing on ground
    InAir,         // 40x40: a figure jumping in the air
    Swimming,      // 40x40: a figure swimming in water
    SetPicture,    // 48x48 hidden picture for the enemy window: a guardian mask before a sun disc
};
QPixmap picture(Picture which, const QSize& size);
QSize pictureSize(Picture which); // the size it was drawn at

} // namespace golv::artwork
