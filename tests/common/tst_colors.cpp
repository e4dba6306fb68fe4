#include "common/colors.h"
#include "common/errors.h"

#include <QtTest>

using namespace tessel;

class TestColors : public QObject
{
    Q_OBJECT

private slots:
    void plainValuesHaveRedInTheLowByte_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("blue") << 0x00FF0000u << QColor(0, 0, 255);
        QTest::newRow("brown") << 0x00404080u << QColor(128, 64, 64);
        QTest::newRow("red") << 0x000000FFu << QColor(255, 0, 0);
        QTest::newRow("from parts") << rgbValue(108, 157, 255) << QColor(108, 157, 255);
    }

    void plainValuesHaveRedInTheLowByte()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, colour);
        QCOMPARE(colorFromStored(value, QPalette()), colour);
    }

    void systemColoursComeFromThePalette_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("role");
        QTest::newRow("button text") << 0x80000012u << int(QPalette::ButtonText);
        QTest::newRow("button face") << 0x8000000Fu << int(QPalette::Window);
        QTest::newRow("window") << 0x80000005u << int(QPalette::Base);
        QTest::newRow("window text") << 0x80000008u << int(QPalette::Text);
        QTest::newRow("highlight") << 0x8000000Du << int(QPalette::Highlight);
    }

    void systemColoursComeFromThePalette()
    {
        QFETCH(quint32, value);
        QFETCH(int, role);
        // Every role a colour of its own, so a wrong mapping cannot pass by chance.
        QPalette palette;
        for (int r = 0; r < QPalette::NColorRoles; ++r)
            palette.setColor(QPalette::ColorRole(r), QColor(r, 255 - r, 7 * r % 256));
        QCOMPARE(colorFromStored(value, palette), palette.color(QPalette::ColorRole(role)));
    }

    void unknownSystemColourIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(TesselError, colorFromStored(0x8000001Fu, QPalette()));
        QVERIFY_THROWS_EXCEPTION(TesselError, colorFromStored(0xFFFFFFFFu, QPalette()));
    }
};

QTEST_MAIN(TestColors)
#include "tst_colors.moc"
