// Dealing a new game: the bag of piece numbers, the draw that never takes the bag's last item
// while others are left, and the corrections that make every deal a winnable, unsolved game.
#pragma once

#include <QString>
#include <QStringList>

#include <random>
#include <span>
#include <vector>

namespace tessel {

// The bag of piece numbers still to be dealt, as decimal texts in insertion order. The game
// window keeps it in its hidden number list; tests keep it in memory.
class PieceBag
{
public:
    virtual ~PieceBag() = default;
    virtual int count() const = 0;
    virtual QString item(int position) const = 0; // 0-based
    virtual void removeAt(int position) = 0;
    virtual void clear() = 0;
    virtual void append(const QString& item) = 0;
};

class MemoryBag : public PieceBag
{
public:
    int count() const override { return static_cast<int>(m_items.size()); }
    QString item(int position) const override { return m_items.at(position); }
    void removeAt(int position) override { m_items.removeAt(position); }
    void clear() override { m_items.clear(); }
    void append(const QString& item) override { m_items.append(item); }

private:
    QStringList m_items;
};

// A standard uniform generator; the game seeds a fresh one for every deal.
using DealRandom = std::mt19937;

// A generator seeded from the system's entropy source.
DealRandom freshDealRandom();

// The next number of the generator, uniform in [0, 1), the same on every standard library.
double nextUnit(DealRandom& random);

// The 1-based position drawn from a bag of the given size for a uniform r in [0, 1):
// 1 to size - 1 when the bag holds two or more items, 1 when it holds one.
int drawPosition(int bagSize, double r);

// Whether cells 0 to m - 1 hold pieces 0 to m - 1 in an even permutation.
bool isEvenArrangement(std::span<const int> pieces);

// Whether every cell holds its own piece.
bool isSolvedArrangement(std::span<const int> pieces);

// Deals pieces 0 .. pieceCount - 1 over as many cells through the bag: returns the piece of each
// cell. The last cell always gets the last piece (the empty cell of a new game); the others get
// an even, unsolved arrangement, every such arrangement equally likely (from four pieces on;
// fewer are dealt as drawn).
std::vector<int> dealPieces(int pieceCount, PieceBag& bag, DealRandom& random);

} // namespace tessel
