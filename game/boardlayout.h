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

} // namespace tessel
