#include "board/completionnews.h"

#include "common/resourcestring.h"

#include <QStringList>

namespace tessel {

QString completionNewsText(const CompletionNews& news)
{
    QStringList lines;
    if (news.solutionLength) {
        const int n = *news.solutionLength;
        if (news.shortest)
            lines << (n == 1 ? ResourceString(3221) : ResourceString(3220).arg(n));
        else
            lines << (n == 1 ? ResourceString(3231) : ResourceString(3230).arg(n));
    }
    if (news.newBestTime)
        lines << ResourceString(3240).arg(news.gridSize);
    if (news.fewestMoves)
        lines << ResourceString(3250).arg(news.gridSize);
    if (lines.isEmpty())
        return {};
    const QString lineBreak = QStringLiteral("\r\n");
    return lineBreak + lineBreak + lines.join(lineBreak);
}

} // namespace tessel
