// The game window for the keyboard and for screen readers: the board's keys, each a click on a
// cell, the cells' names, and news of the board.
#include "game/anaform.h"

#include "board/boardspeech.h"
#include "game/boardframe.h"

namespace tessel {

void AnaForm::connectKeys()
{
    connect(board(), &BoardFrame::arrowPressed, this, [this](Arrow arrow) { boardArrow(arrow); });
    connect(board(), &BoardFrame::spacePressed, this, [this] { boardSpace(); });
}

void AnaForm::boardArrow(Arrow arrow)
{
    const int cell = m_game.cellForArrow(arrow);
    DağınıkParçalar_Click(cell >= 0 ? cell : BlankIndex());
}

void AnaForm::boardSpace()
{
    if (!SüreHesapla->running())
        DağınıkParçalar_Click(BlankIndex());
}

void AnaForm::nameCells()
{
    for (int c = 0; c < static_cast<int>(DağınıkParçalar.size()); ++c) {
        ignoreErrors([&] {
            PictureBox* cell = DağınıkParçalar[c];
            const QString name = cellAccessibleName(c, m_game.blockShown(c), GridSize());
            // Set only when it changes: each setting tells screen readers the name changed.
            if (cell->accessibleName() != name)
                cell->setAccessibleName(name);
        });
    }
}

void AnaForm::announce(const QString& news)
{
    // The board has the focus while it is played: screen readers tell a change of its
    // description at once.
    ignoreErrors([&] { board()->setAccessibleDescription(news); });
}

} // namespace tessel
