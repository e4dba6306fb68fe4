#include "support/testsupport.h"

#include "common/shared.h"
#include "game/anaform.h"
#include "store/settingskeys.h"
#include "store/settingsstore.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <QtEndian>

#include <cmath>
#include <cstdlib>

namespace tessel::test {

void showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qFatal("window not active");
}

std::unique_ptr<AnaForm> shownGameWindow(SettingsStore& store)
{
    auto form = std::make_unique<AnaForm>(store);
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    form->applyAppearance();
    form->OrjinalFotoğrafKutusu = Photo(testPhoto());
    showActive(form.get());
    return form;
}

GameWindowTest::GameWindowTest()
{
    if (!m_dir.isValid())
        qFatal("no scratch folder");
    shared().SettingsAppName = QStringLiteral("Velkor\\Tessel");
}

GameWindowTest::~GameWindowTest() = default;

void GameWindowTest::freshStore()
{
    m_store = emptyStore(m_dir);
}

AnaForm& GameWindowTest::openForm()
{
    m_form = shownGameWindow(*m_store);
    return *m_form;
}

void GameWindowTest::closeForm()
{
    m_form.reset();
}

void arrangeBoard(AnaForm& form, const QString& board)
{
    const QStringList cells = QString(board).replace(u'/', u' ').split(u' ', Qt::SkipEmptyParts);
    const int gridSize = static_cast<int>(std::lround(std::sqrt(double(cells.size()))));
    const int n = gridSize * gridSize;
    if (n != cells.size() || gridSize < 3 || gridSize > 5)
        qFatal("not a board: %s", qPrintable(board));
    form.SüreHesapla->setInterval(0);
    {
        const QSignalBlocker quiet(form.ParçalaraBölSeçeneği.at(gridSize - 3));
        form.ParçalaraBölSeçeneği.at(gridSize - 3)->setChecked(true);
    }
    form.ParçalaraBölSeçeneği_Click(gridSize - 3);
    SavedArrangement arranged;
    for (int c = 0; c < n; ++c) {
        const bool empty = cells[c] == QLatin1String(".");
        arranged.pieces.push_back(empty ? n - 1 : cells[c].toInt());
        if (empty)
            arranged.blankIndex = c;
    }
    form.game().restore(arranged);
    form.game().resetTime();
    form.game().resetMoveCount();
    form.showBoard();
    form.Etiket.at(1)->setCaption(QStringLiteral("00:00:00"));
    form.Etiket.at(3)->setCaption(QStringLiteral("0"));
    form.SüreHesapla->setInterval(ClockTimer::runningInterval);
}

void doubleClickLikeThePlatform(QWidget* widget)
{
    QWidget* window = widget->window();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       widget->mapTo(window, widget->rect().center()));
}

QString boardText(const AnaForm& form)
{
    const int n = static_cast<int>(form.DağınıkParçalar.size());
    const int gridSize = static_cast<int>(std::lround(std::sqrt(double(n))));
    QStringList rows;
    QStringList row;
    for (int c = 0; c < n; ++c) {
        const PictureBox* cell = form.DağınıkParçalar[c];
        bool ok = false;
        const int piece = cell->tag().toInt(&ok);
        QString text = QStringLiteral("?");
        if (cell->picture().isNull()) {
            if (ok && piece == n - 1)
                text = QStringLiteral(".");
        } else if (ok && piece >= 0 && piece < int(form.SıralıParçalar.size())
                   && cell->picture().cacheKey() == form.SıralıParçalar[piece].cacheKey()) {
            text = cell->tag();
        }
        row << text;
        if ((c + 1) % gridSize == 0) {
            rows << row.join(u' ');
            row.clear();
        }
    }
    return rows.join(u'/');
}

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

FakeSoundOutput::FakeSoundOutput(int devices)
    : devices(devices)
{
    setSoundOutputOverride(this);
}

FakeSoundOutput::~FakeSoundOutput()
{
    setSoundOutputOverride(nullptr);
}

int FakeSoundOutput::deviceCount()
{
    ++deviceQueries;
    return devices;
}

void FakeSoundOutput::stop()
{
    calls << QStringLiteral("stop");
    if (playing && (playing->constData() != m_handedOver.constData() || *playing != m_handedOver))
        bytesKeptWhilePlaying = false;
    playing = nullptr;
}

void FakeSoundOutput::play(const QString& name, const QByteArray& wave)
{
    // A sound that was not stopped first has had its bytes replaced under it.
    if (playing)
        bytesKeptWhilePlaying = false;
    calls << QStringLiteral("play ") + name;
    played << name;
    playing = &wave;
    m_handedOver = wave;
}

} // namespace tessel::test
