// The kinds of picture a photo may be, told by the file's first bytes and never by its name: the
// command line, a drop and the desktop entry take the same set, the formats this program reads
// well with what Qt itself brings (the photo selection window lists its own two patterns).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace tessel {

enum class PhotoFormat { None, Jpeg, Bmp, Png, Gif };

// The kind the bytes begin with; None for anything else.
PhotoFormat photoFormatOf(QByteArrayView head);
// The kind a regular file holds, opened without waiting; None for anything that is no regular
// file, cannot be read or holds no photo.
PhotoFormat photoFileFormat(const QString& path);
// Qt's reader's name for the kind ("jpeg", "bmp", ...); empty for None.
QByteArray readerFormatName(PhotoFormat format);
// The kinds as MIME types, as the desktop entry names them.
QStringList photoMimeTypes();

} // namespace tessel
