#include "solver/solver.h"

#include <chrono>
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

// Reads the table file or, failing that, builds the tables; timed and reported.
template<class Tables>
Tables readOrBuild(const char* name, const char* file)
{
    const auto start = std::chrono::steady_clock::now();
    std::optional<Tables> tables = Tables::read(tableFolder() + '/' + file);
    const bool read = tables.has_value();
    if (!tables)
        tables = Tables::build();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    const std::lock_guard guard(lock());
    reports().push_back({ name, tables->bytes(), took.count(), read });
    return std::move(*tables);
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

const FifteenDatabases& fifteenDatabases()
{
    static const FifteenDatabases databases
        = readOrBuild<FifteenDatabases>("4 x 4 pattern databases 6-6-3", fifteenTableFile);
    return databases;
}

const TwentyFourTables& twentyFourTables()
{
    static const TwentyFourTables tables
        = readOrBuild<TwentyFourTables>("5 x 5 placement tables", twentyFourTableFile);
    return tables;
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
    case 4:
        return solveFifteen(board, fifteenDatabases(), control);
    default:
        return solveTwentyFour(board, twentyFourTables(), fifteenDatabases(), control);
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
        solution = solveFifteen(board, fifteenDatabases(), control, {}, left - 1, left - 1);
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
