#include "common/controls.h"

#include "common/numbers.h"
#include "resources/appicon.h"

#include <QFontInfo>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace tessel {

namespace {
// The pointer art, compiled in: read from an array it costs no image reader, whose first use
// scans every image plug-in (a start-up cost). The icon is drawn in code for the same reason.
#include "resources/hand.xpm"
} // namespace

void setTwipsGeometry(QWidget* control, double left, double top, double width, double height)
{
    control->setGeometry(twipsToPixels(left, top, width, height));
}

const QCursor& handCursor()
{
    static const QCursor cursor(QPixmap(hand_xpm), 13, 5);
    return cursor;
}

void setTextColor(QWidget* control, const QColor& color)
{
    QPalette pal = control->palette();
    pal.setColor(QPalette::WindowText, color);
    control->setPalette(pal);
}

QFont designFont(bool bold)
{
    static const bool substituted = [] {
        // Metric-compatible stand-ins first, so the designed captions keep their room.
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            { QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
              QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
              QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans") });
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QIcon applicationIcon()
{
    return appIcon();
}

PictureBox::PictureBox(QWidget* parent, Border border)
    : QFrame(parent)
    , m_border(border)
{
    if (border == Border::Sunken)
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(border == Border::Sunken ? 2 : 0);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

QColor PictureBox::backColor() const
{
    return palette().color(QPalette::Window);
}

void PictureBox::setBackColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

qreal PictureBox::deviceRatio() const
{
    return window()->windowHandle() ? window()->windowHandle()->devicePixelRatio()
                                    : devicePixelRatioF();
}

QSize PictureBox::innerDeviceSize() const
{
    const qreal ratio = deviceRatio();
    const QSize inner = innerSize();
    return QSize(qRound(inner.width() * ratio), qRound(inner.height() * ratio));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), m_picture);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release over the box, as on a button.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
    QFrame::mouseMoveEvent(event);
}

Label::Label(QWidget* parent, bool autoSize)
    : QLabel(parent)
    , m_autoSize(autoSize)
{ }

void Label::setCaption(const QString& caption)
{
    setText(caption);
    fitToText();
}

void Label::fitToText()
{
    if (!m_autoSize)
        return;
    const QRect before = geometry();
    const QSize wanted = sizeHint();
    QRect after(before.topLeft(), wanted);
    if (alignment() & Qt::AlignRight)
        after.moveRight(before.right());
    setGeometry(after);
}

} // namespace tessel
