// The game window's additions beside the design: the hint (H, the board's context menu), the
// solver's help it rests on, the best results window (the context menu, Ctrl+B), the board's
// context menu with undo, redo and restart, the keys and help window (the context menu, F1) and
// the choice to see moves glide (the context menu).
#include "game/anaform.h"

#include "board/boardspeech.h"
#include "common/resourcestring.h"
#include "common/stringids.h"
#include "game/hintcontroller.h"
#include "game/rekorlarformu.h"
#include "game/yardimformu.h"

#include <QGroupBox>
#include <QMenu>
#include <QShortcut>

namespace tessel {

void AnaForm::connectHelp()
{
    m_hints = new HintController(*this);
    // Screen readers hear the outline's block, as they hear a move.
    connect(m_hints, &HintController::hintShown, this, [this](int cell) {
        ignoreErrors([&] { announce(hintAnnouncement(m_game.pieceAt(cell), cell, GridSize())); });
    });
    // A window shortcut: a text field with the focus takes the letter for itself.
    auto* hint = new QShortcut(QKeySequence(Qt::Key_H), this);
    connect(hint, &QShortcut::activated, m_hints, &HintController::showHint);
    auto* results = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this);
    connect(results, &QShortcut::activated, this, [this] { showBestResults(); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { showHelp(); });

    // The cells leave their context menu to the board around them.
    QGroupBox* board = Çerçeve.at(0);
    board->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(board, &QWidget::customContextMenuRequested, this, [this, board](QPoint at) {
        QMenu* menu = boardMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(board->mapToGlobal(at));
    });
}

QMenu* AnaForm::boardMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("BoardMenu"));
    QAction* hint = menu->addAction(ResourceString(StringId::HintMenuItem), m_hints,
                                    &HintController::showHint);
    hint->setObjectName(QStringLiteral("HintAction"));
    hint->setShortcut(QKeySequence(Qt::Key_H));
    hint->setEnabled(SüreHesapla->running());
    QAction* results = menu->addAction(ResourceString(StringId::BestResultsMenuItem), this,
                                       [this] { showBestResults(); });
    results->setObjectName(QStringLiteral("BestResultsAction"));
    results->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));

    // Taking moves back: the same keys as the window's shortcuts, shown beside the items.
    menu->addSeparator();
    const bool running = SüreHesapla->running();
    QAction* undo
        = menu->addAction(ResourceString(StringId::UndoMenuItem), this, [this] { undoMove(); });
    undo->setObjectName(QStringLiteral("UndoAction"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(running && m_game.undoCell() >= 0);
    QAction* redo
        = menu->addAction(ResourceString(StringId::RedoMenuItem), this, [this] { redoMove(); });
    redo->setObjectName(QStringLiteral("RedoAction"));
    redo->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    redo->setEnabled(running && m_game.redoCell() >= 0);
    QAction* restart = menu->addAction(ResourceString(StringId::RestartMenuItem), this,
                                       [this] { restartGame(); });
    restart->setObjectName(QStringLiteral("RestartAction"));
    restart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    restart->setEnabled(running && !m_game.dealtPieces().empty());
    menu->addSeparator();
    QAction* animate = menu->addAction(ResourceString(StringId::AnimateMovesMenuItem));
    animate->setObjectName(QStringLiteral("AnimateMovesAction"));
    animate->setCheckable(true);
    animate->setChecked(animatesMoves());
    connect(animate, &QAction::toggled, this, [this](bool on) { setAnimatesMoves(on); });
    QAction* help = menu->addAction(ResourceString(StringId::KeysAndHelpMenuItem), this,
                                    [this] { showHelp(); });
    help->setObjectName(QStringLiteral("KeysAndHelpAction"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    return menu;
}

void AnaForm::showBestResults()
{
    RekorlarFormu::showModal(this, m_settings);
}

void AnaForm::showHelp()
{
    YardımFormu::showModal(this);
}

} // namespace tessel
