// The photo of a game, held off-screen. It knows the photo's true size (SW x SH, which the
// block rectangles are measured in) apart from the pixels it holds, which are a reduction of
// the photo to what its views show; cutting and scaling map true coordinates onto them.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace tessel {

// Photos of more pixels than this are refused like an unreadable picture: no camera takes
// them, and the number alone usually marks a forged header.
inline constexpr qint64 maxPhotoPixels = 250'000'000;

class Photo
{
public:
    // No picture.
    Photo() = default;
    // A photo held at its true size.
    explicit Photo(QImage pixels);
    // A photo of the true size whose pixels are held at a (possibly) reduced size.
    Photo(QImage pixels, QSize trueSize);

    // Reads a picture file, holding at least `detail` pixels (the views' need,
    // photoDetailPixels()) where the photo has them, and not many more: a JPEG is scaled by
    // its decoder while it is read, an uncompressed 24- or 32-bit bitmap is averaged row by row
    // as it streams in, any other picture is read by Qt's reader and then reduced. The file's
    // kind is told by its content, not by its name. A missing file raises FileNotFound; a file
    // that is no readable picture, one cut off before the end of its data, or one above
    // maxPhotoPixels raises InvalidPicture. Safe on any thread.
    static Photo load(const QString& path, QSize detail);
    // The same, for the views at the highest device-pixel ratio of the screens now attached.
    // Asks the screens: call it on the user-interface thread.
    static Photo load(const QString& path);

    // What load(path) holds for: photoDetailPixels() at the highest device-pixel ratio of the
    // screens (1 without a screen).
    static QSize screenDetail();

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

    // The size a JPEG of `stored` pixels is asked for so that its decoder scales it by M/8
    // with the smallest M that still gives at least `detail` pixels (the stored size when no
    // reduction does).
    static QSize jpegReadSize(QSize stored, QSize detail);

private:
    QImage m_pixels;
    QSize m_size;
};

} // namespace tessel
