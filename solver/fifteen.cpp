#include "solver/fifteen.h"

#include "solver/movepruning.h"
#include "solver/ranking.h"
#include "solver/tablefile.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tessel::solver {

namespace {

constexpr int side = 4;
constexpr int cellCount = 16;

constexpr int mirrorCell(int cell)
{
    return (cell % side) * side + cell / side;
}

std::string signatureOf(const FifteenDatabases::Partition& partition)
{
    std::string text = "tessel 4x4 additive pattern databases, 4-bit half excess;";
    for (const auto& group : partition) {
        text += ' ';
        for (Tile t : group)
            text += std::to_string(t) + ',';
    }
    return text;
}

// IDA* over the board with the databases' sums kept up to date move by move. A group's entry
// index (rankPlacement of its blocks' cells) changes with one block's move by a few terms only:
// a sideways move shifts that block's digit, an upward or downward one also the digits of the
// group's blocks on the three cells passed over. The mirror board's indices follow the mirror
// move, sideways where this board's is up or down. The terms come from tables made once, so that
// a move's new index takes a few additions and no branch. Strings of moves that an earlier one
// of no more moves matches are skipped (movepruning.h): about 0.6 times the nodes.
class Search
{
public:
    Search(const FifteenDatabases& databases, const SearchControl& control, Weight weight)
        : m_db(databases)
        , m_control(control)
        , m_weight(weight)
    {
        const auto& groups = m_db.groups();
        m_groupCount = int(groups.size());
        for (int g = 0; g < m_groupCount; ++g) {
            const auto& tiles = groups[size_t(g)].tiles();
            const int k = int(tiles.size());
            m_groupSize[g] = k;
            m_table[g] = groups[size_t(g)].bytes().data();
            for (int i = 0; i < k; ++i) {
                m_groupTiles[g][i] = tiles[size_t(i)];
                m_groupOf[tiles[size_t(i)]] = uint8_t(g);
                m_slotOf[tiles[size_t(i)]] = uint8_t(i);
                // Each digit counts the arrangements of the cells still free after it.
                m_weightOf[tiles[size_t(i)]]
                    = uint32_t(placementCount(k - 1 - i, cellCount - 1 - i));
            }
        }
        m_groupOf[0] = 0xFF;
        for (int t = 1; t < cellCount; ++t) {
            m_mirrorTile[t] = transposedTile(side, Tile(t));
            for (int c = 0; c < cellCount; ++c)
                m_distance[t][c] = uint8_t(std::abs(c / side - (t - 1) / side)
                                           + std::abs(c % side - (t - 1) % side));
        }
        // What a block's index digit gains as it slides down past block u of its own group (up:
        // the opposite): one cell less to count past an earlier block of the group, or, past a
        // later one, that block's digit counts one more cell taken before it.
        for (int t = 1; t < cellCount; ++t) {
            const Tile mt = m_mirrorTile[t];
            for (int u = 1; u < cellCount; ++u) {
                m_pass[0][t][u] = passing(Tile(t), Tile(u));
                m_pass[1][t][u] = passing(mt, m_mirrorTile[u]);
            }
        }
        for (int blank = 0; blank < cellCount; ++blank) {
            int count = 0;
            for (int from : { blank - side, blank + side, blank - 1, blank + 1 }) {
                const bool inside = from >= 0 && from < cellCount
                    && (from / side == blank / side || from % side == blank % side);
                if (inside)
                    m_moves[blank][count++] = slide(from, blank);
            }
            m_moveCount[blank] = uint8_t(count);
        }
    }

