// tessel-solve: solves the game's boards from the command line, for tests and benchmarks.
#include "solver/solveinput.h"
#include "solver/solver.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessel::solver;

namespace {

// The solving thread's own time: what one core spends, whatever else the machine runs.
double threadMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

const char usage[]
    = "usage: tessel-solve [--check] [--korf] [--stats] [--tables] [--build] [--off-path] [FILE]\n"
      "Reads boards, one a line, from FILE or standard input: the N x N numbers (N = 3, 4, 5)\n"
      "in reading order, 0 for the empty cell, the goal 1 2 ... N*N-1 0; a number after them is\n"
      "the board's shortest length. Blank lines and lines starting with # are skipped.\n"
      "Prints for each board its solution's length, a colon and the blocks moved, in order.\n"
      "  --check   verify each board's given length: 3 x 3 and 4 x 4 solutions must have it,\n"
      "            5 x 5 ones (good, not shortest) must not be shorter; prints their ratio\n"
      "  --korf    lines of Korf's files: a number, the board with the goal 0 1 ... N*N-1 (empty\n"
      "            cell top left), the shortest length; turned half round with block t renamed\n"
      "            N*N - t to reach the game's goal; moves are printed in the file's numbering\n"
      "  --stats   the time of each solve on its thread's clock (the processor time it took,\n"
      "            however busy the machine), its time by the wall clock, and the nodes expanded\n"
      "  --tables  first read (or build) every table, saying its size and the time it took\n"
      "  --build   build the tables instead of reading their files\n"
      "  --off-path  after each 4 x 4 board, each move off its solution's path solved again\n"
      "            knowing that path (as the game does after a move): length, time, nodes\n"
      "FILE must be a regular file; a line may hold at most 4096 bytes, numbers at most\n"
      "N*N-1 on the board and 1000 as a length.\n"
      "Exit status: 0 when every board was solved (and checked), 1 otherwise, 2 for bad usage\n"
      "or input that cannot be read through (not a regular file, a line too long).\n";

struct Options
{
    bool check = false, korf = false, stats = false, tables = false, build = false, offPath = false;
    std::string file;
};

// Every table read (or built) before any board, each timed on this thread's clock.
void prepareTables()
{
    struct Step
    {
        const char* name;
        size_t (*load)();
    };
    const Step steps[] = {
        { "3 x 3 distance table", [] { return eightTable().bytes(); } },
        { "4 x 4 pattern databases", [] { return fifteenDatabases().bytes(); } },
        { "5 x 5 placement tables", [] { return twentyFourTables().bytes(); } },
    };
    size_t total = 0;
    for (const Step& step : steps) {
        const double start = threadMilliseconds();
        const size_t bytes = step.load();
        total += bytes;
        std::printf("table: %s, %.3f MB, %.1f ms\n", step.name, bytes / 1048576.0,
                    threadMilliseconds() - start);
    }
    for (const TableReport& report : tableReports())
        std::printf("table: %s %s (%.1f ms wall)\n", report.name.c_str(),
                    report.read ? "read from its file" : "built", report.milliseconds);
    std::printf("tables: %.3f MB in all\n", total / 1048576.0);
    std::fflush(stdout);
}

// Each move from `board` off its shortest solution's path, and the board it leads to solved
// again knowing that path, as the game's worker does after a move: one line each with the
// length, the time on the thread's clock and the nodes. False when one is not d - 1 or d + 1
// long or does not reach the goal.
bool reSolveOffPath(const Board& board, const Solution& solution, bool korf)
{
    bool good = true;
    const int d = int(solution.moves.size());
    const int cells = board.size * board.size;
    for (int cell = 0; cell < cells; ++cell) {
        const Tile tile = board.cells[size_t(cell)];
        Board off = board;
        if (d == 0 || tile == solution.moves.front() || !slide(off, tile))
            continue;
        SolutionMemory memory;
        memory.remember(board, solution);
        const double cpuStart = threadMilliseconds();
        const Solution again = memory.solve(off);
        const double cpu = threadMilliseconds() - cpuStart;
        const int length = int(again.moves.size());
        Board played = off;
        const bool ok = again.found && again.shortest && (length == d - 1 || length == d + 1)
            && play(played, again.moves) && isGoal(played);
        std::printf("  off path (block %d): %d (%.3f ms, %llu nodes)%s\n",
                    korf ? cells - tile : tile, length, cpu,
                    static_cast<unsigned long long>(again.nodes), ok ? "" : "; WRONG");
        good = good && ok;
    }
    return good;
}

// The input's lines: each checked, the boards solved. 0 when every board was solved (and
// checked), 1 otherwise, 2 when the input itself could not be read through.
int run(const Options& options, int fd)
{
    if (options.tables)
        prepareTables();
    bool allGood = true;
    LineReader reader([fd](char* to, size_t count) {
        ssize_t got;
        do
            got = ::read(fd, to, count);
        while (got < 0 && errno == EINTR);
        return long(got);
    });
    std::string text;
    for (int lineNumber = 1;; ++lineNumber) {
        const LineReader::Status status = reader.next(text);
        if (status == LineReader::Status::End)
            break;
        if (status == LineReader::Status::TooLong) {
            std::fprintf(stderr,
                         "tessel-solve: line %d is longer than any board needs (%zu bytes); "
                         "stopped\n",
                         lineNumber, longestInputLine);
            return 2;
        }
        if (status == LineReader::Status::Failed) {
            std::fprintf(stderr, "tessel-solve: cannot read line %d: %s\n", lineNumber,
                         std::strerror(errno));
            return 2;
        }
        if (isSkippedLine(text))
            continue;
        std::string error;
        const auto line = parseInputLine(text, options.korf, error);
        if (!line) {
            std::printf("line %d: %s\n", lineNumber, error.c_str());
            std::fflush(stdout);
            allGood = false;
            continue;
        }
        // Tables first, so that the time is the solve's alone.
        if (line->board.size == 3)
            eightTable();
        if (line->board.size >= 4)
            fifteenDatabases();
        if (line->board.size == 5)
            twentyFourTables();

        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadMilliseconds();
        const Solution solution = solve(line->board);
        const double cpu = threadMilliseconds() - cpuStart;
        const std::chrono::duration<double, std::milli> took
            = std::chrono::steady_clock::now() - start;

        Board played = line->board;
        if (!solution.found || !play(played, solution.moves) || !isGoal(played)) {
            std::printf("line %d: no solution found\n", lineNumber);
            allGood = false;
            continue;
        }
        const int length = int(solution.moves.size());
        std::string out = std::to_string(length);
        if (options.stats) {
            char figures[96];
            std::snprintf(figures, sizeof figures, " (%.3f ms, %.3f ms wall, %llu nodes)", cpu,
                          took.count(), static_cast<unsigned long long>(solution.nodes));
            out += figures;
        }
        out += ':';
        const int cells = line->board.size * line->board.size;
        for (Tile t : solution.moves)
            out += ' ' + std::to_string(options.korf ? cells - t : t);
        if (options.check) {
            if (line->given < 0) {
                out += "; no length given";
                allGood = false;
            } else if (solution.shortest) {
                const bool same = length == line->given;
                out += "; expected " + std::to_string(line->given) + (same ? ", ok" : ", WRONG");
                allGood = allGood && same;
            } else {
                char ratio[96];
                std::snprintf(ratio, sizeof ratio, "; shortest known %d, %.3fx%s", line->given,
                              double(length) / line->given,
                              length < line->given ? ", SHORTER THAN THE SHORTEST" : "");
                out += ratio;
                allGood = allGood && length >= line->given;
            }
        }
        std::printf("%s\n", out.c_str());
        if (options.offPath && solution.shortest && line->board.size == 4)
            allGood = reSolveOffPath(line->board, solution, options.korf) && allGood;
        std::fflush(stdout);
    }
    return allGood ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--check")
            options.check = true;
        else if (arg == "--korf")
            options.korf = true;
        else if (arg == "--stats")
            options.stats = true;
        else if (arg == "--tables")
            options.tables = true;
        else if (arg == "--build")
            options.build = true;
        else if (arg == "--off-path")
            options.offPath = true;
        else if (arg == "--help" || arg == "-h") {
            std::fputs(usage, stdout);
            return 0;
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fputs(usage, stderr);
            return 2;
        } else if (options.file.empty()) {
            options.file = arg;
        } else {
            std::fputs(usage, stderr);
            return 2;
        }
    }
    // The tables sit next to the program; --build points elsewhere so that none is found.
    std::error_code ignored;
    const auto self = std::filesystem::canonical("/proc/self/exe", ignored);
    setTableFolder(options.build ? std::string("/nonexistent")
                                 : (self.empty() ? std::string(".") : self.parent_path().string()));
    if (options.file.empty())
        return run(options, STDIN_FILENO);
    // A regular file only: a folder reads as nothing, a FIFO may wait for ever, a device may
    // never end.
    const int fd = ::open(options.file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info
    {
    };
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        std::fprintf(stderr, "tessel-solve: cannot read %s: %s\n", options.file.c_str(),
                     std::strerror(errno));
        return 2;
    }
    if (!S_ISREG(info.st_mode)) {
        std::fprintf(stderr,
                     "tessel-solve: %s is not a regular file (%s); give a file, or pipe the "
                     "boards to standard input\n",
                     options.file.c_str(), S_ISDIR(info.st_mode) ? "a folder" : "a special file");
        ::close(fd);
        return 2;
    }
    const int status = run(options, fd);
    ::close(fd);
    return status;
}
