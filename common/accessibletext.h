// Texts for screen readers derived from what the windows show.
#pragma once

#include <QString>

namespace tessel {

// A caption as a screen reader should say it: without its access-key marks ("&&" stays one
// "&") and without the blanks round it ("Show ph&oto sample " -> "Show photo sample").
QString plainCaption(const QString& caption);

// The letter a caption marks as its access key, upper case ("Show ph&oto sample " -> "O");
// empty when it marks none ("&&" is no mark).
QString accessKey(const QString& caption);

// A display read with its value: string 3050 with the name of string `nameId` and the value
// ("Moves: 12").
QString namedValue(int nameId, const QString& value);

} // namespace tessel
