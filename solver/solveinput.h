// The input of tessel-solve: boards one a line, read with a bound on the line's length and
// checked number by number, so that no input makes it wait for ever, grow without end or
// take a number for another.
#pragma once

#include "solver/puzzle.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tessel::solver {

// The longest line taken: a 5 x 5 board with its instance number and length, written with
// generous blanks, is far below it.
inline constexpr size_t longestInputLine = 4096;
// The largest length a line may give: more than any board of these sizes can need.
inline constexpr int largestGivenLength = 1000;
// The largest instance number of Korf's files' lines.
inline constexpr unsigned largestInstanceNumber = 1000000;

struct InputLine
{
    Board board; // in the game's form
    int given = -1; // the length the line gives, or -1
};

// One line's board (its end-of-line characters removed): N x N numbers from 0 to N² - 1 (N = 3,
// 4, 5), each once, then maybe a length; with `korf`, first an instance number, and the board
// in Korf's form (empty cell top left), turned to the game's. nullopt, with the reason in
// `error`, for anything else, a board that sliding cannot bring home included.
std::optional<InputLine> parseInputLine(std::string_view text, bool korf, std::string& error);

// Whether a line holds nothing to solve: blank, or a comment starting with #.
bool isSkippedLine(std::string_view text);

// Lines from a source of bytes, none longer than a bound.
class LineReader
{
public:
    // `read` fills up to the count of bytes asked for and returns how many it gave: 0 at the
    // end, less than 0 on an error.
    using Read = std::function<long(char*, size_t)>;
    enum class Status { Line, End, TooLong, Failed };

    explicit LineReader(Read read, size_t longest = longestInputLine);

    // The next line, without its newline (a last line without one counts). TooLong as soon
    // as a line passes the bound: reading stops there, having held no more than the bound.
    Status next(std::string& line);

private:
    Read m_read;
    size_t m_longest;
    std::string m_buffer;
    size_t m_start = 0;
    bool m_ended = false;
};

} // namespace tessel::solver
