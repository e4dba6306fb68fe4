// Replaces the string numbers that the window designs hold as captions by their texts.
#pragma once

#include <QString>

class QObject;
class QWidget;

namespace tessel {

// The design's kind name of a control ("PictureBox", "ListBox", "Timer", "Label", ...).
QString controlKindName(const QObject* control);

// Every control of the window in design order, inside frames and picture boxes too; a composite
// control counts as one.
QList<QObject*> formControls(QWidget* window);

// For every control but picture boxes, list boxes and timers: a caption that reads as the number
// of a string becomes that string. Anything else leaves the control as it is.
void LocalizeForm(QWidget* window);

} // namespace tessel
