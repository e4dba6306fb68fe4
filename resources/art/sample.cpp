// The default photo: a summer landscape. Sky with sun, clouds and a balloon at the top, snowy
// mountains and a lake with a boat in the middle, a farm with trees on the hills and a field of
// flowers at the bottom: every part of the picture looks different from the others.
#include "art.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdint>

namespace tessel::art {

namespace {

constexpr int width = 1200;
constexpr int height = 900;

// A small fixed generator, so the photo comes out the same on every build.
class Scatter
{
public:
    explicit Scatter(uint32_t seed)
        : m_state(seed)
    { }
    double next() // [0, 1)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / 16777216.0;
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    uint32_t m_state;
};

void sky(QPainter& p)
{
    QLinearGradient gradient(0, 0, 0, 470);
    gradient.setColorAt(0, QColor(22, 92, 196));
    gradient.setColorAt(0.6, QColor(110, 180, 240));
    gradient.setColorAt(1, QColor(255, 222, 170));
    p.fillRect(0, 0, width, 470, gradient);
    p.fillRect(0, 470, width, height - 470, QColor(100, 175, 70)); // the ground under it all
}

void sun(QPainter& p)
{
    QRadialGradient glow(QPointF(1010, 130), 170);
    glow.setColorAt(0, QColor(255, 250, 200, 200));
    glow.setColorAt(1, QColor(255, 220, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(1010, 130), 170, 170);
    QRadialGradient disc(QPointF(995, 115), 75);
    disc.setColorAt(0, QColor(255, 252, 170));
    disc.setColorAt(1, QColor(255, 170, 20));
    p.setBrush(disc);
    p.drawEllipse(QPointF(1010, 130), 68, 68);
}

void cloud(QPainter& p, double x, double y, double scale)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    const double puffs[][3] = { { 0, 0, 40 },    { 45, -20, 50 }, { 95, -5, 42 },
                                { 130, 10, 30 }, { 60, 15, 38 },  { -35, 12, 28 } };
    for (const auto& puff : puffs)
        p.drawEllipse(QPointF(x + puff[0] * scale, y + puff[1] * scale), puff[2] * scale,
                      puff[2] * scale * 0.8);
}

void balloon(QPainter& p, double cx, double cy)
{
    const QColor stripes[] = { QColor(220, 30, 45), QColor(255, 205, 0), QColor(30, 90, 220),
                               QColor(255, 120, 0), QColor(30, 170, 80) };
    const double r = 62;
    QPainterPath envelope;
    envelope.moveTo(cx, cy + r * 1.45);
    envelope.cubicTo(cx - r * 1.35, cy + r * 0.5, cx - r * 1.1, cy - r * 1.2, cx, cy - r * 1.1);
    envelope.cubicTo(cx + r * 1.1, cy - r * 1.2, cx + r * 1.35, cy + r * 0.5, cx, cy + r * 1.45);
    p.save();
    p.setClipPath(envelope);
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(cx - r * 1.4 + i * r * 0.56, cy - r * 1.3, r * 0.57, r * 3), stripes[i]);
    p.restore();
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.drawLine(QPointF(cx - 14, cy + r * 1.3), QPointF(cx - 11, cy + r * 1.75));
    p.drawLine(QPointF(cx + 14, cy + r * 1.3), QPointF(cx + 11, cy + r * 1.75));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 90, 40));
    p.drawRect(QRectF(cx - 13, cy + r * 1.75, 26, 20));
}

