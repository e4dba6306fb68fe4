// Whether a picture file holds all the data its header promises, and what decoding a JPEG would
// cost. The image readers fill what a cut-off JPEG or BMP lacks with grey or black and call it
// read; a photo cut off while it was copied is no photo to play with.
#pragma once

#include <QByteArrayView>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace tessel {

// A JPEG's end marker is looked for in this many bytes at the end of the file (a camera's data
// after the picture included): a file without one in its tail counts as cut off, whatever its
// length, and costs at most this much reading.
inline constexpr qint64 jpegEndSearchBytes = 16 * 1024 * 1024;

// A JPEG's segments before its first scan (fill bytes included) are read this far at most: one
// with more is no photo (a camera's headers take a few hundred KB) and counts as cut off.
inline constexpr qint64 jpegHeaderBytes = 64 * 1024 * 1024;

// A picture whose decode would need more memory than this is refused as unreadable.
inline constexpr qint64 maxDecodeBytes = 512 * 1024 * 1024;

// What a JPEG's frame header says about its decode.
struct JpegFrame
{
    QSize size;
    struct Component
    {
        int horizontal = 1; // sampling factors
        int vertical = 1;
    };
    std::vector<Component> components;
    // Progressive, or sequential in several scans: the decoder then keeps every coefficient of
    // the whole image until the last scan.
    bool buffered = false;
};

// The file's completeness and, for a JPEG whose headers were read up to its first scan, its
// frame; one pass over the headers, forward only.
struct PictureCheck
{
    bool complete = true;
    std::optional<JpegFrame> jpeg;
    // Not complete, but only for want of its end marker: a sequential JPEG whose one scan holds
    // every component. Whether that scan is whole only its decode can tell, with the marker
    // added: a scan cut short makes the decoder report damage.
    bool onlyEndMarkerMissing = false;
};

// False for a JPEG whose headers hold no scan within jpegHeaderBytes, or whose last scan has no
// end marker within jpegEndSearchBytes of the end (a camera's data after the end marker is
// fine), and for an uncompressed BMP shorter than its rows need. Anything else, other kinds of
// file included, is left to the reader: true.
PictureCheck checkPictureData(QByteArrayView bytes);
// The same for a file, read from its start; complete when it cannot be read (the reader then
// says so). Reads the headers forward in blocks and the tail once, whatever fills the file.
PictureCheck checkPictureFile(QIODevice& file);

bool pictureDataComplete(QByteArrayView bytes);
bool pictureFileComplete(const QString& path);

// The bytes libjpeg needs to decode a JPEG of `frame` into `output` pixels: the whole image's
// coefficients for a buffered file (2 bytes for each of the 64 of every 8 x 8 block, whole
// units of the sampling), and the output image (4 bytes a pixel).
qint64 jpegDecodeBytes(const JpegFrame& frame, QSize output);

} // namespace tessel
