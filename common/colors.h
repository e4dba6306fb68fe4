// Colours as the window designs store them: 0x00BBGGRR, or 0x80000000 + n for system colour n.
#pragma once

#include <QColor>
#include <QPalette>

namespace tessel {

inline constexpr quint32 systemColorFlag = 0x80000000u;
inline constexpr quint32 buttonTextColor = systemColorFlag + 18; // the labels' default text

constexpr quint32 rgbValue(int red, int green, int blue)
{
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}

// The colour of a plain 0x00BBGGRR value; the high byte is ignored.
QColor colorFromBgr(quint32 bgr);

// The palette role that stands for system colour n; raises InvalidCall for an unknown n.
QPalette::ColorRole systemColorRole(quint32 index);

// A stored colour value as a colour: system colours are taken from the palette (the colour group
// of the palette's current group), plain values directly.
QColor colorFromStored(quint32 value, const QPalette& palette);

} // namespace tessel
