#include "system/filenames.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace tessel {

namespace {

constexpr char16_t escapeBase = 0xDC00;

bool isEscapedByte(char16_t c)
{
    return c >= escapeBase + 0x80 && c <= escapeBase + 0xFF;
}

// The length of the well-formed UTF-8 sequence at `at`, or 0.
qsizetype sequenceLength(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return uint8_t(bytes[i]); };
    const uint8_t lead = byte(at);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    uint8_t low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong form
        if (lead == 0xED)
            high = 0x9F; // no surrogate
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

} // namespace

QString decodeFileName(QByteArrayView bytes)
{
#ifdef Q_OS_UNIX
    QStringDecoder whole(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString name = whole(bytes);
    if (!whole.hasError())
        return name;
    name.clear();
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = sequenceLength(bytes, i);
        if (length == 0) {
            name += QChar(char16_t(escapeBase + uint8_t(bytes[i])));
            ++i;
        } else {
            name += QString::fromUtf8(bytes.sliced(i, length));
            i += length;
        }
    }
    return name;
#else
    return QFile::decodeName(bytes.toByteArray());
#endif
}

QByteArray encodeFileName(const QString& name)
{
#ifdef Q_OS_UNIX
    if (std::none_of(name.begin(), name.end(), [](QChar c) { return isEscapedByte(c.unicode()); }))
        return QFile::encodeName(name);
    QByteArray bytes;
    bytes.reserve(name.size() * 3);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool paired = i > 0 && QChar::isHighSurrogate(name[i - 1].unicode());
        if (isEscapedByte(c) && !paired) {
            bytes += char(c - escapeBase);
        } else if (QChar::isHighSurrogate(c) && i + 1 < name.size()
                   && QChar::isLowSurrogate(name[i + 1].unicode())) {
            bytes += QStringView(name).sliced(i, 2).toUtf8();
            ++i;
        } else {
            bytes += QStringView(name).sliced(i, 1).toUtf8();
        }
    }
    return bytes;
#else
    return QFile::encodeName(name);
#endif
}

QString localFileOf(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
#ifdef Q_OS_UNIX
    if (url.host().isEmpty())
        return decodeFileName(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
#endif
    return url.toLocalFile();
}

bool fileNameExists(const QString& name)
{
    if (name.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    struct stat status = {};
    return ::stat(encodeFileName(name).constData(), &status) == 0;
#else
    return QFileInfo::exists(name);
#endif
}

} // namespace tessel
