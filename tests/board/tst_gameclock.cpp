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
        QTest::newRow("12-hour, morning")
            << "en_US" << QList<int> { 1, 2, 5 } << QStringLiteral("1:02:05 AM");
        QTest::newRow("12-hour, zero reads as midnight")
            << "en_US" << QList<int> { 0, 0, 1 } << QStringLiteral("12:00:01 AM");
        QTest::newRow("12-hour, afternoon")
            << "en_US" << QList<int> { 13, 0, 0 } << QStringLiteral("1:00:00 PM");
        QTest::newRow("zone in front") << "zh_CN" << QList<int> { 1, 2, 5 } << "01:02:05";
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
};

QTEST_GUILESS_MAIN(TestGameClock)
#include "tst_gameclock.moc"
