#include "board/boardspeech.h"

#include "common/resourcestring.h"

namespace tessel {

QString cellAccessibleName(int cell, int block, int gridSize)
{
    if (block < 0 || gridSize <= 0)
        return ResourceString(3020);
    return ResourceString(3010).arg(block + 1).arg(cell / gridSize + 1).arg(cell % gridSize + 1);
}

QString moveAnnouncement(int block, int cell, int gridSize)
{
    return ResourceString(3060).arg(block + 1).arg(cell / gridSize + 1).arg(cell % gridSize + 1);
}

QString hintAnnouncement(int block, int cell, int gridSize)
{
    return ResourceString(3100).arg(block + 1).arg(cell / gridSize + 1).arg(cell % gridSize + 1);
}

} // namespace tessel
