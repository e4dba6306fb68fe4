#include "game/boardframe.h"

#include <QKeyEvent>
#include <QPainter>

namespace tessel {

namespace {

const int focusOutset = 3; // pixels between the cells and the focus frame
const int focusWidth = 2;

} // namespace

BoardFrame::BoardFrame(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

QRect BoardFrame::focusFrameRect() const
{
    // The frame's visible children are the cells: the other designed controls are hidden.
    const QRect cells = childrenRect();
    if (cells.isEmpty())
        return {};
    return cells.adjusted(-focusOutset, -focusOutset, focusOutset, focusOutset);
}

bool BoardFrame::event(QEvent* event)
{
    // A frame takes Space for its check box before keyPressEvent sees it; this one has none.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space) {
            if (event->type() == QEvent::KeyPress)
                keyPressEvent(key);
            return true;
        }
    }
    return QGroupBox::event(event);
}

void BoardFrame::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers held = event->modifiers()
        & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Left:
            emit arrowPressed(Arrow::Left);
            return;
        case Qt::Key_Right:
            emit arrowPressed(Arrow::Right);
            return;
        case Qt::Key_Up:
            emit arrowPressed(Arrow::Up);
            return;
        case Qt::Key_Down:
            emit arrowPressed(Arrow::Down);
            return;
        case Qt::Key_Space:
            emit spacePressed();
            return;
        default:
            break;
        }
    }
    QGroupBox::keyPressEvent(event);
}

void BoardFrame::paintEvent(QPaintEvent* event)
{
    QGroupBox::paintEvent(event);
    if (!hasFocus())
        return;
    const QRect frame = focusFrameRect();
    if (frame.isEmpty())
        return;
    // Drawn in the gap round the cells, which cover everything inside it.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), focusWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(frame).adjusted(focusWidth / 2.0, focusWidth / 2.0, -focusWidth / 2.0,
                                            -focusWidth / 2.0));
}

void BoardFrame::focusInEvent(QFocusEvent* event)
{
    QGroupBox::focusInEvent(event);
    update();
}

void BoardFrame::focusOutEvent(QFocusEvent* event)
{
    QGroupBox::focusOutEvent(event);
    update();
}

void BoardFrame::childEvent(QChildEvent* event)
{
    QGroupBox::childEvent(event);
    // New cells may stand elsewhere: the focus frame follows them.
    if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved)
        update();
}

} // namespace tessel
