// The stored game's check against a rule worked out here independently: the syntax from the
// texts alone, and whether sliding can bring the arrangement home by searching every position
// sliding reaches (2 x 2 and 3 x 3, and there for every arrangement, at the start) or by the
// cycles of the arrangement (4 x 4 and 5 x 5).
#include "fuzzsupport.h"

#include "board/savedgame.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <string>
#include <unordered_set>
#include <vector>

using namespace tessel;
using namespace tessel::fuzz;

namespace {

// An arrangement as 4-bit digits, cell 0 lowest; n - 1 stands for the empty cell.
uint64_t code(const std::vector<int>& pieces)
{
    uint64_t c = 0;
    for (size_t i = pieces.size(); i-- > 0;)
        c = c << 4 | uint64_t(pieces[i]);
    return c;
}

// Every arrangement sliding reaches from home, found by a breadth-first search.
std::unordered_set<uint64_t> reachable(int g)
{
    const int n = g * g;
    std::vector<int> home(n);
    std::iota(home.begin(), home.end(), 0);
    std::unordered_set<uint64_t> seen { code(home) };
    std::deque<std::vector<int>> queue { home };
    while (!queue.empty()) {
        const std::vector<int> at = std::move(queue.front());
        queue.pop_front();
        const int blank = int(std::find(at.begin(), at.end(), n - 1) - at.begin());
        const int row = blank / g, column = blank % g;
        for (const auto& [dr, dc] : { std::pair { -1, 0 }, { 1, 0 }, { 0, -1 }, { 0, 1 } }) {
            if (row + dr < 0 || row + dr >= g || column + dc < 0 || column + dc >= g)
                continue;
            std::vector<int> next = at;
            std::swap(next[blank], next[(row + dr) * g + column + dc]);
            if (seen.insert(code(next)).second)
                queue.push_back(std::move(next));
        }
    }
    return seen;
}

const std::unordered_set<uint64_t>& reachableFrom(int g)
{
    static const std::unordered_set<uint64_t> two = reachable(2);
    static const std::unordered_set<uint64_t> three = reachable(3);
    return g == 2 ? two : three;
}

// Solvable for larger boards: the parity of the arrangement (n less its number of cycles) equals
// the parity of the empty cell's distance from the last cell.
bool solvableByCycles(const std::vector<int>& pieces, int g)
{
    const int n = g * g;
    std::vector<bool> visited(n, false);
    int cycles = 0;
    for (int i = 0; i < n; ++i) {
        if (visited[i])
            continue;
        ++cycles;
        for (int j = i; !visited[j]; j = pieces[j])
            visited[j] = true;
    }
    const int blank = int(std::find(pieces.begin(), pieces.end(), n - 1) - pieces.begin());
    const int distance = (g - 1 - blank / g) + (g - 1 - blank % g);
    return (n - cycles) % 2 == distance % 2;
}

bool solvable(const std::vector<int>& pieces, int g)
{
    return g <= 3 ? reachableFrom(g).count(code(pieces)) > 0 : solvableByCycles(pieces, g);
}

// The decimal number a text spells without sign, blank or leading zero; -1 otherwise.
long plainDecimal(const std::string& text)
{
    if (text.empty() || text.size() > 6 || (text.size() > 1 && text[0] == '0'))
        return -1;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// What the stored values must be: n of them, one "kB" at its own position k, the rest distinct
// blocks 0 to n - 2, sliding able to bring them home.
std::optional<SavedArrangement> expectedArrangement(const std::vector<std::string>& values, int g)
{
    const int n = g * g;
    if (int(values.size()) != n)
        return std::nullopt;
    SavedArrangement saved;
    int blanks = 0;
    std::vector<bool> used(n, false);
    for (int c = 0; c < n; ++c) {
        const std::string& v = values[c];
        if (!v.empty() && v.back() == 'B' && plainDecimal(v.substr(0, v.size() - 1)) == c) {
            ++blanks;
            saved.blankIndex = c;
            saved.pieces.push_back(n - 1);
            continue;
        }
        const long piece = plainDecimal(v);
        if (piece < 0 || piece > n - 2 || used[size_t(piece)])
            return std::nullopt;
        used[size_t(piece)] = true;
        saved.pieces.push_back(int(piece));
    }
    if (blanks != 1 || !solvable(saved.pieces, g))
        return std::nullopt;
    return saved;
}

void compare(const std::vector<std::string>& values, int g)
{
    KeyValuePairs pairs;
    for (size_t i = 0; i < values.size(); ++i)
        pairs.emplace_back(QStringLiteral("Foto-%1").arg(i), QString::fromStdString(values[i]));
    const std::optional<SavedArrangement> got = readSavedArrangement(pairs, g);
    const std::optional<SavedArrangement> want = expectedArrangement(values, g);
    check(got.has_value() == want.has_value(), "stored game accepted against the rule");
    if (got)
        check(got->pieces == want->pieces && got->blankIndex == want->blankIndex,
              "stored game read as another arrangement");
}

std::vector<std::string> texts(const std::vector<int>& pieces)
{
    const int n = int(pieces.size());
    std::vector<std::string> values;
    for (int c = 0; c < n; ++c)
        values.push_back(pieces[c] == n - 1 ? std::to_string(c) + "B" : std::to_string(pieces[c]));
    return values;
}

// Every arrangement of the 2 x 2 and 3 x 3 boards.
void exhaustive()
{
    for (const int g : { 2, 3 }) {
        std::vector<int> pieces(size_t(g * g));
        std::iota(pieces.begin(), pieces.end(), 0);
        do {
            check(isSolvableArrangement(pieces, g) == solvable(pieces, g),
                  "solvability differs from the search");
            if (g == 2 || pieces[0] == 0) // every 3 x 3 game costs more texts than it tells
                compare(texts(pieces), g);
        } while (std::next_permutation(pieces.begin(), pieces.end()));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startApplication();
    exhaustive();
    return 0;
}

// Input: a byte choosing the board (2 x 2 to 5 x 5) and the mode. Texts mode: the values, one a
// line. Deal mode: the rest of the input shuffles the board's pieces (mostly well-formed games,
// so that the rule's arithmetic is what is tried), and a last byte may spoil one text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int g = 2 + data[0] % 4;
    const QByteArrayView rest(data + 1, qsizetype(size - 1));
    std::vector<std::string> values;
    if (data[0] & 0x80) {
        const int n = g * g;
        std::vector<int> pieces(static_cast<size_t>(n));
        std::iota(pieces.begin(), pieces.end(), 0);
        for (int i = n - 1; i > 0; --i)
            std::swap(pieces[size_t(i)],
                      pieces[size_t(i < rest.size() ? uint8_t(rest[i]) % (i + 1) : 0)]);
        values = texts(pieces);
        if (rest.size() > n) {
            const uint8_t spoil = uint8_t(rest[n]);
            values[spoil % n] += char(spoil / n % 3 == 0 ? 'B' : ' ');
        }
    } else {
        for (const QByteArray& line : rest.toByteArray().split('\n'))
            values.push_back(line.toStdString());
    }
    compare(values, g);
    return 0;
}
