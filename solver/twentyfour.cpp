#include "solver/twentyfour.h"

#include "solver/ranking.h"
#include "solver/tablefile.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>

namespace tessel::solver {

namespace {

constexpr int side = 5;
constexpr int cellCount = 25;
constexpr uint8_t unreached = 0xFF;
const std::string signature
    = "tessel 5x5 placement tables: 1 2 3 4 on 5x5; 6 11 16 21 below the first row";

// Cells beside `cell` on a board `rows` rows high.
template<class Visit>
void forNeighbours(int cell, int rows, Visit&& visit)
{
    if (cell >= side)
        visit(cell - side);
    if (cell + side < rows * side)
        visit(cell + side);
    if (cell % side > 0)
        visit(cell - 1);
    if (cell % side < side - 1)
        visit(cell + 1);
}

// The exact moves left to bring blocks home to `homes`, the other blocks free to stand anywhere,
// for every placement of those blocks and the empty cell on the lowest `rows` rows.
TableBytes exactTable(int rows, const std::vector<int>& homes, const std::atomic<bool>* stop)
{
    const int cells = rows * side;
    const size_t k = std::min<size_t>(homes.size(), 6); // and the empty cell: at most 7 places
    std::vector<uint8_t> distance(size_t(placementCount(int(k) + 1, cells)), unreached);
    std::vector<uint32_t> queue;
    uint8_t place[8] {};
    std::transform(homes.begin(), homes.begin() + long(k), place,
                   [](int home) { return uint8_t(home); });
    for (int blank = 0; blank < cells; ++blank) {
        if (std::find(homes.begin(), homes.end(), blank) != homes.end())
            continue;
        place[k] = uint8_t(blank);
        const uint32_t index = rankPlacement(place, int(k) + 1, cells);
        distance[index] = 0;
        queue.push_back(index);
    }
    for (size_t head = 0; head < queue.size(); ++head) {
        if (stop && head % 4096 == 0 && stop->load(std::memory_order_relaxed))
            break;
        const uint8_t d = distance[queue[head]];
        unrankPlacement(queue[head], int(k) + 1, cells, place);
        const int blank = place[k];
        forNeighbours(blank, rows, [&](int to) {
            std::array<uint8_t, 8> moved;
            std::copy(place, place + 8, moved.begin());
            for (size_t i = 0; i < k; ++i)
                if (moved[i] == to)
                    moved[i] = uint8_t(blank);
            moved[k] = uint8_t(to);
            const uint32_t index = rankPlacement(moved.data(), int(k) + 1, cells);
            if (distance[index] == unreached) {
                distance[index] = uint8_t(d + 1);
                queue.push_back(index);
            }
        });
    }
    return TableBytes(std::move(distance));
}

int cellOf(const Board& board, Tile tile)
{
    return int(std::find(board.cells.begin(), board.cells.end(), tile) - board.cells.begin());
}

int manhattan(int from, int to)
{
    return std::abs(from / side - to / side) + std::abs(from % side - to % side);
}

int mirrored(int cell)
{
    return (cell / side) * side + side - 1 - cell % side;
}

// The states met by the first row's search: open addressing on the packed state, with the
// state it was reached from and the moves it took.
class SeenStates
{
public:
    struct Entry
    {
        uint32_t key = empty;
        uint32_t parent = 0;
        uint8_t g = 0;
    };
    static constexpr uint32_t empty = 0xFFFFFFFF;

    SeenStates() { m_entries.resize(1 << 12); }

    // The entry of `key`, made (with key set, the rest to fill) when new.
    Entry& at(uint32_t key, bool& made)
    {
        if ((m_count + 1) * 2 > m_entries.size())
            grow();
        Entry& e = slot(key);
        made = e.key == empty;
        if (made) {
            e.key = key;
            ++m_count;
        }
        return e;
    }
    const Entry& find(uint32_t key) { return slot(key); }

private:
    Entry& slot(uint32_t key)
    {
        const size_t mask = m_entries.size() - 1;
        size_t i = (key * 2654435761u) & mask;
        while (m_entries[i].key != empty && m_entries[i].key != key)
            i = (i + 1) & mask;
        return m_entries[i];
    }
    void grow()
    {
        std::vector<Entry> old(m_entries.size() * 2);
        old.swap(m_entries);
        for (const Entry& e : old)
            if (e.key != empty)
                slot(e.key) = e;
    }

