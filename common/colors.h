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

// Relative luminance (0 black to 1 white) and contrast ratio (1 to 21) as WCAG 2 defines them.
double relativeLuminance(const QColor& color);
double contrastRatio(const QColor& a, const QColor& b);

// A ground is dark when white text stands out on it more than black text does.
bool isDarkGround(const QColor& ground);

// The contrast every coloured text keeps on a dark ground, and the contrast a lighter shade is
// chosen for: a little more, since the thin strokes of a small anti-aliased font never quite
// reach their colour on the screen.
inline constexpr double readableContrast = 4.5;
inline constexpr double shadeContrast = 5.0;

// The colour a text designed in `design` is drawn in on `ground`: the design colour itself on a
// light ground or wherever it keeps readableContrast, and on a dark ground, where a dark design
// colour would disappear, the darkest lighter shade of the same hue and saturation that keeps
// shadeContrast against it.
QColor readableTextColor(const QColor& design, const QColor& ground);

} // namespace tessel
