// What the window tests share besides the core's: stand-ins for the message boxes, the end of
// the program and the sound output, and the game window as the player finds it.
#pragma once

#include "common/messagebox.h"
#include "sound/gamesound.h"
#include "support/coresupport.h"

#include <QList>
#include <QObject>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QWidget;

namespace tessel {
class AnaForm;
} // namespace tessel

namespace tessel::test {

// Shows `window` and waits until it is the active window, so that the keyboard reaches it.
void showActive(QWidget* window);

// A game window on `store` as the player finds it: its appearance applied, testPhoto() held,
// shown and active, so that the keyboard reaches it. Closing it does not delete it.
std::unique_ptr<AnaForm> shownGameWindow(SettingsStore& store);

// What most game window tests start from, as a base of the test class: a scratch folder, the
// program's application name, a store on `Tessel.ini` in the folder, and the game window opened
// on it. The test's init() calls freshStore() and its cleanup() closeForm() where it uses them.
class GameWindowTest : public QObject
{
protected:
    GameWindowTest();
    ~GameWindowTest() override;

    // An empty store, as on a first start.
    void freshStore();
    // shownGameWindow() on the store; it stays until closeForm() or the next openForm().
    AnaForm& openForm();
    void closeForm();

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<AnaForm> m_form;
};

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

} // namespace tessel::test
