#include "about/aboutinfo.h"
#include "about/linkrules.h"
#include "version.h"

#include <QtTest>

using namespace tessel;

class TestLinkRules : public QObject
{
    Q_OBJECT

private slots:
    void fitKeepsThirtyTwipsRoundTheLabel_data()
    {
        QTest::addColumn<QSize>("label");
        QTest::addColumn<QSize>("control");
        // 30 twips are 2 pixels, 60 twips 4.
        QTest::newRow("empty label") << QSize(0, 13) << QSize(4, 17);
        QTest::newRow("short link") << QSize(70, 13) << QSize(74, 17);
        QTest::newRow("nothing at all") << QSize(0, 0) << QSize(4, 4);
    }

    void fitKeepsThirtyTwipsRoundTheLabel()
    {
        QFETCH(QSize, label);
        QFETCH(QSize, control);
        const LinkFit fit = fitLinkToLabel(label);
        QCOMPARE(fit.labelPosition, QPoint(2, 2));
        QCOMPARE(fit.controlSize, control);
    }

    void extentsAreHundredthsOfMillimetres_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("extent");
        QTest::newRow("an inch") << 1440.0 << 2540;
        QTest::newRow("web site link width") << 1950.0 << 3440; // 3439.58
        QTest::newRow("short link width") << 420.0 << 741; // 740.83
        QTest::newRow("link height") << 255.0 << 450; // 449.79
    }

    void extentsAreHundredthsOfMillimetres()
    {
        QFETCH(double, twips);
        QFETCH(int, extent);
        QCOMPARE(extentFromTwips(twips), extent);
        QVERIFY(qAbs(twipsFromExtent(extent) - twips) < 0.5);
    }

    void mouseStateAsTheControlPassesIt_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("buttonMask");
        QTest::addColumn<int>("shiftMask");
        QTest::newRow("nothing held") << 0 << 0 << 0 << 0;
        QTest::newRow("left, Shift") << int(Qt::LeftButton) << int(Qt::ShiftModifier) << 1 << 1;
        QTest::newRow("right and middle, Ctrl and Alt")
            << int(Qt::RightButton | Qt::MiddleButton) << int(Qt::ControlModifier | Qt::AltModifier)
            << 6 << 6;
        QTest::newRow("extra button, keypad")
            << int(Qt::BackButton) << int(Qt::KeypadModifier) << 0 << 0;
    }

    void mouseStateAsTheControlPassesIt()
    {
        QFETCH(int, buttons);
        QFETCH(int, modifiers);
        QFETCH(int, buttonMask);
        QFETCH(int, shiftMask);
        QCOMPARE(int(mouseButtonMask(Qt::MouseButtons(buttons))), buttonMask);
        QCOMPARE(int(tessel::shiftMask(Qt::KeyboardModifiers(modifiers))), shiftMask);
    }

    void buildFieldsAreFilledIn()
    {
        QCOMPARE(expandBuildFields(QStringLiteral("${siteUrl}/x?p=${projectName}|mailto:${email}")),
                 QString::fromUtf8(version::siteUrl) + QStringLiteral("/x?p=Mozark|mailto:")
                     + QString::fromUtf8(version::email));
        QCOMPARE(expandBuildFields(QStringLiteral("$siteUrl {email}")),
                 QStringLiteral("$siteUrl {email}"));
    }

    void iconIsABoardWithTheLastCellEmpty()
    {
        const QImage icon = aboutIcon();
        QCOMPARE(icon.size(), QSize(32, 32));
        const QRgb line = qRgb(108, 157, 255);
        int linePixels = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = icon.pixel(x, y);
                if (pixel == line) {
                    ++linePixels;
                    continue;
                }
                QVERIFY2(qAlpha(pixel) == 0, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        }
        QCOMPARE(linePixels, 8 * 28); // eight outlines of 8 x 8
        // Corners of the first square and of the one beside the gap; inside and gap are empty.
        QCOMPARE(icon.pixel(2, 2), line);
        QCOMPARE(icon.pixel(9, 9), line);
        QCOMPARE(qAlpha(icon.pixel(5, 5)), 0);
        QCOMPARE(qAlpha(icon.pixel(10, 10)), 0);
        QCOMPARE(icon.pixel(19, 29), line);
        QCOMPARE(qAlpha(icon.pixel(22, 22)), 0);
        QCOMPARE(qAlpha(icon.pixel(29, 29)), 0);
    }
};

QTEST_GUILESS_MAIN(TestLinkRules)
#include "tst_linkrules.moc"
