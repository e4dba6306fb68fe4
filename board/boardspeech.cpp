#include "board/boardspeech.h"

#include "common/resourcestring.h"
#include "common/stringids.h"

namespace tessel {

QString cellAccessibleName(int cell, int block, int gridSize)
{
    if (block < 0 || gridSize <= 0)
        return ResourceString(StringId::EmptyCell);
    return ResourceString(StringId::BlockInCell)
        .arg(block + 1)
        .arg(cell / gridSize + 1)
        .arg(cell % gridSize + 1);
}

QString moveAnnouncement(int block, int cell, int gridSize)
{
    return ResourceString(StringId::BlockMoved)
        .arg(block + 1)
        .arg(cell / gridSize + 1)
        .arg(cell % gridSize + 1);
}

QString hintAnnouncement(int block, int cell, int gridSize)
{
    return ResourceString(StringId::HintBlock)
        .arg(block + 1)
        .arg(cell / gridSize + 1)
        .arg(cell % gridSize + 1);
}

} // namespace tessel
