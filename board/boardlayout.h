// The board's arithmetic: the grid of a block-count option, where the cells stand in the board
// frame (twips), and which rectangle of the photo each block is cut from (photo pixels).
#pragma once

#include <QRect>
#include <QSize>

namespace tessel {

// The side N of the board for option 0, 1 or 2 (3, 4 or 5); any other index raises InvalidCall.
int gridSizeFor(int divisionIndex);

namespace boardlayout {
inline constexpr int leftMargin = 210; // twips
inline constexpr int topMargin = 300;
inline constexpr int gap = 22;
// The designed outer size of the board frame and the boxes that show the whole photo: the
// game window's sample and the photo selection window's preview.
inline constexpr QSize frameTwips(5745, 4485);
inline constexpr QSize sampleBoxTwips(2535, 1875);
inline constexpr QSize previewBoxTwips(2370, 1778);
} // namespace boardlayout

// Width and height in twips of every cell of an N x N board in a frame of the given outer size
// in twips; halves round to even.
QSize cellSizeTwips(int gridSize, QSize frameTwips);

// Cell c (row c div N, column c mod N) in twips in the frame's coordinates.
QRect cellRectTwips(int cell, int gridSize, QSize cellSize);

// Cell c in logical pixels. Left and top are rounded by themselves, the size once for all
// cells, so every cell has the same size and any piece fills any cell; the gaps between cells
// differ by a pixel at most.
QRect cellRectPixels(int cell, int gridSize, QSize cellSize);

// The rectangle of the photo (SW x SH true pixels) that block k is cut from: left
// round(SW / N x q), top round(SH / N x r), size round(SW / N) x round(SH / N), halves to even.
// The same size for every block, so rounding may leave a pixel column or row in no block.
QRect blockRect(int block, int gridSize, QSize photoSize);

// The size, in device pixels at the given device-pixel ratio, that the whole photo is drawn at in
// its largest view: the board at any block count (N cells side by side) and the sample and
// preview boxes. A photo holder with at least this many pixels cuts every view from at least
// one held pixel per device pixel, so it never needs more.
QSize photoDetailPixels(qreal devicePixelRatio);

} // namespace tessel