    std::vector<Entry> m_entries;
    size_t m_count = 0;
};

// The first row: A* over the cells of blocks 1 to 5 and the empty cell (the other blocks are
// alike here). The bound is the larger of the exact moves for blocks 1 to 4, the same for
// blocks 5 to 2 read in the mirror, and the five blocks' Manhattan distance; each is consistent.
class RowSearch
{
public:
    RowSearch(const TableBytes& table, const SearchControl& control)
        : m_table(table)
        , m_control(control)
    { }

    // Slides the first row home on `board`, adding the moves; false when cancelled or capped.
    bool run(Board& board, Moves& moves, int weight, uint64_t cap, uint64_t& nodes)
    {
        State start;
        for (int i = 0; i < 5; ++i)
            start[size_t(i)] = uint8_t(cellOf(board, Tile(i + 1)));
        start[5] = uint8_t(blankCell(board));

        SeenStates seen;
        // Buckets by estimate; each a stack, so that ties go to the state met last, the deepest.
        std::vector<std::vector<uint32_t>> open(256);
        size_t lowest = 255;
        auto push = [&](uint32_t key, int g, int h) {
            const size_t f = std::min<size_t>(size_t(g + weight * h), open.size() - 1);
            open[f].push_back(key);
            lowest = std::min(lowest, f);
        };
        const uint32_t startKey = pack(start);
        bool made = false;
        seen.at(startKey, made).parent = startKey;
        push(startKey, 0, heuristic(start));
        uint64_t expanded = 0;
        for (;;) {
            while (lowest < open.size() && open[lowest].empty())
                ++lowest;
            if (lowest >= open.size())
                break;
            const uint32_t key = open[lowest].back();
            open[lowest].pop_back();
            const int g = seen.find(key).g;
            const State s = unpack(key);
            // A state pushed again with a smaller g leaves its older copy behind: skip it.
            if (size_t(g + weight * heuristic(s)) != lowest)
                continue;
            if (isHome(s)) {
                nodes += expanded;
                return replay(board, moves, seen, key, startKey);
            }
            if ((++expanded & 0x3FF) == 0 && (m_control.cancelled() || (cap && expanded > cap))) {
                nodes += expanded;
                return false;
            }
            const int blank = s[5];
            forNeighbours(blank, side, [&](int to) {
                State next = s;
                for (int i = 0; i < 5; ++i)
                    if (next[size_t(i)] == to)
                        next[size_t(i)] = uint8_t(blank);
                next[5] = uint8_t(to);
                const uint32_t nextKey = pack(next);
                bool isNew = false;
                SeenStates::Entry& e = seen.at(nextKey, isNew);
                if (!isNew && e.g <= g + 1)
                    return;
                e.parent = key;
                e.g = uint8_t(g + 1);
                push(nextKey, g + 1, heuristic(next));
            });
        }
        nodes += expanded;
        return false;
    }

private:
    using State = std::array<uint8_t, 6>;

    static uint32_t pack(const State& s)
    {
        uint32_t key = 0;
        for (uint8_t cell : s)
            key = key << 5 | cell;
        return key;
    }
    static State unpack(uint32_t key)
    {
        State s;
        for (int i = 5; i >= 0; --i) {
            s[size_t(i)] = uint8_t(key & 31);
            key >>= 5;
        }
        return s;
    }
    static bool isHome(const State& s)
    {
        for (int i = 0; i < 5; ++i)
            if (s[size_t(i)] != i)
                return false;
        return true;
    }

