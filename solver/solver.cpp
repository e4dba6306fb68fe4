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

} // namespace tessel::solver
