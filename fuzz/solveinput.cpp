// tessel-solve's input: whatever bytes come, lines are handed out within their bound and in
// order, and a line that parses gives a board sliding brings home, with a length in range,
// that parses again to the same from its own text.
#include "fuzzsupport.h"

#include "solver/solveinput.h"

#include <cstring>
#include <string>

using namespace tessel;
using namespace tessel::fuzz;
using namespace tessel::solver;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const bool korf = data[0] & 1;
    const size_t chunk = 1 + data[1] % 64; // how the source hands its bytes out
    // A small bound, so that inputs pass it often; and the real one.
    const size_t longest = data[0] & 2 ? 64 : longestInputLine;
    const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
    size_t at = 0;
    LineReader reader(
        [&](char* to, size_t count) {
            const size_t n = std::min({ count, chunk, bytes.size() - at });
            std::memcpy(to, bytes.data() + at, n);
            at += n;
            return long(n);
        },
        longest);

    std::string seen; // the lines so far, each with its newline
    std::string line;
    for (;;) {
        const LineReader::Status status = reader.next(line);
        if (status == LineReader::Status::End) {
            // Every byte handed out once, in order; a last line without its newline counts.
            check(seen == bytes || seen == bytes + '\n', "the lines are not the input");
            break;
        }
        if (status == LineReader::Status::TooLong) {
            check(at <= seen.size() + longest + 1, "read past the bound");
            const size_t newline = bytes.find('\n', seen.size());
            const size_t length
                = (newline == std::string::npos ? bytes.size() : newline) - seen.size();
            check(length > longest, "a line within the bound called too long");
            break;
        }
        check(status == LineReader::Status::Line, "a memory source failed");
        check(line.size() <= longest, "a line past the bound");
        check(line.find('\n') == std::string::npos, "a newline inside a line");
        seen += line;
        seen += '\n';

        std::string error;
        const auto parsed = parseInputLine(line, korf, error);
        if (!parsed) {
            check(!error.empty(), "refused without a reason");
            continue;
        }
        check(!isSkippedLine(line), "a skipped line parses");
        check(isSolvable(parsed->board), "a board that cannot be solved");
        check(parsed->given >= -1 && parsed->given <= largestGivenLength, "a length past range");
        std::string text = toText(parsed->board);
        if (parsed->given >= 0)
            text += ' ' + std::to_string(parsed->given);
        const auto again = parseInputLine(text, false, error);
        check(again && again->board == parsed->board && again->given == parsed->given,
              "a board does not parse again from its text");
    }
    return 0;
}