    Solution run(const Board& board, int minLength, int maxLength, Tile notFirst)
    {
        Solution solution;
        // The first move's block cannot come from that cell: the search takes it as the cell
        // the empty one came from.
        int barredCell = -1;
        for (int c = 0; c < cellCount && notFirst != 0; ++c)
            if (board.cells[size_t(c)] == notFirst)
                barredCell = c;
        uint8_t tilePos[cellCount];
        for (int c = 0; c < cellCount; ++c) {
            m_cellTile[c] = board.cells[size_t(c)];
            tilePos[m_cellTile[c]] = uint8_t(c);
        }
        const int blank = tilePos[0];
        int manhattan = 0;
        for (int t = 1; t < cellCount; ++t)
            manhattan += m_distance[t][tilePos[t]];
        int sum = 0, mirrorSum = 0;
        for (int g = 0; g < m_groupCount; ++g) {
            uint8_t cells[8], mirrorCells[8];
            for (int i = 0; i < m_groupSize[g]; ++i) {
                const Tile t = m_groupTiles[g][i];
                cells[i] = tilePos[t];
                // The mirror board holds block t where this board holds t's mirror block.
                mirrorCells[i] = uint8_t(mirrorCell(tilePos[m_mirrorTile[t]]));
            }
            m_index[g] = rankPlacement(cells, m_groupSize[g], cellCount);
            m_mirrorIndex[g] = rankPlacement(mirrorCells, m_groupSize[g], cellCount);
            m_excess[g] = halfExcess(g, m_index[g]);
            m_mirrorExcess[g] = halfExcess(g, m_mirrorIndex[g]);
            sum += m_excess[g];
            mirrorSum += m_mirrorExcess[g];
        }
        const int rootH = manhattan + 2 * std::max(sum, mirrorSum);
        const bool unit = m_weight.numerator == m_weight.denominator;
        int bound = m_weight.numerator * rootH;
        if (unit) {
            // No solution is shorter than minLength: the iterations below it would find nothing.
            bound = std::max(bound, minLength * m_weight.denominator);
            if (bound > maxLength * m_weight.denominator && manhattan != 0)
                return solution;
        }
        for (;;) {
            m_nextBound = std::numeric_limits<int>::max();
            if (manhattan == 0
                || (unit ? depthFirst<true>(0, bound, blank, barredCell, manhattan, sum, mirrorSum,
                                            0)
                         : depthFirst<false>(0, bound, blank, barredCell, manhattan, sum, mirrorSum,
                                             0))) {
                solution.found = true;
                solution.shortest = m_weight.numerator == m_weight.denominator;
                solution.moves.assign(m_path, m_path + m_pathLength);
                break;
            }
            if (m_stopped || m_nextBound == std::numeric_limits<int>::max())
                break;
            bound = m_nextBound;
            // With weight 1 the bound is a length: past maxLength nothing is wanted.
            if (unit && bound > maxLength * m_weight.denominator)
                break;
        }
        solution.nodes = m_nodes;
        solution.capped = m_capped;
        return solution;
    }

private:
    int halfExcess(int g, uint32_t index) const
    {
        return (m_table[g][index >> 1] >> ((index & 1) * 4)) & 15;
    }

    // One block's slide from a cell into the empty one. Every move is sideways on one board
    // (this one or the mirror) and upward or downward on the other, so only one set of three
    // cells is ever passed over.
    struct Slide
    {
        int8_t from;
        int8_t change, mirrorChange; // of the block's cell, on this board and on the mirror
        // The cells passed over on the board where the move is upward or downward, named by
        // this board's cells; which board that is (the passing terms differ), and the sign the
        // terms add with on each board (0 on the sideways one).
        uint8_t passed[3];
        uint8_t onMirror;
        int8_t step, mirrorStep;
        uint8_t direction; // the empty cell's, as the move pruning machine reads it
    };

    static Slide slide(int from, int to)
    {
        Slide move {};
        move.from = int8_t(from);
        move.direction = uint8_t(from == to + side    ? MoveDown
                                     : from == to - 1 ? MoveLeft
                                     : from == to + 1 ? MoveRight
                                                      : MoveUp);
        move.change = int8_t(to - from);
        const int mirrorFrom = mirrorCell(from), mirrorTo = mirrorCell(to);
        move.mirrorChange = int8_t(mirrorTo - mirrorFrom);
        const bool vertical = std::abs(to - from) == side;
        move.onMirror = vertical ? 0 : 1;
        move.step = int8_t(vertical ? (to > from ? 1 : -1) : 0);
        move.mirrorStep = int8_t(vertical ? 0 : (mirrorTo > mirrorFrom ? 1 : -1));
        for (int i = 0; i < 3; ++i)
            move.passed[i] = uint8_t(vertical ? std::min(from, to) + 1 + i
                                              : mirrorCell(std::min(mirrorFrom, mirrorTo) + 1 + i));
        return move;
    }

    int32_t passing(Tile t, Tile u) const
    {
        if (m_groupOf[u] != m_groupOf[t])
            return 0;
        return m_slotOf[u] < m_slotOf[t] ? -int32_t(m_weightOf[t]) : int32_t(m_weightOf[u]);
    }

