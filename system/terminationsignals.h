// The termination signals (SIGTERM, SIGHUP, SIGINT) as a Qt signal on the user-interface
// thread, so the game window can write its settings before the program ends.
#pragma once

#include <QObject>

namespace tessel {

class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    // The first call installs the handlers and unblocks the signals; where the platform has no
    // such signals the object never emits.
    static TerminationSignals& instance();

signals:
    void received(int signalNumber);

private:
    TerminationSignals();
    void drain();
};

} // namespace tessel
