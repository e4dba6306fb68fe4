#include "common/accessibletext.h"

#include <QtTest>

using namespace tessel;

class TestAccessibleText : public QObject
{
    Q_OBJECT

private slots:
    void captionsReadWithoutMarksAndBlanks_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("plain");
        QTest::newRow("mark inside, blank after") << "Show ph&oto sample "
                                                  << "Show photo sample";
        QTest::newRow("mark first") << "&3 x 3 Blocks "
                                    << "3 x 3 Blocks";
        QTest::newRow("a doubled mark is an ampersand") << "Salt && &Pepper"
                                                        << "Salt & Pepper";
        QTest::newRow("a mark at the end goes") << "Odd&"
                                                << "Odd";
        QTest::newRow("blank before and after") << "  Preview  "
                                                << "Preview";
        QTest::newRow("nothing to take away") << "OK"
                                              << "OK";
        QTest::newRow("empty") << ""
                               << "";
    }

    void captionsReadWithoutMarksAndBlanks()
    {
        QFETCH(QString, caption);
        QFETCH(QString, plain);
        QCOMPARE(plainCaption(caption), plain);
    }

    void accessKeys_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::newRow("inside") << "Show ph&oto sample "
                                << "O";
        QTest::newRow("first, a digit") << "&3 x 3 Blocks "
                                        << "3";
        QTest::newRow("after a doubled mark") << "Salt && &Pepper"
                                              << "P";
        QTest::newRow("a doubled mark only") << "Salt && Pepper"
                                             << "";
        QTest::newRow("a mark at the end") << "Odd&"
                                           << "";
        QTest::newRow("a letter beyond ASCII") << QString::fromUtf8("Ü&ber ö&rnek") << "B";
        QTest::newRow("none") << "Exit (Esc)"
                              << "";
    }

    void accessKeys()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QCOMPARE(accessKey(caption), key);
    }

    void aDisplayIsReadWithItsValue()
    {
        QCOMPARE(namedValue(3040, QStringLiteral("12")), QStringLiteral("Moves: 12"));
        QCOMPARE(namedValue(3030, QStringLiteral("01:02:05")), QStringLiteral("Time: 01:02:05"));
    }
};

QTEST_GUILESS_MAIN(TestAccessibleText)
#include "tst_accessibletext.moc"
