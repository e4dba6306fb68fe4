// The game clock's arithmetic: one tick with its carries and the 24-hour rule, and the text the
// time display shows.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace tessel {

struct ElapsedTime
{
    uint8_t hours = 0; // 0..23 between ticks
    uint8_t minutes = 0; // 0..59
    uint8_t seconds = 0; // 0..59

    bool operator==(const ElapsedTime&) const = default;
};

// Adds one second with both carries in the same tick. Returns true when the time reached
// 24 hours: the time then reads 24:00:00 until the caller has told the player and reset it.
bool advanceClock(ElapsedTime& time);

// The locale's long time format with any time-zone field taken out: an elapsed time has no zone.
QString longTimeFormatWithoutZone(const QLocale& locale);

// The locale's long time format for an elapsed time: no zone, and no morning or afternoon
// marker, so that its hours run from 0 to 23 in the locale's own way of writing them.
QString elapsedTimeFormat(const QLocale& locale);

// The display of an elapsed time: hours, minutes and seconds in the elapsed-time format, with
// the locale's separators and digits.
QString clockText(const ElapsedTime& time, const QLocale& locale = QLocale::system());

// What the display shows after a reset, in every locale.
inline constexpr char16_t clockResetText[] = u"00:00:00";

} // namespace tessel
