#include "board/windowplacement.h"

#include "common/numbers.h"

#include <algorithm>

namespace tessel {

namespace {

// Far beyond any screen, far within an int.
constexpr double farAway = double(1 << 24) * twipsPerPixel;

int edgePixels(double twips)
{
    return twipsToPixels(std::clamp(twips, -farAway, farAway));
}

} // namespace

QPointF centredWindowTwips(const QRect& screenPixels, QSize windowPixels)
{
    auto centred = [](int start, int screen, int window) {
        const float startTwips = static_cast<float>(start) * twipsPerPixel;
        const float screenTwips = static_cast<float>(screen) * twipsPerPixel;
        const float windowTwips = static_cast<float>(window) * twipsPerPixel;
        return startTwips + (screenTwips - windowTwips) / 2.0f;
    };
    return QPointF(centred(screenPixels.x(), screenPixels.width(), windowPixels.width()),
                   centred(screenPixels.y(), screenPixels.height(), windowPixels.height()));
}

QPoint windowPixels(QPointF twips)
{
    return QPoint(edgePixels(twips.x()), edgePixels(twips.y()));
}

bool liesOutsideEveryScreen(const QRect& window, std::span<const QRect> screens)
{
    return std::none_of(screens.begin(), screens.end(),
                        [&](const QRect& screen) { return screen.intersects(window); });
}

} // namespace tessel
