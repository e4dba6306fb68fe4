// Stand-ins for the message boxes and the end of the program, so tests answer boxes and see
// the end without a real dialog or exit.
#pragma once

#include "common/messagebox.h"
#include "common/urlopener.h"

#include <QList>
#include <QQueue>
#include <QStringList>

namespace tessel::test {

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
