#include "board/boardrules.h"

#include "common/resourcestring.h"

namespace tessel {

bool isMoveAllowed(int index, int blankIndex, int gridSize)
{
    const int n = gridSize * gridSize;
    if (gridSize <= 0 || index < 0 || index >= n || blankIndex < 0 || blankIndex >= n)
        return false;
    if (blankIndex == index - 1)
        return index % gridSize != 0;
    if (blankIndex == index + 1)
        return (index + 1) % gridSize != 0;
    return blankIndex == index - gridSize || blankIndex == index + gridSize;
}

int cellsAtHome(std::span<const QString> tags)
{
    int home = 0;
    for (size_t c = 0; c + 1 < tags.size(); ++c)
        home += tags[c] == QString::number(c) ? 1 : 0;
    return home;
}

bool isPhotoComplete(std::span<const QString> tags)
{
    return !tags.empty() && cellsAtHome(tags) == static_cast<int>(tags.size()) - 1;
}

QString completionMessage(const ElapsedTime& time, int32_t clickCount)
{
    auto part = [](int value, int word) {
        return value == 0 ? QString() : QString::number(value) + ResourceString(word);
    };
    const QString lineBreak = QStringLiteral("\r\n");
    return ResourceString(1300) + lineBreak + lineBreak + ResourceString(1320)
        + part(time.hours, 1100) + part(time.minutes, 1200) + part(time.seconds, 1250) + lineBreak
        + lineBreak + ResourceString(1340) + QString::number(clickCount);
}

} // namespace tessel
