// What screen readers find in the windows: names for the controls from what they show, and the
// board cells as buttons they can press.
#pragma once

class QWidget;

namespace tessel {

class PictureBox;

// Names the window's controls for screen readers from their captions, without access-key marks
// and outer blanks ("Show ph&oto sample " -> "Show photo sample"): frames, buttons, check and
// option boxes and labels by their own caption, a control a label leads to (its buddy) by that
// label's. A control named before keeps its name. Run after the window's texts are in place.
void nameForScreenReaders(QWidget* window);

// Makes a picture box a board cell for screen readers: a button whose press is a click.
void makeBoardCell(PictureBox* cell);

} // namespace tessel
