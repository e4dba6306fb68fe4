#include "board/gameclock.h"

#include <QtTest>

using namespace tessel;

class TestGameClock : public QObject
{
    Q_OBJECT

private:
    // Locales differ in the blank before AM/PM (plain, no-break or narrow no-break).
    static QString plainBlanks(QString text)
    {
        text.replace(QChar(0x00A0), u' ');
        text.replace(QChar(0x202F), u' ');
        return text;
    }

private slots:
    void tick_data()
    {
        QTest::addColumn<QList<int>>("before"); // hours, minutes, seconds
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<bool>("dayFull");
        QTest::newRow("first second") << QList<int> { 0, 0, 0 } << QList<int> { 0, 0, 1 } << false;
        QTest::newRow("0:0:59 carries into the minutes")
            << QList<int> { 0, 0, 59 } << QList<int> { 0, 1, 0 } << false;
        QTest::newRow("0:59:59 carries twice in one tick")
            << QList<int> { 0, 59, 59 } << QList<int> { 1, 0, 0 } << false;
        QTest::newRow("12:34:56 no carry")
            << QList<int> { 12, 34, 56 } << QList<int> { 12, 34, 57 } << false;
        QTest::newRow("23:59:59 reaches a whole day")
            << QList<int> { 23, 59, 59 } << QList<int> { 24, 0, 0 } << true;
    }

    void tick()
    {
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        QFETCH(bool, dayFull);
        ElapsedTime time { uint8_t(before[0]), uint8_t(before[1]), uint8_t(before[2]) };
        QCOMPARE(advanceClock(time), dayFull);
        QCOMPARE((QList<int> { time.hours, time.minutes, time.seconds }), after);
    }

    void display_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QList<int>>("time");
        QTest::addColumn<QString>("expected");
        QTest::newRow("24-hour, two-digit fields")
            << "de_DE" << QList<int> { 1, 2, 5 } << QStringLiteral("01:02:05");
        QTest::newRow("24-hour, midnight is zero")
            << "en_GB" << QList<int> { 0, 0, 0 } << QStringLiteral("00:00:00");
        QTest::newRow("24-hour, afternoon")
            << "tr_TR" << QList<int> { 13, 0, 59 } << QStringLiteral("13:00:59");
        // An elapsed time is no time of day: a 12-hour locale keeps its way of writing the
        // fields but shows no morning or afternoon, and its hours run from 0.
        QTest::newRow("12-hour locale, two seconds")
            << "en_US" << QList<int> { 0, 0, 2 } << QStringLiteral("0:00:02");
        QTest::newRow("12-hour locale, one hour")
            << "en_US" << QList<int> { 1, 2, 5 } << QStringLiteral("1:02:05");
        QTest::newRow("12-hour locale, thirteen hours")
            << "en_US" << QList<int> { 13, 0, 0 } << QStringLiteral("13:00:00");
        QTest::newRow("12-hour locale, two-digit hours")
            << "gu_IN" << QList<int> { 0, 0, 2 } << QStringLiteral("00:00:02");
        QTest::newRow("marker in front, words kept")
            << "ko_KR" << QList<int> { 13, 5, 7 } << QString::fromUtf8("13시 5분 7초");
        QTest::newRow("day period in front, zone in brackets")
            << "zh_TW" << QList<int> { 0, 0, 2 } << QStringLiteral("0:00:02");
        QTest::newRow("marker and zone after a comma")
            << "sq_AL" << QList<int> { 20, 0, 2 } << QStringLiteral("20:00:02");
        QTest::newRow("zone in front") << "zh_CN" << QList<int> { 1, 2, 5 } << "01:02:05";
        QTest::newRow("zone after a comma")
            << "be_BY" << QList<int> { 1, 2, 5 } << QStringLiteral("01:02:05");
        QTest::newRow("zone in brackets, quoted words kept")
            << "fr_CA" << QList<int> { 1, 2, 5 } << QStringLiteral("01 h 02 min 05 s");
    }

    void display()
    {
        QFETCH(QString, locale);
        QFETCH(QList<int>, time);
        QFETCH(QString, expected);
        const ElapsedTime elapsed { uint8_t(time[0]), uint8_t(time[1]), uint8_t(time[2]) };
        QCOMPARE(plainBlanks(clockText(elapsed, QLocale(locale))), expected);
    }

    // The zone field sits differently in each locale; none may survive, nor what framed it.
    void noLocaleShowsAZone()
    {
        const QString zone = QDateTime::currentDateTime().timeZoneAbbreviation();
        for (const QLocale& locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const QString format = longTimeFormatWithoutZone(locale);
            const QString text = clockText({ 1, 2, 5 }, locale);
            QVERIFY2(!text.contains(QLatin1String("UTC")) && !text.contains(QLatin1String("GMT"))
                         && (zone.isEmpty() || !text.contains(zone)),
                     qPrintable(locale.name() + u' ' + text));
            QVERIFY2(!format.contains(QLatin1String("()")) && format == format.trimmed(),
                     qPrintable(locale.name() + u' ' + format));
        }
    }

    // In every locale the display reads as an elapsed time: no morning or afternoon marker,
    // hours past twelve as they are, and only hour, minute and second fields in its format. A
    // locale whose format has no marker shows what it always did.
    void noLocaleShowsATimeOfDay()
    {
        for (const QLocale& locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const QString text = clockText({ 13, 5, 7 }, locale);
            const QString why = locale.name() + u' ' + text;
            for (const QString& marker : { locale.amText(), locale.pmText() })
                QVERIFY2(marker.isEmpty() || !text.contains(marker), qPrintable(why));
            QVERIFY2(text.contains(locale.toString(13)), qPrintable(why));

            QString fields;
            bool quoted = false;
            const QString format = elapsedTimeFormat(locale);
            for (const QChar c : format) {
                if (c == u'\'')
                    quoted = !quoted;
                else if (!quoted && c.isLetter() && c.unicode() < 0x80)
                    fields += c;
            }
            QVERIFY2(QRegularExpression(QStringLiteral("^[Hms]+$")).match(fields).hasMatch(),
                     qPrintable(locale.name() + u' ' + format));

            const QString withoutZone = longTimeFormatWithoutZone(locale);
            if (!withoutZone.contains(QRegularExpression(QStringLiteral("[aAB]"))))
                QCOMPARE(text, locale.toString(QTime(13, 5, 7), withoutZone));
        }
    }
};

QTEST_GUILESS_MAIN(TestGameClock)
#include "tst_gameclock.moc"
