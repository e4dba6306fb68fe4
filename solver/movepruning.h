// Strings of the empty cell's moves that the search need not play: each leaves the blocks as
// another string does that is no longer, comes earlier in order and stays within the cells the
// first one reaches, so it can be played wherever the first can. Any path holding such a string
// can be rewritten into an earlier one of the same length or shorter, so the earliest of the
// shortest solutions holds none, and a search that skips them all still finds a shortest
// solution (Taylor and Korf's pruning of duplicate operator strings). Plain C++: no Qt.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tessel::solver {

// The empty cell's moves, in the order strings are compared: down, left, right, up.
enum Direction : uint8_t { MoveDown, MoveLeft, MoveRight, MoveUp };
constexpr char directionLetters[] = "DLRU";
// The direction of one of those letters.
int directionOf(char letter);

struct DuplicateMoves
{
    std::string moves; // letters of directionLetters
    std::string kept; // the earlier string that leaves the blocks the same
};

// Every such string up to `maxLength` moves, none turning straight back, found by a
// breadth-first search of the empty cell's moves over an unbounded board. Only the shortest
// are listed: none holds another at its start or end.
std::vector<DuplicateMoves> duplicateMoveStrings(int maxLength);

// A machine over the empty cell's moves that recognises the strings: state 0 before the first
// move, next[state][direction] the state after it, or -1 when the moves so far end in one of
// the strings.
std::vector<std::array<int16_t, 4>> pruningAutomaton(const std::vector<DuplicateMoves>& strings);

// The machine of the strings up to movePruningLength moves, made by the build.
extern const int movePruningLength;
extern const int movePruningStates;
extern const int16_t movePruningTable[][4];

} // namespace tessel::solver
