#include "board/completionnews.h"

#include "common/resourcestring.h"
#include "common/stringids.h"

#include <QStringList>

namespace tessel {

QString completionNewsText(const CompletionNews& news)
{
    QStringList lines;
    if (news.solutionLength) {
        const int n = *news.solutionLength;
        if (news.shortest)
            lines << (n == 1 ? ResourceString(StringId::ShortestPossibleOne)
                             : ResourceString(StringId::ShortestPossible).arg(n));
        else
            lines << (n == 1 ? ResourceString(StringId::BestKnownOne)
                             : ResourceString(StringId::BestKnown).arg(n));
    }
    if (news.newBestTime)
        lines << ResourceString(StringId::NewBestTime).arg(news.gridSize);
    if (news.fewestMoves)
        lines << ResourceString(StringId::FewestMovesYet).arg(news.gridSize);
    if (lines.isEmpty())
        return {};
    const QString lineBreak = QStringLiteral("\r\n");
    return lineBreak + lineBreak + lines.join(lineBreak);
}

} // namespace tessel
