// What the congratulation adds below its five lines: how short the game could have been, and
// the best results it beat.
#pragma once

#include <QString>

#include <optional>

namespace tessel {

struct CompletionNews
{
    int gridSize = 3;
    // The length of the solver's solution from the game's start, when that solve finished;
    // proven shortest on 3 x 3 and 4 x 4, the best known on 5 x 5.
    std::optional<int> solutionLength;
    bool shortest = true;
    bool newBestTime = false;
    bool fewestMoves = false;
};

// A blank line, "Shortest possible: N moves." (or "Best known: N moves."), then one line for
// each new best; the lines joined by CR LF like the five before them. Empty when there is
// nothing to tell.
QString completionNewsText(const CompletionNews& news);

} // namespace tessel
