#include "solver/solveinput.h"

#include <charconv>
#include <vector>

namespace tessel::solver {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// The line's words as numbers no larger than `limit`; false with the reason otherwise.
bool numbersOf(std::string_view text, uint64_t limit, std::vector<uint64_t>& numbers,
               std::string& error)
{
    size_t at = 0;
    while (at < text.size()) {
        if (isBlank(text[at])) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < text.size() && !isBlank(text[end]))
            ++end;
        const std::string_view word = text.substr(at, end - at);
        const bool digits
            = word.find_first_not_of("0123456789") == std::string_view::npos && !word.empty();
        const bool negative = word.size() > 1 && word[0] == '-'
            && word.find_first_not_of("0123456789", 1) == std::string_view::npos;
        if (!digits && !negative) {
            error = "not a list of numbers";
            return false;
        }
        uint64_t value = 0;
        const auto [past, problem] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (negative || problem != std::errc() || past != word.data() + word.size()
            || value > limit) {
            error = "a number out of range: " + std::string(word.substr(0, 24))
                + (word.size() > 24 ? "..." : "");
            return false;
        }
        numbers.push_back(value);
        at = end;
    }
    return true;
}

} // namespace

bool isSkippedLine(std::string_view text)
{
    size_t first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    return first == text.size() || text[first] == '#';
}

std::optional<InputLine> parseInputLine(std::string_view text, bool korf, std::string& error)
{
    std::vector<uint64_t> numbers;
    if (!numbersOf(text, std::max<uint64_t>(largestGivenLength, largestInstanceNumber), numbers,
                   error))
        return std::nullopt;
    if (korf && !numbers.empty())
        numbers.erase(numbers.begin()); // the instance's number
    for (int size : { 3, 4, 5 }) {
        const size_t cells = size_t(size * size);
        if (numbers.size() != cells && numbers.size() != cells + 1)
            continue;
        InputLine line;
        line.board.size = size;
        for (size_t i = 0; i < cells; ++i) {
            if (numbers[i] >= cells) {
                error = "a number outside 0 to N*N-1";
                return std::nullopt;
            }
            line.board.cells.push_back(Tile(numbers[i]));
        }
        if (numbers.size() == cells + 1) {
            if (numbers.back() > uint64_t(largestGivenLength)) {
                error = "a length out of range: " + std::to_string(numbers.back()) + " (at most "
                    + std::to_string(largestGivenLength) + ")";
                return std::nullopt;
            }
            line.given = int(numbers.back());
        }
        if (korf) {
            // A half turn takes the top left corner to the bottom right; renaming keeps the order.
            Board turned { size, std::vector<Tile>(cells) };
            for (size_t i = 0; i < cells; ++i) {
                const Tile t = line.board.cells[i];
                turned.cells[cells - 1 - i] = t == 0 ? 0 : Tile(cells - t);
            }
            line.board = turned;
        }
        if (!isWellFormed(line.board)) {
            error = "a number missing or repeated";
            return std::nullopt;
        }
        if (!isSolvable(line.board)) {
            error = "sliding cannot bring this board home";
            return std::nullopt;
        }
        return line;
    }
    error = "not 9, 16 or 25 numbers (and a length)";
    return std::nullopt;
}

LineReader::LineReader(Read read, size_t longest)
    : m_read(std::move(read))
    , m_longest(longest)
{ }

LineReader::Status LineReader::next(std::string& line)
{
    for (;;) {
        const size_t newline = m_buffer.find('\n', m_start);
        const size_t held = (newline == std::string::npos ? m_buffer.size() : newline) - m_start;
        if (held > m_longest)
            return Status::TooLong;
        if (newline != std::string::npos) {
            line.assign(m_buffer, m_start, held);
            m_start = newline + 1;
            return Status::Line;
        }
        if (m_ended) {
            if (held == 0)
                return Status::End;
            line.assign(m_buffer, m_start, held);
            m_start = m_buffer.size();
            return Status::Line;
        }
        // Room for the rest of the line and one byte past the bound, never more.
        m_buffer.erase(0, m_start);
        m_start = 0;
        const size_t room = m_longest + 1 - m_buffer.size();
        const size_t before = m_buffer.size();
        m_buffer.resize(before + room);
        const long got = m_read(m_buffer.data() + before, room);
        m_buffer.resize(before + size_t(std::max(got, 0L)));
        if (got < 0)
            return Status::Failed;
        if (got == 0)
            m_ended = true;
    }
}

} // namespace tessel::solver
