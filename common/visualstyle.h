// The program's one look on Linux and macOS: Qt's Fusion style, with its group-box frame drawn
// from a picture read by its known kind.
#pragma once

#include <QProxyStyle>

namespace tessel {

class VisualStyle : public QProxyStyle
{
public:
    // Null when Fusion is not available.
    static VisualStyle* create();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    explicit VisualStyle(QStyle* fusion);
    QPixmap m_groupBoxFrame;
};

} // namespace tessel
