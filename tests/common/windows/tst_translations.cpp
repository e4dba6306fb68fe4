#include "board/boardrules.h"
#include "common/resourcestring.h"
#include "common/translations.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

using namespace tessel;

namespace {

// The %1 ... %9 a text carries, in order of number.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { useLanguage(QString()); }

    void theUsersFirstSpokenLanguageWins_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("German, as a German desktop gives it")
            << QStringList { "de-DE", "de" } << "de";
        QTest::newRow("Turkish") << QStringList { "tr-TR" } << "tr";
        QTest::newRow("an underscore and capitals") << QStringList { "DE_AT" } << "de";
        QTest::newRow("English first, German second: English")
            << QStringList { "en-GB", "de-DE" } << "";
        QTest::newRow("French unspoken, Turkish next")
            << QStringList { "fr-FR", "fr", "tr" } << "tr";
        QTest::newRow("nothing spoken: English") << QStringList { "pt-BR", "ja" } << "";
        QTest::newRow("the C locale reads as English") << QStringList { "C", "de" } << "";
        QTest::newRow("no languages at all") << QStringList {} << "";
    }

    void theUsersFirstSpokenLanguageWins()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, language);
        QCOMPARE(chooseLanguage(uiLanguages, { "de", "tr" }), language);
    }

    void theCataloguesAreEmbedded()
    {
        const QStringList languages = translatedLanguages();
        QVERIFY(languages.contains(QStringLiteral("de")));
        QVERIFY(languages.contains(QStringLiteral("tr")));
        QVERIFY(!languages.contains(QStringLiteral("en"))); // the table's own
        QCOMPARE(useLanguageOf(QLocale(QLocale::German, QLocale::Austria)), QStringLiteral("de"));
        QCOMPARE(ResourceString(600), QStringLiteral("&Neues Spiel"));
        QCOMPARE(useLanguageOf(QLocale(QLocale::Turkish, QLocale::Turkey)), QStringLiteral("tr"));
        QCOMPARE(ResourceString(600), QStringLiteral("&Yeni Oyun"));
        QCOMPARE(useLanguageOf(QLocale(QLocale::French, QLocale::France)), QString());
        QCOMPARE(ResourceString(600), QStringLiteral("&New Game"));
    }

    void anUnknownLanguageLeavesEnglish()
    {
        QVERIFY(useLanguage(QStringLiteral("de")));
        QVERIFY(!useLanguage(QStringLiteral("xx")));
        QCOMPARE(currentLanguage(), QString());
        QCOMPARE(ResourceString(100), QStringLiteral("Completing Photo "));
    }

    void everyTextIsTranslatedWithItsPlaceholders_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : translatedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextIsTranslatedWithItsPlaceholders()
    {
        QFETCH(QString, language);
        // Read from the catalogue itself: a text missing there would fall back to English.
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral("tessel_") + language, QStringLiteral(":/i18n")));
        for (const StringEntry& entry : stringTable()) {
            const QString english = QString::fromUtf8(entry.source.text);
            // The words after a number in the completion time have plural forms.
            const bool counted = entry.id == 1100 || entry.id == 1200 || entry.id == 1250;
            for (int count : counted ? QList<int> { 1, 2, 5 } : QList<int> { -1 }) {
                const QString text = catalogue.translate(stringTableContext, entry.source.text,
                                                         entry.source.id, count);
                QVERIFY2(!text.isEmpty(), qPrintable(QString::number(entry.id)));
                QCOMPARE(placeholders(text), placeholders(english));
                // Access keys stay single: one mark in a caption that has one.
                QCOMPARE(text.count(u'&') > 0, english.count(u'&') > 0);
            }
        }
    }

    void theCompletionReadsNaturally_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("time");
        // English stays as the table has it: the words after each number, never plural.
        QTest::newRow("English, all three") << "" << 2 << 1 << 5 << "2 hour, 1 minute, 5 second";
        QTest::newRow("English, hours alone keep their comma") << "" << 1 << 0 << 0 << "1 hour, ";
        QTest::newRow("German, one of each")
            << "de" << 1 << 1 << 1 << "1 Stunde, 1 Minute und 1 Sekunde";
        QTest::newRow("German, plurals")
            << "de" << 2 << 12 << 5 << "2 Stunden, 12 Minuten und 5 Sekunden";
        QTest::newRow("German, two parts") << "de" << 0 << 12 << 1 << "12 Minuten und 1 Sekunde";
        QTest::newRow("German, hours alone") << "de" << 1 << 0 << 0 << "1 Stunde";
        QTest::newRow("German, no time") << "de" << 0 << 0 << 0 << "";
        QTest::newRow("Turkish, no plural after a number")
            << "tr" << 2 << 12 << 5 << "2 saat 12 dakika 5 saniye";
        QTest::newRow("Turkish, seconds alone") << "tr" << 0 << 0 << 1 << "1 saniye";
    }

    void theCompletionReadsNaturally()
    {
        QFETCH(QString, language);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, time);
        QVERIFY(useLanguage(language));
        const ElapsedTime elapsed { uint8_t(hours), uint8_t(minutes), uint8_t(seconds) };
        QCOMPARE(completionTime(elapsed), time);
    }

    void theGermanCongratulation()
    {
        QVERIFY(useLanguage(QStringLiteral("de")));
        QCOMPARE(completionMessage({ 0, 12, 5 }, 87),
                 QStringLiteral("Herzlichen Glückwunsch! Sie haben das Foto vervollständigt!\r\n"
                                "\r\nBenötigte Zeit: 12 Minuten und 5 Sekunden\r\n\r\n"
                                "Anzahl der Züge: 87"));
    }

    void qtsOwnButtonsSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("no");
        QTest::newRow("English") << ""
                                 << "&Yes"
                                 << "&No";
        QTest::newRow("German") << "de"
                                << "&Ja"
                                << "&Nein";
        QTest::newRow("Turkish") << "tr"
                                 << "&Evet"
                                 << "&Hayır";
    }

    void qtsOwnButtonsSpeakTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, yes);
        QFETCH(QString, no);
        QVERIFY(useLanguage(language));
        QMessageBox box(QMessageBox::Question, QStringLiteral("Tessel"), QString(),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
        QCOMPARE(box.button(QMessageBox::No)->text(), no);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
