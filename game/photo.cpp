#include "game/photo.h"

#include "common/errors.h"
#include "game/picturefile.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace tessel {

Photo::Photo(QImage pixels)
    : m_pixels(std::move(pixels))
    , m_size(m_pixels.size())
{ }

Photo::Photo(QImage pixels, QSize trueSize)
    : m_pixels(std::move(pixels))
    , m_size(m_pixels.isNull() ? QSize() : trueSize)
{ }

Photo Photo::load(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        throw TesselError(ErrorCode::FileNotFound, QStringLiteral("File not found"));
    // A pipe or device would block the reader; a cut-off file would load half grey.
    if (!QFileInfo(path).isFile() || !pictureFileComplete(path))
        throw TesselError(ErrorCode::InvalidPicture, QStringLiteral("Invalid picture"));
    QImageReader reader(path);
    // Camera photos stand upright as the camera recorded them.
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        throw TesselError(ErrorCode::InvalidPicture, QStringLiteral("Invalid picture"));
    return Photo(std::move(image));
}

QImage Photo::cut(const QRect& source, const QSize& target) const
{
    if (isNull() || target.isEmpty())
        return QImage();
    const double sx = static_cast<double>(m_pixels.width()) / m_size.width();
    const double sy = static_cast<double>(m_pixels.height()) / m_size.height();
    const int left = static_cast<int>(std::floor(source.left() * sx));
    const int top = static_cast<int>(std::floor(source.top() * sy));
    const int right = static_cast<int>(std::ceil((source.left() + source.width()) * sx));
    const int bottom = static_cast<int>(std::ceil((source.top() + source.height()) * sy));
    QRect held(left, top, std::max(right - left, 1), std::max(bottom - top, 1));
    held = held.intersected(m_pixels.rect());
    if (held.isEmpty())
        held = QRect(std::clamp(left, 0, m_pixels.width() - 1),
                     std::clamp(top, 0, m_pixels.height() - 1), 1, 1);
    return m_pixels.copy(held).scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Photo::scaled(const QSize& target) const
{
    if (isNull() || target.isEmpty())
        return QImage();
    return m_pixels.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace tessel
