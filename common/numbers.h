// Rounding, the twips unit of the window designs, and the conversions of stored texts to numbers.
#pragma once

#include <QLocale>
#include <QRect>
#include <QString>

#include <cstdint>

namespace tessel {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

inline constexpr int twipsPerPixel = 15; // 1440 twips per inch at 96 logical dpi

int twipsToPixels(double twips);

// A design rectangle (left, top, width, height in twips) in logical pixels. Each edge is
// rounded by itself, so neighbouring cells keep their exact gaps.
QRect twipsToPixels(double left, double top, double width, double height);

// Text to number, the way stored values and design captions are read: blanks around the
// number are allowed, a fraction may use "." or "," and is rounded half to even for integer
// targets. Text that is no number raises TypeMismatch; a number outside the target type
// raises Overflow.
int16_t toInt16(const QString& text);
uint8_t toUInt8(const QString& text);
int32_t toInt32(const QString& text);
float toSingle(const QString& text);

// A single-precision number as stored text: the shortest plain decimal that reads back to the
// same value, no exponent and no group separators, with the locale's decimal separator.
QString singleToText(float value, const QLocale& locale = QLocale::system());

} // namespace tessel
