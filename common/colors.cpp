#include "common/colors.h"

#include "common/errors.h"

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

} // namespace tessel
