#include "support/testsupport.h"

namespace tessel::test {

FakeMessageBoxes::FakeMessageBoxes()
{
    setMessageBoxHandler([this](const MessageBoxRequest& request) {
        m_shown.append(request);
        if (whileOpen)
            whileOpen(request);
        if (!m_answers.isEmpty())
            return m_answers.dequeue();
        return request.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    });
}

FakeMessageBoxes::~FakeMessageBoxes()
{
    setMessageBoxHandler({});
}

ProgramEndSpy::ProgramEndSpy()
{
    setProgramEndHandler([this](int exitCode) {
        ++m_ends;
        throw ProgramEnded { exitCode };
    });
}

ProgramEndSpy::~ProgramEndSpy()
{
    setProgramEndHandler({});
}

UrlOpenerSpy::UrlOpenerSpy()
{
    setUrlOpener([this](const QString& url) { m_opened.append(url); });
}

UrlOpenerSpy::~UrlOpenerSpy()
{
    setUrlOpener({});
}

} // namespace tessel::test
