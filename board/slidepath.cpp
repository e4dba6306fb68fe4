#include "board/slidepath.h"

#include <algorithm>
#include <cmath>

namespace tessel {

double slideProgress(int64_t elapsedMs, int durationMs)
{
    if (durationMs <= 0 || elapsedMs >= durationMs)
        return 1.0;
    if (elapsedMs <= 0)
        return 0.0;
    // Cubic ease-out: a block starts at once, as the click asked, and settles into its cell.
    const double rest = 1.0 - double(elapsedMs) / double(durationMs);
    return 1.0 - rest * rest * rest;
}

QPointF slidePosition(QPoint from, QPoint to, double progress, double ratio)
{
    if (progress >= 1.0)
        return QPointF(to);
    const double t = std::max(progress, 0.0);
    const double scale = ratio > 0 ? ratio : 1.0;
    auto onGrid = [scale, t](int a, int b) { return a + std::round((b - a) * t * scale) / scale; };
    return { onGrid(from.x(), to.x()), onGrid(from.y(), to.y()) };
}

} // namespace tessel
