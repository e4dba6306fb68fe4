// tessel_solvertables 4x4|5x5 OUTPUT: builds the solver's tables for that board and writes them
// to OUTPUT, saying how large they are and how long they took. Run by the build.
#include "solver/fifteen.h"
#include "solver/twentyfour.h"

#include <chrono>
#include <cstdio>
#include <cstring>

using namespace tessel::solver;

int main(int argc, char* argv[])
{
    if (argc != 3 || (std::strcmp(argv[1], "4x4") != 0 && std::strcmp(argv[1], "5x5") != 0)) {
        std::fprintf(stderr, "usage: tessel_solvertables 4x4|5x5 OUTPUT\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    bool written = false;
    size_t bytes = 0;
    if (std::strcmp(argv[1], "4x4") == 0) {
        const FifteenDatabases databases = FifteenDatabases::build();
        for (const auto& group : databases.groups())
            std::printf("  group of %zu blocks: %llu entries, largest half excess %d\n",
                        group.tiles().size(), static_cast<unsigned long long>(group.entries()),
                        group.largestHalfExcess());
        bytes = databases.bytes();
        written = databases.write(argv[2]);
    } else {
        const TwentyFourTables tables = TwentyFourTables::build();
        bytes = tables.bytes();
        written = tables.write(argv[2]);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!written) {
        std::fprintf(stderr, "tessel_solvertables: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%s tables: %.2f MB, built in %.2f s\n", argv[1], bytes / 1048576.0, took.count());
    return 0;
}
