#include "common/colors.h"

#include "common/errors.h"

#include <cmath>

namespace tessel {

QColor colorFromBgr(quint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QPalette::ColorRole systemColorRole(quint32 index)
{
    // The classic system colour numbers, each on the role that plays its part in a Qt palette.
    // Button face is the ground of dialogs, which Qt paints with Window.
    static constexpr QPalette::ColorRole roles[] = {
        QPalette::Button, // 0 scroll bar
        QPalette::Dark, // 1 desktop
        QPalette::Highlight, // 2 active caption
        QPalette::Mid, // 3 inactive caption
        QPalette::Window, // 4 menu
        QPalette::Base, // 5 window
        QPalette::Shadow, // 6 window frame
        QPalette::WindowText, // 7 menu text
        QPalette::Text, // 8 window text
        QPalette::HighlightedText, // 9 caption text
        QPalette::Window, // 10 active border
        QPalette::Window, // 11 inactive border
        QPalette::Dark, // 12 application workspace
        QPalette::Highlight, // 13 highlight
        QPalette::HighlightedText, // 14 highlight text
        QPalette::Window, // 15 button face
        QPalette::Dark, // 16 button shadow
        QPalette::PlaceholderText, // 17 grey text
        QPalette::ButtonText, // 18 button text
        QPalette::WindowText, // 19 inactive caption text
        QPalette::Light, // 20 button highlight
        QPalette::Shadow, // 21 3-D dark shadow
        QPalette::Midlight, // 22 3-D light
        QPalette::ToolTipText, // 23 tool-tip text
        QPalette::ToolTipBase, // 24 tool-tip ground
        QPalette::Window, // 25 (unused)
        QPalette::Link, // 26 hot-tracked item
        QPalette::Highlight, // 27 active caption gradient
        QPalette::Mid, // 28 inactive caption gradient
        QPalette::Highlight, // 29 menu highlight
        QPalette::Window, // 30 menu bar
    };
    if (index >= std::size(roles))
        throw TesselError(ErrorCode::InvalidCall,
                          QStringLiteral("Invalid system colour %1").arg(index));
    return roles[index];
}

QColor colorFromStored(quint32 value, const QPalette& palette)
{
    if (value & systemColorFlag)
        return palette.color(systemColorRole(value & ~systemColorFlag));
    return colorFromBgr(value);
}

double relativeLuminance(const QColor& color)
{
    auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
        + 0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDarkGround(const QColor& ground)
{
    return contrastRatio(ground, Qt::white) > contrastRatio(ground, Qt::black);
}

QColor readableTextColor(const QColor& design, const QColor& ground)
{
    if (!isDarkGround(ground) || contrastRatio(design, ground) >= readableContrast)
        return design;
    // Lightness only: the hue and saturation stay the design's. White (lightness 1) passes
    // readableContrast on any dark ground, and shadeContrast on all but the lightest of them,
    // where the search ends in white.
    const QColor hsl = design.toHsl();
    const float hue = hsl.hslHueF() < 0 ? 0 : hsl.hslHueF();
    const float saturation = hsl.hslSaturationF();
    auto shade
        = [&](float lightness) { return QColor::fromHslF(hue, saturation, lightness).toRgb(); };
    float dark = hsl.lightnessF();
    float light = 1;
    for (int step = 0; step < 24; ++step) {
        const float middle = (dark + light) / 2;
        if (contrastRatio(shade(middle), ground) >= shadeContrast)
            light = middle;
        else
            dark = middle;
    }
    // Rounded to 8-bit channels the shade may fall back below the line: step up until it holds.
    QColor result = shade(light);
    for (float lightness = light; contrastRatio(result, ground) < shadeContrast && lightness < 1;) {
        lightness = std::min(1.0f, lightness + 1.0f / 255);
        result = shade(lightness);
    }
    return result;
}

} // namespace tessel
