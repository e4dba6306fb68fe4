// Where a message box goes and what the error report says: the parts of message boxes that
// need no window.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace tessel {

// Screen position of a box of the given outer size centred on its owner's outer rectangle:
// owner centre minus half the box, halves to even. No position (leave the box where the
// platform put it) when the owner is minimised or any of its edges is negative.
std::optional<QPoint> centredBoxPosition(const QRect& owner, bool ownerMinimised, const QSize& box);

// The error report's text, with its CR LF line breaks.
QString errorReportText(int number, const QString& description);

// "Velkor - Tessel 1.20": nothing between the minor version and the revision.
QString versionText(int major, int minor, int revision);

} // namespace tessel
