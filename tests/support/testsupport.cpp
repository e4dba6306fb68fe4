#include "support/testsupport.h"

#include "game/anaform.h"

#include <QRadioButton>
#include <QSignalBlocker>

#include <cmath>

namespace tessel::test {

QImage testPhoto(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool square = (x / 20 + y / 20) % 2 == 0;
            image.setPixelColor(
                x, y, QColor(x * 255 / size.width(), y * 255 / size.height(), square ? 230 : 40));
        }
    return image;
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
    for (int c = 0; c < n; ++c) {
        PictureBox* cell = form.DağınıkParçalar.at(c);
        if (cells[c] == QLatin1String(".")) {
            cell->setPicture(QPixmap());
            cell->setTag(QString::number(n - 1));
            form.BlankIndex = static_cast<int16_t>(c);
        } else {
            cell->setPicture(form.SıralıParçalar.at(cells[c].toInt()));
            cell->setTag(cells[c]);
        }
    }
    form.Seconds = form.Minutes = form.Hours = 0;
    form.ClickCount = 0;
    form.Etiket.at(1)->setCaption(QStringLiteral("00:00:00"));
    form.Etiket.at(3)->setCaption(QStringLiteral("0"));
    form.SüreHesapla->setInterval(ClockTimer::runningInterval);
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

UrlOpenerSpy::UrlOpenerSpy()
{
    setUrlOpener([this](const QString& url) { m_opened.append(url); });
}

UrlOpenerSpy::~UrlOpenerSpy()
{
    setUrlOpener({});
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
