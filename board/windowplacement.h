// Where the game window stands at start-up: its stored edges in twips, by default centred on the
// primary screen; a window that would lie wholly outside every screen is centred instead.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <span>

namespace tessel {

// The default left and top edges in twips, single precision: half of what the screen has
// beyond the window's outer size, from the screen's own corner. May end in .5.
QPointF centredWindowTwips(const QRect& screenPixels, QSize windowPixels);

// Edges in twips as a position in logical pixels, halves to even. Values far beyond any screen
// are held at a bound, so they stay off every screen without overflowing.
QPoint windowPixels(QPointF twips);

// Whether a window at `window` would show on none of the screens (no pixel in common).
bool liesOutsideEveryScreen(const QRect& window, std::span<const QRect> screens);

} // namespace tessel
