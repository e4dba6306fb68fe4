#include "picture/photo.h"

#include "board/boardlayout.h"
#include "common/errors.h"
#include "picture/bitmapstream.h"
#include "picture/photoformats.h"
#include "picture/picturefile.h"
#include "system/filenames.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessel {

namespace {

[[noreturn]] void invalidPicture()
{
    throw TesselError(ErrorCode::InvalidPicture, QStringLiteral("Invalid picture"));
}

void refuseOversized(QSize size)
{
    if (qint64(size.width()) * size.height() > maxPhotoPixels)
        invalidPicture();
}

// Whole-factor reduction to at least `detail` pixels, as the bitmap stream reduces.
QSize reducedSize(QSize size, QSize detail)
{
    const int fx = reductionFactor(size.width(), detail.width());
    const int fy = reductionFactor(size.height(), detail.height());
    return QSize((size.width() + fx - 1) / fx, (size.height() + fy - 1) / fy);
}

// Qt's JPEG reader passes libjpeg's warnings to its logging category and decodes on: data that
// is damaged but ends in an end marker reads as a picture with grey where the damage begins.
// While a decode runs, the warnings of its thread are caught here.
constexpr char jpegCategory[] = "qt.gui.imageio.jpeg";

thread_local bool* t_jpegDamaged = nullptr;
std::atomic<QtMessageHandler> s_nextHandler = nullptr;
std::atomic<QLoggingCategory::CategoryFilter> s_nextFilter = nullptr;

// What libjpeg says of data it cannot decode as written. A few bytes of padding that some
// encoders leave before a marker cost no pixel and pass; more are coded data the decoder could
// not use.
bool isDamage(const QString& message)
{
    static const QRegularExpression padding(
        QStringLiteral("^Corrupt JPEG data: ([0-9]+) extraneous bytes before marker"));
    if (const QRegularExpressionMatch m = padding.match(message); m.hasMatch())
        return m.captured(1).toInt() > 4;
    return message.startsWith(QLatin1String("Corrupt JPEG data"))
        || message.startsWith(QLatin1String("Premature end of JPEG file"))
        || message.startsWith(QLatin1String("Inconsistent progression sequence"))
        || message.startsWith(QLatin1String("Invalid SOS parameters"));
}

void catchJpegWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (t_jpegDamaged && type == QtWarningMsg && context.category
        && qstrcmp(context.category, jpegCategory) == 0 && isDamage(message))
        *t_jpegDamaged = true;
    if (const QtMessageHandler next = s_nextHandler.load())
        next(type, context, message);
}

// The category's warnings stay on whatever the logging rules say: they are how damage shows.
void keepJpegWarnings(QLoggingCategory* category)
{
    if (const QLoggingCategory::CategoryFilter next = s_nextFilter.load())
        next(category);
    if (qstrcmp(category->categoryName(), jpegCategory) == 0)
        category->setEnabled(QtWarningMsg, true);
}

// Catches the JPEG reader's warnings of damage on this thread while it lives. The handler is
// put back in front whenever something else has taken its place since the last decode.
class JpegDamageWatch
{
public:
    JpegDamageWatch()
    {
        static std::mutex mutex;
        const std::lock_guard<std::mutex> lock(mutex);
        const QtMessageHandler previous = qInstallMessageHandler(catchJpegWarnings);
        if (previous != catchJpegWarnings)
            s_nextHandler = previous;
        static const bool filtered = [] {
            s_nextFilter = QLoggingCategory::installFilter(keepJpegWarnings);
            return true;
        }();
        Q_UNUSED(filtered);
        t_jpegDamaged = &m_damaged;
    }
    ~JpegDamageWatch() { t_jpegDamaged = nullptr; }
    JpegDamageWatch(const JpegDamageWatch&) = delete;
    JpegDamageWatch& operator=(const JpegDamageWatch&) = delete;

    bool damaged() const { return m_damaged; }

private:
    bool m_damaged = false;
};

} // namespace

Photo::Photo(QImage pixels)
    : m_pixels(std::move(pixels))
    , m_size(m_pixels.size())
{ }

Photo::Photo(QImage pixels, QSize trueSize)
    : m_pixels(std::move(pixels))
    , m_size(m_pixels.isNull() ? QSize() : trueSize)
{ }

