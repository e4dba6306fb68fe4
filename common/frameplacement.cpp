#include "common/frameplacement.h"

#include "common/messagerules.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tessel {

namespace {

// The frame's margins as the window system has them now. A widget keeps those it saw at its
// last move, which may be from before the window manager framed it; its window asks afresh.
QMargins frameMargins(const QWidget* window)
{
    if (const QWindow* handle = window->windowHandle())
        return handle->frameMargins();
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

// Framed: shown with a frame the window system can measure. While a window manager takes the
// window in, the measure may see half a frame (negative margins) before it is mapped.
bool isFramed(const QWidget* window)
{
    const QMargins margins = frameMargins(window);
    const bool whole = margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0
        && margins.bottom() >= 0;
    const QWindow* handle = window->windowHandle();
    return !margins.isNull() && whole && (!handle || handle->isExposed());
}

QRect outerFrame(const QWidget* window)
{
    return window->geometry().marginsAdded(frameMargins(window));
}

// Moves the window so that its frame, with the given margins, stands at `place`.
void moveFrame(QWidget* window, QPoint place, const QMargins& margins)
{
    // A window not created yet takes its position as its frame's, wherever the frame will be.
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        window->move(place);
        return;
    }
    // A created one is moved by its client area, whatever margins the widget believes in.
    const QPoint client = place + QPoint(margins.left(), margins.top());
    window->move(client - (window->geometry().topLeft() - window->pos()));
}

// Watches a window until the window manager has framed it, then places it once more by its
// real frame and goes. The frame may come without any event to the window (its client area
// stays where it was), so on X the watcher also looks every few milliseconds for a while.
class FrameWatcher : public QObject
{
public:
    FrameWatcher(QWidget* window, FramePlaceRule rule)
        : QObject(window)
        , m_window(window)
        , m_rule(std::move(rule))
    {
        window->installEventFilter(this);
        m_poll.setInterval(20);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            if (m_shown.elapsed() > patienceMs)
                finish(); // no window manager framed it
            else
                placeWhenFramed();
        });
        if (window->isVisible())
            startLooking();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            startLooking();
            placeWhenFramed();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::Paint:
            placeWhenFramed();
            break;
        case QEvent::Hide:
            finish(); // closed before it was framed
            break;
        default:
            break;
        }
        return false;
    }

private:
    static constexpr int patienceMs = 5000;

    void startLooking()
    {
        // Elsewhere the frame is known when the window is shown, or never comes.
        if (m_poll.isActive() || QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        m_shown.start();
        m_poll.start();
    }

    void placeWhenFramed()
    {
        if (m_done || !isFramed(m_window))
            return;
        finish();
        const QMargins margins = frameMargins(m_window);
        const QRect frame = m_window->geometry().marginsAdded(margins);
        const std::optional<QPoint> place = m_rule(frame.size());
        if (place && frame.topLeft() != *place)
            moveFrame(m_window, *place, margins);
    }

    void finish()
    {
        m_done = true;
        m_poll.stop();
        m_window->removeEventFilter(this);
        deleteLater();
    }

    QWidget* m_window;
    FramePlaceRule m_rule;
    QTimer m_poll;
    QElapsedTimer m_shown;
    bool m_done = false;
};

} // namespace

void placeFrame(QWidget* window, const FramePlaceRule& rule, const QWidget* framedLike)
{
    // Until the window manager has framed the window, its frame is taken to be like that of
    // `framedLike`, or to be none.
    const bool framed = isFramed(window);
    const QMargins margins = framed          ? frameMargins(window)
        : framedLike && isFramed(framedLike) ? frameMargins(framedLike)
                                             : QMargins();
    const std::optional<QPoint> place = rule(window->size().grownBy(margins));
    if (!place)
        return;
    moveFrame(window, *place, margins);
    if (!framed)
        new FrameWatcher(window, rule);
}

FramePlaceRule centredOn(const QWidget* owner)
{
    return [owner = QPointer<const QWidget>(owner),
            hadOwner = owner != nullptr](QSize frame) -> std::optional<QPoint> {
        QRect ownerRect;
        bool minimised = false;
        if (hadOwner) {
            if (!owner)
                return std::nullopt;
            ownerRect = outerFrame(owner);
            minimised = owner->isMinimized();
        } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            ownerRect = screen->geometry();
        }
        return centredBoxPosition(ownerRect, minimised, frame);
    };
}

void centreOnOwner(QWidget* window, const QWidget* owner)
{
    placeFrame(window, centredOn(owner), owner);
}

} // namespace tessel