void birds(QPainter& p)
{
    p.setPen(QPen(QColor(40, 40, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const double at[][2] = { { 600, 300 }, { 640, 280 }, { 675, 310 }, { 560, 330 } };
    for (const auto& b : at) {
        QPainterPath path;
        path.moveTo(b[0] - 14, b[1] - 6);
        path.quadTo(b[0] - 6, b[1] - 10, b[0], b[1]);
        path.quadTo(b[0] + 6, b[1] - 10, b[0] + 14, b[1] - 6);
        p.drawPath(path);
    }
}

void mountains(QPainter& p)
{
    p.setPen(Qt::NoPen);
    QPainterPath back;
    back.moveTo(0, 470);
    const double backPeaks[][2] = { { 90, 330 },  { 210, 390 }, { 330, 270 }, { 470, 380 },
                                    { 560, 320 }, { 700, 420 }, { 1200, 430 } };
    for (const auto& pt : backPeaks)
        back.lineTo(pt[0], pt[1]);
    back.lineTo(1200, 470);
    back.closeSubpath();
    p.setBrush(QColor(128, 112, 170));
    p.drawPath(back);

    // The front range with snow on its peaks.
    const double peaks[][3] = { { 250, 300, 210 }, { 520, 235, 240 }, { 800, 290, 220 } };
    for (const auto& pk : peaks) {
        const double x = pk[0], top = pk[1], half = pk[2];
        QPainterPath hill;
        hill.moveTo(x - half * 1.6, 480);
        hill.lineTo(x, top);
        hill.lineTo(x + half * 1.6, 480);
        hill.closeSubpath();
        QLinearGradient rock(x - half, top, x + half, 480);
        rock.setColorAt(0, QColor(96, 120, 150));
        rock.setColorAt(1, QColor(60, 78, 105));
        p.setBrush(rock);
        p.drawPath(hill);
        QPainterPath snow;
        snow.moveTo(x, top);
        snow.lineTo(x - half * 0.45, top + 60);
        snow.lineTo(x - half * 0.2, top + 48);
        snow.lineTo(x, top + 70);
        snow.lineTo(x + half * 0.22, top + 45);
        snow.lineTo(x + half * 0.45, top + 60);
        snow.closeSubpath();
        p.setBrush(QColor(250, 252, 255));
        p.drawPath(snow);
    }
}

void lake(QPainter& p)
{
    QPainterPath water;
    water.moveTo(0, 470);
    water.lineTo(690, 470);
    water.cubicTo(640, 540, 520, 600, 300, 620);
    water.cubicTo(180, 630, 60, 615, 0, 600);
    water.closeSubpath();
    QLinearGradient gradient(0, 470, 0, 620);
    gradient.setColorAt(0, QColor(70, 160, 230));
    gradient.setColorAt(1, QColor(20, 90, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawPath(water);
    p.setPen(QPen(QColor(200, 235, 255), 3, Qt::SolidLine, Qt::RoundCap));
    const double ripples[][3] = { { 80, 500, 60 },  { 300, 490, 80 }, { 480, 510, 50 },
                                  { 150, 560, 70 }, { 380, 575, 60 }, { 560, 540, 40 } };
    for (const auto& r : ripples)
        p.drawLine(QPointF(r[0], r[1]), QPointF(r[0] + r[2], r[1]));

    // A sailing boat.
    p.setPen(Qt::NoPen);
    QPainterPath hull;
    hull.moveTo(190, 545);
    hull.lineTo(310, 545);
    hull.lineTo(290, 570);
    hull.lineTo(210, 570);
    hull.closeSubpath();
    p.setBrush(QColor(200, 30, 40));
    p.drawPath(hull);
    p.setBrush(QColor(110, 70, 30));
    p.drawRect(QRectF(247, 440, 6, 105));
    QPainterPath sail;
    sail.moveTo(255, 445);
    sail.lineTo(320, 535);
    sail.lineTo(255, 535);
    sail.closeSubpath();
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(sail);
    QPainterPath jib;
    jib.moveTo(245, 460);
    jib.lineTo(245, 535);
    jib.lineTo(195, 535);
    jib.closeSubpath();
    p.setBrush(QColor(255, 200, 40));
    p.drawPath(jib);
}

void hills(QPainter& p)
{
    p.setPen(Qt::NoPen);
    QPainterPath far;
    far.moveTo(690, 470);
    far.cubicTo(800, 430, 1000, 440, 1200, 460);
    far.lineTo(1200, 900);
    far.lineTo(600, 900);
    far.closeSubpath();
    p.setBrush(QColor(120, 190, 70));
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(0, 600);
    near.cubicTo(180, 640, 420, 600, 620, 560);
    near.cubicTo(820, 520, 1000, 600, 1200, 620);
    near.lineTo(1200, 900);
    near.lineTo(0, 900);
    near.closeSubpath();
    QLinearGradient grass(0, 560, 0, 900);
    grass.setColorAt(0, QColor(70, 160, 60));
    grass.setColorAt(1, QColor(30, 110, 40));
    p.setBrush(grass);
    p.drawPath(near);

    // A sandy path winding from the front to the farm.
    QPainterPath path;
    path.moveTo(540, 900);
    path.cubicTo(600, 780, 760, 720, 850, 600);
    path.lineTo(880, 600);
    path.cubicTo(820, 730, 700, 800, 680, 900);
    path.closeSubpath();
    p.setBrush(QColor(226, 196, 130));
    p.drawPath(path);
}

void farmhouse(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 50, 40));
    p.drawRect(QRectF(800, 480, 170, 120));
    QPainterPath roof;
    roof.moveTo(785, 485);
    roof.lineTo(885, 410);
    roof.lineTo(985, 485);
    roof.closeSubpath();
    p.setBrush(QColor(90, 50, 35));
    p.drawPath(roof);
    p.setBrush(QColor(255, 235, 120));
    p.drawRect(QRectF(820, 505, 36, 30));
    p.drawRect(QRectF(915, 505, 36, 30));
    p.setBrush(QColor(110, 60, 30));
    p.drawRect(QRectF(868, 540, 34, 60));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(935, 420, 18, 40));

    // A silo beside the house.
    p.setBrush(QColor(180, 190, 200));
    p.drawRect(QRectF(990, 450, 50, 150));
    p.setBrush(QColor(60, 120, 180));
    p.drawEllipse(QRectF(990, 430, 50, 40));
}

void tree(QPainter& p, double x, double base, double size, const QColor& crown)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 65, 35));
    p.drawRect(QRectF(x - size * 0.1, base - size * 0.9, size * 0.2, size * 0.9));
    p.setBrush(crown);
    p.drawEllipse(QPointF(x, base - size * 1.25), size * 0.55, size * 0.6);
    p.drawEllipse(QPointF(x - size * 0.35, base - size * 0.95), size * 0.4, size * 0.35);
    p.drawEllipse(QPointF(x + size * 0.35, base - size * 0.95), size * 0.4, size * 0.35);
}

