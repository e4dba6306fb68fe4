// The way a moved block glides from its cell into the empty one: how far it has come after a
// given time, and where it then stands on the screen's pixel grid.
#pragma once

#include <QPoint>
#include <QPointF>

#include <cstdint>

namespace tessel {

// The share of the way done after `elapsedMs` of a slide lasting `durationMs`: 0 at the start,
// 1 from the end on, eased between (quick off the mark, soft on arrival, never back). A slide
// of no duration is done at once.
double slideProgress(int64_t elapsedMs, int durationMs);

// The block's top left at `progress` (0 to 1) of the way from `from` to `to`, in logical pixels.
// On the way it stands a whole number of device pixels (`ratio` of them per logical pixel) from
// `from`: its pixels fall on the screen's as they did in its cell, so it stays as sharp at any
// scale. At 0 and 1 it is exactly at `from` and `to`.
QPointF slidePosition(QPoint from, QPoint to, double progress, double ratio);

} // namespace tessel
