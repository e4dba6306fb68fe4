#include "board/gameclock.h"

#include <QRegularExpression>
#include <QTime>

namespace tessel {

bool advanceClock(ElapsedTime& time)
{
    ++time.seconds;
    if (time.seconds == 60) {
        ++time.minutes;
        time.seconds = 0;
    }
    if (time.minutes == 60) {
        ++time.hours;
        time.minutes = 0;
    }
    return time.hours == 24;
}

namespace {

// A format split into quoted literals, which are kept as they are, and the rest.
struct FormatPart
{
    QString text;
    bool quoted = false;
};

QList<FormatPart> splitFormat(const QString& format)
{
    QList<FormatPart> parts;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != u'\'') {
            current += c;
            continue;
        }
        if (quoted && i + 1 < format.size() && format[i + 1] == u'\'') {
            current += QStringLiteral("''"); // an escaped quote inside a literal
            ++i;
            continue;
        }
        if (!quoted) {
            parts.append({ current, false });
            current = QStringLiteral("'");
            quoted = true;
        } else {
            current += c;
            parts.append({ current, true });
            current.clear();
            quoted = false;
        }
    }
    parts.append({ current, quoted });
    return parts;
}

} // namespace

QString longTimeFormatWithoutZone(const QLocale& locale)
{
    QList<FormatPart> parts = splitFormat(locale.timeFormat(QLocale::LongFormat));
    QString result;
    for (FormatPart& part : parts) {
        if (!part.quoted) {
            // Zone fields ("t" and its longer forms) with a comma that parts them from the
            // time, then brackets they leave empty.
            static const QRegularExpression zone(QStringLiteral("(?:[,;]\\s*)?t+(?:\\s*[,;])?"));
            static const QRegularExpression emptyBrackets(
                QStringLiteral("[([\\x{FF08}]\\s*[)\\]\\x{FF09}]"));
            static const QRegularExpression doubleBlank(QStringLiteral("\\s{2,}"));
            part.text.remove(zone);
            part.text.remove(emptyBrackets);
            part.text.replace(doubleBlank, QStringLiteral(" ")); // the blank beside the zone
        }
        result += part.text;
    }
    return result.trimmed();
}

QString elapsedTimeFormat(const QLocale& locale)
{
    QString result;
    for (FormatPart& part : splitFormat(longTimeFormatWithoutZone(locale))) {
        if (!part.quoted) {
            // The morning or afternoon marker ("AP" and its forms, and the day period "B" a
            // locale may carry) with the blank that parts it from the time, before or after
            // it; then every hour field counts from 0 to 23.
            static const QRegularExpression markerAfter(QStringLiteral("\\s+(?:[aA][pP]?|B+)"));
            static const QRegularExpression marker(QStringLiteral("(?:[aA][pP]?|B+)\\s*"));
            part.text.remove(markerAfter);
            part.text.remove(marker);
            part.text.replace(u'h', u'H');
        }
        result += part.text;
    }
    return result.trimmed();
}

QString clockText(const ElapsedTime& time, const QLocale& locale)
{
    // The clock asks every second, and the format changes only with the user's locale: it is
    // derived again only when the locale's own format differs from the last one seen.
    struct Derived
    {
        QString longFormat;
        QString elapsed;
    };
    thread_local Derived last;
    const QString longFormat = locale.timeFormat(QLocale::LongFormat);
    if (last.elapsed.isEmpty() || longFormat != last.longFormat)
        last = { longFormat, elapsedTimeFormat(locale) };
    const QTime asTimeOfDay(time.hours % 24, time.minutes, time.seconds);
    return locale.toString(asTimeOfDay, last.elapsed);
}

} // namespace tessel