Photo Photo::load(const QString& path, QSize detail)
{
    if (path.isEmpty() || !fileNameExists(path))
        throw TesselError(ErrorCode::FileNotFound, QStringLiteral("File not found"));
    QFile file;
#ifdef Q_OS_UNIX
    // Opened by the name's own bytes (not UTF-8 in every name), without waiting: a pipe or
    // device would block the reader, and only then is it asked what it is.
    const int fd = ::open(encodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        invalidPicture();
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        invalidPicture();
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        invalidPicture();
    }
#else
    // A pipe or device would block the reader.
    if (!QFileInfo(path).isFile())
        invalidPicture();
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        invalidPicture();
#endif
    // A cut-off file would load half grey. A JPEG that lacks only its end marker is read with
    // one added: its decoder then meets damage where its scan was cut short, and only there.
    const PictureCheck check = checkPictureFile(file);
    if ((!check.complete && !check.onlyEndMarkerMissing) || !file.seek(0))
        invalidPicture();
    QBuffer ended;
    QIODevice* source = &file;
    if (!check.complete) {
        ended.setData(file.readAll() + QByteArray("\xFF\xD9", 2));
        if (!ended.open(QIODevice::ReadOnly))
            invalidPicture();
        source = &ended;
    }

    const std::optional<BitmapHeader> bitmap = readBitmapHeader(*source);
    if (bitmap) {
        refuseOversized(bitmap->size);
        if (bitmap->streamable())
            return Photo(readReducedBitmap(*source, *bitmap, detail), bitmap->size);
    }
    if (!source->seek(0))
        invalidPicture();

    // Qt's allocation limit stays at its default: a reader that cannot scale while reading
    // refuses what would not fit it. The kind is named to the reader by the file's first bytes
    // and the reader told not to guess, since guessing asks, and so loads, every image plug-in
    // Qt has (a start-up cost); a kind outside the photo kinds is no photo.
    const PhotoFormat format = photoFormatOf(source->peek(8));
    if (format == PhotoFormat::None)
        invalidPicture();
    const bool jpeg = format == PhotoFormat::Jpeg;
    QImageReader reader(source, readerFormatName(format));
    reader.setAutoDetectImageFormat(false);
    // Camera photos stand upright as the camera recorded them.
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    QSize trueSize;
    if (stored.isValid()) {
        // Refused on the header alone: a forged size costs neither time nor memory.
        refuseOversized(stored);
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        trueSize = turned ? stored.transposed() : stored;
        if (jpeg) {
            const QSize readSize = jpegReadSize(stored, turned ? detail.transposed() : detail);
            // A progressive photo keeps all its coefficients while it decodes, whatever the
            // size asked for: refused on its header when that would pass the bound.
            if (check.jpeg && jpegDecodeBytes(*check.jpeg, readSize) > maxDecodeBytes)
                invalidPicture();
            if (readSize != stored)
                reader.setScaledSize(readSize);
        }
    }
    const JpegDamageWatch damage;
    QImage image = reader.read();
    if (image.isNull() || damage.damaged())
        invalidPicture();
    // Bitmaps are opaque here, as the picture boxes of old showed them: a 32-bit one whose
    // alpha bytes were left at zero by its writer (or filled with anything) shows its colours.
    if (bitmap && image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_RGB32);
    if (!trueSize.isValid()) {
        refuseOversized(image.size());
        trueSize = image.size();
    }
    if (!reader.scaledSize().isValid()) {
        // Read whole: keep only what the views show.
        const QSize held = reducedSize(image.size(), detail);
        if (held != image.size())
            image = image.scaled(held, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return Photo(std::move(image), trueSize);
}

Photo Photo::load(const QString& path)
{
    return load(path, screenDetail());
}

QSize Photo::screenDetail()
{
    qreal ratio = 1;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (const QScreen* screen : QGuiApplication::screens())
            ratio = std::max(ratio, screen->devicePixelRatio());
    }
    return photoDetailPixels(ratio);
}

QSize Photo::jpegReadSize(QSize stored, QSize detail)
{
    // Qt's reader has libjpeg scale by M/8 with M = ceil(8 / f), f the smaller of the two
    // reductions asked for; asking for M/8 of the size rounded down gives exactly that M.
    // libjpeg rounds up, and the reader smooths away the odd pixel row or column.
    for (int m = 1; m < 8; ++m) {
        const QSize size(static_cast<int>(qint64(stored.width()) * m / 8),
                         static_cast<int>(qint64(stored.height()) * m / 8));
        if (size.width() >= detail.width() && size.height() >= detail.height())
            return size;
    }
    return stored;
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
