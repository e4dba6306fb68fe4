// tessel_movepruning LENGTH OUTPUT: writes the C++ source of the machine that recognises the
// empty cell's move strings the 4 x 4 search skips, up to LENGTH moves. Run by the build.
#include "solver/movepruning.h"

#include <cstdio>
#include <cstdlib>

using namespace tessel::solver;

int main(int argc, char* argv[])
{
    const int length = argc == 3 ? std::atoi(argv[1]) : 0;
    if (length < 1 || length > 16) {
        std::fprintf(stderr, "usage: tessel_movepruning LENGTH OUTPUT (LENGTH 1 to 16)\n");
        return 2;
    }
    const auto strings = duplicateMoveStrings(length);
    const auto machine = pruningAutomaton(strings);
    std::FILE* out = std::fopen(argv[2], "w");
    if (!out) {
        std::fprintf(stderr, "tessel_movepruning: cannot write %s\n", argv[2]);
        return 1;
    }
    std::fprintf(out,
                 "// Made by tessel_movepruning at build time from %zu strings.\n"
                 "#include \"solver/movepruning.h\"\n\n"
                 "namespace tessel::solver {\n\n"
                 "const int movePruningLength = %d;\n"
                 "const int movePruningStates = %zu;\n"
                 "const int16_t movePruningTable[][4] = {\n",
                 strings.size(), length, machine.size());
    for (const auto& row : machine)
        std::fprintf(out, "    { %d, %d, %d, %d },\n", row[0], row[1], row[2], row[3]);
    std::fprintf(out, "};\n\n} // namespace tessel::solver\n");
    const bool written = !std::ferror(out) && std::fclose(out) == 0;
    if (!written) {
        std::fprintf(stderr, "tessel_movepruning: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("move pruning: %zu strings of up to %d moves, %zu states\n", strings.size(), length,
                machine.size());
    return 0;
}
