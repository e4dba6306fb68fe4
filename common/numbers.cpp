#include "common/numbers.h"

#include "common/errors.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace tessel {

double roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

int twipsToPixels(double twips)
{
    return static_cast<int>(roundHalfEven(twips / twipsPerPixel));
}

QRect twipsToPixels(double left, double top, double width, double height)
{
    const int l = twipsToPixels(left);
    const int t = twipsToPixels(top);
    const int r = twipsToPixels(left + width);
    const int b = twipsToPixels(top + height);
    return QRect(l, t, r - l, b - t);
}

namespace {

std::optional<double> parseNumber(const QString& text)
{
    const QString s = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        negative = s[i++] == u'-';
    double value = 0;
    int digits = 0;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        value = value * 10 + (s[i++].unicode() - '0');
        ++digits;
    }
    if (i < s.size() && (s[i] == u'.' || s[i] == u',')) {
        ++i;
        double scale = 0.1;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            value += (s[i++].unicode() - '0') * scale;
            scale /= 10;
            ++digits;
        }
    }
    if (digits == 0 || i != s.size())
        return std::nullopt;
    return negative ? -value : value;
}

double numberOrMismatch(const QString& text)
{
    const auto value = parseNumber(text);
    if (!value)
        throw TesselError(ErrorCode::TypeMismatch, QStringLiteral("Type mismatch"));
    return *value;
}

template<class Int>
Int toInteger(const QString& text)
{
    const double rounded = roundHalfEven(numberOrMismatch(text));
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min())
        || rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        throw TesselError(ErrorCode::Overflow, QStringLiteral("Overflow"));
    return static_cast<Int>(rounded);
}

} // namespace

int16_t toInt16(const QString& text)
{
    return toInteger<int16_t>(text);
}
uint8_t toUInt8(const QString& text)
{
    return toInteger<uint8_t>(text);
}
int32_t toInt32(const QString& text)
{
    return toInteger<int32_t>(text);
}

float toSingle(const QString& text)
{
    const double value = numberOrMismatch(text);
    if (std::abs(value) > static_cast<double>(std::numeric_limits<float>::max()))
        throw TesselError(ErrorCode::Overflow, QStringLiteral("Overflow"));
    return static_cast<float>(value);
}

QString singleToText(float value, const QLocale& locale)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0"); // no "-0"; a window edge is never infinite
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

} // namespace tessel
