#include "game/blockslide.h"

#include "board/slidepath.h"

#include <QPainter>
#include <QTimer>

namespace tessel {

BlockSlide::BlockSlide(QWidget* board)
    : QWidget(board)
    , m_frames(new QTimer(this))
{
    setObjectName(QStringLiteral("BlockSlide"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Nothing to tell screen readers: the cells tell the move.
    setAccessibleName(QString());
    setFocusPolicy(Qt::NoFocus);
    m_frames->setTimerType(Qt::PreciseTimer);
    m_frames->setInterval(1000 / 120); // twice the usual screen rate: no frame is skipped
    connect(m_frames, &QTimer::timeout, this, [this] { frame(); });
    hide();
}

void BlockSlide::start(const QPixmap& block, const QRect& from, const QRect& to,
                       const QColor& ground)
{
    finish();
    if (block.isNull() || from.isEmpty() || to.isEmpty())
        return;
    m_block = block;
    m_from = from;
    m_to = to;
    m_ground = ground;
    setGeometry(from.united(to));
    raise();
    show();
    // The clock starts with the first frame: the rest of the move's handling (a completion,
    // say) must not eat into the glide.
    m_clock.invalidate();
    m_frames->start();
}

void BlockSlide::finish()
{
    m_frames->stop();
    if (isVisible())
        hide();
    m_block = QPixmap();
}

QPointF BlockSlide::blockPosition() const
{
    double progress = 1.0;
    if (sliding())
        progress = m_clock.isValid() ? slideProgress(m_clock.elapsed(), m_duration) : 0.0;
    return slidePosition(m_from.topLeft(), m_to.topLeft(), progress, devicePixelRatioF());
}

void BlockSlide::frame()
{
    if (!m_clock.isValid())
        m_clock.start();
    if (m_clock.elapsed() >= m_duration) {
        finish();
        return;
    }
    update();
}

void BlockSlide::paintEvent(QPaintEvent*)
{
    if (m_block.isNull())
        return;
    QPainter painter(this);
    const QPoint origin = geometry().topLeft();
    painter.fillRect(m_to.translated(-origin), m_ground);
    // The cut block, at its own device pixels: no scaling, so it stays as sharp as in its cell.
    painter.setClipRect(rect());
    painter.drawPixmap(blockPosition() - QPointF(origin), m_block);
}

} // namespace tessel
