#include "picture/photoformats.h"

#include "system/filenames.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessel {

PhotoFormat photoFormatOf(QByteArrayView head)
{
    if (head.startsWith("\xFF\xD8\xFF"))
        return PhotoFormat::Jpeg;
    if (head.startsWith("BM"))
        return PhotoFormat::Bmp;
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return PhotoFormat::Png;
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return PhotoFormat::Gif;
    return PhotoFormat::None;
}

PhotoFormat photoFileFormat(const QString& path)
{
    char head[8] = {};
    qint64 got = 0;
#ifdef Q_OS_UNIX
    // Asked while a drag passes over the window: a pipe named like a photo must not block it.
    const int fd = ::open(encodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return PhotoFormat::None;
    struct stat status = {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        got = ::read(fd, head, sizeof head);
    ::close(fd);
#else
    if (!QFileInfo(path).isFile())
        return PhotoFormat::None;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return PhotoFormat::None;
    got = file.read(head, sizeof head);
#endif
    return got > 0 ? photoFormatOf(QByteArrayView(head, got)) : PhotoFormat::None;
}

QByteArray readerFormatName(PhotoFormat format)
{
    switch (format) {
    case PhotoFormat::Jpeg:
        return "jpeg";
    case PhotoFormat::Bmp:
        return "bmp";
    case PhotoFormat::Png:
        return "png";
    case PhotoFormat::Gif:
        return "gif";
    case PhotoFormat::None:
        break;
    }
    return {};
}

QStringList photoMimeTypes()
{
    return { QStringLiteral("image/jpeg"), QStringLiteral("image/bmp"), QStringLiteral("image/png"),
             QStringLiteral("image/gif") };
}

} // namespace tessel
