#include "common/visualstyle.h"

#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

namespace tessel {

namespace {

// Fusion's own frame picture and the gap it leaves above the frame.
const char groupBoxFramePath[] = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
const int groupBoxTopMargin = 3;

} // namespace

VisualStyle* VisualStyle::create()
{
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    return fusion ? new VisualStyle(fusion) : nullptr;
}

VisualStyle::VisualStyle(QStyle* fusion)
    : QProxyStyle(fusion)
{
    // Fusion reads this picture by name alone, and a picture of unnamed kind makes Qt's reader
    // load every image plug-in there is to ask each one: some 15 libraries on the window's
    // thread before it first shows. Named as a PNG, Qt's own reader takes it.
    QImageReader reader(QString::fromLatin1(groupBoxFramePath), "png");
    reader.setAutoDetectImageFormat(false);
    m_groupBoxFrame = QPixmap::fromImage(reader.read());
}

void VisualStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const
{
    if (element != PE_FrameGroupBox || m_groupBoxFrame.isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Drawn as Fusion draws it: the frame starts below the title.
    int topMargin = groupBoxTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        topMargin
            += std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6),
                      m_groupBoxFrame);
}

} // namespace tessel
