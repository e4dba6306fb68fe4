#include "common/errors.h"
#include "common/numbers.h"

#include <QtTest>

using namespace tessel;

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("0.5 down") << 0.5 << 0.0;
        QTest::newRow("1.5 up") << 1.5 << 2.0;
        QTest::newRow("2.5 down") << 2.5 << 2.0;
        QTest::newRow("112.5 down") << 112.5 << 112.0;
        QTest::newRow("37.5 up") << 37.5 << 38.0;
        QTest::newRow("-2.5 to -2") << -2.5 << -2.0;
        QTest::newRow("-3.5 to -4") << -3.5 << -4.0;
        QTest::newRow("below half") << 1309.25 << 1309.0;
        QTest::newRow("above half") << 66.67 << 67.0;
    }

    void roundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(roundHalfEven(value), rounded);
    }

    void twipsRectanglesRoundEachEdge()
    {
        // 1985 twips = 132.33 px and 1985 + 1753 = 3738 = 249.2 px: width follows the edges.
        QCOMPARE(twipsToPixels(1985, 300, 1753, 1313), QRect(132, 20, 117, 88));
        // Neighbouring cells 22 twips apart never overlap and never drift apart.
        const QRect a = twipsToPixels(210, 300, 1753, 1313);
        const QRect b = twipsToPixels(210 + 1775, 300, 1753, 1313);
        QVERIFY(a.right() < b.left());
        QCOMPARE(twipsToPixels(0, 0, 9510, 6195).size(), QSize(634, 413));
    }

    void convertsStoredTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "7" << 7;
        QTest::newRow("blanks around") << "  12 " << 12;
        QTest::newRow("negative") << "-3" << -3;
        QTest::newRow("fraction rounds to even") << "2.5" << 2;
        QTest::newRow("comma fraction") << "3,5" << 4;
        QTest::newRow("int16 edge") << "32767" << 32767;
    }

    void convertsStoredTexts()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(toInt16(text)), value);
    }

    void badTextsRaiseTheirErrors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("target"); // 16, 8 or 32 bits
        QTest::addColumn<int>("number");
        QTest::newRow("empty") << "" << 16 << 13;
        QTest::newRow("words") << "abc" << 16 << 13;
        QTest::newRow("trailing junk") << "12x" << 16 << 13;
        QTest::newRow("two separators") << "1.2.3" << 16 << 13;
        QTest::newRow("sign only") << "-" << 16 << 13;
        QTest::newRow("beyond 16 bits") << "40000" << 16 << 6;
        QTest::newRow("byte over 255") << "256" << 8 << 6;
        QTest::newRow("negative byte") << "-1" << 8 << 6;
        QTest::newRow("beyond 32 bits") << "2147483648" << 32 << 6;
    }

    void badTextsRaiseTheirErrors()
    {
        QFETCH(QString, text);
        QFETCH(int, target);
        QFETCH(int, number);
        try {
            if (target == 16)
                toInt16(text);
            else if (target == 8)
                toUInt8(text);
            else
                toInt32(text);
            QFAIL("no error raised");
        } catch (const TesselError& error) {
            QCOMPARE(error.number(), number);
        }
    }

    void singleAcceptsEitherSeparator()
    {
        QCOMPARE(toSingle(QStringLiteral("1234.5")), 1234.5f);
        QCOMPARE(toSingle(QStringLiteral("1234,5")), 1234.5f);
        QCOMPARE(toSingle(QStringLiteral("-7")), -7.0f);
        QVERIFY_THROWS_EXCEPTION(TesselError, toSingle(QStringLiteral("1 234")));
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
