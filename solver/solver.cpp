#include "solver/solver.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

namespace tessel::solver {

namespace {

std::mutex& lock()
{
    static std::mutex m;
    return m;
}

std::string& folder()
{
    static std::string path = ".";
    return path;
}

std::vector<TableReport>& reports()
{
    static std::vector<TableReport> list;
    return list;
}

// Reads the table file or, failing that, builds the tables; timed and reported. nullopt when
// the build was stopped by a shutdown: nothing is kept, and the next search tries again.
template<class Tables>
std::optional<Tables> readOrBuild(const char* name, const char* file, const SearchControl& control)
{
    const auto start = std::chrono::steady_clock::now();
    std::optional<Tables> tables = Tables::read(tableFolder() + '/' + file);
    const bool read = tables.has_value();
    if (!tables) {
        tables = Tables::build(control.shutdown);
        if (control.shuttingDown())
            return std::nullopt;
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    const std::lock_guard guard(lock());
    reports().push_back({ name, tables->bytes(), took.count(), read });
    return tables;
}

// One kind of table of the process: made once, by the first search that asks and is not
// stopped; a search asking meanwhile waits for it.
template<class Tables>
class Loaded
{
public:
    const Tables* get(const char* name, const char* file, const SearchControl& control)
    {
        if (const Tables* ready = m_ready.load(std::memory_order_acquire))
            return ready;
        const std::lock_guard guard(m_making);
        if (!m_tables) {
            auto made = readOrBuild<Tables>(name, file, control);
            if (!made)
                return nullptr;
            m_tables = std::make_unique<const Tables>(std::move(*made));
            m_ready.store(m_tables.get(), std::memory_order_release);
        }
        return m_tables.get();
    }

private:
    std::mutex m_making;
    std::unique_ptr<const Tables> m_tables;
    std::atomic<const Tables*> m_ready { nullptr };
};

Loaded<FifteenDatabases>& fifteenSlot()
{
    static Loaded<FifteenDatabases> slot;
    return slot;
}

Loaded<TwentyFourTables>& twentyFourSlot()
{
    static Loaded<TwentyFourTables> slot;
    return slot;
}

} // namespace

void setTableFolder(const std::string& path)
{
    const std::lock_guard guard(lock());
    folder() = path;
}

std::string tableFolder()
{
    const std::lock_guard guard(lock());
    return folder();
}

const EightTable& eightTable()
{
    static const EightTable& table = []() -> const EightTable& {
        const auto start = std::chrono::steady_clock::now();
        const EightTable& built = EightTable::instance();
        const std::chrono::duration<double, std::milli> took
            = std::chrono::steady_clock::now() - start;
        const std::lock_guard guard(lock());
        reports().push_back({ "3 x 3 distance table", built.bytes(), took.count(), false });
        return built;
    }();
    return table;
}

const FifteenDatabases* fifteenDatabases(const SearchControl& control)
{
    return fifteenSlot().get("4 x 4 pattern databases 6-6-3", fifteenTableFile, control);
}

const TwentyFourTables* twentyFourTables(const SearchControl& control)
{
    return twentyFourSlot().get("5 x 5 placement tables", twentyFourTableFile, control);
}

const FifteenDatabases& fifteenDatabases()
{
    return *fifteenDatabases(SearchControl {});
}

const TwentyFourTables& twentyFourTables()
{
    return *twentyFourTables(SearchControl {});
}

std::vector<TableReport> tableReports()
{
    const std::lock_guard guard(lock());
    return reports();
}

Solution solve(const Board& board, const SearchControl& control)
{
    if (!isSolvable(board))
        return {};
    switch (board.size) {
    case 3: {
        const EightTable& table = eightTable();
        Solution solution;
        solution.moves = table.solve(board);
        solution.found = true;
        solution.shortest = true;
        return solution;
    }
    case 4: {
        const FifteenDatabases* databases = fifteenDatabases(control);
        return databases ? solveFifteen(board, *databases, control) : Solution {};
    }
    default: {
        const FifteenDatabases* databases = fifteenDatabases(control);
        const TwentyFourTables* tables = databases ? twentyFourTables(control) : nullptr;
        return tables ? solveTwentyFour(board, *tables, *databases, control) : Solution {};
    }
    }
}

Tile stepBetween(const Board& from, const Board& to)
{
    if (from.size != to.size || from.cells.size() != to.cells.size())
        return 0;
    const int blank = blankCell(from);
    const int next = blankCell(to);
    if (blank < 0 || next < 0 || blank == next)
        return 0;
    const Tile tile = from.cells[size_t(next)];
    Board moved = from;
    return slide(moved, tile) && moved == to ? tile : 0;
}

Solution SolutionMemory::solve(const Board& board, const SearchControl& control)
{
    if (board.size != 4 || !isSolvable(board)) {
        Solution solution = solver::solve(board, control);
        remember(board, solution);
        return solution;
    }
    // The nearest path board beside this one: the fewer moves it has left, the smaller the
    // bounded search.
    const Known* nearest = nullptr;
    size_t nearestAt = 0;
    Tile step = 0;
    for (const Known& known : m_known) {
        Board onPath = known.board;
        for (size_t at = 0;; ++at) {
            if (onPath == board) {
                Solution solution;
                solution.found = solution.shortest = true;
                solution.moves.assign(known.moves.begin() + long(at), known.moves.end());
                return solution;
            }
            const size_t left = known.moves.size() - at;
            if (!nearest || left < nearest->moves.size() - nearestAt) {
                if (const Tile t = stepBetween(board, onPath)) {
                    nearest = &known;
                    nearestAt = at;
                    step = t;
                }
            }
            if (at == known.moves.size() || !slide(onPath, known.moves[at]))
                break;
        }
    }
    Solution solution;
    if (!nearest) {
        solution = solver::solve(board, control);
    } else {
        const int left = int(nearest->moves.size() - nearestAt);
        const FifteenDatabases* databases = fifteenDatabases(control);
        if (!databases)
            return {};
        // Stepping back first costs 1 + d moves, more than the d - 1 asked: not searched.
        solution = solveFifteen(board, *databases, control, {}, left - 1, left - 1, step);
        if (!solution.found && !solution.capped && !control.cancelled()) {
            // Nothing at d - 1: d + 1 it is, the step back and the old path.
            solution.found = solution.shortest = true;
            solution.moves.assign(1, step);
            solution.moves.insert(solution.moves.end(), nearest->moves.begin() + long(nearestAt),
                                  nearest->moves.end());
        }
    }
    remember(board, solution);
    return solution;
}

void SolutionMemory::remember(const Board& board, const Solution& solution)
{
    if (!solution.found || !solution.shortest || board.size != 4)
        return;
    m_known.push_front({ board, solution.moves });
    if (m_known.size() > capacity)
        m_known.pop_back();
}

} // namespace tessel::solver
