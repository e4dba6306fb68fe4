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

namespace tessel {

namespace {

// Where a block has just left.
const QColor emptiedCellColour = colorFromBgr(0xC0FFFF);

} // namespace

void AnaForm::DağınıkParçalar_Click(int Index)
{
    const ReportingTrap trap = reportingTrap();
    // A glide under way ends at once: what the player does now is never held up by it.
    finishSlide();
    // While no game runs a click starts one instead of moving a piece.
    if (!SüreHesapla->running()) {
        trap([&] { YeniOyunDüğmesi_Click(); });
        return;
    }

    if (!m_game.canMove(Index)) {
        trap([&] { PlayGameSound(QStringLiteral("DUR")); });
        return;
    }
    slideBlock(Index, [&] { m_game.slide(Index); });
}

void AnaForm::slideBlock(int Index, const std::function<void()>& change)
{
    const ReportingTrap trap = reportingTrap();
    const int blank = BlankIndex();
    trap([&] { DağınıkParçalar.at(blank)->setPicture(DağınıkParçalar.at(Index)->picture()); });
    trap([&] { DağınıkParçalar.at(Index)->setPicture(QPixmap()); });
    trap([&] { DağınıkParçalar.at(blank)->update(); });
    trap([&] { DağınıkParçalar.at(Index)->setBackColor(emptiedCellColour); });
    // Seen on its way; everything else of the move follows now, as without the glide.
    ignoreErrors([&] { glideBlock(Index, blank, DağınıkParçalar.at(blank)->backColor()); });
    // The blocks' exchange and the new empty cell are one change of the game: the two cells'
    // tags show it.
    trap([&] {
        change();
        DağınıkParçalar.at(blank)->setTag(m_game.tag(blank));
        DağınıkParçalar.at(Index)->setTag(m_game.tag(Index));
    });
    trap([&] {
        m_game.countMove();
        moveCountDisplay()->setCaption(QString::number(ClickCount()));
    });
    trap([&] { PlayGameSound(QStringLiteral("TAMAM")); });
    nameCells();
    ignoreErrors([&] { announce(moveAnnouncement(m_game.pieceAt(blank), blank, GridSize())); });
    m_hints->boardChanged();
    keepGameSoon();

    bool complete = false;
    trap([&] { complete = m_game.isComplete(); });
    if (complete)
        completePhoto();
}

void AnaForm::completePhoto()
{
    const ReportingTrap trap = reportingTrap();
    QString message;
    trap([&] { message = completionMessage(m_game.elapsed(), ClickCount()); });
    // Stopped first: the message tells the time of the completion.
    trap([&] { SüreHesapla->setInterval(0); });
    trap([&] {
        m_game.showWholePhoto();
        showCell(m_game.cellCount() - 1);
    });
    trap([&] { PlayGameSound(QStringLiteral("TEBRIK")); });
    nameCells();
    ignoreErrors([&] { announce(ResourceString(StringId::Congratulations)); });
    // The won game leaves the store with its result, before the message: a close while it
    // waits for OK (a log-out, a termination signal) must not leave it to be offered again.
    // That includes a game kept during play.
    settleKeptGame();
    message += completionNews();
    trap([&] { showInformation(message); });
    trap([&] {
        m_game.resetTime();
        timeDisplay()->setCaption(QString::fromUtf16(clockResetText));
    });
    trap([&] {
        m_game.resetMoveCount();
        moveCountDisplay()->setCaption(QStringLiteral("0"));
    });
}

QString AnaForm::completionNews()
{
    CompletionNews news;
    news.gridSize = GridSize();
    news.solutionLength = m_hints->solutionLength();
    news.shortest = m_hints->solutionIsShortest();
    m_hints->gameOver();
    // A store that cannot be written keeps its results and tells no news; one held by another
    // copy gets them when it is free.
    ignoreErrors([&] {
        const int32_t seconds = Hours() * 3600 + Minutes() * 60 + Seconds();
        const RecordNews records
            = recordCompletionSoon(m_settings, { GridSize(), seconds, ClickCount(), SavedGame });
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
