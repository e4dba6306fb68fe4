#include "common/errors.h"
#include "common/resourcestring.h"

#include <QtTest>

using namespace tessel;

class TestResourceString : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << 10 << "Velkor - Tessel";
        QTest::newRow("refusal keeps its spelling")
            << 30
            << "In order for the program to work, it is important that, your computer is "
               "installed with NT 4.0 and 'Servis Pack 3' or with a higher version.";
        QTest::newRow("report: trailing blank and line feed")
            << 40
            << "Due to the error occured below, the program may not work! \nAre you sure you "
               "want to continue?";
        QTest::newRow("board frame, trailing blank") << 100 << "Completing Photo ";
        QTest::newRow("option with access key") << 230 << "&5 x 5 Blocks ";
        QTest::newRow("sample box") << 400 << "Show ph&oto sample ";
        QTest::newRow("sound off") << 420 << "Sound o&ff ";
        QTest::newRow("no trailing blank") << 510 << "Remaining Time :";
        QTest::newRow("hour: blanks both sides") << 1100 << " hour, ";
        QTest::newRow("second: leading blank only") << 1250 << " second";
        QTest::newRow("completion time") << 1320 << "Completing Time : ";
        QTest::newRow("exit question") << 1500 << "Do you want to exit the program?";
        QTest::newRow("photo label") << 1800 << "&Photos (*.bmp, *.jpg)";
        QTest::newRow("preview") << 1900 << "Preview ";
        QTest::newRow("last window text") << 2600 << "Send E-Mail";
        QTest::newRow("hint menu item: its key shows beside it") << 3200 << "Hint";
        QTest::newRow("shortest, a number to fill in") << 3220 << "Shortest possible: %1 moves.";
        QTest::newRow("best known, one move") << 3231 << "Best known: 1 move.";
        QTest::newRow("new best time") << 3240 << "New best time for %1 x %1!";
        QTest::newRow("fewest moves") << 3250 << "Fewest moves yet for %1 x %1!";
        QTest::newRow("results window") << 3300 << "Best Results";
        QTest::newRow("best results: the question")
            << 3380 << "Do you want to clear the best results of every board?";
        QTest::newRow("command line: the photo argument") << 3420 << "photo";
    }

    void texts()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(ResourceString(id), text);
    }

    void tableHoldsEveryListedEntryInOrder()
    {
        // 44 ids below 3000: every caption and message of the windows has one; the texts of
        // keyboard play and screen readers follow from 3000.
        const auto table = stringTable();
        const auto designed = std::count_if(
            table.begin(), table.end(), [](const StringEntry& entry) { return entry.id < 3000; });
        QCOMPARE(designed, 44);
        for (size_t i = 1; i < table.size(); ++i)
            QVERIFY2(table[i - 1].id < table[i].id, qPrintable(QString::number(table[i].id)));
        // Every listed id answers with its own text, and names itself for translators.
        for (const StringEntry& entry : table) {
            QCOMPARE(ResourceString(entry.id), QString::fromUtf8(entry.source.text));
            QCOMPARE(QString::fromLatin1(entry.source.id), QString::number(entry.id));
        }
    }

    void missingIdRaisesResourceError_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("between entries") << 15;
        QTest::newRow("zero") << 0;
        QTest::newRow("after the windows' texts") << 2700;
        QTest::newRow("between the best results' and the command line's") << 3390;
        QTest::newRow("past the end") << 3990;
        QTest::newRow("negative") << -10;
    }

    void missingIdRaisesResourceError()
    {
        QFETCH(int, id);
        QVERIFY(!findResourceString(id));
        try {
            ResourceString(id);
            QFAIL("no error raised");
        } catch (const TesselError& error) {
            QCOMPARE(error.code(), ErrorCode::ResourceNotFound);
            QCOMPARE(error.number(), 326);
        }
    }
};

QTEST_GUILESS_MAIN(TestResourceString)
#include "tst_resourcestring.moc"
