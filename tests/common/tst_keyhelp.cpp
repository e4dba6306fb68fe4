#include "common/keyhelp.h"
#include "common/translations.h"

#include <QSet>
#include <QtTest>

using namespace tessel;

namespace {

QStringList keysOf(const std::vector<KeyHelpRow>& rows)
{
    QStringList keys;
    for (const KeyHelpRow& row : rows)
        keys << row.keys;
    return keys;
}

} // namespace

class TestKeyHelp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { useLanguage(QString()); }

    void everyKeyInOrder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("keys");
        // The access keys are those the game window's captions mark in each language.
        QTest::newRow("en") << ""
                            << QStringList { "Arrow keys",
                                             "Space",
                                             "H",
                                             "Ctrl+Z",
                                             "Ctrl+Shift+Z, Ctrl+Y",
                                             "Ctrl+R",
                                             "Ctrl+B",
                                             "F1",
                                             "Alt+3, Alt+4, Alt+5",
                                             "Alt+O",
                                             "Alt+S",
                                             "Alt+F",
                                             "Alt+N",
                                             "Alt+P",
                                             "Alt+A",
                                             "Esc",
                                             "Tab, Shift+Tab" };
        QTest::newRow("de") << "de"
                            << QStringList { "Pfeiltasten",
                                             "Leertaste",
                                             "H",
                                             "Strg+Z",
                                             "Strg+Umschalt+Z, Strg+Y",
                                             "Strg+R",
                                             "Strg+B",
                                             "F1",
                                             "Alt+3, Alt+4, Alt+5",
                                             "Alt+V",
                                             "Alt+S",
                                             "Alt+T",
                                             "Alt+N",
                                             "Alt+F",
                                             "Alt+B",
                                             "Esc",
                                             "Tab, Umschalt+Tab" };
        QTest::newRow("tr") << "tr"
                            << QStringList { QString::fromUtf8("Ok tuşları"),
                                             QString::fromUtf8("Boşluk"),
                                             "H",
                                             "Ctrl+Z",
                                             "Ctrl+Shift+Z, Ctrl+Y",
                                             "Ctrl+R",
                                             "Ctrl+B",
                                             "F1",
                                             "Alt+3, Alt+4, Alt+5",
                                             "Alt+R",
                                             "Alt+K",
                                             "Alt+S",
                                             "Alt+Y",
                                             "Alt+F",
                                             "Alt+H",
                                             "Esc",
                                             "Tab, Shift+Tab" };
    }

    void everyKeyInOrder()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, keys);
        QVERIFY(useLanguage(language));
        const std::vector<KeyHelpRow> rows = keyHelpRows();
        QCOMPARE(keysOf(rows), keys);
        // Each key does something of its own, told in the language's words.
        QSet<QString> actions;
        for (const KeyHelpRow& row : rows) {
            QVERIFY2(!row.action.isEmpty(), qPrintable(row.keys));
            QVERIFY2(!actions.contains(row.action), qPrintable(row.action));
            actions << row.action;
        }
    }
};

QTEST_GUILESS_MAIN(TestKeyHelp)
#include "tst_keyhelp.moc"
