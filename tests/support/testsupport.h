// Stand-ins for the message boxes and the end of the program, so tests answer boxes and see
// the end without a real dialog or exit.
#pragma once

#include "common/messagebox.h"
#include "common/urlopener.h"
#include "sound/gamesound.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <memory>

class QTemporaryDir;
class QWidget;

namespace tessel {
class AnaForm;
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

// Shows `window` and waits until it is the active window, so that the keyboard reaches it.
void showActive(QWidget* window);

// A game window on `store` as the player finds it: its appearance applied, testPhoto() held,
// shown and active, so that the keyboard reaches it. Closing it does not delete it.
std::unique_ptr<AnaForm> shownGameWindow(SettingsStore& store);

// Boards as text: rows separated by "/", cells by blanks, the empty cell "." (for example
// "0 1 2/3 . 5/6 7 4").
//
// Puts the board on the window as a dealt game: divided for its size (the photo it holds), the
// cells showing the blocks they name, the empty cell carrying n - 1, the clock running, the time
// and the count at zero.
void arrangeBoard(AnaForm& form, const QString& board);

// The board the window shows, in the same notation. A cell whose picture is not the block its
// tag names, or an empty cell whose tag is not n - 1, reads "?".
QString boardText(const AnaForm& form);

// A double click at the middle of a shown widget, delivered as the windowing system delivers
// one: press, release, press, release in quick succession, which Qt turns into a press, a
// release, a double click and a release.
void doubleClickLikeThePlatform(QWidget* widget);

// While alive, every message box is recorded and answered from the queue (Ok/Yes when empty).
class FakeMessageBoxes
{
public:
    FakeMessageBoxes();
    ~FakeMessageBoxes();
    FakeMessageBoxes(const FakeMessageBoxes&) = delete;
    FakeMessageBoxes& operator=(const FakeMessageBoxes&) = delete;

    void answerNext(QMessageBox::StandardButton answer) { m_answers.enqueue(answer); }
    const QList<MessageBoxRequest>& shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

    // Optional work done while a box is "open" (ticks that fall due meanwhile, say).
    std::function<void(const MessageBoxRequest&)> whileOpen;

private:
    QQueue<QMessageBox::StandardButton> m_answers;
    QList<MessageBoxRequest> m_shown;
};

// While alive, ending the program throws ProgramEnded instead of exiting.
class ProgramEndSpy
{
public:
    ProgramEndSpy();
    ~ProgramEndSpy();
    ProgramEndSpy(const ProgramEndSpy&) = delete;
    ProgramEndSpy& operator=(const ProgramEndSpy&) = delete;

    int ends() const { return m_ends; }

private:
    int m_ends = 0;
};

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

// While alive, every game window plays its sounds here: the sounds asked for are recorded, with
// the output's calls in order, and the number of output devices is what the test says.
class FakeSoundOutput : public SoundOutput
{
public:
    explicit FakeSoundOutput(int devices = 1);
    ~FakeSoundOutput() override;
    FakeSoundOutput(const FakeSoundOutput&) = delete;
    FakeSoundOutput& operator=(const FakeSoundOutput&) = delete;

    int devices;
    int deviceQueries = 0;
    QStringList played; // the names, in order
    QStringList calls; // "stop" and "play NAME", in order
    // The bytes of the sound playing: null after a stop.
    const QByteArray* playing = nullptr;
    // Whether those bytes were still the ones handed over when they were let go or replaced.
    bool bytesKeptWhilePlaying = true;

    int deviceCount() override;
    void stop() override;
    void play(const QString& name, const QByteArray& wave) override;

private:
    QByteArray m_handedOver;
};

// Runs the call and tells whether it ended the program.
template<class Call>
bool endsProgram(Call&& call)
{
    try {
        call();
    } catch (const ProgramEnded&) {
        return true;
    }
    return false;
}

// The shortest list of cells to slide into the empty cell that brings a board home (block c in
// cell c, the empty cell, n - 1, last), found by a breadth-first search: for 3 x 3 boards, at
// most 181 440 positions. Empty for a board at home or one that cannot come home.
QList<int> shortestSlides(const std::vector<int>& pieces, int gridSize);

// Stores an unfinished game as the close writes it: `cells` are the values of "Oyun" in cell
// order ("kB" for the empty cell), `moves` the move count of "Oyun\Bilgiler".
void storeGame(SettingsStore& store, const QStringList& cells, const QString& moves);

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
