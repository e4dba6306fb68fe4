// The photo of a game, held off-screen. It knows the photo's true size (SW x SH, which the
// block rectangles are measured in) apart from the pixels it holds, which may be a reduction of
// the photo; cutting and scaling map true coordinates onto the held pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace tessel {

class Photo
{
public:
    // No picture.
    Photo() = default;
    // A photo held at its true size.
    explicit Photo(QImage pixels);
    // A photo of the true size whose pixels are held at a (possibly) reduced size.
    Photo(QImage pixels, QSize trueSize);

    // Reads a picture file. A missing file raises FileNotFound; a file that is no readable
    // picture, or one cut off before the end of its data, raises InvalidPicture.
    static Photo load(const QString& path);

    bool isNull() const { return m_pixels.isNull(); }

    // SW x SH: the photo's true size in pixels.
    QSize size() const { return m_size; }

    // The pixels held.
    const QImage& pixels() const { return m_pixels; }

    // The source rectangle (true pixels) smooth-scaled to target (device pixels). A rectangle
    // smaller than a held pixel still takes that pixel. Null for no picture.
    QImage cut(const QRect& source, const QSize& target) const;

    // The whole photo smooth-scaled to target, ignoring its proportions.
    QImage scaled(const QSize& target) const;

private:
    QImage m_pixels;
    QSize m_size;
};

} // namespace tessel
