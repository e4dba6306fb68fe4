#include "board/boardrules.h"

#include "common/resourcestring.h"
#include "common/stringids.h"

#include <QStringList>

#include <utility>

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

int cellForArrow(Arrow arrow, int blankIndex, int gridSize)
{
    if (gridSize <= 0 || blankIndex < 0 || blankIndex >= gridSize * gridSize)
        return -1;
    const int row = blankIndex / gridSize;
    const int column = blankIndex % gridSize;
    switch (arrow) {
    case Arrow::Left:
        return column + 1 < gridSize ? blankIndex + 1 : -1;
    case Arrow::Right:
        return column > 0 ? blankIndex - 1 : -1;
    case Arrow::Up:
        return row + 1 < gridSize ? blankIndex + gridSize : -1;
    case Arrow::Down:
        return row > 0 ? blankIndex - gridSize : -1;
    }
    return -1;
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

QString completionTime(const ElapsedTime& time)
{
    QStringList parts;
    for (const auto& [value, word] :
         { std::pair<int, int> { time.hours, StringId::HourWord },
           std::pair<int, int> { time.minutes, StringId::MinuteWord },
           std::pair<int, int> { time.seconds, StringId::SecondWord } }) {
        if (value != 0)
            parts << QString::number(value) + ResourceStringForCount(word, value);
    }
    QString text;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i == 0)
            text = parts[i];
        else
            text = ResourceString(i + 1 == parts.size() ? StringId::TimeLastPartJoin
                                                        : StringId::TimePartJoin)
                       .arg(text, parts[i]);
    }
    return text;
}

QString completionMessage(const ElapsedTime& time, int32_t clickCount)
{
    const QString lineBreak = QStringLiteral("\r\n");
    return ResourceString(StringId::Congratulations) + lineBreak + lineBreak
        + ResourceString(StringId::CompletingTime) + completionTime(time) + lineBreak + lineBreak
        + ResourceString(StringId::ClickCounts) + QString::number(clickCount);
}

} // namespace tessel
