// The Windows executable's icon file, resources/windows/tessel.ico: the program's icon drawing
// at 16 x 16 and 32 x 32 pixels, each image of 256 colours (8 bits per pixel) with a one-bit
// transparency mask. `tessel_art tessel.ico resources/windows/tessel.ico` writes it again after
// a change of the drawing.
#pragma once

#include <QByteArray>

namespace tessel {

// The sides of the file's images, in pixels.
inline constexpr int windowsIconSides[] = { 16, 32 };

// The whole file.
QByteArray windowsIconFile();

} // namespace tessel
