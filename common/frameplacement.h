// Placing windows by their outer frame. A window manager frames a window (title bar, borders)
// only once it is shown: before that Qt knows the window without them, so a place computed
// from its size then is off by half a title bar.
#pragma once

#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>

class QWidget;

namespace tessel {

// Where a frame of the given outer size goes; none leaves the window where it is.
using FramePlaceRule = std::function<std::optional<QPoint>(QSize frame)>;

// Moves the outer frame of `window` to where `rule` puts a frame of its expected size (its own
// frame's, or until it has one, a frame with the margins of `framedLike`, a window framed
// already), and once more when the window manager has framed it, if its real frame calls for
// another place. A window that is never framed (no window manager, or one that adds no frame)
// stays where the first move put it.
void placeFrame(QWidget* window, const FramePlaceRule& rule, const QWidget* framedLike = nullptr);

// The rule of the centred boxes and windows: the frame's centre on the outer frame of `owner`,
// or on the primary screen when there is none. No place while the owner is minimised, reaches
// beyond the left or top edge of the screens, or has gone.
FramePlaceRule centredOn(const QWidget* owner);

// Centres `window` on `owner` by their outer frames (see placeFrame), the frame of `window`
// estimated from its owner's until it has one.
void centreOnOwner(QWidget* window, const QWidget* owner);

} // namespace tessel
