// Whether a picture file holds all the data its header promises. The image readers fill what a
// cut-off JPEG or BMP lacks with grey or black and call it read; a photo cut off while it was
// copied is no photo to play with.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace tessel {

// False for a JPEG whose last scan has no end marker (a camera's data after the end marker is
// fine) and for an uncompressed BMP shorter than its rows need. Anything else, other kinds of
// file included, is left to the reader: true.
bool pictureDataComplete(QByteArrayView bytes);

// The same for a file; true when the file cannot be read (the reader then says so).
bool pictureFileComplete(const QString& path);

} // namespace tessel
