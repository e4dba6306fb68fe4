#include "solver/puzzle.h"

#include <algorithm>
#include <cstdlib>

namespace tessel::solver {

Board goalBoard(int size)
{
    Board board { size, std::vector<Tile>(size_t(size * size)) };
    for (int c = 0; c + 1 < size * size; ++c)
        board.cells[size_t(c)] = Tile(c + 1);
    return board;
}

bool isGoal(const Board& board)
{
    return board == goalBoard(board.size);
}

bool isWellFormed(const Board& board)
{
    if (board.size < 3 || board.size > 5 || board.cells.size() != size_t(board.size * board.size))
        return false;
    std::vector<bool> seen(board.cells.size(), false);
    for (Tile t : board.cells) {
        if (t >= seen.size() || seen[t])
            return false;
        seen[t] = true;
    }
    return true;
}

bool isSolvable(const Board& board)
{
    if (!isWellFormed(board))
        return false;
    int inversions = 0;
    for (size_t i = 0; i < board.cells.size(); ++i)
        for (size_t j = i + 1; j < board.cells.size(); ++j)
            if (board.cells[i] != 0 && board.cells[j] != 0 && board.cells[i] > board.cells[j])
                ++inversions;
    // A vertical move passes the block over N - 1 others: on an even width that flips the
    // parity, and the empty cell's row changes with it.
    const int rowsFromBottom = board.size - 1 - blankCell(board) / board.size;
    return (inversions + (board.size % 2 == 0 ? rowsFromBottom : 0)) % 2 == 0;
}

int blankCell(const Board& board)
{
    const auto it = std::find(board.cells.begin(), board.cells.end(), Tile(0));
    return it == board.cells.end() ? -1 : int(it - board.cells.begin());
}

bool slide(Board& board, Tile tile)
{
    const int n = board.size;
    const int blank = blankCell(board);
    if (tile == 0 || blank < 0)
        return false;
    const auto it = std::find(board.cells.begin(), board.cells.end(), tile);
    if (it == board.cells.end())
        return false;
    const int cell = int(it - board.cells.begin());
    const bool beside = (cell / n == blank / n && std::abs(cell - blank) == 1)
        || (cell % n == blank % n && std::abs(cell - blank) == n);
    if (!beside)
        return false;
    std::swap(board.cells[size_t(cell)], board.cells[size_t(blank)]);
    return true;
}

bool play(Board& board, const Moves& moves)
{
    for (Tile t : moves)
        if (!slide(board, t))
            return false;
    return true;
}

Tile transposedTile(int size, Tile tile)
{
    if (tile == 0)
        return 0;
    const int home = tile - 1;
    return Tile((home % size) * size + home / size + 1);
}

Board transposed(const Board& board)
{
    const int n = board.size;
    Board result { n, std::vector<Tile>(board.cells.size()) };
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            result.cells[size_t(c * n + r)] = transposedTile(n, board.cells[size_t(r * n + c)]);
    return result;
}

std::string toText(const Board& board)
{
    std::string text;
    for (size_t i = 0; i < board.cells.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += std::to_string(board.cells[i]);
    }
    return text;
}

} // namespace tessel::solver
