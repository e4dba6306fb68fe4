// What the core's tests share: photos drawn for the purpose, picture files made to measure, a
// settings store of their own and a stand-in for the link opener. Links the core alone, so a
// test using only this needs no display.
#pragma once

#include "common/urlopener.h"

#include <QColor>
#include <QImage>
#include <QStringList>

#include <memory>

class QTemporaryDir;

namespace tessel {
class SettingsStore;
} // namespace tessel

namespace tessel::test {

// A photo whose every part differs: colour runs one way across, another way down, with a
// checker of bright squares, so a block in the wrong place or scaled wrongly shows at once.
QImage testPhoto(QSize size = QSize(300, 240));

// A photo of two halves: the left one colour, the right another, so a sample or a block shows
// which part of the photo it came from.
inline const QColor halvesLeft(230, 40, 40);
inline const QColor halvesRight(40, 60, 230);
QImage halves(QSize size);

// A settings store on `Tessel.ini` in `dir` with no file yet, as on a first start.
std::unique_ptr<SettingsStore> emptyStore(const QTemporaryDir& dir);

// Stores an unfinished game as the close writes it: `cells` are the values of "Oyun" in cell
// order ("kB" for the empty cell), `moves` the move count of "Oyun\Bilgiler".
void storeGame(SettingsStore& store, const QStringList& cells, const QString& moves);

// While alive, links are recorded instead of handed to the platform.
class UrlOpenerSpy
{
public:
    UrlOpenerSpy();
    ~UrlOpenerSpy();
    UrlOpenerSpy(const UrlOpenerSpy&) = delete;
    UrlOpenerSpy& operator=(const UrlOpenerSpy&) = delete;

    const QStringList& opened() const { return m_opened; }

private:
    QStringList m_opened;
};

// Picture files for the photo loader's tests.

// A photo with detail everywhere, the same on every run: colour running one way across and
// another down, shapes with hard edges, and a grain of a few levels.
QImage detailedPhoto(QSize size);

// Writes `image` as an uncompressed Windows bitmap of 24 or 32 bits per pixel, rows stored
// from the bottom or, with a negative height, from the top. `claimedHeight` (0: the real one)
// lets a test write a header that promises more rows than follow.
bool writeBitmap(const QImage& image, const QString& path, int bits, bool topDown,
                 int claimedHeight = 0);

// The file header and information header alone of a 24-bit bitmap claiming width x height.
QByteArray bitmapHeaderOnly(int width, int height);

// A whole 16 x 16 JPEG whose frame header claims width x height (the data that follows is
// too short for it, which the reader fills in), baseline or progressive.
QByteArray jpegClaiming(int width, int height, bool progressive = false);

// The same cut off after its headers.
QByteArray jpegHeaderOnly(int width, int height);

// The mean absolute difference per channel, in levels of 255, of two images of one size.
double meanAbsoluteDifference(const QImage& a, const QImage& b);

} // namespace tessel::test
