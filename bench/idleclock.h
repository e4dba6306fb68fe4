// A running game left alone: how often the program wakes and how much processor time it takes
// a second, with nothing but its clock to do. The program runs under a virtual X server with a
// 4 x 4 game restored, so its clock runs from the start.
#pragma once

#include "measure.h"

namespace bench {

// In the bench: starts `tessel` under xvfb-run and measures `windows` stretches of `seconds`
// each, once its start-up is over. Fills two Runs whose ms hold, per stretch, the wake-ups a
// second and the processor milliseconds a second.
std::pair<Runs, Runs> measureIdleClock(const QString& tessel, int windows, int seconds);

// Under xvfb-run: the measuring side. Prints one line "wakeups cpu-ms" per stretch.
int idleClockMain(const QString& tessel, int windows, int seconds);

} // namespace bench
