#include "resources/appicon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QRegion>

#include <algorithm>
#include <array>
#include <cmath>

namespace tessel {

namespace {

// The drawing is 256 units a side. The frame and the cells are laid out for each size on whole
// pixels; the landscape is drawn in the board's own units, 0 to 1 across and down, so that
// every block shows its part of one photo.
constexpr int designSide = 256;

struct ColourStop
{
    qreal at;
    QRgb colour;
};

constexpr ColourStop plateStops[] = { { 0.0, 0x5C3820 }, { 1.0, 0x3A200E } };
constexpr ColourStop skyStops[]
    = { { 0.0, 0x2858C8 }, { 0.32, 0x6070A8 }, { 0.47, 0xA88880 }, { 0.64, 0xF8A058 } };
constexpr QRgb sunColour = 0xF8E038;
constexpr qreal sunX = 0.6, sunY = 0.45, sunRadius = 0.12;
constexpr QRgb hillColour = 0x289038;
constexpr ColourStop waterStops[] = { { 0.0, 0x2A6CB8 }, { 1.0, 0x1850A0 } };
constexpr qreal waterTop = 0.72;
constexpr QRgb emptyCellColour = 0xFFFFC0; // the board's empty cell

// The hills' outline: a start and two cubic curves, closed along the water.
constexpr QPointF hillStart(0, 0.64);
struct Cubic
{
    QPointF c1, c2, end;
};
constexpr Cubic hillCurves[] = { { { 0.2, 0.55 }, { 0.4, 0.6 }, { 0.55, 0.66 } },
                                 { { 0.7, 0.72 }, { 0.85, 0.6 }, { 1, 0.63 } } };
constexpr qreal hillBottom = 0.76;

struct Layout
{
    QRectF plate;
    qreal radius = 0;
    QRect board;
    std::array<QRect, 9> cells;
};

Layout layoutFor(int side)
{
    const qreal unit = qreal(side) / designSide;
    const int inset = int(std::floor(8 * unit));
    const int margin = std::max(inset + 1, int(std::floor(24 * unit)));
    const int gap = std::max(1, qRound(8 * unit));
    const int cell = std::max(1, (side - 2 * margin - 2 * gap) / 3);
    const int left = (side - 3 * cell - 2 * gap) / 2;
    Layout layout;
    layout.plate = QRectF(inset, inset, side - 2 * inset, side - 2 * inset);
    layout.radius = 20 * unit;
    layout.board = QRect(left, left, 3 * cell + 2 * gap, 3 * cell + 2 * gap);
    for (int i = 0; i < 9; ++i)
        layout.cells[i]
            = QRect(left + (i % 3) * (cell + gap), left + (i / 3) * (cell + gap), cell, cell);
    return layout;
}

template<size_t N>
QLinearGradient vertical(qreal top, qreal bottom, const ColourStop (&stops)[N])
{
    QLinearGradient g(0, top, 0, bottom);
    for (const ColourStop& stop : stops)
        g.setColorAt(stop.at, QColor(stop.colour));
    return g;
}

QPainterPath hillPath()
{
    QPainterPath path(hillStart);
    for (const Cubic& curve : hillCurves)
        path.cubicTo(curve.c1, curve.c2, curve.end);
    path.lineTo(1, hillBottom);
    path.lineTo(0, hillBottom);
    path.closeSubpath();
    return path;
}

void paintIcon(QPainter& painter, int side)
{
    const Layout layout = layoutFor(side);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(vertical(layout.plate.top(), layout.plate.bottom(), plateStops));
    painter.drawRoundedRect(layout.plate, layout.radius, layout.radius);

    QRegion blocks;
    for (int i = 0; i < 8; ++i)
        blocks += layout.cells[i];
    painter.save();
    painter.setClipRegion(blocks);
    painter.translate(layout.board.topLeft());
    painter.scale(layout.board.width(), layout.board.height());
    painter.setBrush(vertical(0, 1, skyStops));
    painter.drawRect(QRectF(0, 0, 1, 1));
    painter.setBrush(QColor(sunColour));
    painter.drawEllipse(QPointF(sunX, sunY), sunRadius, sunRadius);
    painter.setBrush(QColor(hillColour));
    painter.drawPath(hillPath());
    painter.setBrush(vertical(waterTop, 1, waterStops));
    painter.drawRect(QRectF(0, waterTop, 1, 1 - waterTop));
    painter.restore();

    painter.fillRect(layout.cells[8], QColor(emptyCellColour));
}

QString number(qreal value)
{
    return QString::number(value, 'g', 6);
}

QString colourText(QRgb colour)
{
    return QColor(colour).name();
}

QString pointText(QPointF p)
{
    return number(p.x()) + u' ' + number(p.y());
}

QString rectText(const QRectF& r)
{
    return QStringLiteral("x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
        .arg(number(r.x()), number(r.y()), number(r.width()), number(r.height()));
}

template<size_t N>
QString stopsText(const ColourStop (&stops)[N])
{
    QString text;
    for (const ColourStop& stop : stops)
        text += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                    .arg(number(stop.at), colourText(stop.colour));
    return text;
}

QImage greyed(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
        }
    }
    return image;
}

class AppIconEngine : public QIconEngine
{
public:
    QIconEngine* clone() const override { return new AppIconEngine; }
    QString key() const override { return QStringLiteral("tessel"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : appIconSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = std::min(rect.width(), rect.height());
        QImage image = drawn(qRound(side * ratio), mode);
        image.setDevicePixelRatio(ratio);
        const QRect square(rect.x() + (rect.width() - side) / 2,
                           rect.y() + (rect.height() - side) / 2, side, side);
        painter->drawImage(square, image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels: the icon is drawn for exactly that many. A window asks for
    // every size each time its icon is set: each is drawn once and then kept.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const int side = std::min(size.width(), size.height());
        const QString key = QStringLiteral("tessel-icon-%1-%2").arg(side).arg(int(mode));
        QPixmap pixmap;
        if (!QPixmapCache::find(key, &pixmap)) {
            pixmap = QPixmap::fromImage(drawn(side, mode));
            QPixmapCache::insert(key, pixmap);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

private:
    static QImage drawn(int side, QIcon::Mode mode)
    {
        const QImage image = appIconImage(std::max(1, side));
        return mode == QIcon::Disabled ? greyed(image) : image;
    }
};

} // namespace

QImage appIconImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintIcon(painter, side);
    painter.end();
    return image;
}

QByteArray appIconSvg()
{
    const Layout layout = layoutFor(designSide);
    const QRect& board = layout.board;
    QString hills = QStringLiteral("M ") + pointText(hillStart);
    for (const Cubic& curve : hillCurves)
        hills += QStringLiteral(" C ") + pointText(curve.c1) + u' ' + pointText(curve.c2) + u' '
            + pointText(curve.end);
    hills += QStringLiteral(" L ") + pointText({ 1, hillBottom }) + QStringLiteral(" L ")
        + pointText({ 0, hillBottom }) + QStringLiteral(" Z");
    QString cells;
    for (int i = 0; i < 8; ++i)
        cells += QStringLiteral("      <rect %1/>\n").arg(rectText(layout.cells[i]));

    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
               .arg(designSide);
    svg += QStringLiteral("  <title>Tessel</title>\n  <defs>\n");
    svg += QStringLiteral("    <linearGradient id=\"plate\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n")
        + stopsText(plateStops) + QStringLiteral("    </linearGradient>\n");
    svg += QStringLiteral("    <linearGradient id=\"sky\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n")
        + stopsText(skyStops) + QStringLiteral("    </linearGradient>\n");
    svg += QStringLiteral("    <linearGradient id=\"water\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n")
        + stopsText(waterStops) + QStringLiteral("    </linearGradient>\n");
    svg += QStringLiteral("    <clipPath id=\"blocks\">\n") + cells
        + QStringLiteral("    </clipPath>\n  </defs>\n");
    svg += QStringLiteral("  <rect %1 rx=\"%2\" fill=\"url(#plate)\"/>\n")
               .arg(rectText(layout.plate), number(layout.radius));
    svg += QStringLiteral("  <g clip-path=\"url(#blocks)\">\n"
                          "    <g transform=\"translate(%1 %2) scale(%3 %4)\">\n")
               .arg(board.x())
               .arg(board.y())
               .arg(board.width())
               .arg(board.height());
    svg += QStringLiteral(
        "      <rect x=\"0\" y=\"0\" width=\"1\" height=\"1\" fill=\"url(#sky)\"/>\n");
    svg += QStringLiteral("      <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
               .arg(number(sunX), number(sunY), number(sunRadius), colourText(sunColour));
    svg += QStringLiteral("      <path d=\"%1\" fill=\"%2\"/>\n")
               .arg(hills, colourText(hillColour));
    svg += QStringLiteral("      <rect %1 fill=\"url(#water)\"/>\n")
               .arg(rectText(QRectF(0, waterTop, 1, 1 - waterTop)));
    svg += QStringLiteral("    </g>\n  </g>\n");
    svg += QStringLiteral("  <rect %1 fill=\"%2\"/>\n")
               .arg(rectText(layout.cells[8]), colourText(emptyCellColour));
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

QIcon appIcon()
{
    return QIcon(new AppIconEngine);
}

} // namespace tessel