void pine(QPainter& p, double x, double base, double size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 30));
    p.drawRect(QRectF(x - size * 0.07, base - size * 0.3, size * 0.14, size * 0.3));
    p.setBrush(QColor(20, 90, 50));
    for (int i = 0; i < 3; ++i) {
        QPainterPath layer;
        const double top = base - size * (1.3 - i * 0.3);
        layer.moveTo(x, top);
        layer.lineTo(x - size * (0.3 + i * 0.1), top + size * 0.5);
        layer.lineTo(x + size * (0.3 + i * 0.1), top + size * 0.5);
        layer.closeSubpath();
        p.drawPath(layer);
    }
}

void fence(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 240, 230));
    for (double x = 880; x < 1200; x += 40)
        p.drawRect(QRectF(x, 700 + (x - 880) * 0.08, 12, 70));
    p.drawRect(QRectF(870, 715, 330, 9));
    p.drawRect(QRectF(870, 745, 330, 9));
}

void flowers(QPainter& p)
{
    const QColor colours[] = { QColor(230, 30, 60),  QColor(255, 210, 0),   QColor(255, 255, 255),
                               QColor(170, 60, 200), QColor(255, 120, 170), QColor(255, 140, 0) };
    Scatter scatter(20240601u);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 900; ++i) {
        const double x = scatter.between(0, width);
        const double y = scatter.between(700, height);
        // Fewer flowers on the path, more towards the front.
        if (x > 560 + (900 - y) * 0.6 && x < 690 + (900 - y) * 0.6)
            continue;
        const double r = 3 + (y - 700) / 200.0 * 7 * scatter.between(0.6, 1.0);
        const QColor colour = colours[static_cast<int>(scatter.between(0, 6)) % 6];
        p.setBrush(colour);
        for (int petal = 0; petal < 4; ++petal) {
            const double dx = (petal % 2 == 0 ? 1 : -1) * r * 0.6 * (petal < 2 ? 1 : 0);
            const double dy = (petal % 2 == 0 ? 1 : -1) * r * 0.6 * (petal < 2 ? 0 : 1);
            p.drawEllipse(QPointF(x + dx, y + dy), r * 0.6, r * 0.6);
        }
        p.setBrush(QColor(250, 220, 60));
        p.drawEllipse(QPointF(x, y), r * 0.35, r * 0.35);
    }
}

} // namespace

bool writeSamplePhoto(const QString& path)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p);
    sun(p);
    cloud(p, 140, 110, 1.1);
    cloud(p, 700, 80, 0.9);
    cloud(p, 1080, 300, 0.7);
    balloon(p, 420, 170);
    birds(p);
    mountains(p);
    lake(p);
    hills(p);
    pine(p, 40, 640, 150);
    pine(p, 110, 660, 120);
    tree(p, 470, 680, 110, QColor(40, 140, 50));
    tree(p, 740, 560, 80, QColor(235, 130, 20));
    farmhouse(p);
    tree(p, 1120, 600, 120, QColor(60, 150, 40));
    fence(p);
    flowers(p);
    p.end();
    return image.save(path, "JPG", 90);
}

} // namespace tessel::art