    // What passing over the three cells adds, before its sign, on the board where the move is
    // upward or downward.
    int32_t passedTerms(Tile t, const Slide& move) const
    {
        const int32_t* pass = m_pass[move.onMirror][t];
        return pass[m_cellTile[move.passed[0]]] + pass[m_cellTile[move.passed[1]]]
            + pass[m_cellTile[move.passed[2]]];
    }

    // Expands a board within the bound that is not the goal; true once the goal is reached,
    // with the moves in m_path. Each child is judged and, within the bound, entered at once:
    // no list of children, no ordering, which costs fewer nodes a second than it saves.
    // The empty cell, the board's Manhattan distance and its sums come as arguments, kept in
    // registers rather than saved and restored around each child.
    template<bool unitWeight>
    bool depthFirst(int g, int bound, int blank, int previousBlank, int boardManhattan,
                    int boardSum, int boardMirrorSum, int pruningState)
    {
        const int numerator = unitWeight ? 1 : m_weight.numerator;
        const int denominator = unitWeight ? 1 : m_weight.denominator;
        if ((++m_nodes & 0x3FFF) == 0) {
            m_capped = m_control.nodeLimit && m_nodes > m_control.nodeLimit;
            m_stopped = m_capped || m_control.cancelled();
        }
        if (m_stopped)
            return false;

        // Deeper than any solution asked for: give up rather than write past the path.
        if (g >= pathLimit) {
            m_stopped = true;
            return false;
        }
        const int childG = denominator * (g + 1);
        for (int i = 0; i < m_moveCount[blank]; ++i) {
            const Slide& move = m_moves[blank][i];
            const int from = move.from;
            if (from == previousBlank)
                continue;
            // Moves that end a string some earlier one of no more moves matches.
            const int nextState = movePruningTable[pruningState][move.direction];
            if (nextState < 0)
                continue;
            const Tile tile = m_cellTile[from];
            // The block slides into the empty cell.
            const int manhattan = boardManhattan + m_distance[tile][blank] - m_distance[tile][from];
            const int group = m_groupOf[tile];
            const int32_t passed = passedTerms(tile, move);
            const uint32_t index
                = uint32_t(int32_t(m_index[group]) + move.change * int32_t(m_weightOf[tile])
                           + move.step * passed);
            const int excess = halfExcess(group, index);
            const int sum = boardSum - m_excess[group] + excess;
            // The mirror's sum is read even when the board's own already exceeds the bound:
            // a branch the processor cannot guess costs more than the second read.
            const Tile mirrorTile = m_mirrorTile[tile];
            const int mirrorGroup = m_groupOf[mirrorTile];
            const uint32_t mirrorIndex = uint32_t(
                int32_t(m_mirrorIndex[mirrorGroup])
                + move.mirrorChange * int32_t(m_weightOf[mirrorTile]) + move.mirrorStep * passed);
            const int mirrorExcess = halfExcess(mirrorGroup, mirrorIndex);
            const int mirrorSum = boardMirrorSum - m_mirrorExcess[mirrorGroup] + mirrorExcess;
            const int estimate = childG + numerator * (manhattan + 2 * std::max(sum, mirrorSum));
            if (estimate > bound) {
                m_nextBound = std::min(m_nextBound, estimate);
                continue;
            }
            m_path[g] = tile;
            if (manhattan == 0) {
                m_pathLength = g + 1;
                return true;
            }

            const uint32_t oldIndex = m_index[group];
            const uint32_t oldMirrorIndex = m_mirrorIndex[mirrorGroup];
            const int oldExcess = m_excess[group];
            const int oldMirror = m_mirrorExcess[mirrorGroup];
            m_index[group] = index;
            m_mirrorIndex[mirrorGroup] = mirrorIndex;
            m_excess[group] = excess;
            m_mirrorExcess[mirrorGroup] = mirrorExcess;
            m_cellTile[blank] = tile;
            m_cellTile[from] = 0;

            if (depthFirst<unitWeight>(g + 1, bound, from, blank, manhattan, sum, mirrorSum,
                                       nextState))
                return true;

            m_cellTile[from] = tile;
            m_cellTile[blank] = 0;
            m_excess[group] = oldExcess;
            m_mirrorExcess[mirrorGroup] = oldMirror;
            m_index[group] = oldIndex;
            m_mirrorIndex[mirrorGroup] = oldMirrorIndex;
            if (m_stopped)
                return false;
        }
        return false;
    }