    int heuristic(const State& s) const
    {
        const uint8_t left[5] = { s[0], s[1], s[2], s[3], s[5] };
        const uint8_t right[5]
            = { uint8_t(mirrored(s[4])), uint8_t(mirrored(s[3])), uint8_t(mirrored(s[2])),
                uint8_t(mirrored(s[1])), uint8_t(mirrored(s[5])) };
        int distance = 0;
        for (int i = 0; i < 5; ++i)
            distance += manhattan(s[size_t(i)], i);
        return std::max({ int(m_table[rankPlacement(left, 5, cellCount)]),
                          int(m_table[rankPlacement(right, 5, cellCount)]), distance });
    }

    static bool replay(Board& board, Moves& moves, SeenStates& seen, uint32_t key,
                       uint32_t startKey)
    {
        std::vector<int> blanks;
        for (; key != startKey; key = seen.find(key).parent)
            blanks.push_back(key & 31);
        for (auto it = blanks.rbegin(); it != blanks.rend(); ++it) {
            const Tile t = board.cells[size_t(*it)];
            if (!slide(board, t))
                return false;
            moves.push_back(t);
        }
        return true;
    }

    const TableBytes& m_table;
    const SearchControl& m_control;
};

// The first column below the first row, along the exact table: every move one nearer.
void placeFirstColumn(Board& board, const TableBytes& table, Moves& moves)
{
    auto value = [&](const Board& b) {
        const uint8_t place[5] = { uint8_t(cellOf(b, 6) - side), uint8_t(cellOf(b, 11) - side),
                                   uint8_t(cellOf(b, 16) - side), uint8_t(cellOf(b, 21) - side),
                                   uint8_t(blankCell(b) - side) };
        return int(table[rankPlacement(place, 5, cellCount - side)]);
    };
    for (int left = value(board); left > 0; --left) {
        const int blank = blankCell(board);
        bool stepped = false;
        forNeighbours(blank, side, [&](int from) {
            if (stepped || from < side)
                return;
            Board next = board;
            const Tile t = next.cells[size_t(from)];
            slide(next, t);
            if (value(next) == left - 1) {
                board = next;
                moves.push_back(t);
                stepped = true;
            }
        });
        if (!stepped)
            return; // cannot happen with a sound table; the 4 x 4 stage would then refuse
    }
}

// The lower right 4 x 4 as a board of its own, and its blocks back to the big board's.
Board innerBoard(const Board& board)
{
    Board inner { 4, std::vector<Tile>(16) };
    for (int r = 1; r < side; ++r)
        for (int c = 1; c < side; ++c) {
            const Tile t = board.cells[size_t(r * side + c)];
            Tile local = 0;
            if (t != 0)
                local = Tile(((t - 1) / side - 1) * 4 + (t - 1) % side - 1 + 1);
            inner.cells[size_t((r - 1) * 4 + c - 1)] = local;
        }
    return inner;
}

Tile outerTile(Tile local)
{
    return Tile(((local - 1) / 4 + 1) * side + (local - 1) % 4 + 1 + 1);
}

// The first row and column placed on a board, and what is left.
struct Placement
{
    Moves moves;
    Board inner; // the lower right 4 x 4
    int bound = INT_MAX; // the moves so far plus the least the 4 x 4 can take
};

std::optional<Placement> place(Board board, const TwentyFourTables& tables,
                               const FifteenDatabases& fifteen, const SearchControl& control,
                               const TwentyFourCaps& caps, uint64_t& nodes)
{
    Placement placement;
    RowSearch row(tables.rowTable(), control);
    const Board start = board;
    if (!row.run(board, placement.moves, 1, caps.rowNodes, nodes)) {
        if (control.cancelled())
            return std::nullopt;
        // Past the cap a weighted search places the row quickly, in a few more moves.
        board = start;
        placement.moves.clear();
        if (!row.run(board, placement.moves, 2, 0, nodes))
            return std::nullopt;
    }
    placeFirstColumn(board, tables.columnTable(), placement.moves);
    placement.inner = innerBoard(board);
    if (!isSolvable(placement.inner))
        return std::nullopt; // cannot happen: the moves kept the board's parity
    placement.bound = int(placement.moves.size()) + fifteen.lowerBound(placement.inner);
    return placement;
}

// The 4 x 4 left after a placement, solved shortest; only a whole solution shorter than
// `beat` is wanted. Without any solution yet (beat unbounded), a search past its cap gives way
// to weighted ones.
std::optional<Moves> finish(const Placement& placement, const FifteenDatabases& fifteen,
                            const SearchControl& control, const TwentyFourCaps& caps, int beat,
                            uint64_t& nodes)
{
    const int placed = int(placement.moves.size());
    SearchControl capped = control;
    capped.nodeLimit = caps.fifteenNodes;
    Solution rest = solveFifteen(placement.inner, fifteen, capped, {},
                                 beat == INT_MAX ? 255 : beat - placed - 1);
    nodes += rest.nodes;
    for (Weight weight : { Weight { 3, 2 }, Weight { 3, 1 } }) {
        if (rest.found || !rest.capped || control.cancelled() || beat != INT_MAX)
            break;
        capped.nodeLimit = weight.denominator == 2 ? caps.fifteenNodes : 0;
        rest = solveFifteen(placement.inner, fifteen, capped, weight);
        nodes += rest.nodes;
    }
    if (!rest.found)
        return std::nullopt;
    Moves moves = placement.moves;
    for (Tile t : rest.moves)
        moves.push_back(outerTile(t));
    return moves;
}

} // namespace

TwentyFourTables TwentyFourTables::build(const std::atomic<bool>* stop)
{
    TwentyFourTables tables;
    tables.m_row = exactTable(side, { 0, 1, 2, 3 }, stop);
    // Blocks 6, 11, 16 and 21 at the start of rows 2 to 5, counted from the second row.
    tables.m_column = exactTable(side - 1, { 0, 5, 10, 15 }, stop);
    return tables;
}

std::optional<TwentyFourTables> TwentyFourTables::read(const std::string& path)
{
    auto read = mapTableFile(
        path, signature,
        { size_t(placementCount(5, cellCount)), size_t(placementCount(5, cellCount - side)) });
    if (!read)
        return std::nullopt;
    TwentyFourTables tables;
    tables.m_row = std::move((*read)[0]);
    tables.m_column = std::move((*read)[1]);
    return tables;
}

bool TwentyFourTables::write(const std::string& path) const
{
    return writeTableFile(path, signature, { m_row, m_column });
}

Solution solveTwentyFour(const Board& board, const TwentyFourTables& tables,
                         const FifteenDatabases& fifteen, const SearchControl& control,
                         const TwentyFourCaps& caps)
{
    Solution solution;
    if (board.size != side || !isSolvable(board))
        return solution;
    // Row first on the board, and on its mirror, where the row is this board's first column.
    struct Candidate
    {
        Placement placement;
        bool mirrored;
    };
    std::vector<Candidate> candidates;
    for (const bool mirrored : { false, true }) {
        auto placement = place(mirrored ? transposed(board) : board, tables, fifteen, control, caps,
                               solution.nodes);
        if (placement)
            candidates.push_back({ std::move(*placement), mirrored });
    }
    // The more promising first: its solution may leave the other nothing to beat.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) {
                         return a.placement.bound < b.placement.bound;
                     });
    std::optional<Moves> best;
    bool bestMirrored = false;
    for (const Candidate& c : candidates) {
        const int beat = best ? int(best->size()) : INT_MAX;
        if (c.placement.bound >= beat)
            continue;
        if (auto moves = finish(c.placement, fifteen, control, caps, beat, solution.nodes)) {
            best = std::move(moves);
            bestMirrored = c.mirrored;
        }
    }
    if (control.cancelled() || !best)
        return solution;
    solution.found = true;
    for (Tile t : *best)
        solution.moves.push_back(bestMirrored ? transposedTile(side, t) : t);
    return solution;
}

} // namespace tessel::solver
