#include "common/messagerules.h"

#include "common/numbers.h"
#include "common/resourcestring.h"
#include "common/stringids.h"

namespace tessel {

std::optional<QPoint> centredBoxPosition(const QRect& owner, bool ownerMinimised, const QSize& box)
{
    // Edges as the platform reports them: right and bottom lie just outside the window.
    const int left = owner.x();
    const int top = owner.y();
    const int right = owner.x() + owner.width();
    const int bottom = owner.y() + owner.height();
    if (ownerMinimised || left < 0 || top < 0 || right < 0 || bottom < 0)
        return std::nullopt;
    const double x = left + (right - left) / 2.0 - box.width() / 2.0;
    const double y = top + (bottom - top) / 2.0 - box.height() / 2.0;
    return QPoint(static_cast<int>(roundHalfEven(x)), static_cast<int>(roundHalfEven(y)));
}

QString errorReportText(int number, const QString& description)
{
    const QString crlf = QStringLiteral("\r\n");
    return ResourceString(StringId::ErrorReportQuestion) + crlf + crlf
        + ResourceString(StringId::ErrorCodeLabel) + u' ' + QString::number(number) + crlf + crlf
        + ResourceString(StringId::ErrorMessageLabel) + u' ' + description;
}

QString versionText(int major, int minor, int revision)
{
    return QString::number(major) + u'.' + QString::number(minor) + QString::number(revision);
}

} // namespace tessel
