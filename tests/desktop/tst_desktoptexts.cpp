#include "common/resourcestring.h"
#include "common/translations.h"
#include "desktop/desktoptexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace tessel;

namespace {

QString sourceFile(const char* name)
{
    QFile file(QStringLiteral(TESSEL_SOURCE_DIR "/desktop/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Translations through the program's catalogues, as the build's tool asks them.
QString catalogue(const QString& language, const QString& english)
{
    useLanguage(language);
    return QCoreApplication::translate(desktopTextContext, english.toUtf8().constData());
}

// The placeholders of a manual page template, each once.
QSet<QString> placeholders(const QString& page)
{
    static const QRegularExpression marker(QStringLiteral("@[a-zA-Z_]+(:\\d+)?@"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : marker.globalMatch(page))
        found << m.captured();
    return found;
}

} // namespace

class TestDesktopTexts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { useLanguage(QString()); }

    void anEntryGetsEachLanguageAfterItsKey()
    {
        const QString entry = QStringLiteral("[Desktop Entry]\n"
                                             "Name=Tessel\n"
                                             "GenericName=Photo Sliding Puzzle\n"
                                             "Comment=Cut a photo into blocks and slide them "
                                             "back into place\n"
                                             "Exec=tessel %f\n");
        const LocalizedFile file = localizeDesktopEntry(
            entry, { "de", "tr", "fr" }, [](const QString& language, const QString& english) {
                if (language == QLatin1String("fr"))
                    return english; // untranslated: no line of its own
                return language + QStringLiteral(": ") + english.left(5);
            });
        QCOMPARE(file.untranslatable, QStringList());
        QCOMPARE(file.text,
                 QStringLiteral("[Desktop Entry]\n"
                                "Name=Tessel\n"
                                "GenericName=Photo Sliding Puzzle\n"
                                "GenericName[de]=de: Photo\n"
                                "GenericName[tr]=tr: Photo\n"
                                "Comment=Cut a photo into blocks and slide them back into place\n"
                                "Comment[de]=de: Cut a\n"
                                "Comment[tr]=tr: Cut a\n"
                                "Exec=tessel %f\n"));
    }

    void aTextTheCataloguesDoNotKnowIsReported()
    {
        const LocalizedFile entry = localizeDesktopEntry(
            QStringLiteral("Comment=Something new\n"), { "de" },
            [](const QString&, const QString&) { return QStringLiteral("Etwas"); });
        QCOMPARE(entry.untranslatable, QStringList { "Something new" });
        QVERIFY(!entry.text.contains(QLatin1String("[de]")));
        const LocalizedFile metainfo
            = localizeMetainfo(QStringLiteral("  <li>Something new</li>\n"), { "de" },
                               [](const QString&, const QString&) { return QString(); });
        QCOMPARE(metainfo.untranslatable, QStringList { "Something new" });
    }

    // A translation is escaped for XML; an element with attributes, or across lines, is left.
    void theMetainfoGetsEachLanguageAfterItsElement()
    {
        const QString metainfo
            = QStringLiteral("  <summary>Slide the blocks of your own photo back into place"
                             "</summary>\n"
                             "  <url type=\"homepage\">https://a.example</url>\n"
                             "      <keyword>undo</keyword>\n"
                             "    <p xml:lang=\"de\">schon da</p>\n");
        const LocalizedFile file
            = localizeMetainfo(metainfo, { "de" }, [](const QString&, const QString& english) {
                  return english == QLatin1String("undo") ? QStringLiteral("R\u00fcckg\u00e4ngig")
                                                          : QStringLiteral("Teile & <Foto>");
              });
        QCOMPARE(file.untranslatable, QStringList());
        QCOMPARE(file.text,
                 QStringLiteral("  <summary>Slide the blocks of your own photo back into place"
                                "</summary>\n"
                                "  <summary xml:lang=\"de\">Teile &amp; &lt;Foto&gt;</summary>\n"
                                "  <url type=\"homepage\">https://a.example</url>\n"
                                "      <keyword>undo</keyword>\n"
                                "      <keyword xml:lang=\"de\">R\u00fcckg\u00e4ngig</keyword>\n"
                                "    <p xml:lang=\"de\">schon da</p>\n"));
    }

    void captionsAndAccessKeysAsAPageWritesThem_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("key first, trailing blank") << "&Save on exit "
                                                   << "Save on exit"
                                                   << "Alt+S";
        QTest::newRow("key inside") << "Sound o&ff "
                                    << "Sound off"
                                    << "Alt+F";
        QTest::newRow("Turkish letters") << "Fotoğraf ö&rneğini göster "
                                         << "Fotoğraf örneğini göster"
                                         << "Alt+R";
        QTest::newRow("dots and brackets") << "Dri&ver(s)"
                                           << "Driver(s)"
                                           << "Alt+V";
        QTest::newRow("no key") << "Exit (Esc)"
                                << "Exit (Esc)"
                                << "";
        QTest::newRow("a doubled & is an &") << "Fish && &Chips"
                                             << "Fish & Chips"
                                             << "Alt+C";
        QTest::newRow("a minus for roff") << "-"
                                          << "\\-"
                                          << "";
        QTest::newRow("a leading dot is no request") << ".hidden"
                                                     << "\\&.hidden"
                                                     << "";
    }

    void captionsAndAccessKeysAsAPageWritesThem()
    {
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, key);
        QCOMPARE(manualPageCaption(caption), text);
        QCOMPARE(manualPageAccessKey(caption), key);
    }

    void aPageIsFilledInButItsFolder()
    {
        const LocalizedFile page = fillManualPage(
            QStringLiteral(".B @key:410@\n@caption:410@.\n\"Tessel @VERSION@\"\n"
                           ".I @DATA_FOLDER@/Sample\\-1.jpg\n@caption:9999@\n"),
            QStringLiteral("1.20"), [](int id) {
                return id == 410 ? QStringLiteral("Beim Beenden &speichern ") : QString();
            });
        QCOMPARE(page.untranslatable, QStringList { "@caption:9999@" });
        QCOMPARE(page.text,
                 QStringLiteral(".B Alt+S\nBeim Beenden speichern.\n\"Tessel 1.20\"\n"
                                ".I @DATA_FOLDER@/Sample\\-1.jpg\n\n"));
    }

    // What ships: every text of the entry and the metainfo is in the catalogues, translated
    // into every language, so the build's tool writes a line in each for each.
    void theShippedTemplatesAreTranslatedThroughout()
    {
        const QStringList languages = translatedLanguages();
        QCOMPARE(languages, (QStringList { "de", "tr" }));
        for (const QString& english : desktopTexts()) {
            for (const QString& language : languages)
                QVERIFY2(catalogue(language, english) != english,
                         qPrintable(language + QStringLiteral(": ") + english));
        }

        const QString entry = sourceFile("tessel.desktop.in");
        const LocalizedFile localizedEntry = localizeDesktopEntry(entry, languages, catalogue);
        QCOMPARE(localizedEntry.untranslatable, QStringList());
        for (const char* key : { "GenericName", "Comment", "Keywords" }) {
            for (const QString& language : languages)
                QVERIFY(localizedEntry.text.contains(
                    QStringLiteral("\n%1[%2]=").arg(QLatin1String(key), language)));
        }

        const QString metainfo = sourceFile("tessel.metainfo.xml.in");
        const LocalizedFile localizedMetainfo = localizeMetainfo(metainfo, languages, catalogue);
        QCOMPARE(localizedMetainfo.untranslatable, QStringList());
        static const QRegularExpression readable(QStringLiteral("^\\s*<(summary|p|li|keyword)>"),
                                                 QRegularExpression::MultilineOption);
        int texts = 0;
        for (auto it = readable.globalMatch(metainfo); it.hasNext(); it.next())
            ++texts;
        QVERIFY(texts > 10);
        for (const QString& language : languages)
            QCOMPARE(
                localizedMetainfo.text.count(QStringLiteral(" xml:lang=\"%1\">").arg(language)),
                texts);
    }

    // The pages of every language name the same captions and keys, and each finds them all in
    // its language's catalogue.
    void theManualPagesAgreeAndResolve()
    {
        const QString english = sourceFile("tessel.6.in");
        QVERIFY(!english.isEmpty());
        for (const char* language : { "de", "tr" }) {
            const QString page = sourceFile(QStringLiteral("tessel.%1.6.in")
                                                .arg(QLatin1String(language))
                                                .toLatin1()
                                                .constData());
            QCOMPARE(placeholders(page), placeholders(english));
            QVERIFY(useLanguage(QLatin1String(language)));
            const LocalizedFile filled = fillManualPage(page, QStringLiteral("1.20"), [](int id) {
                return findResourceString(id).value_or(QString());
            });
            QCOMPARE(filled.untranslatable, QStringList());
            QVERIFY(!filled.text.contains(QLatin1String("@caption")));
            QVERIFY(!filled.text.contains(QLatin1String("@key")));
            QVERIFY(filled.text.contains(manualPageCaption(ResourceString(410))));
        }
    }
};

QTEST_GUILESS_MAIN(TestDesktopTexts)
#include "tst_desktoptexts.moc"
