// The game window's play: a click on a cell slides its block into the empty cell or is refused,
// a completed photo is announced, and the sounds of both.
#include "game/anaform.h"

#include "board/boardrules.h"
#include "board/boardspeech.h"
#include "board/completionnews.h"
#include "common/colors.h"
#include "common/messagebox.h"
#include "common/resourcestring.h"
#include "common/stringids.h"
#include "game/hintcontroller.h"
#include "store/bestresults.h"

#include <QCheckBox>

#include <limits>

namespace tessel {

namespace {

// Where a block has just left.
const QColor emptiedCellColour = colorFromBgr(0xC0FFFF);

} // namespace

void AnaForm::DağınıkParçalar_Click(int Index)
{
    const ReportingTrap trap = reportingTrap();
    // While no game runs a click starts one instead of moving a piece.
    if (!SüreHesapla->running()) {
        trap([&] { YeniOyunDüğmesi_Click(); });
        return;
    }

    const int blank = BlankIndex;
    if (!isMoveAllowed(Index, blank, GridSize)) {
        trap([&] { PlayGameSound(QStringLiteral("DUR")); });
        return;
    }

    trap([&] { DağınıkParçalar.at(blank)->setPicture(DağınıkParçalar.at(Index)->picture()); });
    trap([&] { DağınıkParçalar.at(Index)->setPicture(QPixmap()); });
    trap([&] { DağınıkParçalar.at(blank)->update(); });
    trap([&] { DağınıkParçalar.at(Index)->setBackColor(emptiedCellColour); });
    trap([&] {
        PictureBox* moved = DağınıkParçalar.at(Index);
        PictureBox* emptied = DağınıkParçalar.at(blank);
        const QString tag = emptied->tag();
        emptied->setTag(moved->tag());
        moved->setTag(tag);
    });
    trap([&] { BlankIndex = static_cast<int16_t>(Index); });
    trap([&] {
        if (ClickCount == std::numeric_limits<int32_t>::max())
            throw TesselError(ErrorCode::Overflow, QStringLiteral("Overflow"));
        ++ClickCount;
        moveCountDisplay()->setCaption(QString::number(ClickCount));
    });
    trap([&] { PlayGameSound(QStringLiteral("TAMAM")); });
    nameCells();
    ignoreErrors([&] {
        announce(moveAnnouncement(DağınıkParçalar.at(blank)->tag().toInt(), blank, GridSize));
    });
    m_hints->boardChanged();
    keepGameSoon();

    bool complete = false;
    trap([&] {
        std::vector<QString> tags;
        tags.reserve(DağınıkParçalar.size());
        for (const PictureBox* cell : DağınıkParçalar)
            tags.push_back(cell->tag());
        complete = isPhotoComplete(tags);
    });
    if (complete)
        completePhoto();
}

void AnaForm::completePhoto()
{
    const ReportingTrap trap = reportingTrap();
    QString message;
    trap([&] { message = completionMessage({ Hours, Minutes, Seconds }, ClickCount); });
    // Stopped first: the message tells the time of the completion.
    trap([&] { SüreHesapla->setInterval(0); });
    trap([&] {
        const size_t last = DağınıkParçalar.size() - 1;
        DağınıkParçalar.at(last)->setPicture(SıralıParçalar.at(last));
    });
    trap([&] { PlayGameSound(QStringLiteral("TEBRIK")); });
    nameCells();
    ignoreErrors([&] { announce(ResourceString(StringId::Congratulations)); });
    message += completionNews();
    // The won game leaves the store before the message: a close while it waits for OK (a
    // log-out, a termination signal) must not leave it to be offered at the next start. That
    // includes a game kept during play.
    settleKeptGame();
    removeStoredGame(m_settings, SavedGame);
    trap([&] { showInformation(message); });
    trap([&] {
        Seconds = Minutes = Hours = 0;
        timeDisplay()->setCaption(QString::fromUtf16(clockResetText));
    });
    trap([&] {
        ClickCount = 0;
        moveCountDisplay()->setCaption(QStringLiteral("0"));
    });
}

QString AnaForm::completionNews()
{
    CompletionNews news;
    news.gridSize = GridSize;
    news.solutionLength = m_hints->solutionLength();
    news.shortest = m_hints->solutionIsShortest();
    m_hints->gameOver();
    // A store that cannot be written keeps its results and tells no news.
    ignoreErrors([&] {
        const int32_t seconds = Hours * 3600 + Minutes * 60 + Seconds;
        const RecordNews records = recordCompletion(m_settings, GridSize, seconds, ClickCount);
        news.newBestTime = records.bestTime;
        news.fewestMoves = records.fewestMoves;
    });
    return completionNewsText(news);
}

void AnaForm::PlayGameSound(const QString& name)
{
    SoundOutput& output = soundOutput();
    if (output.deviceCount() <= 0 || SesleriKapatOnayı->checkState() != Qt::Unchecked)
        return;
    // The sound playing lets go of the bytes before they are replaced.
    output.stop();
    SoundData = gameSoundBytes(name);
    output.play(name, SoundData);
}

SoundOutput& AnaForm::soundOutput()
{
    if (SoundOutput* output = soundOutputOverride())
        return *output;
    if (!m_sound)
        m_sound = makeSystemSoundOutput();
    return *m_sound;
}

} // namespace tessel
