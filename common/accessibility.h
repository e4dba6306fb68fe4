// What screen readers find in the windows: names for the controls from what they show, the
// board cells as buttons they can press, the main window as a window, and a grid of labels as
// a table.
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

// Makes a plain top-level widget a window (a frame) to screen readers; Qt gives it the role of a
// client area (a filler), which they do not announce as a window. Before it is first asked for.
void makeMainWindow(QWidget* window);

// Makes `container` a table to screen readers, its labels laid out by its QGridLayout the
// table's parts: the first row the column headers, the first column the row headers, the rest
// the cells, each read with its headers. The widgets stay as they are, so the window looks the
// same. Before the container is first asked for (before it is named or shown).
void makeTable(QWidget* container);

} // namespace tessel
