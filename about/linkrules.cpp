#include "about/linkrules.h"

#include "common/numbers.h"

namespace tessel {

LinkFit fitLinkToLabel(const QSize& labelPixels)
{
    const int margin = twipsToPixels(linkMarginTwips);
    const double width = labelPixels.width() * twipsPerPixel + 2 * linkMarginTwips;
    const double height = labelPixels.height() * twipsPerPixel + 2 * linkMarginTwips;
    return { QPoint(margin, margin), QSize(twipsToPixels(width), twipsToPixels(height)) };
}

int extentFromTwips(double twips)
{
    return static_cast<int>(roundHalfEven(twips * 2540.0 / 1440.0));
}

double twipsFromExtent(int extent)
{
    return extent * 1440.0 / 2540.0;
}

int16_t mouseButtonMask(Qt::MouseButtons buttons)
{
    int16_t mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= 1;
    if (buttons & Qt::RightButton)
        mask |= 2;
    if (buttons & Qt::MiddleButton)
        mask |= 4;
    return mask;
}

int16_t shiftMask(Qt::KeyboardModifiers modifiers)
{
    int16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

} // namespace tessel
