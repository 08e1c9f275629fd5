#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// GOLV's own pictures, drawn for it as SVG and built into the program. Each
// is rendered at the size asked for, keeping its proportions (the rest stays
// transparent), and sharp on screens with more than one pixel per point.
namespace golv::artwork {

// The about box's picture: a gear rising behind a level's silhouette, "GOLV".
QPixmap logo(const QSize& size);
// The main window's banner: two meshed gears over a level's skyline.
QPixmap windowPicture(const QSize& size);
// The program's icon, with sizes for title bars, task bars and file managers.
QIcon programIcon();

// The size each picture was drawn at, for windows that lay out around it.
QSize logoSize();
QSize windowPictureSize();

} // namespace golv::artwork
