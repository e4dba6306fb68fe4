// The game window's one-second timer. Its interval is the game-running flag: 1000 while a game
// runs, 0 when none does. A plain QTimer would fire continuously at 0, so the state is kept here
// and the timer only runs at a positive interval.
#pragma once

#include <QObject>
#include <QTimer>

namespace tessel {

class ClockTimer : public QObject
{
    Q_OBJECT

public:
    static constexpr int runningInterval = 1000;

    explicit ClockTimer(QObject* parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool running() const { return m_interval > 0; }

signals:
    void timeout();

private:
    QTimer m_timer;
    int m_interval = 0;
};

} // namespace tessel
