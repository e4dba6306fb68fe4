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

    void contrastAsTheWebsGuidelinesGiveIt_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        // Published reference values.
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("a colour on itself") << QColor(128, 0, 0) << QColor(128, 0, 0) << 1.0;
        QTest::newRow("#777777 on white, just short of 4.5")
            << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
        QTest::newRow("pure red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.0;
        QTest::newRow("either order") << QColor(Qt::white) << QColor(0, 0, 255) << 8.59;
    }

    void contrastAsTheWebsGuidelinesGiveIt()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY2(std::abs(contrastRatio(a, b) - ratio) < 0.01,
                 qPrintable(QString::number(contrastRatio(a, b))));
    }

    void designColoursStayOnALightGround_data()
    {
        QTest::addColumn<QColor>("ground");
        QTest::newRow("Fusion's window") << QColor(0xef, 0xef, 0xef);
        QTest::newRow("white") << QColor(Qt::white);
        QTest::newRow("a mid grey that black text still suits") << QColor(0x80, 0x80, 0x80);
    }

    void designColoursStayOnALightGround()
    {
        QFETCH(QColor, ground);
        QVERIFY(!isDarkGround(ground));
        for (const QColor& design : { QColor(128, 0, 0), QColor(192, 64, 0), QColor(0, 0, 192),
                                      QColor(128, 64, 64), QColor(0, 0, 255) })
            QCOMPARE(readableTextColor(design, ground), design);
    }

    void onADarkGroundALighterShadeOfTheSameHue_data()
    {
        QTest::addColumn<QColor>("design");
        QTest::addColumn<QColor>("ground");
        for (const QColor& ground : { QColor(0x2b, 0x2b, 0x2b), QColor(0x35, 0x35, 0x35),
                                      QColor(Qt::black), QColor(0x20, 0x24, 0x38) }) {
            for (const QColor& design : { QColor(128, 0, 0), QColor(192, 64, 0), QColor(0, 0, 192),
                                          QColor(128, 64, 64), QColor(0, 0, 255) })
                QTest::addRow("%s on %s", qPrintable(design.name()), qPrintable(ground.name()))
                    << design << ground;
        }
    }

    void onADarkGroundALighterShadeOfTheSameHue()
    {
        QFETCH(QColor, design);
        QFETCH(QColor, ground);
        QVERIFY(isDarkGround(ground));
        const QColor shown = readableTextColor(design, ground);
        QVERIFY2(contrastRatio(shown, ground) >= shadeContrast,
                 qPrintable(QString::number(contrastRatio(shown, ground))));
        QVERIFY(shown.lightnessF() > design.lightnessF());
        const int hue = std::abs(shown.toHsl().hslHue() - design.toHsl().hslHue());
        QVERIFY2(std::min(hue, 360 - hue) <= 2, qPrintable(shown.name()));
        // The darkest such shade: a few steps darker no longer reads.
        const QColor darker
            = QColor::fromHslF(shown.toHsl().hslHueF(), shown.toHsl().hslSaturationF(),
                               shown.toHsl().lightnessF() - 0.02f);
        QVERIFY(contrastRatio(darker, ground) < shadeContrast);
    }

    void aDesignColourThatReadsOnADarkGroundStays()
    {
        const QColor ground(0x2b, 0x2b, 0x2b);
        const QColor light(255, 200, 120);
        QVERIFY(contrastRatio(light, ground) >= readableContrast);
        QCOMPARE(readableTextColor(light, ground), light);
    }

    void unknownSystemColourIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(TesselError, colorFromStored(0x8000001Fu, QPalette()));
        QVERIFY_THROWS_EXCEPTION(TesselError, colorFromStored(0xFFFFFFFFu, QPalette()));
    }
};

QTEST_GUILESS_MAIN(TestColors)
#include "tst_colors.moc"
