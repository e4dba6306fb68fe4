// The link label's arithmetic: the margin it keeps round its text, the extents its container
// stores, and the mouse state it passes on.
#pragma once

#include <QPoint>
#include <QSize>
#include <QtCore/qnamespace.h>

#include <cstdint>

namespace tessel {

inline constexpr int linkMarginTwips = 30;

struct LinkFit
{
    QPoint labelPosition; // of the inner label, in pixels inside the control
    QSize controlSize; // in pixels
};

// The label at 30 twips from the top left; the control 60 twips wider and higher than the label.
LinkFit fitLinkToLabel(const QSize& labelPixels);

// A control's stored extent is in units of 0.01 mm; 1440 twips are 2540 of them.
int extentFromTwips(double twips);
double twipsFromExtent(int extent);

// Mouse-event arguments as the control's MouseMove passes them: buttons held (left 1, right 2,
// middle 4) and keys held (Shift 1, Ctrl 2, Alt 4).
int16_t mouseButtonMask(Qt::MouseButtons buttons);
int16_t shiftMask(Qt::KeyboardModifiers modifiers);

} // namespace tessel
