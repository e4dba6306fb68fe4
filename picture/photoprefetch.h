// The photo the start-up shows, decoded on a worker thread while the window is being built: on
// two cores the decode then costs the start-up nothing.
#pragma once

#include "picture/photo.h"

#include <QObject>

#include <functional>

namespace tessel::photoprefetch {

// Starts decoding the photo at `path` for `detail` pixels (Photo::load). Call it on the
// user-interface thread, once the application object exists.
void start(const QString& path, QSize detail);
// The same with another decoder in place of Photo::load (tests hold a decode back with it).
void start(const QString& path, QSize detail,
           std::function<Photo(const QString& path, QSize detail)> decode);

// The photo at `path`, as Photo::load(path) gives it: the one started for that path and the
// screens' detail (waiting for it when it is not ready yet), else read now. Raises what
// Photo::load raises. A photo started for another path is dropped.
Photo take(const QString& path);

// Whether a decode started and not taken is still running.
bool running();

// Whether the photo at `path` for the screens' detail is being decoded: take(path) would wait.
bool decoding(const QString& path);

// Calls `call` on `context`'s thread once the decode under way has ended (at once, through the
// event loop, when none is under way); never after `context` is gone. Call it on the
// user-interface thread.
void whenDone(QObject* context, std::function<void()> call);

} // namespace tessel::photoprefetch
