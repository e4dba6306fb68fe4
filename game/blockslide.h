// A moved block seen gliding from its cell into the empty one. Drawing only: the move itself,
// the cells, the sounds and the news have happened when the glide starts.
#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPointF>
#include <QRect>
#include <QWidget>

class QTimer;

namespace tessel {

// Stands over the two cells of a move on the board, above the cells, for the length of the
// glide: it covers the destination with the empty cell's ground and draws the block on its way.
// Clicks go through to the cells below.
class BlockSlide : public QWidget
{
    Q_OBJECT

public:
    // About six frames at 60 a second: seen, never waited for.
    static constexpr int durationMs = 100;

    explicit BlockSlide(QWidget* board);

    // Shows `block` gliding from the interior `from` to the interior `to` (rectangles in the
    // board's coordinates), `to` showing `ground` until the block is there. A glide under way
    // ends first.
    void start(const QPixmap& block, const QRect& from, const QRect& to, const QColor& ground);
    // Ends the glide at once: the cells below show the board as it is.
    void finish();
    bool sliding() const { return isVisible(); }

    // Where the block's top left is drawn now, in the board's coordinates.
    QPointF blockPosition() const;

    // The length of the glides that start after this; durationMs unless a test slows them to
    // see their frames on a busy machine.
    void setDuration(int ms) { m_duration = ms; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void frame();

    QTimer* m_frames;
    QElapsedTimer m_clock;
    int m_duration = durationMs;
    QPixmap m_block;
    QRect m_from;
    QRect m_to;
    QColor m_ground;
};

} // namespace tessel
