// The game window's undo, redo and restart: keys and the board's context menu beside the design.
// The game keeps the moves; a take-back slides a block as a click does.
#include "game/anaform.h"

#include "board/gameclock.h"
#include "common/messagebox.h"
#include "common/resourcestring.h"
#include "common/stringids.h"
#include "game/boardframe.h"
#include "game/hintcontroller.h"

#include <QShortcut>

namespace tessel {

void AnaForm::connectUndo()
{
    // Window shortcuts, like H: they act wherever the focus is in the game window.
    auto shortcut = [this](const QKeySequence& keys, void (AnaForm::*act)()) {
        auto* key = new QShortcut(keys, this);
        connect(key, &QShortcut::activated, this, act);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), &AnaForm::undoMove);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &AnaForm::redoMove);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &AnaForm::redoMove);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_R), &AnaForm::restartGame);
}

void AnaForm::undoMove()
{
    const int cell = SüreHesapla->running() ? m_game.undoCell() : -1;
    if (cell < 0) {
        reportingTrap()([&] { PlayGameSound(QStringLiteral("DUR")); });
        return;
    }
    slideBlock(cell, [this] { m_game.slideBack(); });
}

void AnaForm::redoMove()
{
    const int cell = SüreHesapla->running() ? m_game.redoCell() : -1;
    if (cell < 0) {
        reportingTrap()([&] { PlayGameSound(QStringLiteral("DUR")); });
        return;
    }
    slideBlock(cell, [this] { m_game.slideAgain(); });
}

void AnaForm::restartGame()
{
    const ReportingTrap trap = reportingTrap();
    if (!SüreHesapla->running() || m_game.dealtPieces().empty()) {
        trap([&] { PlayGameSound(QStringLiteral("DUR")); });
        return;
    }
    trap([&] { m_game.restart(); });
    trap([&] { timeDisplay()->setCaption(QString::fromUtf16(clockResetText)); });
    trap([&] { moveCountDisplay()->setCaption(QStringLiteral("0")); });
    showBoard();
    // Started again: the next second is a whole one from now.
    trap([&] { SüreHesapla->setInterval(ClockTimer::runningInterval); });
    announce(ResourceString(StringId::GameRestarted));
    m_hints->gameStarted();
    keepGameSoon();
    trap([&] { board()->setFocus(Qt::OtherFocusReason); });
}

} // namespace tessel
