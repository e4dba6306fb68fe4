// The bench's own test photos, made afresh on every run: camera-size JPEGs with fine detail,
// uncompressed bitmaps, a progressive JPEG and forged headers.
#pragma once

#include <QSize>
#include <QString>

namespace bench {

struct BenchPhotos
{
    QString jpeg24; // 6000 x 4000, quality 90
    QString jpeg96; // 12000 x 8000, quality 90
    QString progressive24; // 6000 x 4000, quality 90, progressive
    QString bitmap24; // 6000 x 4000, 24 bits
    QString bitmap96; // 12000 x 8000, 24 bits
    QString jpegBomb; // headers only, claiming 65000 x 65000
    QString bitmapBomb; // headers only, claiming 65000 x 65000
    QString tinyJpeg; // 8 x 8: what starting djpeg costs
    QString warmJpeg; // small files a measuring process reads first
    QString warmBitmap;
};

// Writes the photos into `folder`; returns false when a file cannot be written.
bool makeBenchPhotos(const QString& folder, BenchPhotos& photos);

// Writes the 24 MP JPEG alone (as photos.jpeg24) at `path`.
bool makeCameraJpeg(const QString& path);

} // namespace bench
