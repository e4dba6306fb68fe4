#include "board/boardlayout.h"

#include "common/errors.h"
#include "common/numbers.h"

#include <algorithm>
#include <cmath>

namespace tessel {

int gridSizeFor(int divisionIndex)
{
    if (divisionIndex < 0 || divisionIndex > 2)
        throw TesselError(ErrorCode::InvalidCall,
                          QStringLiteral("Invalid procedure call or argument"));
    return divisionIndex + 3;
}

QSize cellSizeTwips(int gridSize, QSize frameTwips)
{
    using namespace boardlayout;
    const double n = gridSize;
    const double w = (frameTwips.width() - 2.0 * leftMargin - n * gap) / n;
    const double h = (frameTwips.height() - 1.6 * topMargin - n * gap) / n;
    return QSize(static_cast<int>(roundHalfEven(w)), static_cast<int>(roundHalfEven(h)));
}

QRect cellRectTwips(int cell, int gridSize, QSize cellSize)
{
    using namespace boardlayout;
    const int column = cell % gridSize;
    const int row = cell / gridSize;
    return QRect(leftMargin + column * (cellSize.width() + gap),
                 topMargin + row * (cellSize.height() + gap), cellSize.width(), cellSize.height());
}

QRect cellRectPixels(int cell, int gridSize, QSize cellSize)
{
    const QRect twips = cellRectTwips(cell, gridSize, cellSize);
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

QRect blockRect(int block, int gridSize, QSize photoSize)
{
    const double n = gridSize;
    const int row = block / gridSize;
    const int column = block % gridSize;
    const double blockWidth = photoSize.width() / n;
    const double blockHeight = photoSize.height() / n;
    return QRect(static_cast<int>(roundHalfEven(blockWidth * column)),
                 static_cast<int>(roundHalfEven(blockHeight * row)),
                 static_cast<int>(roundHalfEven(blockWidth)),
                 static_cast<int>(roundHalfEven(blockHeight)));
}

QSize photoDetailPixels(qreal devicePixelRatio)
{
    using namespace boardlayout;
    QSize largest(twipsToPixels(sampleBoxTwips.width()), twipsToPixels(sampleBoxTwips.height()));
    largest = largest.expandedTo(
        QSize(twipsToPixels(previewBoxTwips.width()), twipsToPixels(previewBoxTwips.height())));
    for (int n = 3; n <= 5; ++n) {
        // Outer cell sizes: the cells' interiors, which the blocks are cut for, are smaller.
        const QSize cell = cellRectPixels(0, n, cellSizeTwips(n, frameTwips)).size();
        largest = largest.expandedTo(cell * n);
    }
    const qreal ratio = std::max<qreal>(devicePixelRatio, 1);
    return QSize(static_cast<int>(std::ceil(largest.width() * ratio)),
                 static_cast<int>(std::ceil(largest.height() * ratio)));
}

} // namespace tessel
