#include "about/aboutinfo.h"

#include "version.h"

#include <algorithm>

namespace tessel {

ProgramInfo thisProgram()
{
    return { QString::fromUtf8(version::productName), version::major, version::minor,
             version::revision, QString::fromUtf8(version::legalNotice) };
}

QString expandBuildFields(const QString& text)
{
    QString out = text;
    out.replace(QLatin1String("${siteUrl}"), QString::fromUtf8(version::siteUrl));
    out.replace(QLatin1String("${email}"), QString::fromUtf8(version::email));
    out.replace(QLatin1String("${projectName}"), QString::fromUtf8(version::projectName));
    return out;
}

QImage aboutIcon(qreal ratio)
{
    if (ratio != 1.0) {
        const int side = std::max(1, qRound(32 * ratio));
        QImage icon = aboutIcon().scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        icon.setDevicePixelRatio(ratio);
        return icon;
    }
    constexpr int side = 32;
    constexpr int cell = 8;
    constexpr int pitch = 10;
    constexpr int origin = 2;
    const QRgb line = qRgb(108, 157, 255);
    QImage icon(side, side, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (row == 2 && column == 2)
                continue; // the empty cell
            const int left = origin + column * pitch;
            const int top = origin + row * pitch;
            for (int i = 0; i < cell; ++i) {
                icon.setPixel(left + i, top, line);
                icon.setPixel(left + i, top + cell - 1, line);
                icon.setPixel(left, top + i, line);
                icon.setPixel(left + cell - 1, top + i, line);
            }
        }
    }
    return icon;
}

} // namespace tessel
