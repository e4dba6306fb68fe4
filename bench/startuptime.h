// Start to window mapped, and the resident memory once the window shows, of programs started
// under a virtual X server (Xvfb), each the same way.
#pragma once

#include "measure.h"

#include <QStringList>

namespace bench {

// Whether this bench was built with the X client library it watches the server with.
bool canWatchWindows();

// In the bench: runs this program under xvfb-run, which starts each of `programs` (a path, or
// a path and arguments joined by '|', after any NAME=value entries of its environment) in turn
// `runs` times (after one start each that is not counted). Fills one Runs per program, with
// peakMB holding the resident memory 0.5 s after the window was mapped.
std::vector<Runs> measureStartup(const QStringList& programs, int runs);

// Under xvfb-run: the measuring side of measureStartup. Prints one line per start.
int startupMain(const QStringList& programs, int runs);

} // namespace bench
