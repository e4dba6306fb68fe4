#include "board/deal.h"

#include "common/numbers.h"

#include <algorithm>
#include <cmath>

namespace tessel {

DealRandom freshDealRandom()
{
    std::random_device device;
    std::seed_seq seed { device(), device(), device(), device(),
                         device(), device(), device(), device() };
    return DealRandom(seed);
}

double nextUnit(DealRandom& random)
{
    // 53 random bits: two outputs of the generator, whose sequence the standard fixes.
    const double high = static_cast<double>(random() >> 5);
    const double low = static_cast<double>(random() >> 6);
    return (high * 67108864.0 + low) / 9007199254740992.0;
}

int drawPosition(int bagSize, double r)
{
    const int choices = std::max(bagSize - 1, 1);
    const int position = static_cast<int>(std::floor((bagSize - 1) * r + 1));
    // Guards the rule against a generator that reaches 1: the last item stays in the bag.
    return std::clamp(position, 1, choices);
}

bool isEvenArrangement(std::span<const int> pieces)
{
    const size_t m = pieces.empty() ? 0 : pieces.size() - 1;
    int inversions = 0;
    for (size_t i = 0; i < m; ++i)
        for (size_t j = i + 1; j < m; ++j)
            inversions += pieces[i] > pieces[j] ? 1 : 0;
    return inversions % 2 == 0;
}

bool isSolvedArrangement(std::span<const int> pieces)
{
    for (size_t c = 0; c < pieces.size(); ++c)
        if (pieces[c] != static_cast<int>(c))
            return false;
    return true;
}

std::vector<int> dealPieces(int pieceCount, PieceBag& bag, DealRandom& random)
{
    if (pieceCount <= 0)
        return {};
    const int m = pieceCount - 1;
    // Below four pieces there is no unsolved winnable arrangement to deal: deal as drawn.
    const bool correct = pieceCount >= 4;
    std::vector<int> pieces(pieceCount);
    do {
        bag.clear();
        for (int k = 0; k <= m; ++k)
            bag.append(QString::number(k));
        for (int c = 0; c <= m; ++c) {
            const int p = drawPosition(bag.count(), nextUnit(random));
            pieces[c] = toInt16(bag.item(p - 1));
            bag.removeAt(p - 1);
        }
        // With the empty cell in the last corner, an arrangement can be slid home exactly when
        // the permutation of cells 0 to m - 1 is even: every move swaps the empty cell with a
        // neighbour (one transposition) and changes the empty cell's row + column parity, so
        // the empty cell comes back to its corner only after an even number of moves. Sliding
        // reaches every even arrangement. Swapping the pieces of cells 0 and 1 turns each odd
        // arrangement into a distinct even one, so the even ones all stay equally likely.
        if (correct && !isEvenArrangement(pieces))
            std::swap(pieces[0], pieces[1]);
    } while (correct && isSolvedArrangement(pieces)); // a game that starts won is no game
    return pieces;
}

} // namespace tessel