    const FifteenDatabases& m_db;
    const SearchControl& m_control;
    Weight m_weight;

    int m_groupCount = 0;
    int m_groupSize[4] {};
    const uint8_t* m_table[4] {};
    Tile m_groupTiles[4][8] {};
    uint8_t m_groupOf[cellCount] {};
    uint8_t m_slotOf[cellCount] {};
    uint32_t m_weightOf[cellCount] {};
    Tile m_mirrorTile[cellCount] {};
    uint8_t m_distance[cellCount][cellCount] {};
    // [0]: on this board, [1]: on the mirror. Block 0, the empty cell, passes for nothing.
    int32_t m_pass[2][cellCount][cellCount] {};
    Slide m_moves[cellCount][4] {};
    uint8_t m_moveCount[cellCount] {};

    uint8_t m_cellTile[cellCount] {};
    uint32_t m_index[4] {};
    uint32_t m_mirrorIndex[4] {};
    int m_excess[4] {};
    int m_mirrorExcess[4] {};

    static constexpr int pathLimit = 1024;
    Tile m_path[pathLimit];
    int m_pathLength = 0;
    uint64_t m_nodes = 0;
    int m_nextBound = 0;
    bool m_stopped = false;
    bool m_capped = false;
};

} // namespace

const FifteenDatabases::Partition& FifteenDatabases::standardPartition()
{
    static const Partition partition = {
        { 1, 2, 3, 5, 6, 7 },
        { 9, 10, 11, 13, 14, 15 },
        { 4, 8, 12 },
    };
    return partition;
}

FifteenDatabases FifteenDatabases::build(const std::atomic<bool>* stop, const Partition& partition)
{
    FifteenDatabases db;
    for (const auto& group : partition)
        db.m_groups.push_back(PatternDatabase::build(side, group, stop));
    return db;
}

std::optional<FifteenDatabases> FifteenDatabases::read(const std::string& path)
{
    std::vector<size_t> sizes;
    for (const auto& group : standardPartition())
        sizes.push_back(PatternDatabase::entryBytes(side, group.size()));
    auto tables = mapTableFile(path, signatureOf(standardPartition()), sizes);
    if (!tables)
        return std::nullopt;
    FifteenDatabases db;
    for (size_t g = 0; g < sizes.size(); ++g)
        db.m_groups.push_back(
            PatternDatabase::over(side, standardPartition()[g], std::move((*tables)[g])));
    return db;
}

bool FifteenDatabases::write(const std::string& path) const
{
    Partition partition;
    std::vector<std::span<const uint8_t>> tables;
    for (const auto& group : m_groups) {
        partition.push_back(group.tiles());
        tables.push_back(group.bytes());
    }
    return writeTableFile(path, signatureOf(partition), tables);
}

size_t FifteenDatabases::bytes() const
{
    size_t total = 0;
    for (const auto& group : m_groups)
        total += group.bytes().size();
    return total;
}

int FifteenDatabases::lowerBound(const Board& board) const
{
    const Board mirror = transposed(board);
    int sum = 0, mirrored = 0;
    for (const auto& group : m_groups) {
        uint8_t cells[8], mirrorCells[8];
        for (size_t i = 0; i < group.tiles().size(); ++i) {
            const Tile t = group.tiles()[i];
            for (int c = 0; c < cellCount; ++c) {
                if (board.cells[size_t(c)] == t)
                    cells[i] = uint8_t(c);
                if (mirror.cells[size_t(c)] == t)
                    mirrorCells[i] = uint8_t(c);
            }
        }
        sum += group.value(cells);
        mirrored += group.value(mirrorCells);
    }
    return std::max(sum, mirrored);
}

Solution solveFifteen(const Board& board, const FifteenDatabases& databases,
                      const SearchControl& control, Weight weight, int maxLength, int minLength,
                      Tile notFirst)
{
    if (board.size != side || !isSolvable(board))
        return {};
    Search search(databases, control, weight);
    return search.run(board, minLength, maxLength, notFirst);
}

} // namespace tessel::solver
