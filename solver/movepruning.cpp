#include "solver/movepruning.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

namespace tessel::solver {

namespace {

// A square of cells around the empty cell's start, wide enough that no string leaves it.
class Grid
{
public:
    explicit Grid(int maxLength)
        : m_width(2 * maxLength + 3)
        , m_start(m_width * (maxLength + 1) + maxLength + 1)
    {
        m_step = { m_width, -1, 1, -m_width };
    }

    int width() const { return m_width; }
    int start() const { return m_start; }
    int step(int direction) const { return m_step[size_t(direction)]; }

    // The cells' contents after the moves: each cell holds the number of the cell its content
    // started on.
    std::vector<int> play(const std::string& moves, int* blank = nullptr) const
    {
        std::vector<int> cells(size_t(m_width * m_width));
        for (size_t c = 0; c < cells.size(); ++c)
            cells[c] = int(c);
        int at = m_start;
        for (char letter : moves) {
            const int next = at + step(directionOf(letter));
            std::swap(cells[size_t(at)], cells[size_t(next)]);
            at = next;
        }
        if (blank)
            *blank = at;
        return cells;
    }

    // Rows and columns the empty cell visits: top, bottom, left, right.
    std::array<int, 4> reach(const std::string& moves) const
    {
        int at = m_start;
        std::array<int, 4> box = { at / m_width, at / m_width, at % m_width, at % m_width };
        for (char letter : moves) {
            at += step(directionOf(letter));
            box = { std::min(box[0], at / m_width), std::max(box[1], at / m_width),
                    std::min(box[2], at % m_width), std::max(box[3], at % m_width) };
        }
        return box;
    }

private:
    int m_width;
    int m_start;
    std::array<int, 4> m_step;
};

uint64_t mix(uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// A cell's share of a board's hash: nothing while it holds what it started with.
uint64_t term(const Grid& grid, int cell, int content)
{
    return cell == content
        ? 0
        : mix(uint64_t(cell) * uint64_t(grid.width() * grid.width()) + uint64_t(content));
}

bool inside(const std::array<int, 4>& inner, const std::array<int, 4>& outer)
{
    return inner[0] >= outer[0] && inner[1] <= outer[1] && inner[2] >= outer[2]
        && inner[3] <= outer[3];
}

} // namespace

int directionOf(char letter)
{
    return int(std::string_view(directionLetters).find(letter));
}

std::vector<DuplicateMoves> duplicateMoveStrings(int maxLength)
{
    const Grid grid(maxLength);
    struct Node
    {
        std::string moves;
        uint64_t hash;
    };
    // The first string to reach each board; breadth first, each length in letter order, so
    // that the first is the earliest.
    std::unordered_map<uint64_t, std::string> first;
    first.emplace(0, std::string());
    std::vector<Node> level = { { std::string(), 0 } };
    std::vector<DuplicateMoves> found;
    for (int length = 1; length <= maxLength; ++length) {
        std::vector<Node> next;
        for (const Node& node : level) {
            int blank = 0;
            const std::vector<int> cells = grid.play(node.moves, &blank);
            for (int direction = 0; direction < 4; ++direction) {
                // A move straight back is never searched.
                if (!node.moves.empty() && directionOf(node.moves.back()) == 3 - direction)
                    continue;
                const int to = blank + grid.step(direction);
                const int empty = cells[size_t(blank)], content = cells[size_t(to)];
                const uint64_t hash = node.hash ^ term(grid, blank, empty) ^ term(grid, to, content)
                    ^ term(grid, blank, content) ^ term(grid, to, empty);
                const std::string moves = node.moves + directionLetters[direction];
                const auto seen = first.find(hash);
                if (seen == first.end()) {
                    first.emplace(hash, moves);
                    next.push_back({ moves, hash });
                    continue;
                }
                // Confirmed cell by cell, so that two boards of the same hash are never taken
                // for one; a kept string that reaches farther cannot always be played instead.
                if (grid.play(seen->second) == grid.play(moves)
                    && inside(grid.reach(seen->second), grid.reach(moves))) {
                    found.push_back({ moves, seen->second });
                    continue;
                }
                next.push_back({ moves, hash });
            }
        }
        level = std::move(next);
    }
    // A string ending in a shorter one is recognised by that one already.
    std::unordered_set<std::string> all;
    for (const auto& duplicate : found)
        all.insert(duplicate.moves);
    std::erase_if(found, [&](const DuplicateMoves& duplicate) {
        for (size_t i = 1; i < duplicate.moves.size(); ++i)
            if (all.count(duplicate.moves.substr(i)))
                return true;
        return false;
    });
    return found;
}

std::vector<std::array<int16_t, 4>> pruningAutomaton(const std::vector<DuplicateMoves>& strings)
{
    // Aho and Corasick's machine: a tree of the strings, each state then sent on by its longest
    // proper end that is also a start of some string.
    std::vector<std::array<int32_t, 4>> next(1, { -1, -1, -1, -1 });
    std::vector<bool> ends(1, false);
    for (const auto& duplicate : strings) {
        size_t state = 0;
        for (char letter : duplicate.moves) {
            const int direction = directionOf(letter);
            if (next[state][size_t(direction)] < 0) {
                next[state][size_t(direction)] = int32_t(next.size());
                next.push_back({ -1, -1, -1, -1 });
                ends.push_back(false);
            }
            state = size_t(next[state][size_t(direction)]);
        }
        ends[state] = true;
    }
    std::vector<int32_t> fallback(next.size(), 0);
    std::vector<int32_t> queue;
    for (auto& target : next[0]) {
        if (target < 0)
            target = 0;
        else
            queue.push_back(target);
    }
    for (size_t i = 0; i < queue.size(); ++i) {
        const int32_t state = queue[i];
        ends[size_t(state)] = ends[size_t(state)] || ends[size_t(fallback[size_t(state)])];
        for (int direction = 0; direction < 4; ++direction) {
            int32_t& target = next[size_t(state)][size_t(direction)];
            const int32_t onward = next[size_t(fallback[size_t(state)])][size_t(direction)];
            if (target < 0) {
                target = onward;
            } else {
                fallback[size_t(target)] = onward;
                queue.push_back(target);
            }
        }
    }
    if (next.size() > size_t(INT16_MAX))
        throw std::length_error("pruningAutomaton: too many states");
    std::vector<std::array<int16_t, 4>> machine(next.size());
    for (size_t state = 0; state < next.size(); ++state)
        for (size_t direction = 0; direction < 4; ++direction) {
            const int32_t target = next[state][direction];
            machine[state][direction] = ends[size_t(target)] ? int16_t(-1) : int16_t(target);
        }
    return machine;
}

} // namespace tessel::solver
