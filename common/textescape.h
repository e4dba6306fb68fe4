// The escapes the program's text files share (the settings store, stored layouts): any text
// written on one line of UTF-8 and read back exactly.
#pragma once

#include <QString>
#include <QStringView>

namespace tessel {

// Appends text[i] to `out`: "\" as "\\", line feed, carriage return and tab as \n, \r, \t,
// other control characters and unpaired surrogates (which have no UTF-8 form) as \uXXXX, and
// any other character as it is; a surrogate pair goes whole, `i` moved onto its second half.
// A format escapes its own special characters before it asks for this.
void appendEscaped(QString& out, QStringView text, qsizetype& i);

// Reads the escape whose letter stands at text[i], just after its "\": n, r, t, uXXXX, or any
// other character as itself. Appends what it stands for to `out` and moves `i` onto the
// escape's last character. False for a \u without four hex digits.
bool appendUnescaped(QString& out, QStringView text, qsizetype& i);

} // namespace tessel
