// The photo the start-up shows, decoded on a worker thread while the window is being built: on
// two cores the decode then costs the start-up nothing.
#pragma once

#include "picture/photo.h"

namespace tessel::photoprefetch {

// Starts decoding the photo at `path` for `detail` pixels (Photo::load). Call it on the
// user-interface thread, once the application object exists.
void start(const QString& path, QSize detail);

// The photo at `path`, as Photo::load(path) gives it: the one started for that path and the
// screens' detail (waiting for it when it is not ready yet), else read now. Raises what
// Photo::load raises. A photo started for another path is dropped.
Photo take(const QString& path);

// Whether a decode started and not taken is still running.
bool running();

} // namespace tessel::photoprefetch
