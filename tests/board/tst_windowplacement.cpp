#include "board/windowplacement.h"

#include <QtTest>

using namespace tessel;

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void centredDefault_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPointF>("twips");
        QTest::addColumn<QPoint>("pixels");
        // The window's outer size is 634 x 413 pixels, 9510 x 6195 twips.
        QTest::newRow("800 x 600: the top ends in .5 and rounds to even")
            << QRect(0, 0, 800, 600) << QPointF(1245, 1402.5) << QPoint(83, 94);
        QTest::newRow("1366 x 768")
            << QRect(0, 0, 1366, 768) << QPointF(5490, 2662.5) << QPoint(366, 178);
        QTest::newRow("odd width: 82.5 pixels round down to even")
            << QRect(0, 0, 799, 600) << QPointF(1237.5, 1402.5) << QPoint(82, 94);
        QTest::newRow("a primary screen right of another")
            << QRect(1920, 0, 1280, 1024) << QPointF(28800 + 4845, 4582.5) << QPoint(2243, 306);
    }

    void centredDefault()
    {
        QFETCH(QRect, screen);
        QFETCH(QPointF, twips);
        QFETCH(QPoint, pixels);
        const QPointF centred = centredWindowTwips(screen, QSize(634, 413));
        QCOMPARE(centred, twips);
        QCOMPARE(windowPixels(centred), pixels);
    }

    void farPositionsStayFarWithoutOverflow()
    {
        const QPoint far = windowPixels(QPointF(3.4e38, -3.4e38));
        QVERIFY(far.x() > 1000000);
        QVERIFY(far.y() < -1000000);
        // Still far enough that a window there shows on no screen, and its size fits.
        const QRect screens[] = { QRect(0, 0, 1920, 1080) };
        QVERIFY(liesOutsideEveryScreen(QRect(far, QSize(634, 413)), screens));
    }

    void outsideEveryScreen_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<bool>("outside");
        // Two screens side by side: 1920 x 1080 and, right of it, 1280 x 1024.
        QTest::newRow("on the first") << QRect(100, 100, 634, 413) << false;
        QTest::newRow("on the second") << QRect(2500, 500, 634, 413) << false;
        QTest::newRow("across both") << QRect(1700, 100, 634, 413) << false;
        QTest::newRow("partly off the left edge") << QRect(-600, 100, 634, 413) << false;
        QTest::newRow("one pixel row still shows at the top") << QRect(10, -412, 634, 413) << false;
        QTest::newRow("just above the top") << QRect(10, -413, 634, 413) << true;
        QTest::newRow("below the second screen, beside the first")
            << QRect(2000, 1030, 634, 413) << true;
        QTest::newRow("far right") << QRect(4000, 100, 634, 413) << true;
    }

    void outsideEveryScreen()
    {
        QFETCH(QRect, window);
        QFETCH(bool, outside);
        const QRect screens[] = { QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024) };
        QCOMPARE(liesOutsideEveryScreen(window, screens), outside);
    }
};

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
