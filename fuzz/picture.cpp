// The picture path: the completeness check says the same of bytes in memory and of the same
// bytes as a file; loading any file either gives a photo or raises the invalid-picture error;
// and the streamed bitmap reader, asked for every pixel, gives what Qt's own reader gives.
#include "fuzzsupport.h"

#include "common/errors.h"
#include "picture/bitmapstream.h"
#include "picture/photo.h"
#include "picture/picturefile.h"

#include <QFile>
#include <QImageReader>

using namespace tessel;
using namespace tessel::fuzz;

namespace {

bool sameFrame(const std::optional<JpegFrame>& a, const std::optional<JpegFrame>& b)
{
    if (a.has_value() != b.has_value())
        return false;
    if (!a)
        return true;
    if (a->size != b->size || a->buffered != b->buffered
        || a->components.size() != b->components.size())
        return false;
    for (size_t i = 0; i < a->components.size(); ++i)
        if (a->components[i].horizontal != b->components[i].horizontal
            || a->components[i].vertical != b->components[i].vertical)
            return false;
    return true;
}

// The bitmap streamed at full size against Qt's reader, when both read it.
void compareBitmap(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot open the input file");
    const std::optional<BitmapHeader> header = readBitmapHeader(file);
    if (!header || !header->streamable() || !pictureFileComplete(path)
        || qint64(header->size.width()) * header->size.height() > 4'000'000)
        return;
    QImage streamed;
    try {
        streamed = readReducedBitmap(file, *header, header->size);
    } catch (const TesselError& error) {
        check(error.code() == ErrorCode::InvalidPicture, "the bitmap stream raised another error");
        return;
    }
    QImageReader reader(path, "bmp");
    const QImage qt = reader.read();
    if (qt.isNull())
        return;
    check(streamed.size() == qt.size(), "the bitmap stream reads another size than Qt");
    const QImage expected = qt.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            check(qRgb(qRed(expected.pixel(x, y)), qGreen(expected.pixel(x, y)),
                       qBlue(expected.pixel(x, y)))
                      == streamed.pixel(x, y),
                  "the bitmap stream reads another pixel than Qt");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QString path = scratchFolder() + QStringLiteral("/picture");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes.data(), bytes.size()) != bytes.size())
            fail("cannot write the input file");
    }
    const PictureCheck inMemory = checkPictureData(bytes);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot open the input file");
    const PictureCheck onFile = checkPictureFile(file);
    check(inMemory.complete == onFile.complete, "completeness differs in memory and on file");
    check(sameFrame(inMemory.jpeg, onFile.jpeg), "the JPEG frame differs in memory and on file");
    if (inMemory.jpeg)
        check(jpegDecodeBytes(*inMemory.jpeg, QSize(351, 264)) >= 0, "a negative estimate");

    try {
        const Photo photo = Photo::load(path, QSize(351, 264));
        check(!photo.isNull() && photo.size().isValid(), "a photo loaded without pixels");
        check(qint64(photo.size().width()) * photo.size().height() <= maxPhotoPixels,
              "a photo above the size cap loaded");
    } catch (const TesselError& error) {
        check(error.code() == ErrorCode::InvalidPicture, "loading raised another error");
    }
    compareBitmap(path);
    return 0;
}
