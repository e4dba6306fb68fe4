#include "board/clocktimer.h"

#include <QVariant>

namespace tessel {

ClockTimer::ClockTimer(QObject* parent)
    : QObject(parent)
{
    setProperty("controlKind", QStringLiteral("Timer"));
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ClockTimer::timeout);
}

void ClockTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    if (milliseconds > 0)
        m_timer.start(milliseconds);
    else
        m_timer.stop();
}

} // namespace tessel
