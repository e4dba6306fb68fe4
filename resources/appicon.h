// The program's icon: a 3 x 3 board of photo blocks in a wooden frame, the last cell empty. One
// drawing gives the scalable icon, the PNG of every size and the window's icon.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

namespace tessel {

// The sizes the icon is installed at, in pixels.
inline constexpr int appIconSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256 };

// The icon drawn at side x side pixels, its frame and cells on whole pixels (at every size the
// cells are equal and at least one pixel apart).
QImage appIconImage(int side);

// The same drawing as an SVG document, 256 units a side.
QByteArray appIconSvg();

// The icon for windows: drawn at the size asked for at every device-pixel ratio, never scaled.
QIcon appIcon();

} // namespace tessel
